// The web page preview and the print window as the main window hosts them.
#include "PreviewHtml.h"
#include "PreviewPage.h"
#include "PrintLayout.h"
#include "TColorHistory.h"
#include "TCopyMenu.h"
#include "TFavoritesList.h"
#include "TSchemeDocument.h"
#include "TStudioSession.h"
#include "TStudioTools.h"
#include "TfrmPreview.h"
#include "TfrmPrint.h"
#include "TfrmStudioMain.h"
#include "paint/ColorMime.h"

#include "StudioTestWindow.h"
#include "TestRegistry.h"

#include <memory>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDropEvent>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPrinter>
#include <QPrinterInfo>
#include <QRegularExpression>
#include <QSettings>
#include <QProcess>
#include <QScrollBar>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

using PreviewPage::Part;
Q_DECLARE_METATYPE(PreviewPage::Part)

class tst_StudioPreview : public QObject {
    Q_OBJECT
private slots:
    void init() { m_dir = std::make_unique<QTemporaryDir>(); }
    void cleanup() { ColorMime::SetDragRunner({}); }
    void buttonFollowsTheWindow_data();
    void buttonFollowsTheWindow();
    void dropOnEveryPart_data();
    void dropOnEveryPart();
    void clickMakesTheBaseColour();
    void dragCarriesThePartsColour();
    void chipsAreBlackAndWhiteSources();
    void rightClickCopies();
    void resetAsks_data();
    void resetAsks();
    void newAndOpenResetWithoutAsking();
    void savedPageLineForLine();
    void saveFailureIsReported();
    void coloursAndPositionSurviveARestart_data();
    void coloursAndPositionSurviveARestart();
    void pickerBringsThePreviewBack();
    void printWindowIsNewEachTime();
    void printGroupsInOrder();
    void pageBoxAndArrows();
    void everyScale_data();
    void everyScale();
    void wheelScrollsTheSheet();
    void pageSetupRelaysOut();
    void printingWithoutAPrinter();
    void printsAndSavesPdf();

private:
    QString iniPath() const { return m_dir->filePath(QStringLiteral("tvstudio.ini")); }
    std::unique_ptr<TfrmStudioMain> makeWindow()
    {
        auto w = StudioTest::MakeWindow(iniPath());
        w->setInformHook([this](const QString& t) { m_informed << t; });
        return w;
    }
    template <class T = QWidget> T* child(QObject* w, const char* name) { return w->findChild<T*>(QLatin1String(name)); }
    // A point of the part clear of the parts above it.
    static QPoint centre(Part part)
    {
        const PreviewPage::PartInfo& info = PreviewPage::Info(part);
        if (part == Part::Background)
            return QPoint(5, 215);
        if (!info.text)
            return info.rect.bottomRight() - QPoint(5, 5);
        return PreviewPage::HitBox(info).center();
    }
    // Drops `mime` on `target` and deletes it.
    static void drop(QWidget* target, QMimeData* mime, QPoint pos)
    {
        const std::unique_ptr<QMimeData> owned(mime);
        StudioTest::Drop(target, mime, pos);
    }
    TfrmPrint* openPrint(TfrmStudioMain* w)
    {
        child<QAction>(w, "mnuFilePrint")->trigger();
        TfrmPrint* p = w->toolWindows().printWindow();
        if (p)
            p->setInformHook([this](const QString& t) { m_informed << t; });
        return p;
    }
    std::unique_ptr<QTemporaryDir> m_dir;
    QStringList m_informed;
};

void tst_StudioPreview::buttonFollowsTheWindow_data()
{
    QTest::addColumn<bool>("fromMenu");
    QTest::newRow("button") << false;
    QTest::newRow("Ctrl+P") << true;
}

void tst_StudioPreview::buttonFollowsTheWindow()
{
    QFETCH(bool, fromMenu);
    auto w = makeWindow();
    auto* button = child<QToolButton>(w.get(), "tbQuickPreview");
    QAction* menu = child<QAction>(w.get(), "mnuToolsQuickPreview");
    QVERIFY(button && button->isEnabled() && button->isCheckable());
    QVERIFY(menu->isEnabled());
    QCOMPARE(menu->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_P));
    if (fromMenu)
        menu->trigger();
    else
        button->click();
    TfrmPreview* preview = w->toolWindows().preview();
    QVERIFY(preview->isVisible());
    QVERIFY(button->isChecked());
    QCOMPARE(preview->windowTitle(), QStringLiteral("QuickPreview"));
    QCOMPARE(preview->size(), QSize(333, 274));
    QVERIFY(preview->windowFlags() & Qt::WindowStaysOnTopHint);
    menu->trigger(); // again: still shown, still down
    QVERIFY(preview->isVisible() && button->isChecked());
    drop(preview->page(), ColorMime::Make(MakeColor(1, 2, 3)), centre(Part::tMainBG));
    preview->close();
    QVERIFY(!preview->isVisible());
    QVERIFY(!button->isChecked());
    button->click(); // the colours survive hiding
    QVERIFY(preview->isVisible());
    QCOMPARE(w->document().previewColors()[8], MakeColor(1, 2, 3));
    button->click();
    QVERIFY(!preview->isVisible());
}

void tst_StudioPreview::dropOnEveryPart_data()
{
    QTest::addColumn<Part>("part");
    QTest::addColumn<QList<int>>("roles");
    QTest::addColumn<bool>("fromFavorites");
    QTest::newRow("Link3, all four links") << Part::Link3 << QList<int>{4} << false;
    QTest::newRow("Link1 from the favourites") << Part::Link1 << QList<int>{4} << true;
    QTest::newRow("page header") << Part::Header << QList<int>{0} << false;
    QTest::newRow("table header text") << Part::tHeader << QList<int>{1} << true;
    QTest::newRow("body caption") << Part::tBodyHeader << QList<int>{2} << false;
    QTest::newRow("body text") << Part::tMainText << QList<int>{3} << false;
    QTest::newRow("background") << Part::Background << QList<int>{5} << false;
    QTest::newRow("header background") << Part::tHeaderBG << QList<int>{6} << false;
    QTest::newRow("navigation background") << Part::tNavBG << QList<int>{7} << true;
    QTest::newRow("body background") << Part::tMainBG << QList<int>{8} << false;
}

// Every part takes every drag; exactly its role changes, the page repaints
// and the scheme is marked modified.
void tst_StudioPreview::dropOnEveryPart()
{
    QFETCH(Part, part);
    QFETCH(QList<int>, roles);
    QFETCH(bool, fromFavorites);
    auto w = makeWindow();
    w->favorites().AddColorsToFavorites(MakeColor(9, 99, 199), QStringLiteral("Sea"), true);
    w->favorites().SetModified(false);
    child<QToolButton>(w.get(), "tbQuickPreview")->click();
    TfrmPreview* preview = w->toolWindows().preview();
    const TColor c = MakeColor(200, 10, 20);
    drop(preview->page(), fromFavorites ? ColorMime::Make(c, QStringLiteral("favorites"), 0) : ColorMime::Make(c), centre(part));
    const TPreviewColors got = w->document().previewColors();
    const TPreviewColors defaults = DefaultPreviewColors();
    for (int r = 0; r < 9; ++r)
        QCOMPARE(got[size_t(r)], roles.contains(r) ? c : defaults[size_t(r)]);
    QVERIFY(w->isModified());
    if (!PreviewPage::Info(part).text) // a rectangle shows its new fill
        QCOMPARE(preview->page()->image().pixel(PreviewPage::Info(part).rect.topLeft() + QPoint(3, 3)), qRgb(200, 10, 20));
    // A drag from another program that carries only text takes part too.
    auto* text = new QMimeData;
    text->setText(QStringLiteral("#0A0B0C"));
    drop(preview->page(), text, centre(Part::tMainBG));
    QCOMPARE(w->document().previewColors()[8], MakeColor(10, 11, 12));
}

// A press and release without moving makes a part's colour the base colour;
// the same colour again changes nothing.
void tst_StudioPreview::clickMakesTheBaseColour()
{
    auto w = makeWindow();
    child<QToolButton>(w.get(), "tbQuickPreview")->click();
    TPreviewPageView* page = w->toolWindows().preview()->page();
    const qsizetype before = w->history().entries().size();
    QTest::mouseClick(page, Qt::LeftButton, {}, centre(Part::tNavBG));
    QCOMPARE(w->WheelColors()[0], MakeColor(230, 230, 230));
    QCOMPARE(w->history().entries().size(), before + 1);
    QTest::mouseClick(page, Qt::LeftButton, {}, centre(Part::tNavBG));
    QCOMPARE(w->history().entries().size(), before + 1);
    QVERIFY(!w->isModified());
}

void tst_StudioPreview::dragCarriesThePartsColour()
{
    auto w = makeWindow();
    child<QToolButton>(w.get(), "tbQuickPreview")->click();
    TPreviewPageView* page = w->toolWindows().preview()->page();
    QList<TColor> carried;
    TColor pendingDuring{};
    ColorMime::SetDragRunner([&](QObject*, QMimeData* data) {
        carried << *ColorMime::ColorOf(data);
        pendingDuring = w->PendingColor();
        delete data;
    });
    const QPoint from = centre(Part::Link2);
    QTest::mousePress(page, Qt::LeftButton, {}, from);
    QTest::mouseMove(page, from + QPoint(5, 0)); // not yet 10 pixels
    QVERIFY(carried.isEmpty());
    QTest::mouseMove(page, from + QPoint(6, 4));
    QCOMPARE(carried, QList<TColor>{clBlack});
    QCOMPARE(pendingDuring, clBlack);
    QCOMPARE(w->PendingColor(), w->WheelColors()[0]); // back to the base colour
    QTest::mouseRelease(page, Qt::LeftButton, {}, from + QPoint(6, 4));
    QCOMPARE(w->WheelColors()[0], MakeColor(255, 102, 0)); // the drag was no click
}

void tst_StudioPreview::chipsAreBlackAndWhiteSources()
{
    auto w = makeWindow();
    child<QToolButton>(w.get(), "tbQuickPreview")->click();
    TfrmPreview* preview = w->toolWindows().preview();
    QList<TColor> carried;
    ColorMime::SetDragRunner([&](QObject*, QMimeData* data) {
        carried << *ColorMime::ColorOf(data) << w->PendingColor();
        delete data;
    });
    for (const char* name : {"shpBlack", "Shape1"}) {
        QWidget* chip = child(preview, name);
        QVERIFY(chip);
        QCOMPARE(chip->size(), QSize(18, 18));
        QTest::mousePress(chip, Qt::LeftButton, {}, QPoint(9, 9));
        QTest::mouseMove(chip, QPoint(12, 13)); // 7 pixels: not yet
        QTest::mouseMove(chip, QPoint(13, 13));
        QTest::mouseRelease(chip, Qt::LeftButton, {}, QPoint(13, 13));
    }
    QCOMPARE(carried, (QList<TColor>{clBlack, clBlack, clWhite, clWhite}));
    QCOMPARE(w->PendingColor(), w->WheelColors()[0]);
}

// A right-click on the navigation column (230, 230, 230) offers E6E6E6,
// #E6E6E6 and 230,230,230; the first puts E6E6E6 on the clipboard.
void tst_StudioPreview::rightClickCopies()
{
    auto w = makeWindow();
    child<QToolButton>(w.get(), "tbQuickPreview")->click();
    TfrmPreview* preview = w->toolWindows().preview();
    QTest::mousePress(preview->page(), Qt::RightButton, {}, centre(Part::tNavBG));
    QTRY_VERIFY(preview->colorMenu()->isVisible());
    auto* copy = child<TCopyMenu>(preview, "mnuPopCopy");
    QVERIFY(copy);
    emit copy->aboutToShow();
    QCOMPARE(copy->entry(0)->objectName(), QStringLiteral("mnuPopCopyHex1"));
    QCOMPARE(copy->entry(0)->text(), QStringLiteral("E6E6E6"));
    QCOMPARE(copy->entry(1)->text(), QStringLiteral("#E6E6E6"));
    QCOMPARE(copy->entry(2)->text(), QStringLiteral("230,230,230"));
    copy->entry(0)->trigger();
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("E6E6E6"));
    preview->colorMenu()->hide();
    // "Set as Base Color" takes the right-clicked part's colour.
    QTest::mousePress(preview->page(), Qt::RightButton, {}, centre(Part::tHeaderBG));
    child<QAction>(preview, "mnuPopSetBase")->trigger();
    preview->colorMenu()->hide();
    QCOMPARE(w->WheelColors()[0], MakeColor(230, 230, 230));
    QVERIFY(!w->isModified());
}

void tst_StudioPreview::resetAsks_data()
{
    QTest::addColumn<int>("answer");
    QTest::newRow("No keeps everything") << int(QMessageBox::No);
    QTest::newRow("Yes resets and marks modified") << int(QMessageBox::Yes);
}

void tst_StudioPreview::resetAsks()
{
    QFETCH(int, answer);
    auto w = makeWindow();
    child<QToolButton>(w.get(), "tbQuickPreview")->click();
    TfrmPreview* preview = w->toolWindows().preview();
    QStringList asked;
    preview->setQuestionHook([&](const QString& q) { asked << q; return answer; });
    drop(preview->page(), ColorMime::Make(MakeColor(1, 1, 1)), centre(Part::Background));
    w->favorites().SetModified(false);
    child<QToolButton>(preview, "tbReset")->click();
    QCOMPARE(asked, QStringList{QStringLiteral("Are you sure you want to reset the current QuickPreview colors?")});
    const bool yes = answer == QMessageBox::Yes;
    QCOMPARE(w->document().previewColors()[5], yes ? clWhite : MakeColor(1, 1, 1));
    QCOMPARE(w->isModified(), yes);
}

// New resets the colours without asking and leaves the scheme unmodified; a
// scheme file that ends after its records resets them as well.
void tst_StudioPreview::newAndOpenResetWithoutAsking()
{
    auto w = makeWindow();
    child<QToolButton>(w.get(), "tbQuickPreview")->click();
    TfrmPreview* preview = w->toolWindows().preview();
    int asked = 0;
    preview->setQuestionHook([&](const QString&) { ++asked; return int(QMessageBox::Yes); });
    drop(preview->page(), ColorMime::Make(MakeColor(5, 5, 5)), centre(Part::Link4));
    child<QAction>(w.get(), "mnuFileNew")->trigger(); // the save question answers No
    QCOMPARE(w->document().previewColors(), DefaultPreviewColors());
    QVERIFY(!w->isModified());
    QCOMPARE(asked, 0);
    QCOMPARE(preview->page()->image().pixel(centre(Part::tMainBG)), qRgb(255, 255, 255));

    drop(preview->page(), ColorMime::Make(MakeColor(5, 5, 5)), centre(Part::tMainBG));
    const QString path = m_dir->filePath(QStringLiteral("short.tv"));
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(QByteArray("\x03\x00\x00\x00\x00\x33\x66\x00", 8));
    f.close();
    w->setFileDialogHook([&](bool, const QString&) { return path; });
    child<QAction>(w.get(), "mnuFileOpen")->trigger();
    QCOMPARE(w->document().previewColors(), DefaultPreviewColors());
    QVERIFY(!w->isModified());
    QCOMPARE(asked, 0);
}

void tst_StudioPreview::savedPageLineForLine()
{
    auto w = makeWindow();
    child<QToolButton>(w.get(), "tbQuickPreview")->click();
    TfrmPreview* preview = w->toolWindows().preview();
    const QString path = m_dir->filePath(QStringLiteral("page.html"));
    int dialogs = 0;
    preview->setFileDialogHook([&] { ++dialogs; return dialogs == 1 ? QString() : path; });
    child<QToolButton>(preview, "tbSave")->click(); // cancelled: nothing written
    QVERIFY(!QFile::exists(path));
    drop(preview->page(), ColorMime::Make(MakeColor(255, 102, 0)), centre(Part::Link3));
    child<QToolButton>(preview, "tbSave")->click();
    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = f.readAll().split('\n');
    QCOMPARE(lines.size(), 43); // 42 lines, each ended by CR LF
    QCOMPARE(lines[7], QByteArray("    Links: #FF6600\r"));
    QCOMPARE(lines[24], QByteArray("<body bgcolor=\"#FFFFFF\" link=\"#FF6600\" vlink=\"#FF6600\">\r"));
    QCOMPARE(lines[11], QByteArray("    Page Background: #FFFFFF\r"));
    QCOMPARE(lines[12], QByteArray("    Table Header BG: #E6E6E6\r"));
    QCOMPARE(lines[0], QByteArray("<html>\r"));
    QCOMPARE(lines[41], QByteArray("</html>\r"));
    QVERIFY(m_informed.isEmpty());
}

void tst_StudioPreview::saveFailureIsReported()
{
    auto w = makeWindow();
    child<QToolButton>(w.get(), "tbQuickPreview")->click();
    TfrmPreview* preview = w->toolWindows().preview();
    QStringList told;
    preview->setInformHook([&](const QString& t) { told << t; });
    const QString path = m_dir->filePath(QStringLiteral("gone/page.html"));
    preview->setFileDialogHook([&] { return path; });
    QVERIFY(!preview->saveAsWebPage());
    QCOMPARE(told.size(), 1);
    QVERIFY2(told[0].contains(QLatin1String("page.html")), qPrintable(told[0]));
    QVERIFY(!QFile::exists(path));
}

void tst_StudioPreview::coloursAndPositionSurviveARestart_data()
{
    QTest::addColumn<bool>("remember");
    QTest::newRow("RememberScheme") << true;
    QTest::newRow("not remembered") << false;
}

// The colours travel in the session file when RememberScheme is set; the
// position in section Preview.
void tst_StudioPreview::coloursAndPositionSurviveARestart()
{
    QFETCH(bool, remember);
    {
        QSettings s(iniPath(), QSettings::IniFormat);
        s.setValue(QStringLiteral("Prefs/RememberScheme"), remember ? 1 : 0);
    }
    {
        auto w = makeWindow();
        child<QToolButton>(w.get(), "tbQuickPreview")->click();
        TfrmPreview* preview = w->toolWindows().preview();
        drop(preview->page(), ColorMime::Make(MakeColor(12, 34, 56)), centre(Part::tHeader));
        preview->move(123, 145);
        w->closeWithoutQuestions();
    }
    QSettings s(iniPath(), QSettings::IniFormat);
    QVERIFY(s.contains(QStringLiteral("Preview/Top")));
    QVERIFY(s.contains(QStringLiteral("Preview/Left")));
    auto w = makeWindow();
    QCOMPARE(w->document().previewColors()[1], remember ? MakeColor(12, 34, 56) : clBlack);
    child<QToolButton>(w.get(), "tbQuickPreview")->click();
    TfrmPreview* preview = w->toolWindows().preview();
    QCOMPARE(preview->pos().x(), s.value(QStringLiteral("Preview/Left")).toInt());
    QCOMPARE(preview->pos().y(), s.value(QStringLiteral("Preview/Top")).toInt());
}

void tst_StudioPreview::pickerBringsThePreviewBack()
{
    auto w = makeWindow();
    child<QToolButton>(w.get(), "tbQuickPreview")->click();
    TfrmPreview* preview = w->toolWindows().preview();
    child<QToolButton>(w.get(), "tbPicker")->click();
    QVERIFY(!preview->isVisible());
    QWidget* picker = nullptr;
    QTRY_VERIFY((picker = reinterpret_cast<QWidget*>(w->toolWindows().screenPicker())) && picker->isVisible());
    QTest::keyClick(picker, Qt::Key_Escape);
    QVERIFY(preview->isVisible());
}

// --- print -------------------------------------------------------------------

void tst_StudioPreview::printWindowIsNewEachTime()
{
    auto w = makeWindow();
    QAction* print = child<QAction>(w.get(), "mnuFilePrint");
    QVERIFY(print->isEnabled());
    QPointer<TfrmPrint> first = openPrint(w.get());
    QVERIFY(first && first->isVisible());
    QCOMPARE(first->windowTitle(), QStringLiteral("Print Color Schemes"));
    QCOMPARE(first->size(), QSize(640, 560));
    QCOMPARE(first->minimumSize(), QSize(564, 400));
    QCOMPARE(child<QComboBox>(first, "cboScale")->currentText(), QStringLiteral("Whole Page"));
    QCOMPARE(child<QLineEdit>(first, "txtPage")->text(), QStringLiteral("1"));
    QPointer<TfrmPrint> second = openPrint(w.get());
    QVERIFY(second && second != first);
    first->close();
    QTRY_VERIFY(!first);
    QVERIFY(second);
    second->close();
    QTRY_VERIFY(!second);
}

// Favourites, wheel, mixer, history, in that order; only favourites keep
// their names, the others are numbered by their place in the list.
void tst_StudioPreview::printGroupsInOrder()
{
    auto w = makeWindow();
    w->favorites().AddColorsToFavorites(MakeColor(1, 2, 3), QStringLiteral("Sky"), true);
    w->favorites().AddColorsToFavorites(MakeColor(4, 5, 6), QStringLiteral("Sea"), true);
    TfrmPrint* p = openPrint(w.get());
    QCOMPARE(p->printList().size(), 2);
    QCOMPARE(child<QLabel>(p, "lblPages")->text(), QStringLiteral("of 1"));
    auto* groups = child<QToolButton>(p, "cmdPrintFrom");
    QWidget* panel = child(p, "pnlColors");
    QVERIFY(!panel->isVisible());
    groups->click();
    QVERIFY(panel->isVisible());
    QCOMPARE(child<QCheckBox>(p, "chkFavorites")->text(), QStringLiteral("  Favorite Colors"));
    QCOMPARE(child<QCheckBox>(p, "chkFavorites")->pos(), QPoint(11, 41));
    QCOMPARE(child<QCheckBox>(p, "chkHistory")->pos(), QPoint(11, 101));
    child<QCheckBox>(p, "chkWheel")->click();
    child<QCheckBox>(p, "chkMixer")->click();
    child<QCheckBox>(p, "chkHistory")->click();
    const QList<TColor> mixer = w->toolWindows().mixerColors();
    const TExportList& list = p->printList();
    QCOMPARE(list.size(), 2 + 12 + mixer.size() + w->history().entries().size());
    QCOMPARE(list.colors()[0], MakeColor(1, 2, 3));
    QCOMPARE(list.colors()[2], w->WheelColors()[0]);
    QCOMPARE(list.colors()[14], mixer.first());
    QCOMPARE(list.colors().last(), w->history().entries().last());
    const PrintCatalogue::Page page = p->currentLayout();
    QCOMPARE(page.items[1].name, QStringLiteral("Sea"));
    QCOMPARE(page.items[2].name, QStringLiteral("Color 3"));
    // Favourites unticked: everything is numbered.
    child<QCheckBox>(p, "chkFavorites")->click();
    QCOMPARE(p->currentLayout().items[0].name, QStringLiteral("Color 1"));
    // Nothing ticked: one page with only the footer.
    for (const char* name : {"chkWheel", "chkMixer", "chkHistory"})
        child<QCheckBox>(p, name)->click();
    QCOMPARE(p->printList().size(), 0);
    QCOMPARE(child<QLabel>(p, "lblPages")->text(), QStringLiteral("of 1"));
    QVERIFY(p->currentLayout().items.isEmpty());
    QCOMPARE(p->currentLayout().footer, QStringLiteral("1"));
    groups->click();
    QVERIFY(!panel->isVisible());
    // A new favourite shows once the window is activated again.
    child<QCheckBox>(p, "chkFavorites")->click();
    w->favorites().AddColorsToFavorites(MakeColor(7, 8, 9), QStringLiteral("Sand"), true);
    QEvent activation(QEvent::ActivationChange);
    p->activateWindow();
    QApplication::sendEvent(p, &activation);
    p->rebuild();
    QCOMPARE(p->printList().size(), 3);
    p->close();
}

// 0 becomes 1, a page above the count becomes the count; the arrows step.
void tst_StudioPreview::pageBoxAndArrows()
{
    auto w = makeWindow();
    for (int i = 0; i < 60; ++i)
        w->favorites().AddColorsToFavorites(MakeColor(i, i, i), QStringLiteral("F%1").arg(i), true);
    TfrmPrint* p = openPrint(w.get());
    auto* box = child<QLineEdit>(p, "txtPage");
    const int pages = p->pageCount();
    QVERIFY(pages >= 3);
    QCOMPARE(child<QLabel>(p, "lblPages")->text(), QStringLiteral("of %1").arg(pages));
    box->selectAll();
    QTest::keyClicks(box, QStringLiteral("0"));
    QCOMPARE(box->text(), QStringLiteral("1"));
    box->selectAll();
    QTest::keyClicks(box, QStringLiteral("99"));
    QCOMPARE(box->text(), QString::number(pages));
    QCOMPARE(p->currentPage(), pages);
    QTest::keyClicks(box, QStringLiteral("x")); // digits only
    QCOMPARE(box->text(), QString::number(pages));
    auto* back = child<QToolButton>(p, "cmdPageBack");
    auto* forward = child<QToolButton>(p, "cmdPageForward");
    forward->click();
    QCOMPARE(p->currentPage(), pages);
    back->click();
    QCOMPARE(p->currentPage(), pages - 1);
    QCOMPARE(p->currentLayout().footer, QString::number(pages - 1));
    for (int i = 0; i < pages + 2; ++i)
        back->click();
    QCOMPARE(box->text(), QStringLiteral("1"));
    // Fewer pages after a group change lower the page number.
    box->setText(QString::number(pages));
    child<QCheckBox>(p, "chkFavorites")->click();
    QCOMPARE(child<QLabel>(p, "lblPages")->text(), QStringLiteral("of 1"));
    QCOMPARE(box->text(), QStringLiteral("1"));
    p->close();
}

void tst_StudioPreview::everyScale_data()
{
    QTest::addColumn<int>("scale");
    for (int i = 0; i < PrintLayout::kScaleCount; ++i)
        QTest::newRow(qPrintable(PrintLayout::ScaleText(PrintLayout::Scale(i)))) << i;
}

// The sheet at every scale is the arithmetic's, with the scroll bars each
// scale has; the printable area shows the page picture.
void tst_StudioPreview::everyScale()
{
    QFETCH(int, scale);
    auto w = makeWindow();
    TfrmPrint* p = openPrint(w.get());
    p->setScreenDpi(96, 96);
    auto* combo = child<QComboBox>(p, "cboScale");
    combo->setCurrentIndex(scale == 0 ? 1 : 0);
    combo->setCurrentIndex(scale);
    TPrintSheetArea* area = p->sheetArea();
    const PrintLayout::Device d = p->metrics().device;
    const QSize at100 = PrintLayout::SheetAt100(d, 96, 96);
    QCOMPARE(at100, QSize(816, 1056)); // letter
    const QSize expected = PrintLayout::SheetSize(PrintLayout::Scale(scale), at100, area->viewport()->size());
    QCOMPARE(area->sheetSize(), expected);
    const bool whole = scale == int(PrintLayout::Scale::WholePage);
    const bool width = scale == int(PrintLayout::Scale::PageWidth);
    QCOMPARE(area->verticalScrollBarPolicy(), whole ? Qt::ScrollBarAlwaysOff : Qt::ScrollBarAlwaysOn);
    QCOMPARE(area->horizontalScrollBarPolicy(), whole || width ? Qt::ScrollBarAlwaysOff : Qt::ScrollBarAlwaysOn);
    QCOMPARE(area->verticalScrollBar()->maximum(), std::max(0, expected.height() + 36 - area->viewport()->height()));
    QCOMPARE(area->pagePicture().size(), area->printableRect().size());
    // Combo and label follow the window's width.
    QCOMPARE(combo->x(), p->width() - 96);
    p->resize(700, 600);
    QCOMPARE(combo->x(), 700 - 96);
    if (whole || width)
        QCOMPARE(area->sheetSize(), PrintLayout::SheetSize(PrintLayout::Scale(scale), at100, area->viewport()->size()));
    p->close();
}

void tst_StudioPreview::wheelScrollsTheSheet()
{
    auto w = makeWindow();
    TfrmPrint* p = openPrint(w.get());
    child<QComboBox>(p, "cboScale")->setCurrentIndex(int(PrintLayout::Scale::P200));
    TPrintSheetArea* area = p->sheetArea();
    QScrollBar* v = area->verticalScrollBar();
    QCOMPARE(v->value(), 0);
    const QPoint at = area->viewport()->rect().center();
    QWheelEvent down(at, area->viewport()->mapToGlobal(at), QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                     Qt::NoScrollPhase, false);
    QApplication::sendEvent(area->viewport(), &down);
    QCOMPARE(v->value(), 60);
    QWheelEvent up(at, area->viewport()->mapToGlobal(at), QPoint(), QPoint(0, 240), Qt::NoButton, Qt::NoModifier,
                   Qt::NoScrollPhase, false);
    QApplication::sendEvent(area->viewport(), &up);
    QCOMPARE(v->value(), 0);
    const int top = area->sheetRect().top();
    v->setValue(30);
    QCOMPARE(area->sheetRect().top(), top - 30);
    p->close();
}

// Page setup (through a stand-in for the dialog): new paper and margins give
// new metrics, page count and preview.
void tst_StudioPreview::pageSetupRelaysOut()
{
    auto w = makeWindow();
    for (int i = 0; i < 30; ++i)
        w->favorites().AddColorsToFavorites(MakeColor(i, 0, 0), QString(), true);
    TfrmPrint* p = openPrint(w.get());
    QCOMPARE(p->pageCount(), 2); // 27 on a letter page
    QCOMPARE(p->metrics().top, PrintLayout::Scaled(p->metrics().device.dpiY, 800, 1000));
    p->setPageSetupHook([](QPrinter& printer) {
        printer.setPageSize(QPageSize(QPageSize::A4));
        printer.setPageMargins(QMarginsF(0.4, 0.4, 0.4, 0.4), QPageLayout::Inch);
        return true;
    });
    child<QToolButton>(p, "cmdPageSetup")->click();
    const PrintLayout::Metrics m = p->metrics();
    QCOMPARE(m.top, PrintLayout::Scaled(m.device.dpiY, 400, 1000));
    QVERIFY(m.device.physH > PrintLayout::Scaled(m.device.dpiY, 11000, 1000)); // A4 is taller than letter
    // A4 is narrower: two columns of ten rows.
    QCOMPARE(p->currentLayout().items.size(), 20);
    QCOMPARE(p->pageCount(), 2);
    QCOMPARE(child<QLabel>(p, "lblPages")->text(), QStringLiteral("of 2"));
    p->setPageSetupHook([](QPrinter& printer) {
        printer.setPageMargins(QMarginsF(0.4, 3, 0.4, 0.4), QPageLayout::Inch);
        return false; // cancelled: the layout stays as it was
    });
    child<QToolButton>(p, "cmdPageSetup")->click();
    QCOMPARE(p->metrics().top, m.top);
    p->close();
}

void tst_StudioPreview::printingWithoutAPrinter()
{
    auto w = makeWindow();
    TfrmPrint* p = openPrint(w.get());
    if (!QPrinterInfo::availablePrinterNames().isEmpty())
        QSKIP("a printer is installed here");
    m_informed.clear();
    child<QToolButton>(p, "cmdPrint")->click();
    QCOMPARE(m_informed.size(), 1);
    QVERIFY(m_informed[0].contains(QLatin1String("No printer is installed")));
    p->close();
}

// Printing onto a PDF printer and saving as PDF give the same pages, read
// back with poppler's tools; a vanished folder is reported.
void tst_StudioPreview::printsAndSavesPdf()
{
    const QString pdfinfo = QStandardPaths::findExecutable(QStringLiteral("pdfinfo"));
    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (pdfinfo.isEmpty() || pdftotext.isEmpty())
        QSKIP("poppler-utils is not installed (scripts/deps.sh installs it)");
    auto w = makeWindow();
    for (int i = 0; i < 40; ++i)
        w->favorites().AddColorsToFavorites(MakeColor(255, 102, i), QStringLiteral("Swatch %1").arg(i), true);
    TfrmPrint* p = openPrint(w.get());
    const QString printed = m_dir->filePath(QStringLiteral("printed.pdf"));
    const QString saved = m_dir->filePath(QStringLiteral("saved.pdf"));
    p->printer().setOutputFileName(printed);
    m_informed.clear();
    QVERIFY(p->printAll());
    p->setFileDialogHook([&] { return saved; });
    child<QToolButton>(p, "cmdSavePdf")->click();
    QVERIFY(m_informed.isEmpty());
    for (const QString& file : {printed, saved}) {
        QProcess info;
        info.start(pdfinfo, {file});
        QVERIFY(info.waitForFinished(30000));
        const QString out = QString::fromUtf8(info.readAllStandardOutput());
        QVERIFY2(out.contains(QRegularExpression(QStringLiteral("Pages:\\s+2\\b"))), qPrintable(out));
        QProcess text;
        text.start(pdftotext, {file, QStringLiteral("-")});
        QVERIFY(text.waitForFinished(30000));
        const QString t = QString::fromUtf8(text.readAllStandardOutput());
        QVERIFY2(t.contains(QLatin1String("Swatch 0")) && t.contains(QLatin1String("Swatch 39")), qPrintable(file));
        QVERIFY(t.contains(QLatin1String("#FF6627")));
    }
    p->setFileDialogHook([&] { return m_dir->filePath(QStringLiteral("gone/x.pdf")); });
    QVERIFY(!p->saveAsPdf());
    QCOMPARE(m_informed.size(), 1);
    p->close();
}

TV_REGISTER_TEST(tst_StudioPreview);
#include "tst_StudioPreview.moc"
