#include "SettingsStore.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSettings>
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

std::optional<QString> SettingsStore::rawValue(SettingKey key) const
{
    if (!QFileInfo::exists(m_path))
        return std::nullopt;
    const SettingDef& def = SettingDefinition(key);
    QSettings ini(m_path, QSettings::IniFormat);
    const QVariant v = ini.value(QStringLiteral("%1/%2").arg(QLatin1String(def.section), QLatin1String(def.name)));
    if (!v.isValid())
        return std::nullopt;
    // A value with commas reads back as a list; take it as the text it was.
    if (v.typeId() == QMetaType::QStringList)
        return v.toStringList().join(u',');
    return v.toString();
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
    QSettings ini(m_path, QSettings::IniFormat);
    ini.setValue(QStringLiteral("%1/%2").arg(QLatin1String(def.section), QLatin1String(def.name)), text);
    ini.sync();
    if (ini.status() == QSettings::NoError)
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
