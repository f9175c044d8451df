#include "HSLUtils.h"
#include "SettingsStore.h"
#include "DisplayColor.h"
#include "TBaseSwatch.h"
#include "TChannelBar.h"
#include "TfrmStudioMain.h"
#include "paint/QtColor.h"

#include "TestRegistry.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <QMenu>
#include <QDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTimer>

#include <memory>

using namespace HSLUtils;

class tst_StudioMain : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void startsWithDefaults();
    void startsFromStoredSettings();
    void garbageSettingsTakeDefaults();
    void rBarSpansTheChannel_data();
    void rBarSpansTheChannel();
    void typingClampsAndCommitsOnEnter();
    void nonDigitsAreRefused();
    void saturationZeroLosesTheHue();
    void lightenStopsAtWhite();
    void adjustButtons_data();
    void adjustButtons();
    void pastedHexWithHash();
    void hexTypedLowerCaseShowsUpper();
    void websafeStatus_data();
    void websafeStatus();
    void websafeClickSnaps();
    void snapModeSwitch();
    void viewTabsDrawing();
    void randomizeGivesAColour();
    void closeWritesWorkspaceKeys();
    void closeAsksOnlyWhenModifiedAndWarned();
    void preferencesApplyReachesTheWindow();
    void visionModeRepaintsTheViews();

private:
    std::unique_ptr<TfrmStudioMain> makeWindow(bool show = true);
    template <class T> T* child(TfrmStudioMain* w, const char* name)
    {
        T* c = w->findChild<T*>(QLatin1String(name));
        if (!c)
            qWarning("no control named %s", name);
        return c;
    }
    QString iniPath() const { return m_dir->filePath(QStringLiteral("tvstudio.ini")); }
    void writeIni(const QByteArray& text)
    {
        QFile f(iniPath());
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(text);
    }
    std::unique_ptr<QTemporaryDir> m_dir;
};

void tst_StudioMain::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void tst_StudioMain::cleanup()
{
    m_dir.reset();
}

std::unique_ptr<TfrmStudioMain> tst_StudioMain::makeWindow(bool show)
{
    TfrmStudioMain::Options o;
    o.settingsPath = iniPath();
    auto w = std::make_unique<TfrmStudioMain>(o);
    w->setQuestionHook([](const QString&) { return int(QMessageBox::No); });
    if (show) {
        w->show();
        if (!QTest::qWaitForWindowExposed(w.get()))
            qWarning("window not exposed");
    }
    return w;
}

void tst_StudioMain::startsWithDefaults()
{
    auto w = makeWindow();
    QCOMPARE(w->WorkingColor(), MakeColor(255, 102, 0));
    QCOMPARE(w->WheelColors()[0], MakeColor(255, 102, 0));
    QCOMPARE(w->PendingColor(), w->WorkingColor());
    QCOMPARE(child<QLineEdit>(w.get(), "txtHex")->text(), QStringLiteral("FF6600"));
    QCOMPARE(child<QLineEdit>(w.get(), "txtR")->text(), QStringLiteral("255"));
    QCOMPARE(child<QLineEdit>(w.get(), "txtG")->text(), QStringLiteral("102"));
    QCOMPARE(child<QLineEdit>(w.get(), "txtB")->text(), QStringLiteral("0"));
    QCOMPARE(child<QLineEdit>(w.get(), "txtS")->text(), QStringLiteral("100"));
    QCOMPARE(child<QLineEdit>(w.get(), "txtL")->text(), QStringLiteral("50"));
    QCOMPARE(w->windowTitle(), QStringLiteral("Tintvale Studio - [untitled]"));
    QCOMPARE(w->centralWidget()->size(), QSize(594, 412));
    QCOMPARE(child<QAction>(w.get(), "mnuRYB1")->isChecked(), true);
    QCOMPARE(child<QAction>(w.get(), "mnuMPColorWheel1")->isChecked(), true);
    QCOMPARE(child<QAction>(w.get(), "mnuViewBlindNormal")->isChecked(), true);
    QCOMPARE(child<QAction>(w.get(), "mnuAdjustWebsafeSnapSafe")->isChecked(), true);
    QCOMPARE(child<QAction>(w.get(), "mnuFileSaveAs")->shortcut(), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    QVERIFY(!child<QToolButton>(w.get(), "tbBack")->isEnabled());
    QVERIFY(!child<QToolButton>(w.get(), "tbForward")->isEnabled());
    // Centred on the screen, integer division.
    const QSize screen = QGuiApplication::primaryScreen()->size();
    QCOMPARE(w->x(), (screen.width() - w->sizeHint().width()) / 2);
    QCOMPARE(w->y(), (screen.height() - w->sizeHint().height()) / 2);
    QCOMPARE(child<QLabel>(w.get(), "sbPanel0")->text(), QStringLiteral("  RGB: 255.102.0"));
    QCOMPARE(child<QLabel>(w.get(), "sbPanel1")->text(), QStringLiteral("  HEX: #FF6600"));
}

void tst_StudioMain::startsFromStoredSettings()
{
    writeIni("[Main]\nBaseColor=16763955\nTop=40\nLeft=30\nSelectedTab=0\n"
             "[Prefs]\nwebsafeMode=1\nRYBMode=0\nWheelStyle=1\nLInc=10\nSInc=20\nBlindness=3\n");
    auto w = makeWindow();
    QCOMPARE(ColorToHex(w->WorkingColor()), QStringLiteral("33CCFF"));
    QCOMPARE(w->pos(), QPoint(30, 40));
    QCOMPARE(w->WebSnapMode(), 1);
    QCOMPARE(child<QAction>(w.get(), "mnuAdjustWebsafeSnapSmart")->isChecked(), true);
    QCOMPARE(child<QAction>(w.get(), "mnuEditWebsafe")->text(), QStringLiteral("Make &WebSmart"));
    QCOMPARE(child<QToolButton>(w.get(), "tbBaseWebsafe")->toolTip(), QStringLiteral("Make WebSmart"));
    QCOMPARE(child<QAction>(w.get(), "mnuRGB1")->isChecked(), true);
    QCOMPARE(child<QAction>(w.get(), "mnuMPColorSwatches1")->isChecked(), true);
    QCOMPARE(child<QAction>(w.get(), "mnuViewBlindTritanopia")->isChecked(), true);
    QCOMPARE(child<QAction>(w.get(), "mnuViewBlindNormal")->isChecked(), false);
    // The lightness step of 10 is used by Lighten.
    child<QToolButton>(w.get(), "tbLighten")->click();
    double h, s, l;
    RGBToHSL(w->WorkingColor(), h, s, l);
    QCOMPARE(int(std::lrint(l * 100)), 70);
}

void tst_StudioMain::garbageSettingsTakeDefaults()
{
    writeIni("[Main]\nBaseColor=tomato\nTop=x\n[Prefs]\nwebsafeMode=9\nBlindness=42\nRYBMode=maybe\n");
    auto w = makeWindow();
    QCOMPARE(w->WorkingColor(), MakeColor(255, 102, 0));
    QCOMPARE(w->WebSnapMode(), 0);
    QCOMPARE(child<QAction>(w.get(), "mnuViewBlindNormal")->isChecked(), true);
    QCOMPARE(child<QAction>(w.get(), "mnuRYB1")->isChecked(), true);
}

void tst_StudioMain::rBarSpansTheChannel_data()
{
    QTest::addColumn<int>("x");
    QTest::addColumn<QString>("text");
    QTest::newRow("right end") << 106 << "255";
    QTest::newRow("last pixel") << 104 << "255";
    QTest::newRow("left end") << 0 << "0";
    QTest::newRow("x=3") << 3 << "2";
    QTest::newRow("middle") << 53 << "127";
}

void tst_StudioMain::rBarSpansTheChannel()
{
    QFETCH(int, x);
    QFETCH(QString, text);
    auto w = makeWindow();
    QWidget* bar = child<QWidget>(w.get(), "pbR");
    QTest::mousePress(bar, Qt::LeftButton, {}, QPoint(x, 5));
    QCOMPARE(child<QLineEdit>(w.get(), "txtR")->text(), text);
    QTest::mouseRelease(bar, Qt::LeftButton, {}, QPoint(x, 5));
    QCOMPARE(RedOf(w->WheelColors()[0]), text.toInt());
    QCOMPARE(GreenOf(w->WheelColors()[0]), 102);
}

void tst_StudioMain::typingClampsAndCommitsOnEnter()
{
    auto w = makeWindow();
    QLineEdit* r = child<QLineEdit>(w.get(), "txtG");
    r->setFocus();
    r->selectAll();
    QTest::keyClicks(r, QStringLiteral("300"));
    QCOMPARE(r->text(), QStringLiteral("255"));
    QCOMPARE(w->WorkingColor(), MakeColor(255, 255, 0));
    QCOMPARE(w->WheelColors()[0], MakeColor(255, 102, 0)); // not committed yet
    QTest::keyClick(r, Qt::Key_Return);
    QCOMPARE(w->WheelColors()[0], MakeColor(255, 255, 0));
    QCOMPARE(child<QLineEdit>(w.get(), "txtHex")->text(), QStringLiteral("FFFF00"));
    // Emptying a box turns it into 0.
    r->selectAll();
    QTest::keyClick(r, Qt::Key_Backspace);
    QCOMPARE(r->text(), QStringLiteral("0"));
}

void tst_StudioMain::nonDigitsAreRefused()
{
    auto w = makeWindow();
    QLineEdit* b = child<QLineEdit>(w.get(), "txtB");
    b->setFocus();
    b->selectAll();
    QTest::keyClicks(b, QStringLiteral("x-1"));
    QCOMPARE(b->text(), QStringLiteral("1"));
    // Text arriving any other way (the edit box's own paste) is filtered too.
    const TColor before = w->WorkingColor();
    b->selectAll();
    b->insert(QStringLiteral("abc"));
    QVERIFY(b->text() != QStringLiteral("abc"));
    QCOMPARE(w->WorkingColor(), before);
    QApplication::clipboard()->setText(QStringLiteral("12"));
    b->selectAll();
    QTest::keyClick(b, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(b->text(), QStringLiteral("1")); // the paste shortcut is blocked
}

void tst_StudioMain::saturationZeroLosesTheHue()
{
    auto w = makeWindow();
    w->SetBaseColor(MakeColor(51, 102, 204));
    QLineEdit* s = child<QLineEdit>(w.get(), "txtS");
    s->setText(QStringLiteral("0"));
    const int grey = RedOf(w->WorkingColor());
    QCOMPARE(GreenOf(w->WorkingColor()), grey);
    s->setText(QStringLiteral("100"));
    double h, sat, l;
    RGBToHSL(w->WorkingColor(), h, sat, l);
    QCOMPARE(h, 0.0);
    QCOMPARE(GreenOf(w->WorkingColor()), BlueOf(w->WorkingColor()));
    QVERIFY(RedOf(w->WorkingColor()) > GreenOf(w->WorkingColor()));
    QCOMPARE(child<QLineEdit>(w.get(), "txtL")->text(), QStringLiteral("50"));
}

void tst_StudioMain::lightenStopsAtWhite()
{
    auto w = makeWindow();
    w->SetBaseColor(HSLToRGB(0.6, 0.5, 0.98));
    child<QToolButton>(w.get(), "tbLighten")->click();
    QCOMPARE(w->WheelColors()[0], MakeColor(255, 255, 255));
    child<QToolButton>(w.get(), "tbLighten")->click();
    QCOMPARE(w->WheelColors()[0], MakeColor(255, 255, 255));
}

void tst_StudioMain::adjustButtons_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("dS");
    QTest::addColumn<int>("dL");
    QTest::newRow("lighten") << "tbLighten" << 0 << 5;
    QTest::newRow("darken") << "tbDarken" << 0 << -5;
    QTest::newRow("saturate") << "tbSaturate" << 5 << 0;
    QTest::newRow("desaturate") << "tbDesaturate" << -5 << 0;
}

void tst_StudioMain::adjustButtons()
{
    QFETCH(QString, button);
    QFETCH(int, dS);
    QFETCH(int, dL);
    auto w = makeWindow();
    const TColor start = HSLToRGB(0.55, 0.5, 0.5);
    w->SetBaseColor(start);
    double h0, s0, l0;
    RGBToHSL(start, h0, s0, l0);
    w->findChild<QToolButton*>(button)->click();
    const TColor expected = HSLToRGB(h0, s0 + dS / 100.0L, l0 + dL / 100.0L);
    QCOMPARE(ColorToHex(w->WheelColors()[0]), ColorToHex(expected));
}

void tst_StudioMain::pastedHexWithHash()
{
    auto w = makeWindow();
    QLineEdit* hex = child<QLineEdit>(w.get(), "txtHex");
    QApplication::clipboard()->setText(QStringLiteral("#3366cc"));
    hex->setFocus();
    QTest::keyClick(hex, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(hex->text(), QStringLiteral("3366CC"));
    QCOMPARE(w->WheelColors()[0], MakeColor(0x33, 0x66, 0xCC));
    QCOMPARE(child<QLineEdit>(w.get(), "txtB")->text(), QStringLiteral("204"));
    // Ctrl+C copies the selection of the box.
    hex->setSelection(2, 2);
    QTest::keyClick(hex, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("66"));
}

void tst_StudioMain::hexTypedLowerCaseShowsUpper()
{
    auto w = makeWindow();
    QLineEdit* hex = child<QLineEdit>(w.get(), "txtHex");
    hex->setFocus();
    hex->selectAll();
    QTest::keyClicks(hex, QStringLiteral("a0b1zc2"));
    QCOMPARE(hex->text(), QStringLiteral("A0B1C2"));
    QCOMPARE(w->WheelColors()[0], MakeColor(0xA0, 0xB1, 0xC2));
    // Five characters change nothing.
    QTest::keyClick(hex, Qt::Key_Backspace);
    QCOMPARE(w->WorkingColor(), MakeColor(0xA0, 0xB1, 0xC2));
}

void tst_StudioMain::websafeStatus_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<TColor>("color");
    QTest::addColumn<QString>("label");
    QTest::addColumn<int>("iconLeft");
    QTest::newRow("websafe, websafe mode") << 0 << MakeColor(51, 102, 153) << "Base color is websafe." << 23;
    QTest::newRow("not websafe, websafe mode") << 0 << MakeColor(17, 102, 153) << "Base color is not websafe." << 13;
    QTest::newRow("websmart, websmart mode") << 1 << MakeColor(17, 34, 255) << "Base color is WebSmart." << 18;
    QTest::newRow("not websmart") << 1 << MakeColor(18, 34, 255) << "Base color is not WebSmart." << 8;
}

void tst_StudioMain::websafeStatus()
{
    QFETCH(int, mode);
    QFETCH(TColor, color);
    QFETCH(QString, label);
    QFETCH(int, iconLeft);
    writeIni(QByteArray("[Prefs]\nwebsafeMode=") + QByteArray::number(mode) + "\n");
    auto w = makeWindow();
    w->SetBaseColor(color);
    QLabel* lbl = child<QLabel>(w.get(), "lblWebsafe");
    QCOMPARE(lbl->text(), label);
    const bool onGrid = !label.contains(QStringLiteral("not"));
    QLabel* icon = child<QLabel>(w.get(), onGrid ? "imgwebsafe" : "imgnotwebsafe");
    QVERIFY(icon->isVisible());
    QVERIFY(!child<QLabel>(w.get(), onGrid ? "imgnotwebsafe" : "imgwebsafe")->isVisible());
    QCOMPARE(icon->x(), iconLeft);
    QCOMPARE(lbl->x(), iconLeft + 19);
    QCOMPARE(lbl->cursor().shape(), onGrid ? Qt::ArrowCursor : Qt::PointingHandCursor);
    const QString word = mode ? QStringLiteral("WebSmart") : QStringLiteral("websafe");
    if (!onGrid)
        QCOMPARE(icon->toolTip(), QStringLiteral("This color is not %1.\n\rClick here to convert to nearest %1 match.").arg(word));
    else
        QCOMPARE(icon->toolTip(), QStringLiteral("This color is %1.").arg(word));
}

void tst_StudioMain::websafeClickSnaps()
{
    auto w = makeWindow();
    w->SetBaseColor(MakeColor(26, 80, 230));
    QTest::mouseClick(child<QLabel>(w.get(), "lblWebsafe"), Qt::LeftButton);
    QCOMPARE(w->WheelColors()[0], MakeColor(51, 102, 255));
    QCOMPARE(child<QLabel>(w.get(), "lblWebsafe")->text(), QStringLiteral("Base color is websafe."));
    w->SetBaseColor(MakeColor(26, 80, 230));
    child<QAction>(w.get(), "mnuEditWebsafe")->trigger();
    QCOMPARE(w->WheelColors()[0], MakeColor(51, 102, 255));
}

void tst_StudioMain::snapModeSwitch()
{
    auto w = makeWindow();
    w->SetBaseColor(MakeColor(17, 34, 51));
    QCOMPARE(child<QLabel>(w.get(), "lblWebsafe")->text(), QStringLiteral("Base color is not websafe."));
    child<QAction>(w.get(), "mnuAdjustWebsafeSnapSmart")->trigger();
    QCOMPARE(w->WebSnapMode(), 1);
    QCOMPARE(w->WheelColors()[0], MakeColor(17, 34, 51)); // the colour itself stays
    QCOMPARE(child<QLabel>(w.get(), "lblWebsafe")->text(), QStringLiteral("Base color is WebSmart."));
    QCOMPARE(child<QAction>(w.get(), "mnuAdjustWebsafeSnapSafe")->isChecked(), false);
    QCOMPARE(SettingsStore(iniPath()).readInt(SettingKey::WebsafeMode), 1);
    // Clicking the checked item again changes nothing.
    child<QAction>(w.get(), "mnuAdjustWebsafeSnapSmart")->trigger();
    QCOMPARE(child<QAction>(w.get(), "mnuAdjustWebsafeSnapSmart")->isChecked(), true);
    child<QAction>(w.get(), "mnuAdjustWebsafeSnapSafe")->trigger();
    QCOMPARE(child<QAction>(w.get(), "mnuEditWebsafe")->text(), QStringLiteral("Make &Websafe"));
    QCOMPARE(SettingsStore(iniPath()).readInt(SettingKey::WebsafeMode), 0);
}

void tst_StudioMain::randomizeGivesAColour()
{
    auto w = makeWindow();
    QSet<quint32> seen;
    for (int i = 0; i < 5; ++i) {
        child<QAction>(w.get(), "mnuEditRandomize")->trigger();
        seen.insert(ColorValue(w->WheelColors()[0]));
        QCOMPARE(w->WorkingColor(), w->WheelColors()[0]);
        QTest::qWait(2);
    }
    QVERIFY(seen.size() >= 2);
}

void tst_StudioMain::closeWritesWorkspaceKeys()
{
    {
        auto w = makeWindow();
        w->SetBaseColor(MakeColor(1, 2, 3));
        child<QAction>(w.get(), "mnuViewBlindDeuteranopy")->trigger();
        w->move(44, 55);
        QVERIFY(w->close());
    }
    SettingsStore s(iniPath());
    QCOMPARE(s.readInt(SettingKey::MainBaseColor), int(ColorValue(MakeColor(1, 2, 3))));
    QCOMPARE(s.readInt(SettingKey::MainSelectedTab), 0);
    QCOMPARE(s.readBool(SettingKey::RYBMode), true);
    QCOMPARE(s.readInt(SettingKey::WheelStyle), 0);
    QCOMPARE(s.readBool(SettingKey::OnTop), false);
    QVERIFY(s.readInt(SettingKey::MainTop, -999) != -999);
}

void tst_StudioMain::closeAsksOnlyWhenModifiedAndWarned()
{
    auto w = makeWindow();
    int asked = 0;
    w->setQuestionHook([&](const QString&) { ++asked; return int(QMessageBox::Cancel); });
    QVERIFY(w->close()); // nothing changed: no question
    QCOMPARE(asked, 0);
}

void tst_StudioMain::preferencesApplyReachesTheWindow()
{
    auto w = makeWindow();
    w->SetBaseColor(MakeColor(17, 34, 51));
    QTimer::singleShot(0, [&] {
        QDialog* d = w->findChild<QDialog*>(QStringLiteral("TfrmOptions"));
        QVERIFY(d && d->isVisible());
        d->findChild<QRadioButton*>(QStringLiteral("radSmart"))->setChecked(true);
        d->findChild<QLineEdit*>(QStringLiteral("txtLIncrement"))->setText(QStringLiteral("20"));
        QTest::mouseClick(d->findChild<QPushButton*>(QStringLiteral("cmdOK")), Qt::LeftButton);
    });
    child<QAction>(w.get(), "mnuEditOptions")->trigger();
    QCOMPARE(w->WebSnapMode(), 1);
    QCOMPARE(child<QLabel>(w.get(), "lblWebsafe")->text(), QStringLiteral("Base color is WebSmart."));
    QCOMPARE(child<QAction>(w.get(), "mnuAdjustWebsafeSnapSmart")->isChecked(), true);
    QCOMPARE(child<QAction>(w.get(), "mnuEditWebsafe")->text(), QStringLiteral("Make &WebSmart"));
    w->SetBaseColor(HSLToRGB(0.3, 0.5, 0.5));
    child<QToolButton>(w.get(), "tbDarken")->click();
    double h, s, l;
    RGBToHSL(w->WorkingColor(), h, s, l);
    QCOMPARE(int(std::lrint(l * 100)), 30);
}

void tst_StudioMain::visionModeRepaintsTheViews()
{
    auto w = makeWindow();
    w->SetBaseColor(MakeColor(255, 0, 0));
    auto* base = child<TBaseSwatch>(w.get(), "pbBase");
    auto* red = child<TChannelBar>(w.get(), "pbR");
    QCOMPARE(FromQRgb(base->pixelAt(QPoint(5, 5))), MakeColor(255, 0, 0));
    child<QAction>(w.get(), "mnuViewBlindProtanopy")->trigger();
    QCOMPARE(ColorToHex(FromQRgb(base->pixelAt(QPoint(5, 5)))), QStringLiteral("968726"));
    // The bars paint through the simulation too.
    w->SetBaseColor(MakeColor(0, 0, 255));
    QCOMPARE(FromQRgb(red->pixelAt(QPoint(3, 4))), ColorVision::SimulateColor(MakeColor(2, 0, 255), 1));
    QVERIFY(FromQRgb(red->pixelAt(QPoint(3, 4))) != MakeColor(2, 0, 255));
    QCOMPARE(ColorToHex(FromQRgb(base->pixelAt(QPoint(5, 5)))), QStringLiteral("719CFF"));
    QCOMPARE(child<QAction>(w.get(), "mnuViewBlindNormal")->isChecked(), false);
    const QList<QAction*> items = child<QMenu>(w.get(), "mnuViewBlindness")->actions();
    QCOMPARE(items.size(), 12);
    for (int i : {1, 5, 9})
        QVERIFY(items.at(i)->isSeparator());
    QCOMPARE(items.at(11)->text(), QStringLiteral("Atypical Monochromatic"));
    // The stored colour is untouched.
    QCOMPARE(w->WorkingColor(), MakeColor(0, 0, 255));
    child<QAction>(w.get(), "mnuViewBlindNormal")->trigger();
    QCOMPARE(FromQRgb(base->pixelAt(QPoint(5, 5))), MakeColor(0, 0, 255));
    w->close();
    QCOMPARE(SettingsStore(iniPath()).readInt(SettingKey::Blindness), 0);
}

// The view tabs: each as wide as its caption plus padding and outline, the
// neighbours sharing one outline column; the current tab lighter and 2
// pixels taller, its caption moving with it when another tab is chosen.
void tst_StudioMain::viewTabsDrawing()
{
    auto w = makeWindow();
    auto* tabs = child<QTabBar>(w.get(), "tabDisplay");
    QCOMPARE(tabs->count(), 3);
    const QFontMetrics fm(tabs->font());
    for (int i = 0; i < tabs->count(); ++i) {
        const QRect r = tabs->tabRect(i);
        QCOMPARE(r.width(), fm.size(Qt::TextShowMnemonic, tabs->tabText(i)).width() + 7);
        QCOMPARE(r.height(), fm.height() + 7);
        if (i > 0)
            QCOMPARE(r.left(), tabs->tabRect(i - 1).right() + 1);
    }
    const QRgb outline = qRgb(0xA0, 0xA0, 0xA0), face = qRgb(0xE4, 0xE4, 0xE4), current = qRgb(0xF0, 0xF0, 0xF0);
    for (const int chosen : {0, 2}) {
        tabs->setCurrentIndex(chosen);
        const QImage image = tabs->grab().toImage();
        for (int i = 0; i < tabs->count(); ++i) {
            const QRect r = tabs->tabRect(i);
            const int top = i == chosen ? 0 : 2;
            QCOMPARE(image.pixel(r.left() + 2, top), outline);           // the top edge
            QCOMPARE(image.pixel(r.left(), top + 3), outline);           // the left edge
            QCOMPARE(image.pixel(r.right() + 1, top + 3), outline);      // the shared right edge
            QCOMPARE(image.pixel(r.left() + 2, r.bottom()), i == chosen ? current : face);
            if (i != chosen)
                QVERIFY(image.pixel(r.left() + 2, 1) != outline);        // lowered: nothing above it
        }
    }

    // The measured sizes are remembered; a new font or a new caption is
    // measured afresh, never laid out with a stale size.
    const auto expectedWidth = [tabs](int i) {
        return QFontMetrics(tabs->font()).size(Qt::TextShowMnemonic, tabs->tabText(i)).width() + 7;
    };
    QFont larger = tabs->font();
    larger.setPixelSize(16);
    tabs->setFont(larger);
    for (int i = 0; i < tabs->count(); ++i) {
        QCOMPARE(tabs->tabRect(i).width(), expectedWidth(i));
        QCOMPARE(tabs->tabRect(i).height(), QFontMetrics(larger).height() + 7);
    }
    tabs->setTabText(1, QStringLiteral(" Harmonies"));
    QCOMPARE(tabs->tabRect(1).width(), expectedWidth(1));
    QCOMPARE(tabs->tabRect(2).left(), tabs->tabRect(1).right() + 1);
}

TV_REGISTER_TEST(tst_StudioMain);
#include "tst_StudioMain.moc"
