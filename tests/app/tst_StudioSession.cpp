// The session model without a window, its start-up and closing against the
// settings file, and where a window with a stored position may stand.
#include "SettingsStore.h"
#include "TColorHistory.h"
#include "TFavoritesList.h"
#include "TStudioLifeCycle.h"
#include "TStudioSession.h"
#include "WindowPlacement.h"

#include "TestRegistry.h"

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>

class tst_StudioSession : public QObject {
    Q_OBJECT
private slots:
    void setBaseColorOrderOfEffects();
    void unchangedColourIsANoOpOnlyWhenShown();
    void wheelKindRegeneratesWithoutRecording();
    void visionModeIsSessionState();
    void startUpRestoresAndCloseWritesBack();
    void keepOnScreen_data();
    void keepOnScreen();
};

// The editors see the new colour before the derived views, the views before
// the status line; the picked colour is the base colour by then.
void tst_StudioSession::setBaseColorOrderOfEffects()
{
    TStudioSession s;
    QStringList order;
    connect(&s, &TStudioSession::baseColorCommitted, this, [&](TColor c) {
        order << QStringLiteral("editors");
        QCOMPARE(s.WorkingColor(), c);
    });
    connect(&s, &TStudioSession::wheelColorsChanged, this, [&](const TWheelColors& w) {
        order << QStringLiteral("views");
        QCOMPARE(w[0], s.WheelColors()[0]);
    });
    connect(&s, &TStudioSession::baseColorSet, this, [&](TColor c) {
        order << QStringLiteral("status");
        QCOMPARE(s.PendingColor(), c);
        QCOMPARE(s.WorkingColor(), s.WheelColors()[0]);
    });
    QSignalSpy history(&s.history(), &TColorHistory::changed);
    s.SetBaseColor(ColorFromValue(0xAB336699)); // the top byte is not part of a colour
    QCOMPARE(order, (QStringList{QStringLiteral("editors"), QStringLiteral("views"), QStringLiteral("status")}));
    QCOMPARE(s.baseColor(), MakeColor(0x99, 0x66, 0x33));
    QCOMPARE(s.history().entries(), QList<TColor>{MakeColor(0x99, 0x66, 0x33)});
    QVERIFY(!s.isModified());
}

void tst_StudioSession::unchangedColourIsANoOpOnlyWhenShown()
{
    TStudioSession s;
    s.SetBaseColor(MakeColor(10, 20, 30));
    s.SetBaseColor(MakeColor(10, 20, 30)); // not shown yet: applied and recorded again
    QCOMPARE(s.history().count(), 2);
    s.setShown(true);
    QSignalSpy committed(&s, &TStudioSession::baseColorCommitted);
    s.setWorkingColor(MakeColor(1, 1, 1)); // an edit not yet committed
    s.SetBaseColor(MakeColor(10, 20, 30));
    QCOMPARE(committed.count(), 0);
    QCOMPARE(s.history().count(), 2);
    QCOMPARE(s.WorkingColor(), MakeColor(1, 1, 1));
}

void tst_StudioSession::wheelKindRegeneratesWithoutRecording()
{
    TStudioSession s;
    s.setShown(true);
    s.SetBaseColor(MakeColor(255, 102, 0));
    const TWheelColors ryb = s.WheelColors();
    QSignalSpy kind(&s, &TStudioSession::rybModeChanged);
    s.setRybMode(false);
    QCOMPARE(kind.count(), 1);
    QCOMPARE(s.WheelColors(), Workspace::GenerateWheelRGB(MakeColor(255, 102, 0)));
    QVERIFY(s.WheelColors() != ryb);
    QCOMPARE(s.history().count(), 1);
    s.setRybMode(false); // unchanged: nothing happens
    QCOMPARE(kind.count(), 1);
}

void tst_StudioSession::visionModeIsSessionState()
{
    TStudioSession a, b;
    QSignalSpy changed(&a, &TStudioSession::visionModeChanged);
    a.setVisionMode(1);
    a.setVisionMode(42); // out of range: normal vision
    QCOMPARE(changed.count(), 2);
    QCOMPARE(a.visionMode(), 0);
    a.setVisionMode(7);
    // Two sessions do not share a mode, and the mapper draws the mode's colours.
    QCOMPARE(b.visionMode(), 0);
    QCOMPARE(a.display()(MakeColor(255, 0, 0)), ColorVision::TypicalMonoColor(MakeColor(255, 0, 0)));
    QCOMPARE(b.display()(MakeColor(255, 0, 0)), MakeColor(255, 0, 0));
}

void tst_StudioSession::startUpRestoresAndCloseWritesBack()
{
    QTemporaryDir dir;
    const QString ini = dir.filePath(QStringLiteral("tvstudio.ini"));
    {
        QFile f(ini);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("[Prefs]\nwebsafeMode=7\nBlindness=3\nRYBMode=0\nWheelStyle=1\nSInc=12\nLInc=3\nFavCaption=5\n"
                "[Main]\nBaseColor=1122867\nLeft=99999\nTop=-10000\nSelectedTab=2\n");
    }
    TStudioSession s;
    TStudioLifeCycle life(s, SettingsStore(ini));
    const QRect screen(0, 0, 1024, 768);
    const TStudioLifeCycle::StartUp start = life.start(QSize(600, 450), screen, {screen});
    QCOMPARE(s.WebSnapMode(), 0);
    QCOMPARE(s.visionMode(), 3);
    QVERIFY(!s.rybMode());
    QCOMPARE(s.baseColor(), MakeColor(0x33, 0x22, 0x11));
    QCOMPARE(s.history().count(), 1);
    QVERIFY(!s.history().backEnabled() && !s.history().forwardEnabled());
    QCOMPARE(s.saturationStep(), 12);
    QCOMPARE(s.lightStep(), 3);
    QCOMPARE(s.favorites().nameStyle(), 0);
    QCOMPARE(start.window.position, QPoint(1024 - 600, 0)); // back on the screen
    QVERIFY(!start.window.wheelStyle);
    QCOMPARE(start.window.selectedTab, 2);
    QVERIFY(start.messages.isEmpty());

    s.favorites().AddColorsToFavorites(MakeColor(1, 2, 3), QStringLiteral("Kept"));
    s.setVisionMode(8);
    TWindowSettings w = start.window;
    w.position = QPoint(5, 6);
    QCOMPARE(life.close(w), QString());
    const SettingsStore settings(ini);
    QCOMPARE(settings.readInt(SettingKey::MainLeft), 5);
    QCOMPARE(settings.readInt(SettingKey::Blindness), 8);
    QCOMPARE(settings.readInt(SettingKey::WheelStyle), 1);
    QVERIFY(!settings.readBool(SettingKey::RYBMode));

    // The next session finds the favourites in the session file.
    TStudioSession next;
    TStudioLifeCycle(next, SettingsStore(ini)).start(QSize(600, 450), screen, {screen});
    QCOMPARE(next.favorites().count(), 1);
    QCOMPARE(next.favorites().at(0).Name, QStringLiteral("Kept"));
}

void tst_StudioSession::keepOnScreen_data()
{
    QTest::addColumn<QRect>("frame");
    QTest::addColumn<QPoint>("expected");
    const QSize w(600, 450);
    QTest::newRow("inside stays") << QRect(QPoint(100, 50), w) << QPoint(100, 50);
    QTest::newRow("far right") << QRect(QPoint(99999, 100), w) << QPoint(1024 - 600, 100);
    QTest::newRow("far above") << QRect(QPoint(100, -10000), w) << QPoint(100, 0);
    QTest::newRow("both far") << QRect(QPoint(-99999, 99999), w) << QPoint(0, 768 - 40 - 450);
    QTest::newRow("half off the bottom") << QRect(QPoint(10, 600), w) << QPoint(10, 768 - 40 - 450);
    QTest::newRow("on the second screen") << QRect(QPoint(1100, 100), w) << QPoint(1100, 100);
    QTest::newRow("off the second screen") << QRect(QPoint(2000, 900), w) << QPoint(1024 + 1280 - 600, 1024 - 450);
    QTest::newRow("larger than the screen") << QRect(QPoint(300, 300), QSize(1100, 1000)) << QPoint(0, 0);
}

void tst_StudioSession::keepOnScreen()
{
    QFETCH(QRect, frame);
    QFETCH(QPoint, expected);
    // A primary screen with a 40-pixel panel at the bottom, a second one to its right.
    const QList<QRect> screens{QRect(0, 0, 1024, 728), QRect(1024, 0, 1280, 1024)};
    QCOMPARE(KeepOnScreen(frame, screens), expected);
}

TV_REGISTER_TEST(tst_StudioSession);
#include "tst_StudioSession.moc"
