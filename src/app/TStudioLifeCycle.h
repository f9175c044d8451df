#pragma once

#include "SettingsStore.h"
#include "TColor.h"

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QStringList>

#include <optional>

class TStudioSession;

// What the main window itself shows from the settings file, read at
// start-up and written at close.
struct TWindowSettings {
    QPoint position;       // top-left of the window
    int selectedTab = 0;   // 0 colour wheel, 1 harmonies, 2 suggested colours
    bool wheelStyle = true; // the colour wheel (true) or the colour swatches
    int palette = 0;       // 0 websafe, 1 spectrum, 2 websafe spectrum
    bool onTop = false;
    bool deleteWarning = false;
    // The tool windows' keys (positions, the mixer's steps), written first.
    QList<QPair<SettingKey, QString>> tools;
};

// The studio session's life cycle against its files: start-up restores the
// session and reads the window's settings, closing writes both back and
// keeps the favourites in the session file. Every read opens the settings
// file afresh (SettingsStore).
class TStudioLifeCycle {
public:
    TStudioLifeCycle(TStudioSession& session, SettingsStore settings);

    const SettingsStore& settings() const { return m_settings; }
    // "session.tmp" beside the settings file.
    QString sessionFilePath() const;

    struct StartUp {
        TWindowSettings window;
        QStringList messages; // to show in OK boxes (a session file that could not be read)
    };
    // Start-up, in this order: the snap mode (websafeMode, a value other
    // than 0 or 1 is 0), the colour-vision mode (Blindness, 0..8 else 0), the
    // wheel kind (RYBMode), the base colour (Main/BaseColor, made the base
    // colour and the first history entry), the favourites from the session
    // file when RememberScheme is set, the steps (SInc, LInc), the name style
    // (FavCaption, above 2 is 0) and the expanded style; then the navigation
    // is disabled and the picked colour is the working colour. The window's
    // settings are returned: its position defaults to centred on `screen`
    // for a window of `windowSize` (integer division, truncating) and is
    // kept on one of `screens` (the available areas, primary first).
    StartUp start(QSize windowSize, QRect screen, const QList<QRect>& screens);

    // The close request asks before unsaved changes would be lost only when
    // FavExitWarn is set.
    bool closeNeedsQuestion() const;

    // Closing: the tool windows' keys, the window's keys and the session's (base colour, wheel kind,
    // colour-vision mode), then the session file when RememberScheme is set.
    // Returns the session file's error text, empty when it was written or
    // not asked for.
    QString close(const TWindowSettings& window);

private:
    TStudioSession& m_session;
    SettingsStore m_settings;
};
