// The mixer and analyzer windows as the main window hosts them.
#include "SettingsStore.h"
#include "TColorHistory.h"
#include "TFavoritesList.h"
#include "TStudioSession.h"
#include "TStudioTools.h"
#include "TfrmAnalyzer.h"
#include "TfrmExport.h"
#include "TfrmMixer.h"
#include "TfrmPantone.h"
#include "TfrmScreenPicker.h"
#include "TfrmPicScheme.h"
#include "TfrmStudioMain.h"
#include "paint/ColorMime.h"
#include "../tools/PictureSamples.h"

#include "StudioTestWindow.h"
#include "TestRegistry.h"

#include <QAbstractItemModel>
#include <QAction>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QCheckBox>
#include <QComboBox>
#include <QMouseEvent>
#include <QLineEdit>
#include <QDropEvent>
#include <QListView>
#include <QMessageBox>
#include <QSlider>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>

class tst_StudioTools : public QObject {
    Q_OBJECT
private slots:
    void init() { m_dir = std::make_unique<QTemporaryDir>(); }
    void cleanup() { ColorMime::SetDragRunner({}); }
    void buttonFollowsTheWindow_data();
    void buttonFollowsTheWindow();
    void mixedSwatchDragsIntoTheFavourites();
    void favouriteDropsOntoAnEnd_data();
    void favouriteDropsOntoAnEnd();
    void clickOnAMixedSwatch();
    void addAllUnderEveryNameStyle_data();
    void addAllUnderEveryNameStyle();
    void settingsSurviveARestart();
    void exportTakesTheMixerGroup();
    void analyzerFollowsTheFavourites();
    void pickerTakesAPixelOfTheScreen();
    void pickerPanelJumps();
    void escapeLeavesThePicker();
    void pictureButtonFollowsTheWindow_data();
    void pictureButtonFollowsTheWindow();
    void pictureColoursReachTheFavourites();
    void pictureSwatchDropsOnTheFavourites();
    void pictureSettingsSurviveARestart();

private:
    QString iniPath() const { return m_dir->filePath(QStringLiteral("tvstudio.ini")); }
    std::unique_ptr<TfrmStudioMain> makeWindow() { return StudioTest::MakeWindow(iniPath()); }
    template <class T = QWidget> T* child(QObject* w, const char* name)
    {
        return w->findChild<T*>(QLatin1String(name));
    }
    QAction* action(TfrmStudioMain* w, const char* name) { return child<QAction>(w, name); }
    static void drop(QWidget* target, QMimeData* mime, QPoint pos) { StudioTest::Drop(target, mime, pos); }
    static QPoint swatchCentre(int i) { return Tools::MixSwatchOrigin(i, 348) + QPoint(12, 12); }
    std::unique_ptr<QTemporaryDir> m_dir;
};

void tst_StudioTools::buttonFollowsTheWindow_data()
{
    QTest::addColumn<QString>("tool");
    QTest::addColumn<bool>("fromMenu");
    QTest::newRow("mixer button") << "tbColorMixer" << false;
    QTest::newRow("mixer menu") << "tbColorMixer" << true;
    QTest::newRow("analyzer button") << "tbAnalyzer" << false;
    QTest::newRow("analyzer menu") << "tbAnalyzer" << true;
}

// Down exactly while the window is shown, whichever way it was opened or
// closed; only the button hands the working colour to the mixer.
void tst_StudioTools::buttonFollowsTheWindow()
{
    QFETCH(QString, tool);
    QFETCH(bool, fromMenu);
    auto w = makeWindow();
    const bool mixer = tool == QLatin1String("tbColorMixer");
    auto* button = child<QToolButton>(w.get(), tool.toLatin1().constData());
    QVERIFY(button && button->isEnabled() && button->isCheckable());
    w->SetBaseColor(MakeColor(10, 20, 30));
    if (fromMenu)
        action(w.get(), mixer ? "ColorMixer1" : "mnuToolsAnalyzer")->trigger();
    else
        button->click();
    QWidget* window = mixer ? static_cast<QWidget*>(w->toolWindows().mixer()) : w->toolWindows().analyzer();
    QVERIFY(window->isVisible());
    QVERIFY(button->isChecked());
    if (mixer) // the menu shows the mixer as it was built: with the base colour of the start
        QCOMPARE(w->toolWindows().mixer()->startColor(), fromMenu ? MakeColor(255, 102, 0) : MakeColor(10, 20, 30));
    // Again from the menu: still shown, still down.
    action(w.get(), mixer ? "ColorMixer1" : "mnuToolsAnalyzer")->trigger();
    QVERIFY(window->isVisible() && button->isChecked());

    window->close();
    QVERIFY(!window->isVisible());
    QVERIFY(!button->isChecked());
    button->click();
    QVERIFY(window->isVisible());
    button->click();
    QVERIFY(!window->isVisible());
}

void tst_StudioTools::mixedSwatchDragsIntoTheFavourites()
{
    auto w = makeWindow();
    child<QToolButton>(w.get(), "tbColorMixer")->click();
    TfrmMixer* mixer = w->toolWindows().mixer();
    child<QSlider>(mixer, "steps")->setValue(3);
    QWidget* favs = child(w.get(), "pbFavs");
    QWidget* strip = child(mixer, "pbMixColor");
    QVERIFY(favs && strip);
    int drags = 0;
    TColor during = clBlack;
    ColorMime::SetDragRunner([&](QObject*, QMimeData* data) {
        ++drags;
        during = w->PendingColor();
        drop(favs, data, QPoint(60, 20));
        delete data;
    });
    const TColor second = mixer->mixedColors()[2];
    QTest::mousePress(strip, Qt::LeftButton, {}, swatchCentre(2));
    QTest::mouseMove(strip, swatchCentre(2) + QPoint(4, 0));
    QCOMPARE(drags, 0); // not yet 10 pixels
    QTest::mouseMove(strip, swatchCentre(2) + QPoint(12, 0));
    QCOMPARE(drags, 1);
    QCOMPARE(during, second);
    QCOMPARE(w->favorites().count(), 1);
    QCOMPARE(w->favorites().at(0).Color, second);
    QCOMPARE(w->PendingColor(), w->WheelColors()[0]); // back to the base colour after the drag
    // The release after a drag commits nothing.
    const TColor base = w->WheelColors()[0];
    QTest::mouseRelease(strip, Qt::LeftButton, {}, swatchCentre(2) + QPoint(12, 0));
    QCOMPARE(w->WheelColors()[0], base);
}

void tst_StudioTools::favouriteDropsOntoAnEnd_data()
{
    QTest::addColumn<QString>("swatch");
    QTest::newRow("start") << "pbBase";
    QTest::newRow("end") << "pbBase2";
}

// A drag out of the favourites carries the current favourite; the end takes
// it through its boxes, and the mixed list follows.
void tst_StudioTools::favouriteDropsOntoAnEnd()
{
    QFETCH(QString, swatch);
    auto w = makeWindow();
    w->favorites().AddColorsToFavorites(MakeColor(1, 2, 3), QStringLiteral("a"), true);
    w->favorites().AddColorsToFavorites(MakeColor(200, 100, 50), QStringLiteral("b"), true);
    action(w.get(), "ColorMixer1")->trigger();
    TfrmMixer* mixer = w->toolWindows().mixer();
    const bool start = swatch == QLatin1String("pbBase");
    QWidget* target = child(mixer, swatch.toLatin1().constData());
    std::unique_ptr<QMimeData> mime(ColorMime::Make(w->favorites().at(1).Color, QStringLiteral("favorites"), 1));
    drop(target, mime.get(), QPoint(20, 20));
    const TColor expected = MakeColor(200, 100, 50);
    QCOMPARE(start ? mixer->startColor() : mixer->endColor(), expected);
    QCOMPARE(start ? mixer->mixedColors().first() : mixer->mixedColors().last(), expected);
    const char* box = start ? "txtG" : "txtG2";
    QCOMPARE(child<QLineEdit>(mixer, box)->text(), QStringLiteral("100"));
}

void tst_StudioTools::clickOnAMixedSwatch()
{
    auto w = makeWindow();
    child<QToolButton>(w.get(), "tbColorMixer")->click();
    TfrmMixer* mixer = w->toolWindows().mixer();
    QWidget* strip = child(mixer, "pbMixColor");
    const TColor middle = mixer->mixedColors()[1];
    const auto before = w->history().count();
    QTest::mouseClick(strip, Qt::LeftButton, {}, swatchCentre(1));
    QCOMPARE(w->WheelColors()[0], middle);
    QCOMPARE(w->history().count(), before + 1);
    // The start swatch now differs from the base; the base's own swatch does nothing.
    mixer->setStartColor(middle);
    QTest::mouseClick(strip, Qt::LeftButton, {}, swatchCentre(0));
    QCOMPARE(w->history().count(), before + 1);
    // A click in the gap between two swatches neither.
    QTest::mouseClick(strip, Qt::LeftButton, {}, QPoint(34, 20));
    QCOMPARE(w->history().count(), before + 1);
}

void tst_StudioTools::addAllUnderEveryNameStyle_data()
{
    QTest::addColumn<int>("style");
    QTest::addColumn<QString>("firstName");
    QTest::newRow("hex") << 0 << "#FF6600";
    QTest::newRow("rgb") << 1 << "255,102,0";
    QTest::newRow("numbered") << 2 << "Mixed Color 1";
}

void tst_StudioTools::addAllUnderEveryNameStyle()
{
    QFETCH(int, style);
    QFETCH(QString, firstName);
    auto w = makeWindow();
    w->favorites().AddColorsToFavorites(MakeColor(9, 9, 9), QStringLiteral("old"), true);
    w->favorites().setNameStyle(style);
    child<QToolButton>(w.get(), "tbColorMixer")->click();
    TfrmMixer* mixer = w->toolWindows().mixer();
    child<QSlider>(mixer, "steps")->setValue(3);
    child<QToolButton>(mixer, "cmdAddAllMixedFavs")->click();
    const TFavoritesList& favs = w->favorites();
    QCOMPARE(favs.count(), 6);
    QVERIFY(!favs.at(0).Selected);
    for (int k = 0; k < 5; ++k) {
        QCOMPARE(favs.at(k + 1).Color, mixer->mixedColors()[k]);
        QVERIFY(favs.at(k + 1).Selected);
        if (style == 2)
            QCOMPARE(favs.at(k + 1).Name, QStringLiteral("Mixed Color %1").arg(k + 1));
    }
    QCOMPARE(favs.at(1).Name, firstName);
    QCOMPARE(favs.currentIndex(), 1);
    QVERIFY(w->isModified());
}

// Positions and steps are written at close and read when the windows are
// built again, also for a window that was never opened.
void tst_StudioTools::settingsSurviveARestart()
{
    {
        auto w = makeWindow();
        child<QToolButton>(w.get(), "tbColorMixer")->click();
        TfrmMixer* mixer = w->toolWindows().mixer();
        child<QSlider>(mixer, "steps")->setValue(7);
        mixer->move(40, 50);
        w->close();
    }
    SettingsStore store(iniPath());
    QCOMPARE(store.readInt(SettingKey::MixerSteps), 7);
    QCOMPARE(store.readInt(SettingKey::MixerLeft, -1), 40);
    QCOMPARE(store.readInt(SettingKey::MixerTop, -1), 50);
    QVERIFY(store.readInt(SettingKey::AnalyzerTop, -100000) != -100000); // never opened, still written
    store.writeInt(SettingKey::AnalyzerTop, 60);
    store.writeInt(SettingKey::AnalyzerLeft, 70);
    auto w = makeWindow();
    QCOMPARE(child<QSlider>(w->toolWindows().mixer(), "steps")->value(), 7);
    QCOMPARE(w->toolWindows().mixer()->mixedColors().size(), 9);
    QCOMPARE(w->toolWindows().mixer()->pos(), QPoint(40, 50));
    QCOMPARE(w->toolWindows().analyzer()->pos(), QPoint(70, 60));
}

void tst_StudioTools::exportTakesTheMixerGroup()
{
    auto w = makeWindow();
    action(w.get(), "ColorMixer1")->trigger();
    TfrmMixer* mixer = w->toolWindows().mixer();
    mixer->setEndColor(MakeColor(0, 0, 255));
    child<QSlider>(mixer, "steps")->setValue(4);
    QList<TColor> exported;
    QTimer::singleShot(0, w.get(), [&] {
        auto* wizard = w->findChild<TfrmExport*>();
        QVERIFY(wizard);
        child<QCheckBox>(wizard, "chkFavs")->setChecked(false);
        child<QCheckBox>(wizard, "chkMixer")->setChecked(true);
        exported = wizard->exportList().colors();
        wizard->reject();
    });
    w->mnuFileExportClick();
    QCOMPARE(exported, mixer->mixedColors());
    QCOMPARE(exported.size(), 6);
}

// Shown, the analyzer rebuilds itself when the favourites change: the
// selected position is kept, or moves to the last entry when the list got
// shorter.
void tst_StudioTools::analyzerFollowsTheFavourites()
{
    auto w = makeWindow();
    TFavoritesList& favs = w->favorites();
    favs.AddColorsToFavorites(MakeColor(255, 255, 255), QStringLiteral("paper"), true);
    favs.AddColorsToFavorites(MakeColor(20, 20, 20), QStringLiteral("ink"), true);
    child<QToolButton>(w.get(), "tbAnalyzer")->click();
    TfrmAnalyzer* analyzer = w->toolWindows().analyzer();
    auto* backgrounds = child<QListView>(analyzer, "lstBackground");
    auto* texts = child<QListView>(analyzer, "lstText");
    QCOMPARE(backgrounds->model()->rowCount(), 4);
    backgrounds->setCurrentIndex(backgrounds->model()->index(3, 0)); // Black
    QCOMPARE(texts->model()->index(0, 0).data().toString(), QStringLiteral("paper"));
    QCOMPARE(texts->model()->rowCount(), 2); // paper, White

    favs.rename(0, QStringLiteral("sheet"));
    QCOMPARE(backgrounds->currentIndex().row(), 3);
    QCOMPARE(texts->model()->index(0, 0).data().toString(), QStringLiteral("sheet"));

    favs.setCurrentIndex(1);
    for (qsizetype i = 0; i < favs.count(); ++i)
        favs.setSelected(i, i == 1);
    favs.deleteSelected();
    QCOMPARE(backgrounds->model()->rowCount(), 3);
    QCOMPARE(backgrounds->currentIndex().data().toString(), QStringLiteral("Black"));
}

// A window of a known colour stands on the screen; the picker freezes the
// desktop without the studio's windows and a click takes that pixel.
void tst_StudioTools::pickerTakesAPixelOfTheScreen()
{
    auto w = makeWindow();
    QWidget target(nullptr, Qt::FramelessWindowHint);
    target.setAutoFillBackground(true);
    QPalette pal = target.palette();
    pal.setColor(QPalette::Window, QColor(12, 200, 99));
    target.setPalette(pal);
    target.setGeometry(300, 300, 60, 60);
    target.show();
    QVERIFY(QTest::qWaitForWindowExposed(&target));
    child<QToolButton>(w.get(), "tbColorMixer")->click();
    w->toolWindows().showPantone();
    QVERIFY(w->toolWindows().pantone()->isVisible());

    action(w.get(), "ScreenColorPicker1")->trigger();
    QVERIFY(!w->isVisible());
    QVERIFY(!w->toolWindows().mixer()->isVisible());
    TfrmScreenPicker* picker = nullptr;
    QTRY_VERIFY((picker = w->findChild<TfrmScreenPicker*>()) && picker->isVisible());
    QCOMPARE(picker->geometry(), QGuiApplication::primaryScreen()->virtualGeometry());
    const QPoint spot = QPoint(330, 330) - picker->geometry().topLeft();
    QCOMPARE(picker->snapshot().pixelColor(spot), QColor(12, 200, 99));
    QTest::mouseClick(picker, Qt::LeftButton, {}, spot);
    QVERIFY(!picker->isVisible());
    QCOMPARE(w->WheelColors()[0], MakeColor(12, 200, 99));
    QVERIFY(w->isVisible());
    QVERIFY(w->toolWindows().mixer()->isVisible());
    QVERIFY(!w->toolWindows().pantone()->isVisible()); // the lookup stays hidden
    QVERIFY(!w->toolWindows().analyzer()->isVisible());
}

void tst_StudioTools::pickerPanelJumps()
{
    TfrmScreenPicker picker;
    QImage snapshot(800, 600, QImage::Format_RGB32);
    snapshot.fill(QColor(1, 2, 3));
    picker.start(snapshot, QRect(-200, 0, 800, 600)); // a screen left of the primary one
    QCOMPARE(picker.panelLeft(), 8);
    picker.tick(QPoint(-200 + 20, 20)); // onto the panel at the top left
    QCOMPARE(picker.panelLeft(), 800 - 113 - 8);
    picker.tick(QPoint(-200 + 20, 20)); // off it again: stays
    QCOMPARE(picker.panelLeft(), 800 - 113 - 8);
    picker.tick(QPoint(-200 + 700, 60));
    QCOMPARE(picker.panelLeft(), 8);
    // The magnifier and the colour show the snapshot under the pointer.
    picker.tick(QPoint(-200 + 400, 300));
    auto* zoom = child<QLabel>(&picker, "imgZoom");
    QCOMPARE(zoom->pixmap().toImage().pixelColor(54, 33), QColor(1, 2, 3));
    QCOMPARE(zoom->pixmap().toImage().pixelColor(50, 33), QColor(254, 253, 252)); // the inverted cross-hair
    QTest::mouseClick(&picker, Qt::LeftButton, {}, QPoint(400, 300));
    QVERIFY(!picker.isVisible());
}

void tst_StudioTools::escapeLeavesThePicker()
{
    auto w = makeWindow();
    child<QToolButton>(w.get(), "tbAnalyzer")->click();
    const TColor base = w->WheelColors()[0];
    child<QToolButton>(w.get(), "tbPicker")->click();
    TfrmScreenPicker* picker = nullptr;
    QTRY_VERIFY((picker = w->findChild<TfrmScreenPicker*>()) && picker->isVisible());
    QTest::keyClick(picker, Qt::Key_Escape);
    QVERIFY(!picker->isVisible());
    QCOMPARE(w->WheelColors()[0], base);
    QVERIFY(w->isVisible());
    QVERIFY(w->toolWindows().analyzer()->isVisible());
}

void tst_StudioTools::pictureButtonFollowsTheWindow_data()
{
    QTest::addColumn<bool>("fromMenu");
    QTest::newRow("button") << false;
    QTest::newRow("menu") << true;
}

// The picture tool: an ordinary window, not above the others; its button is
// down exactly while it is shown; the Tools entry has Ctrl+H.
void tst_StudioTools::pictureButtonFollowsTheWindow()
{
    QFETCH(bool, fromMenu);
    auto w = makeWindow();
    auto* button = child<QToolButton>(w.get(), "tbPhotoScheme");
    QAction* entry = action(w.get(), "mnuToolsPicture");
    QVERIFY(button && button->isEnabled() && button->isCheckable());
    QVERIFY(entry && entry->isEnabled());
    QCOMPARE(entry->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_H));
    if (fromMenu)
        entry->trigger();
    else
        button->click();
    TfrmPicScheme* tool = w->toolWindows().picture();
    QVERIFY(tool->isVisible() && button->isChecked());
    QVERIFY(!(tool->windowFlags() & Qt::WindowStaysOnTopHint));
    QCOMPARE(tool->windowTitle(), QStringLiteral("Picturist"));
    entry->trigger(); // again: still shown, still down
    QVERIFY(tool->isVisible() && button->isChecked());
    tool->close();
    QVERIFY(!tool->isVisible() && !button->isChecked());
    button->click();
    QVERIFY(tool->isVisible());
    button->click();
    QVERIFY(!tool->isVisible());
}

void tst_StudioTools::pictureColoursReachTheFavourites()
{
    auto w = makeWindow();
    w->favorites().AddColorsToFavorites(MakeColor(9, 9, 9), QStringLiteral("old"), true);
    child<QToolButton>(w.get(), "tbPhotoScheme")->click();
    TfrmPicScheme* tool = w->toolWindows().picture();
    const QString file = m_dir->filePath(QStringLiteral("photo.jpg"));
    QVERIFY(Samples::PutImage(file, Samples::Photo(1600, 1200), "jpeg"));
    QVERIFY(tool->openPicture(file));
    child<QToolButton>(tool, "tbAddFavs")->click();
    const TFavoritesList& favs = w->favorites();
    QCOMPARE(favs.count(), 6);
    QVERIFY(!favs.at(0).Selected);
    for (int k = 0; k < 5; ++k) {
        QCOMPARE(favs.at(k + 1).Color, tool->model().points()[k].color);
        QVERIFY(favs.at(k + 1).Selected);
    }
    QCOMPARE(favs.currentIndex(), 5);
    QVERIFY(w->isModified());
}

void tst_StudioTools::pictureSwatchDropsOnTheFavourites()
{
    auto w = makeWindow();
    action(w.get(), "mnuToolsPicture")->trigger();
    TfrmPicScheme* tool = w->toolWindows().picture();
    const QString file = m_dir->filePath(QStringLiteral("photo.png"));
    QVERIFY(Samples::PutImage(file, Samples::Photo(400, 300), "png"));
    QVERIFY(tool->openPicture(file));
    QWidget* favs = child(w.get(), "pbFavs");
    QWidget* layer = child(tool, "pbDrawLayer");
    ColorMime::SetDragRunner([&](QObject*, QMimeData* data) {
        drop(favs, data, QPoint(60, 20));
        delete data;
    });
    const Picture::PaletteRect& r = tool->model().palette();
    const QPoint at(r.left + 12 + 46 * 3 + 19, r.top + 31);
    QTest::mouseMove(layer, at);
    QTest::mousePress(layer, Qt::LeftButton, {}, at);
    QMouseEvent move(QEvent::MouseMove, QPointF(at + QPoint(12, 0)), layer->mapToGlobal(QPointF(at + QPoint(12, 0))),
                     Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(layer, &move);
    QCOMPARE(w->favorites().count(), 1);
    QCOMPARE(w->favorites().at(0).Color, tool->model().points()[3].color);
    QCOMPARE(w->PendingColor(), w->WheelColors()[0]);
}

void tst_StudioTools::pictureSettingsSurviveARestart()
{
    {
        auto w = makeWindow();
        TfrmPicScheme* tool = w->toolWindows().picture(); // never shown: still written
        tool->resize(720, 530);
        child<QComboBox>(tool, "cboNumColors")->setCurrentIndex(6); // " 8"
        w->close();
    }
    SettingsStore store(iniPath());
    QCOMPARE(store.readInt(SettingKey::PicturistWidth), 720);
    QCOMPARE(store.readInt(SettingKey::PicturistHeight), 530);
    QCOMPARE(store.readInt(SettingKey::PicturistNumColors), 8);
    QCOMPARE(store.readInt(SettingKey::PicturistPaletteLeft), 10);
    QVERIFY(store.readInt(SettingKey::PicturistTop, -100000) != -100000);
    store.writeInt(SettingKey::PicturistNumColors, 40); // a hand-edited file
    store.writeInt(SettingKey::PicturistPaletteTop, 33);
    auto w = makeWindow();
    QCOMPARE(w->toolWindows().picture()->size(), QSize(720, 530));
    QCOMPARE(w->toolWindows().picture()->model().numColors(), 9);
    QCOMPARE(w->toolWindows().picture()->model().palette().top, 33);
}

TV_REGISTER_TEST(tst_StudioTools);
#include "tst_StudioTools.moc"
