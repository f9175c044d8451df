#include "SettingsStore.h"

#include "SafeFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QStringDecoder>

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
    {SettingKey::UpdateHost, "Update", "Host", String, "www.tintvale.org"},
    {SettingKey::UpdateAllowHttp, "Update", "AllowHttp", Boolean, "0"},
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

QString UserGuideFolder()
{
    const QString home = qEnvironmentVariable("TINTVALE_HOME");
    if (!home.isEmpty())
        return QDir(home).absoluteFilePath(QStringLiteral("guides"));
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QStringLiteral("/guides");
}

QStringList GuideFolders()
{
    QStringList folders{UserGuideFolder()};
    const QString installed = QDir(QCoreApplication::applicationDirPath())
                                  .absoluteFilePath(QStringLiteral("../share/tintvale-studio/guides"));
    folders << QDir::cleanPath(installed);
    for (const QString& dir : QStandardPaths::standardLocations(QStandardPaths::AppDataLocation))
        folders << dir + QStringLiteral("/guides");
    folders.removeDuplicates();
    return folders;
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

// The largest settings file read (far beyond any real one): a bigger file
// is not read, and not rewritten either, so that nothing in it is lost.
constexpr qint64 kSettingsCap = SafeFile::kTextCap;

// The file's bytes; empty for a missing file. Nothing when the file is there
// but cannot be read (too large, not a regular file, a read error).
std::optional<QByteArray> readFile(const QString& path)
{
    QByteArray bytes;
    const FileResult r = SafeFile::Read(path, kSettingsCap, bytes);
    if (!r.ok())
        return QFileInfo::exists(path) ? std::nullopt : std::optional<QByteArray>(QByteArray());
    return bytes;
}

// One line of the file: where its text begins and ends and where its line
// end ("\r\n", "\n", "\r", or none for a last line without one) ends.
struct IniLine {
    qsizetype begin = 0, textEnd = 0, end = 0;
};

// The lines one by one, without copying anything; `visit` returns false to stop.
template <typename Visit>
void forEachLine(const QByteArray& bytes, Visit visit)
{
    qsizetype from = 0;
    while (from < bytes.size()) {
        IniLine line{from, from, from};
        while (line.textEnd < bytes.size() && bytes[line.textEnd] != '\n' && bytes[line.textEnd] != '\r')
            ++line.textEnd;
        line.end = line.textEnd;
        if (line.end < bytes.size())
            line.end += bytes[line.end] == '\r' && line.end + 1 < bytes.size() && bytes[line.end + 1] == '\n' ? 2 : 1;
        if (!visit(line, QByteArrayView(bytes).sliced(line.begin, line.textEnd - line.begin)))
            return;
        from = line.end;
    }
}

// Section and key names are ASCII and compare without regard to case, as
// INI readers do.
bool sameName(QByteArrayView a, const char* b) { return qstrnicmp(a.data(), a.size(), b) == 0; }

// "[Name]" -> Name; anything else is no section header.
std::optional<QByteArrayView> sectionOf(QByteArrayView line)
{
    const QByteArrayView t = line.trimmed();
    if (t.size() >= 2 && t.startsWith('[') && t.endsWith(']'))
        return t.sliced(1, t.size() - 2).trimmed();
    return std::nullopt;
}

// Key of a "key=value" line, or nothing.
std::optional<QByteArrayView> keyOf(QByteArrayView line)
{
    const qsizetype eq = line.indexOf('=');
    if (eq <= 0 || line.trimmed().startsWith(';'))
        return std::nullopt;
    return line.first(eq).trimmed();
}

// A value's bytes as text: UTF-8 when they are valid UTF-8, else Latin-1.
QString valueText(QByteArrayView bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8(bytes);
    return utf8.hasError() ? QString::fromLatin1(bytes) : text;
}

} // namespace

namespace IniText {

std::optional<QString> Value(const QByteArray& file, const char* section, const char* key)
{
    bool inSection = false;
    std::optional<QString> value;
    forEachLine(file, [&](const IniLine&, QByteArrayView text) {
        if (const auto sec = sectionOf(text)) {
            inSection = sameName(*sec, section);
        } else if (inSection) {
            if (const auto k = keyOf(text); k && sameName(*k, key)) {
                value = valueText(text.sliced(text.indexOf('=') + 1).trimmed());
                return false;
            }
        }
        return true;
    });
    return value;
}

QByteArray WithValue(const QByteArray& file, const char* section, const char* key, const QByteArray& value)
{
    const QByteArray entry = QByteArray(key) + '=' + value;
    const QByteArray crlf("\r\n");
    bool inSection = false;
    std::optional<IniLine> found, sectionLast; // the key's line; the last non-empty line of the section
    IniLine last;                              // the file's last line
    forEachLine(file, [&](const IniLine& line, QByteArrayView text) {
        last = line;
        if (const auto sec = sectionOf(text)) {
            inSection = sameName(*sec, section);
            if (inSection)
                sectionLast = line;
        } else if (inSection && !text.trimmed().isEmpty()) {
            sectionLast = line;
            if (const auto k = keyOf(text); k && sameName(*k, key)) {
                found = line;
                return false;
            }
        }
        return true;
    });
    // Only the key's own text is replaced; every other byte stays.
    if (found)
        return file.first(found->begin) + entry + file.sliced(found->textEnd);
    // A new line after the section's last one, or a new section at the end;
    // the line before it gets a line end if it had none.
    const IniLine after = sectionLast ? *sectionLast : last;
    QByteArray out = file.first(after.end);
    if (!file.isEmpty() && after.end == after.textEnd)
        out += crlf;
    if (!sectionLast) {
        if (!file.isEmpty() && !QByteArrayView(file).sliced(last.begin, last.textEnd - last.begin).trimmed().isEmpty())
            out += crlf;
        out += '[' + QByteArray(section) + ']' + crlf;
    }
    return out + entry + crlf + file.sliced(after.end);
}

} // namespace IniText

std::optional<QString> SettingsStore::rawValue(SettingKey key) const
{
    const SettingDef& def = SettingDefinition(key);
    return IniText::Value(readFile(m_path).value_or(QByteArray()), def.section, def.name);
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
    return writeAll({{key, text}});
}

bool SettingsStore::writeAll(const QList<QPair<SettingKey, QString>>& values)
{
    std::optional<QByteArray> file = readFile(m_path);
    FileResult saved;
    if (file) {
        for (const auto& [key, text] : values) {
            const SettingDef& def = SettingDefinition(key);
            file = IniText::WithValue(*file, def.section, def.name, text.toUtf8());
        }
        saved = SafeFile::SaveBytes(m_path, *file);
    } else
        saved.error = FileError::ReadFailed; // rewriting a file that could not be read would lose all of it
    if (saved.ok())
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
