// The matching-colours views as the main window hosts them.
#include "HSLUtils.h"
#include "TColorHistory.h"
#include "TFavoritesList.h"
#include "TfraHarmonies.h"
#include "TfraSuggested.h"
#include "TfrmStudioMain.h"
#include "WheelColors.h"

#include "TestRegistry.h"

#include <QAction>
#include <QComboBox>
#include <QMessageBox>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

class tst_StudioWorkspace : public QObject {
    Q_OBJECT
private slots:
    void init() { m_dir = std::make_unique<QTemporaryDir>(); }
    void wheelFollowsTheBase();
    void clickOnAWedgeSetsTheBase();
    void tabsShowOneView_data();
    void tabsShowOneView();
    void wheelModeSwitchKeepsHistory();
    void styleSwitchShowsBoxes();
    void addAllHarmonies();
    void viewBuiltLateShowsTheCurrentColours();
    void paletteClickAndHover();
    void storedWorkspaceRestored();

private:
    std::unique_ptr<TfrmStudioMain> makeWindow()
    {
        TfrmStudioMain::Options o;
        o.settingsPath = m_dir->filePath(QStringLiteral("tvstudio.ini"));
        auto w = std::make_unique<TfrmStudioMain>(o);
        w->setQuestionHook([](const QString&) { return int(QMessageBox::No); });
        w->show();
        return w;
    }
    QWidget* child(TfrmStudioMain* w, const char* name) { return w->findChild<QWidget*>(QLatin1String(name)); }
    std::unique_ptr<QTemporaryDir> m_dir;
};

void tst_StudioWorkspace::wheelFollowsTheBase()
{
    auto w = makeWindow();
    QCOMPARE(w->WheelColors(), Workspace::GenerateWheelColors(MakeColor(255, 102, 0), true));
    QCOMPARE(HSLUtils::ColorToHex(w->WheelColors()[1]), QStringLiteral("FF9F00"));
    w->SetBaseColor(MakeColor(0, 0, 255));
    QCOMPARE(HSLUtils::ColorToHex(w->WheelColors()[1]), QStringLiteral("7F00FF"));
}

void tst_StudioWorkspace::clickOnAWedgeSetsTheBase()
{
    auto w = makeWindow();
    QWidget* wheel = child(w.get(), "picWheel");
    QVERIFY(wheel && wheel->isVisible());
    const TColor expected = w->WheelColors()[3]; // the wedge three steps clockwise, at 3 o'clock
    const int before = int(w->history().count());
    QTest::mouseClick(wheel, Qt::LeftButton, {}, QPoint(131 + 95, 131));
    QCOMPARE(w->WheelColors()[0], expected);
    QCOMPARE(int(w->history().count()), before + 1);
    QCOMPARE(w->PendingColor(), expected);
}

void tst_StudioWorkspace::tabsShowOneView_data()
{
    QTest::addColumn<int>("tab");
    QTest::addColumn<QString>("shown");
    QTest::newRow("wheel") << 0 << "picWheel";
    QTest::newRow("harmonies") << 1 << "fraHarmonies";
    QTest::newRow("suggestions") << 2 << "fraSuggested";
}

void tst_StudioWorkspace::tabsShowOneView()
{
    QFETCH(int, tab);
    QFETCH(QString, shown);
    auto w = makeWindow();
    w->findChild<QTabBar*>(QStringLiteral("tabDisplay"))->setCurrentIndex(tab);
    // A view not shown yet may not have been built at all.
    for (const char* name : {"picWheel", "fraBoxes", "fraHarmonies", "fraSuggested"}) {
        const QWidget* view = w->findChild<QWidget*>(QLatin1String(name));
        QCOMPARE(view && view->isVisible(), shown == QLatin1String(name));
    }
    w->close();
    TfrmStudioMain::Options o;
    o.settingsPath = m_dir->filePath(QStringLiteral("tvstudio.ini"));
    TfrmStudioMain again(o);
    QCOMPARE(again.findChild<QTabBar*>(QStringLiteral("tabDisplay"))->currentIndex(), tab);
}

void tst_StudioWorkspace::wheelModeSwitchKeepsHistory()
{
    auto w = makeWindow();
    const int before = int(w->history().count());
    w->findChild<QAction*>(QStringLiteral("mnuRGB"))->trigger();
    QCOMPARE(w->WheelColors(), Workspace::GenerateWheelColors(MakeColor(255, 102, 0), false));
    QVERIFY(w->findChild<QAction*>(QStringLiteral("mnuRGB1"))->isChecked());
    QVERIFY(!w->findChild<QAction*>(QStringLiteral("mnuRYB"))->isChecked());
    QCOMPARE(int(w->history().count()), before);
    w->findChild<QAction*>(QStringLiteral("mnuRYB1"))->trigger();
    QVERIFY(w->findChild<QAction*>(QStringLiteral("mnuRYB"))->isChecked());
    QCOMPARE(int(w->history().count()), before);
    // The next real choice is recorded again.
    w->SetBaseColor(MakeColor(1, 2, 3));
    QCOMPARE(int(w->history().count()), before + 1);
}

void tst_StudioWorkspace::styleSwitchShowsBoxes()
{
    auto w = makeWindow();
    w->findChild<QAction*>(QStringLiteral("mnuMPColorSwatches1"))->trigger();
    QVERIFY(child(w.get(), "fraBoxes")->isVisible());
    QVERIFY(!child(w.get(), "picWheel")->isVisible());
    QVERIFY(w->findChild<QAction*>(QStringLiteral("mnuMPColorSwatches"))->isChecked());
    // The boxes follow the base colour while they are shown.
    w->SetBaseColor(MakeColor(0, 0, 255));
    QTest::mouseClick(child(w.get(), "pbColors1"), Qt::LeftButton, {}, QPoint(20, 20));
    QVERIFY(w->history().count() >= 2);
    w->findChild<QAction*>(QStringLiteral("mnuMPColorWheel"))->trigger();
    QVERIFY(child(w.get(), "picWheel")->isVisible());
    QVERIFY(!child(w.get(), "fraBoxes")->isVisible());
}

void tst_StudioWorkspace::addAllHarmonies()
{
    auto w = makeWindow();
    w->findChild<QTabBar*>(QStringLiteral("tabDisplay"))->setCurrentIndex(1);
    auto* add = w->findChild<QToolButton*>(QStringLiteral("cmdAddAllFavs"));
    QVERIFY(add);
    add->click();
    QVERIFY(w->favorites().count() >= 2);
    QVERIFY(w->isModified());
    for (qsizetype i = 0; i < w->favorites().count(); ++i)
        QVERIFY(w->favorites().at(i).Selected);
}

void tst_StudioWorkspace::viewBuiltLateShowsTheCurrentColours()
{
    // The base colour changes while the harmonies and suggestions have never
    // been shown; when they first are, they show that colour's schemes.
    auto w = makeWindow();
    w->SetBaseColor(MakeColor(30, 144, 255));
    w->SetBaseColor(MakeColor(200, 40, 90));
    auto* tabs = w->findChild<QTabBar*>(QStringLiteral("tabDisplay"));

    tabs->setCurrentIndex(1);
    auto* harmonies = w->findChild<TfraHarmonies*>(QStringLiteral("fraHarmonies"));
    QVERIFY(harmonies && harmonies->isVisible());
    TfraHarmonies expectedHarmonies;
    expectedHarmonies.setColors(w->WheelColors());
    QCOMPARE(harmonies->visibleSwatchColors(), expectedHarmonies.visibleSwatchColors());

    tabs->setCurrentIndex(2);
    auto* suggested = w->findChild<TfraSuggested*>(QStringLiteral("fraSuggested"));
    QVERIFY(suggested && suggested->isVisible() && !harmonies->isVisible());
    TfraSuggested expectedSuggested;
    expectedSuggested.setColors(w->WheelColors());
    QCOMPARE(suggested->shownSwatchColors(), expectedSuggested.shownSwatchColors());

    // In the focus order a view built late comes straight after the tabs, as
    // one built with the window would.
    const auto nextTabStop = [](QWidget* from) {
        for (QWidget* w = from->nextInFocusChain(); w != from; w = w->nextInFocusChain())
            if (w->isVisible() && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus))
                return w;
        return from;
    };
    QVERIFY(suggested->isAncestorOf(nextTabStop(tabs)));

    // Built once: back and forth keeps the same frame, still following the base.
    tabs->setCurrentIndex(1);
    QCOMPARE(w->findChildren<TfraHarmonies*>().size(), 1);
    w->SetBaseColor(MakeColor(10, 200, 60));
    expectedHarmonies.setColors(w->WheelColors());
    QCOMPARE(harmonies->visibleSwatchColors(), expectedHarmonies.visibleSwatchColors());
}

void tst_StudioWorkspace::paletteClickAndHover()
{
    auto w = makeWindow();
    QWidget* palette = child(w.get(), "pbPalette");
    QVERIFY(palette);
    // The top-left black square of the websafe palette is pickable.
    QTest::mouseClick(palette, Qt::LeftButton, {}, QPoint(5, 5));
    QCOMPARE(w->WheelColors()[0], MakeColor(0, 0, 0));
    // Hovering previews without committing; leaving restores.
    QTest::mouseMove(palette, QPoint(40, 20));
    const TColor hovered = w->WorkingColor();
    QVERIFY(hovered != MakeColor(0, 0, 0));
    QCOMPARE(w->WheelColors()[0], MakeColor(0, 0, 0));
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(palette, &leave);
    QCOMPARE(w->WorkingColor(), MakeColor(0, 0, 0));
}

void tst_StudioWorkspace::storedWorkspaceRestored()
{
    {
        auto w = makeWindow();
        w->findChild<QAction*>(QStringLiteral("mnuRGB1"))->trigger();
        w->findChild<QAction*>(QStringLiteral("mnuMPColorSwatches1"))->trigger();
        w->close();
    }
    auto w = makeWindow();
    QVERIFY(w->findChild<QAction*>(QStringLiteral("mnuRGB"))->isChecked());
    QVERIFY(child(w.get(), "fraBoxes")->isVisible());
    QCOMPARE(w->WheelColors(), Workspace::GenerateWheelColors(w->WheelColors()[0], false));
}

TV_REGISTER_TEST(tst_StudioWorkspace);
#include "tst_StudioWorkspace.moc"
