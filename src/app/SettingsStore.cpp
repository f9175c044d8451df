#include "SettingsStore.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QFile>
#include <QSaveFile>
#include <QStandardPaths>

#include <array>

namespace {

using enum SettingType;

constexpr std::array<SettingDef, std::size_t(SettingKey::Count)> kSettings{{
    {SettingKey::WebsafeMode, "Prefs", "websafeMode", Integer, "0"},
    {SettingKey::Blindness, "Prefs", "Blindness", Integer, "0"},
    {SettingKey::Palette, "Prefs", "Palette", Integer, "0"},
    {SettingKey::RYBMode, "Prefs", "RYBMode", Boolean, "1"},
    {SettingKey::WheelStyle, "Prefs", "WheelStyle", Integer, "0"},
    {SettingKey::OnTop, "Prefs", "OnTop", Boolean, "0"},
    {SettingKey::RememberScheme, "Prefs", "RememberScheme", Boolean, "1"},
    {SettingKey::SInc, "Prefs", "SInc", String, "5"},
    {SettingKey::LInc, "Prefs", "LInc", String, "5"},
    {SettingKey::FavCaption, "Prefs", "FavCaption", Integer, "0"},
    {SettingKey::FavStyleExp, "Prefs", "FavStyleExp", Boolean, "0"},
    {SettingKey::FavDelWarn, "Prefs", "FavDelWarn", Boolean, "0"},
    {SettingKey::FavExitWarn, "Prefs", "FavExitWarn", Boolean, "1"},
    {SettingKey::MainBaseColor, "Main", "BaseColor", Integer, "26367"},
    {SettingKey::MainTop, "Main", "Top", Integer, ""},
    {SettingKey::MainLeft, "Main", "Left", Integer, ""},
    {SettingKey::MainSelectedTab, "Main", "SelectedTab", Integer, "0"},
    {SettingKey::PreviewTop, "Preview", "Top", Integer, ""},
    {SettingKey::PreviewLeft, "Preview", "Left", Integer, ""},
    {SettingKey::AnalyzerTop, "Analyzer", "Top", Integer, ""},
    {SettingKey::AnalyzerLeft, "Analyzer", "Left", Integer, ""},
    {SettingKey::MixerTop, "Mixer", "Top", Integer, ""},
    {SettingKey::MixerLeft, "Mixer", "Left", Integer, ""},
    {SettingKey::MixerSteps, "Mixer", "Steps", Integer, "1"},
    {SettingKey::PantoneTop, "Pantone", "Top", Integer, ""},
    {SettingKey::PantoneLeft, "Pantone", "Left", Integer, ""},
    {SettingKey::PantoneHeight, "Pantone", "Height", Integer, "265"},
    {SettingKey::PicturistTop, "Picturist", "Top", Integer, ""},
    {SettingKey::PicturistLeft, "Picturist", "Left", Integer, ""},
    {SettingKey::PicturistWidth, "Picturist", "Width", Integer, "600"},
    {SettingKey::PicturistHeight, "Picturist", "Height", Integer, "450"},
    {SettingKey::PicturistPaletteLeft, "Picturist", "PaletteLeft", Integer, "10"},
    {SettingKey::PicturistPaletteTop, "Picturist", "PaletteTop", Integer, "10"},
    {SettingKey::PicturistNumColors, "Picturist", "NumColors", Integer, "5"},
}};

constexpr bool tableInOrder()
{
    for (std::size_t i = 0; i < kSettings.size(); ++i)
        if (std::size_t(kSettings[i].key) != i)
            return false;
    return true;
}
static_assert(tableInOrder(), "the settings table must list the keys in SettingKey order");

SettingsStore::FailureHandler& failureHandler()
{
    static SettingsStore::FailureHandler handler;
    return handler;
}
bool g_failureReported = false;

// Integers as the classic INI reader takes them: optional sign, decimal
// digits, or "$"/"0x" hexadecimal.
std::optional<int> parseInt(const QString& text)
{
    const QString t = text.trimmed();
    bool ok = false;
    qlonglong v;
    if (t.startsWith(u'$'))
        v = t.mid(1).toLongLong(&ok, 16);
    else if (t.startsWith(u"0x", Qt::CaseInsensitive))
        v = t.mid(2).toLongLong(&ok, 16);
    else
        v = t.toLongLong(&ok, 10);
    if (!ok || v < std::numeric_limits<int>::min() || v > 0xFFFFFFFFLL)
        return std::nullopt;
    return int(std::uint32_t(v)); // hexadecimal colour values above INT_MAX wrap, as a 32-bit integer
}

} // namespace

const SettingDef& SettingDefinition(SettingKey key)
{
    return kSettings.at(std::size_t(key));
}

QString SettingsFolder()
{
    const QString home = qEnvironmentVariable("TINTVALE_HOME");
    if (!home.isEmpty()) {
        QDir().mkpath(home);
        return QDir(home).absolutePath();
    }
    const QString exeDir = QCoreApplication::applicationDirPath();
    if (!exeDir.isEmpty() && QFileInfo(exeDir).isWritable())
        return exeDir;
    QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    if (config.isEmpty())
        config = QDir::homePath() + QStringLiteral("/.config");
    const QString dir = config + QStringLiteral("/tintvale-studio");
    QDir().mkpath(dir);
    return dir;
}

QString SettingsFilePath()
{
    return SettingsFolder() + QStringLiteral("/tvstudio.ini");
}

SettingsStore::SettingsStore(QString filePath)
    : m_path(std::move(filePath))
{
}

void SettingsStore::setFailureHandler(FailureHandler handler)
{
    failureHandler() = std::move(handler);
    g_failureReported = false;
}

namespace {

// The file as lines; a missing or unreadable file is no lines.
QStringList readLines(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    QString text = QString::fromUtf8(f.readAll());
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(u'\r', u'\n');
    QStringList lines = text.split(u'\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

// "[Name]" -> Name; anything else is no section header.
std::optional<QString> sectionOf(const QString& line)
{
    const QString t = line.trimmed();
    if (t.size() >= 2 && t.startsWith(u'[') && t.endsWith(u']'))
        return t.mid(1, t.size() - 2).trimmed();
    return std::nullopt;
}

// Key of a "key=value" line, or nothing.
std::optional<QString> keyOf(const QString& line)
{
    const qsizetype eq = line.indexOf(u'=');
    if (eq <= 0 || line.trimmed().startsWith(u';'))
        return std::nullopt;
    return line.left(eq).trimmed();
}

} // namespace

// Section and key names compare without regard to case, as INI readers do.
std::optional<QString> SettingsStore::rawValue(SettingKey key) const
{
    const SettingDef& def = SettingDefinition(key);
    const QString section = QLatin1String(def.section), name = QLatin1String(def.name);
    bool inSection = false;
    for (const QString& line : readLines(m_path)) {
        if (const auto sec = sectionOf(line)) {
            inSection = sec->compare(section, Qt::CaseInsensitive) == 0;
            continue;
        }
        if (!inSection)
            continue;
        if (const auto k = keyOf(line); k && k->compare(name, Qt::CaseInsensitive) == 0)
            return line.mid(line.indexOf(u'=') + 1).trimmed();
    }
    return std::nullopt;
}

int SettingsStore::readInt(SettingKey key) const
{
    const SettingDef& def = SettingDefinition(key);
    const int fallback = parseInt(QLatin1String(def.defaultText)).value_or(0);
    return readInt(key, fallback);
}

int SettingsStore::readInt(SettingKey key, int fallback) const
{
    if (const auto raw = rawValue(key))
        if (const auto v = parseInt(*raw))
            return *v;
    return fallback;
}

bool SettingsStore::readBool(SettingKey key) const
{
    return readInt(key) != 0;
}

QString SettingsStore::readString(SettingKey key) const
{
    if (const auto raw = rawValue(key))
        return *raw;
    return QLatin1String(SettingDefinition(key).defaultText);
}

bool SettingsStore::writeRaw(SettingKey key, const QString& text)
{
    const SettingDef& def = SettingDefinition(key);
    const QString section = QLatin1String(def.section), name = QLatin1String(def.name);
    QStringList lines = readLines(m_path);
    const QString entry = name + QLatin1Char('=') + text;
    qsizetype sectionEnd = -1; // index after the last line of our section
    bool inSection = false, done = false;
    for (qsizetype i = 0; i < lines.size() && !done; ++i) {
        if (const auto sec = sectionOf(lines[i])) {
            inSection = sec->compare(section, Qt::CaseInsensitive) == 0;
            if (inSection)
                sectionEnd = i + 1;
            continue;
        }
        if (!inSection)
            continue;
        if (!lines[i].trimmed().isEmpty())
            sectionEnd = i + 1;
        if (const auto k = keyOf(lines[i]); k && k->compare(name, Qt::CaseInsensitive) == 0) {
            lines[i] = entry;
            done = true;
        }
    }
    if (!done) {
        if (sectionEnd >= 0) {
            lines.insert(sectionEnd, entry);
        } else {
            if (!lines.isEmpty() && !lines.last().trimmed().isEmpty())
                lines.append(QString());
            lines.append(QLatin1Char('[') + section + QLatin1Char(']'));
            lines.append(entry);
        }
    }
    QSaveFile f(m_path);
    bool ok = f.open(QIODevice::WriteOnly);
    if (ok) {
        f.write((lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toUtf8());
        ok = f.commit();
    }
    if (ok)
        return true;
    if (!g_failureReported && failureHandler()) {
        g_failureReported = true;
        failureHandler()(QStringLiteral("The settings file \"%1\" could not be written. "
                                        "Your preferences will not be kept.")
                             .arg(QDir::toNativeSeparators(m_path)));
    }
    return false;
}

bool SettingsStore::writeInt(SettingKey key, int value)
{
    return writeRaw(key, QString::number(value));
}

bool SettingsStore::writeBool(SettingKey key, bool value)
{
    return writeRaw(key, value ? QStringLiteral("1") : QStringLiteral("0"));
}

bool SettingsStore::writeString(SettingKey key, const QString& value)
{
    return writeRaw(key, value);
}
