#pragma once

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>

#include <functional>
#include <optional>

// Every setting of the program: one row per key of "tvstudio.ini".
enum class SettingKey {
    WebsafeMode,     // Prefs/websafeMode, integer, 0
    Blindness,       // Prefs/Blindness, integer, 0
    Palette,         // Prefs/Palette, integer, 0
    RYBMode,         // Prefs/RYBMode, boolean, true
    WheelStyle,      // Prefs/WheelStyle, integer, 0
    OnTop,           // Prefs/OnTop, boolean, false
    RememberScheme,  // Prefs/RememberScheme, boolean, true
    SInc,            // Prefs/SInc, string holding 0..25, "5"
    LInc,            // Prefs/LInc, string holding 0..25, "5"
    FavCaption,      // Prefs/FavCaption, integer, 0
    FavStyleExp,     // Prefs/FavStyleExp, boolean, false
    FavDelWarn,      // Prefs/FavDelWarn, boolean, false
    FavExitWarn,     // Prefs/FavExitWarn, boolean, true
    MainBaseColor,   // Main/BaseColor, integer (TColor), 26367
    MainTop,         // Main/Top, integer, centred
    MainLeft,        // Main/Left, integer, centred
    MainSelectedTab, // Main/SelectedTab, integer, 0
    PreviewTop, PreviewLeft,
    AnalyzerTop, AnalyzerLeft,
    MixerTop, MixerLeft, MixerSteps,
    PantoneTop, PantoneLeft, PantoneHeight,
    PicturistTop, PicturistLeft, PicturistWidth, PicturistHeight,
    PicturistPaletteLeft, PicturistPaletteTop, PicturistNumColors,
    UpdateHost,      // Update/Host, string, the web site's host name
    UpdateAllowHttp, // Update/AllowHttp, boolean, false: the update check falls back to http:// only when set
    Count
};

enum class SettingType { Integer, Boolean, String };

struct SettingDef {
    SettingKey key;
    const char* section;
    const char* name;
    SettingType type;
    // The default as the file would hold it; empty for a position whose
    // default ("centred") depends on the screen and is given by the caller.
    const char* defaultText;
};

// The whole table, in SettingKey order.
const SettingDef& SettingDefinition(SettingKey key);

// The folder of the settings and session files: $TINTVALE_HOME when set;
// otherwise the executable's folder when it is writable; otherwise the
// user's configuration folder for the program.
QString SettingsFolder();
QString SettingsFilePath();

// The colour guides' folders, the user's first: $TINTVALE_HOME/guides when
// that is set, else "guides" in the user's data folder; then the installed
// data beside the program (../share/tintvale-studio/guides, which the build
// tree has too) and "guides" in the system's data folders for the program.
QString UserGuideFolder();
QStringList GuideFolders();

// The text of "tvstudio.ini" as bytes, as the store reads and writes it.
// Lines end in CR LF, LF or CR; "[Section]" starts a section; "key=value"
// (not starting with ";") is a key. Names compare without regard to case.
namespace IniText {
// The first value of the key in the section (trimmed; UTF-8 when it is valid
// UTF-8, else Latin-1), or nothing.
std::optional<QString> Value(const QByteArray& file, const char* section, const char* key);
// The file with the key's first line in the section replaced by
// "key=value", or such a line added after the section's last non-empty line
// (a new section "[Section]" at the end, after an empty line, when there is
// none). Every other byte of the file is kept as it was.
QByteArray WithValue(const QByteArray& file, const char* section, const char* key, const QByteArray& value);
} // namespace IniText

// Reads and writes "tvstudio.ini". Nothing is cached: each call opens the
// file afresh, so a value written anywhere is seen by the next read. A
// missing file, section or key, or a value that does not parse, yields the
// default. Booleans are written as 1 and 0 and read as any non-zero integer.
// A write replaces only the line of its key (or adds one) and keeps every
// other byte of the file as it was (comments, unknown sections, text in any
// encoding, line ends); it goes through SafeFile::Save, so a full disk keeps
// the earlier file whole and the write fails. A file that exists but cannot
// be read (not a regular file, over 16 MiB, a read error) reads as defaults
// and is never rewritten.
class SettingsStore {
public:
    explicit SettingsStore(QString filePath = SettingsFilePath());

    int readInt(SettingKey key) const;
    int readInt(SettingKey key, int fallback) const; // for keys without a fixed default
    bool readBool(SettingKey key) const;
    QString readString(SettingKey key) const;

    // A write that fails calls the failure handler the first time only; the
    // caller goes on regardless.
    bool writeInt(SettingKey key, int value);
    bool writeBool(SettingKey key, bool value);
    bool writeString(SettingKey key, const QString& value);
    // Several keys in one rewrite of the file (the closing sequence): all of
    // them or, on a failure, none. Values as the file holds them ("1"/"0" for
    // booleans).
    bool writeAll(const QList<QPair<SettingKey, QString>>& values);

    QString filePath() const { return m_path; }

    using FailureHandler = std::function<void(const QString& message)>;
    static void setFailureHandler(FailureHandler handler);

private:
    std::optional<QString> rawValue(SettingKey key) const;
    bool writeRaw(SettingKey key, const QString& text);

    QString m_path;
};
