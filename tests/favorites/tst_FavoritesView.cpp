#include "ColorText.h"
#include "TColorHistory.h"
#include "TCopyMenu.h"
#include "TFavoritesList.h"
#include "TFavoritesPanel.h"
#include "TFavoritesView.h"
#include "THistoryCombo.h"
#include "paint/ColorMime.h"
#include "paint/QtColor.h"
#include "paint/SystemColors.h"

#include <QApplication>
#include <QClipboard>
#include <QDragEnterEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QWheelEvent>

#include <memory>

#include "TestRegistry.h"

Q_DECLARE_METATYPE(TColor)

namespace {

constexpr int W = TFavoritesView::kWidth;

TColor pixel(const QImage& image, int x, int y) { return FromQRgb(image.pixel(x, y)); }

bool regionHas(const QImage& image, QRect r, TColor c)
{
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            if (pixel(image, x, y) == c)
                return true;
    return false;
}

struct Fixture {
    TFavoritesList list;
    std::unique_ptr<TFavoritesPanel> panel;
    TFavoritesView* view = nullptr;
    QScrollBar* scroll = nullptr;

    explicit Fixture(int rows = 0, bool expanded = false)
    {
        list.setExpandedStyle(expanded);
        for (int i = 0; i < rows; ++i)
            list.AddColorsToFavorites(MakeColor(10 * i, 100, 200), QStringLiteral("c%1").arg(i));
        list.SetModified(false);
        panel = std::make_unique<TFavoritesPanel>(&list);
        panel->show();
        view = panel->findChild<TFavoritesView*>(QStringLiteral("pbFavs"));
        scroll = panel->findChild<QScrollBar*>(QStringLiteral("sbFavs"));
    }
    template <typename T>
    T* child(const char* name) const
    {
        return panel->findChild<T*>(QLatin1String(name));
    }
    QPoint rowPoint(int row, int x = 20, int dy = 22) const
    {
        return QPoint(x, view->rowTop(row) - view->scrollPosition() + dy);
    }
};

// Sends the drag-enter, drag-move and drop of `mime` at view point p.
bool dropAt(QWidget* target, QMimeData* mime, QPoint p, bool moveOnly = false)
{
    const Qt::DropActions actions = moveOnly ? Qt::MoveAction : (Qt::CopyAction | Qt::MoveAction);
    QDragEnterEvent enter(p, actions, mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    if (!enter.isAccepted())
        return false;
    QDragMoveEvent move(p, actions, mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &move);
    QDropEvent drop(QPointF(p), actions, mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &drop);
    return drop.isAccepted();
}

} // namespace

class tst_FavoritesView : public QObject {
    Q_OBJECT
private slots:
    void controlsCarryTheirNames();
    void emptyListShowsHint();
    void scrollRange_data();
    void scrollRange();
    void paintsRows();
    void websafeMark_data();
    void websafeMark();
    void onlyVisibleRowsAreHit();
    void clickSelection_data();
    void clickSelection();
    void clickOnExpandToggle();
    void doubleClickSetsBaseColor();
    void doubleClickOnToggleDoesNothing();
    void renameInPlace();
    void doubleClickRenameKeepsEditor_data();
    void doubleClickRenameKeepsEditor();
    void panelScrolling_data();
    void panelScrolling();
    void panelShowEnd();
    void renameLimitsTypingTo30();
    void openingEditorKeepsLongName();
    void hints();
    void dropFromOtherViewInserts_data();
    void dropFromOtherViewInserts();
    void dropFeedbackDrawsInsertionMark();
    void dragInsideListMoves();
    void autoScrollRunsToTheEnd();
    void mouseWheelScrolls();
    void deleteKey();
    void listMenuButton();
    void deleteButton();
    void deleteAsksWhenWarned_data();
    void deleteAsksWhenWarned();
    void deleteButtonRefusesOtherDrops();
    void entryMenuLoadsCopyEntries();
    void copyButtonPutsHex();
    void countLabelAndToolbar();
    void sortMenu();
    void historyCombo();
    void copyMenuEntries();
};

void tst_FavoritesView::controlsCarryTheirNames()
{
    Fixture f(1);
    for (const char* name : {"pbFavs", "sbFavs", "txtFavEdit", "lblFavCount", "tlbFavs", "tbCopy", "tbRename", "tbFavWebsafe",
                             "tbDelete", "cmdFavDrop", "mnuFavPop", "mnuFavsPop", "DragTimer", "mnuFavPopCopy"})
        QVERIFY2(f.panel->findChild<QObject*>(QLatin1String(name)), name);
    QCOMPARE(f.view->size(), QSize(151, 310));
    QCOMPARE(f.view->mapTo(f.panel.get(), QPoint(0, 0)) + TFavoritesPanel::kOrigin, QPoint(426, 54));
    QCOMPARE(f.scroll->geometry().topLeft() + TFavoritesPanel::kOrigin, QPoint(577, 54));
    QCOMPARE(f.scroll->size(), QSize(17, 310));
    QCOMPARE(f.child<QLineEdit>("txtFavEdit")->maxLength(), 30);
    QCOMPARE(f.child<QTimer>("DragTimer")->interval(), 5);
}

void tst_FavoritesView::emptyListShowsHint()
{
    Fixture f;
    QVERIFY(!f.scroll->isEnabled());
    QCOMPARE(f.child<QLabel>("lblFavCount")->text(), QString());
    QVERIFY(!f.child<QWidget>("tlbFavs")->isEnabled());
    const QImage image = f.view->renderedImage();
    bool drawn = false;
    for (int y = 9; y < 37; ++y)
        for (int x = 12; x < 142; ++x)
            drawn = drawn || pixel(image, x, y) != SystemColors::BtnFace;
    QVERIFY(drawn);
    QVERIFY(regionHas(image, QRect(12, 9, 130, 28), SystemColors::BtnShadow) || drawn);
    QCOMPARE(pixel(image, 100, 200), SystemColors::BtnFace);
}

void tst_FavoritesView::scrollRange_data()
{
    QTest::addColumn<int>("rows");
    QTest::addColumn<bool>("expanded");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<int>("content");
    QTest::newRow("six fit") << 6 << false << false << 276;
    QTest::newRow("seven scroll") << 7 << false << true << 322;
    QTest::newRow("one expanded") << 1 << true << false << 89;
    QTest::newRow("four expanded scroll") << 4 << true << true << 356;
}

void tst_FavoritesView::scrollRange()
{
    QFETCH(int, rows);
    QFETCH(bool, expanded);
    QFETCH(bool, enabled);
    QFETCH(int, content);
    Fixture f(rows, expanded);
    QCOMPARE(f.view->contentHeight(), content);
    QCOMPARE(f.scroll->isEnabled(), enabled);
    QCOMPARE(f.view->scrollMaximum(), enabled ? content : 0);
    QCOMPARE(f.scroll->maximum(), enabled ? content - 310 + 1 : 0);
    QCOMPARE(f.scroll->singleStep(), 5);
    QCOMPARE(f.scroll->pageStep(), 20);
    if (enabled) {
        f.view->setScrollPosition(10000);
        QCOMPARE(f.view->scrollPosition(), content - 309);
        // Deleting rows clamps the position and disables the bar when they fit.
        f.list.selectByGesture(0, false, false);
        f.list.selectByGesture(1, true, false);
        f.panel->deleteSelectedWithoutAsking();
        QVERIFY(!f.scroll->isEnabled() || f.view->scrollPosition() <= f.scroll->maximum());
    }
}

void tst_FavoritesView::paintsRows()
{
    Fixture f(3);
    // Swatches go through the colour-vision simulation; the stored colour does not.
    f.panel->setDisplayMapper(TDisplayMapper(ColorVision::TypicalMono));
    QCOMPARE(f.view->displayMapper(), TDisplayMapper(ColorVision::TypicalMono));
    QCOMPARE(pixel(f.view->renderedImage(), 20, 20), TDisplayMapper(ColorVision::TypicalMono)(MakeColor(0, 100, 200)));
    f.panel->setDisplayMapper(TDisplayMapper());
    QCOMPARE(f.list.at(0).Color, MakeColor(0, 100, 200));
    f.list.selectByGesture(1, false, false);
    f.list.toggleExpanded(2);
    const QImage image = f.view->renderedImage();
    // Row 0: face background, white separator at 45, swatch inside.
    QCOMPARE(pixel(image, 100, 2), SystemColors::BtnFace);
    QCOMPARE(pixel(image, 100, 45), clWhite);
    QCOMPARE(pixel(image, 20, 20), MakeColor(0, 100, 200));
    QCOMPARE(pixel(image, 5, 6), clBlack);
    QCOMPARE(pixel(image, 4, 5), SystemColors::BtnShadow);
    // Row 1 is selected.
    QCOMPARE(pixel(image, 100, 46 + 2), SystemColors::Highlight);
    QCOMPARE(pixel(image, 20, 46 + 20), MakeColor(10, 100, 200));
    QCOMPARE(pixel(image, 4, 46 + 5) == SystemColors::Highlight, false);
    // Row 2 is expanded: the detail area is white apart from its pale box,
    // and the last row ends with a shadow line.
    QCOMPARE(pixel(image, 140, 92 + 60), clWhite);
    QVERIFY(pixel(image, 10, 92 + 60) != clWhite);
    QCOMPARE(pixel(image, 100, 92 + 88), SystemColors::BtnShadow);
    QCOMPARE(pixel(image, 100, 92 + 89), SystemColors::BtnFace);
}

void tst_FavoritesView::websafeMark_data()
{
    QTest::addColumn<TColor>("color");
    QTest::addColumn<int>("mode");
    QTest::addColumn<bool>("marked");
    QTest::newRow("websafe in websafe mode") << MakeColor(51, 102, 153) << 0 << true;
    QTest::newRow("websmart only in websafe mode") << MakeColor(17, 34, 51) << 0 << false;
    QTest::newRow("websmart in websmart mode") << MakeColor(17, 34, 51) << 1 << true;
    QTest::newRow("neither") << MakeColor(18, 34, 51) << 1 << false;
}

void tst_FavoritesView::websafeMark()
{
    QFETCH(TColor, color);
    QFETCH(int, mode);
    QFETCH(bool, marked);
    Fixture f;
    f.list.AddColorsToFavorites(color);
    f.panel->setSnapMode(mode);
    const QImage image = f.view->renderedImage();
    QCOMPARE(regionHas(image, QRect(W - 28, 16, 11, 11), MakeColor(51, 153, 0)), marked);
    QCOMPARE(f.view->hintAt(QPoint(W - 22, 20)).isEmpty(), !marked);
}

void tst_FavoritesView::onlyVisibleRowsAreHit()
{
    Fixture f(3);
    QCOMPARE(f.view->rowAt(0), 0);
    QCOMPARE(f.view->rowAt(45), 0);
    QCOMPARE(f.view->rowAt(46), 1);
    QCOMPARE(f.view->rowAt(137), 2);
    QCOMPARE(f.view->rowAt(138), -1);
    QCOMPARE(f.view->insertionPointAt(23), 0);
    QCOMPARE(f.view->insertionPointAt(24), 1);
    QCOMPARE(f.view->insertionPointAt(300), 3);
    // A press below the last row changes nothing.
    f.list.selectByGesture(1, false, false);
    QTest::mouseClick(f.view, Qt::LeftButton, Qt::NoModifier, QPoint(20, 200));
    QCOMPARE(f.list.currentIndex(), 1);
}

void tst_FavoritesView::clickSelection_data()
{
    QTest::addColumn<QList<int>>("rows");
    QTest::addColumn<QList<int>>("modifiers"); // 0 none, 1 Shift, 2 Ctrl
    QTest::addColumn<QList<int>>("selected");
    QTest::addColumn<int>("current");
    QTest::addColumn<bool>("renameEnabled");
    QTest::newRow("plain") << QList<int>{2} << QList<int>{0} << QList<int>{2} << 2 << true;
    QTest::newRow("shift range") << QList<int>{1, 4} << QList<int>{0, 1} << QList<int>{1, 2, 3, 4} << 4 << false;
    QTest::newRow("ctrl adds") << QList<int>{0, 3} << QList<int>{0, 2} << QList<int>{0, 3} << 3 << false;
    QTest::newRow("ctrl on only selection keeps it") << QList<int>{3, 3} << QList<int>{0, 2} << QList<int>{3} << 3 << true;
    QTest::newRow("ctrl back to one") << QList<int>{0, 3, 3} << QList<int>{0, 2, 2} << QList<int>{0} << 0 << true;
}

void tst_FavoritesView::clickSelection()
{
    QFETCH(QList<int>, rows);
    QFETCH(QList<int>, modifiers);
    QFETCH(QList<int>, selected);
    QFETCH(int, current);
    QFETCH(bool, renameEnabled);
    Fixture f(6);
    QSignalSpy focus(f.view, &TFavoritesView::focusDummyRequested);
    for (int k = 0; k < rows.size(); ++k) {
        const Qt::KeyboardModifiers m = modifiers[k] == 1 ? Qt::ShiftModifier : modifiers[k] == 2 ? Qt::ControlModifier : Qt::NoModifier;
        QTest::mouseClick(f.view, Qt::LeftButton, m, f.rowPoint(rows[k]));
    }
    QList<int> got;
    for (int i = 0; i < f.list.count(); ++i)
        if (f.list.at(i).Selected)
            got.append(i);
    QCOMPARE(got, selected);
    QCOMPARE(f.list.currentIndex(), current);
    QCOMPARE(f.child<QToolButton>("tbRename")->isEnabled(), renameEnabled);
    QCOMPARE(f.child<QToolButton>("tbCopy")->isEnabled(), renameEnabled);
    QCOMPARE(focus.count(), rows.size()); // every click hands the focus to the hidden button
}

void tst_FavoritesView::clickOnExpandToggle()
{
    Fixture f(1);
    QTest::mouseClick(f.view, Qt::LeftButton, Qt::NoModifier, QPoint(W - 10, 20));
    QVERIFY(f.list.at(0).Expanded);
    QCOMPARE(f.view->contentHeight(), 89);
    QVERIFY(!f.scroll->isEnabled());
    QTest::mouseClick(f.view, Qt::LeftButton, Qt::NoModifier, QPoint(W - 10, 20));
    QVERIFY(!f.list.at(0).Expanded);
}

void tst_FavoritesView::doubleClickSetsBaseColor()
{
    Fixture f(3);
    QSignalSpy base(f.panel.get(), &TFavoritesPanel::baseColorRequested);
    QTest::mouseDClick(f.view, Qt::LeftButton, Qt::NoModifier, f.rowPoint(2, 20));
    QCOMPARE(base.count(), 1);
    QCOMPARE(base.at(0).at(0).value<TColor>(), MakeColor(20, 100, 200));
    QCOMPARE(f.list.currentIndex(), 2);
    QVERIFY(!f.view->isRenaming());
}

void tst_FavoritesView::doubleClickOnToggleDoesNothing()
{
    Fixture f(2);
    QSignalSpy base(f.panel.get(), &TFavoritesPanel::baseColorRequested);
    QTest::mouseDClick(f.view, Qt::LeftButton, Qt::NoModifier, f.rowPoint(1, W - 10, 20));
    QCOMPARE(base.count(), 0);
    QVERIFY(!f.view->isRenaming());
}

void tst_FavoritesView::renameInPlace()
{
    Fixture f(8);
    f.view->setScrollPosition(40);
    QTest::mouseDClick(f.view, Qt::LeftButton, Qt::NoModifier, f.rowPoint(2, 60, 20));
    QLineEdit* editor = f.child<QLineEdit>("txtFavEdit");
    QVERIFY(editor->isVisible());
    QCOMPARE(editor->pos(), QPoint(45, 92 - 40 + 14));
    QCOMPARE(editor->text(), QStringLiteral("c2"));
    QTest::keyClicks(editor, QStringLiteral("Sky"));
    QSignalSpy focus(f.view, &TFavoritesView::focusDummyRequested);
    QTest::keyClick(editor, Qt::Key_Return);
    QVERIFY(!editor->isVisible());
    QCOMPARE(focus.count(), 1);
    QCOMPARE(f.list.at(2).Name, QStringLiteral("Sky"));
    QVERIFY(f.list.isModified());

    // tbRename scrolls the current row into sight first.
    f.list.setCurrentIndex(7);
    f.view->setScrollPosition(0);
    QTest::mouseClick(f.child<QToolButton>("tbRename"), Qt::LeftButton);
    QVERIFY(editor->isVisible());
    QCOMPARE(f.view->scrollPosition(), 8 * 46 - 310);
    QCOMPARE(editor->pos(), QPoint(45, 7 * 46 - (8 * 46 - 310) + 14));
}

void tst_FavoritesView::doubleClickRenameKeepsEditor_data()
{
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("scroll");
    QTest::newRow("first row") << 3 << 0 << 0;
    QTest::newRow("last of three") << 3 << 2 << 0;
    QTest::newRow("scrolled list") << 9 << 5 << 70;
}

// As in the main window: every click hands the focus to a hidden button.
// The release that ends a double-click on a name must leave the editor open
// and focused, so the user can type the new name straight away.
void tst_FavoritesView::doubleClickRenameKeepsEditor()
{
    QFETCH(int, rows);
    QFETCH(int, row);
    QFETCH(int, scroll);
    TFavoritesList list;
    for (int i = 0; i < rows; ++i)
        list.AddColorsToFavorites(MakeColor(10 * i, 100, 200), QStringLiteral("c%1").arg(i));
    QWidget window;
    auto* panel = new TFavoritesPanel(&list, &window);
    auto* dummy = new QToolButton(&window);
    dummy->setObjectName(QStringLiteral("cmdDummy"));
    dummy->setFocusPolicy(Qt::StrongFocus);
    dummy->move(0, panel->height());
    connect(panel, &TFavoritesPanel::focusDummyRequested, dummy, [dummy] { dummy->setFocus(); });
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    panel->setScrollPosition(scroll);
    auto* view = panel->view();
    const QPoint name(60, view->rowTop(row) - view->scrollPosition() + 20);

    // The events a real double-click brings: press, release, double-click, release.
    QTest::mouseClick(view, Qt::LeftButton, Qt::NoModifier, name);
    QTest::mouseDClick(view, Qt::LeftButton, Qt::NoModifier, name);
    QTest::mouseRelease(view, Qt::LeftButton, Qt::NoModifier, name);
    QLineEdit* editor = view->editor();
    QVERIFY(editor->isVisible());
    QVERIFY(editor->hasFocus());
    QCOMPARE(editor->text(), QStringLiteral("c%1").arg(row));
    QTest::keyClicks(editor, QStringLiteral("Renamed"));
    QTest::keyClick(editor, Qt::Key_Return);
    QCOMPARE(list.at(row).Name, QStringLiteral("Renamed"));
    QVERIFY(!editor->isVisible());
    QVERIFY(dummy->hasFocus());

    // A plain click afterwards still hands the focus on and opens nothing.
    QTest::mouseClick(view, Qt::LeftButton, Qt::NoModifier, name);
    QVERIFY(!view->isRenaming());
    QVERIFY(dummy->hasFocus());
}

void tst_FavoritesView::panelScrolling_data()
{
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("angleDelta");
    QTest::addColumn<int>("expected");
    QTest::newRow("notch down") << 12 << 0 << -120 << 60;
    QTest::newRow("notch up") << 12 << 100 << 120 << 40;
    QTest::newRow("odd delta truncates toward zero, down") << 12 << 10 << -3 << 11;
    QTest::newRow("odd delta truncates toward zero, up") << 12 << 10 << 3 << 9;
    QTest::newRow("one unit moves nothing") << 12 << 10 << -1 << 10;
    QTest::newRow("stops at the top") << 12 << 30 << 240 << 0;
    QTest::newRow("stops at the end") << 12 << 200 << -480 << 12 * 46 - 310 + 1;
    QTest::newRow("disabled bar stays") << 3 << 0 << -120 << 0;
}

void tst_FavoritesView::panelScrolling()
{
    QFETCH(int, rows);
    QFETCH(int, start);
    QFETCH(int, angleDelta);
    QFETCH(int, expected);
    Fixture f(rows);
    f.panel->setScrollPosition(start);
    QCOMPARE(f.panel->scrollPosition(), start);
    QCOMPARE(f.scroll->value(), start);
    f.panel->scrollByWheel(angleDelta);
    QCOMPARE(f.panel->scrollPosition(), expected);
    QCOMPARE(f.scroll->value(), expected);
    // The picture follows: the row under view y 30 is drawn where it now stands.
    const QImage image = f.view->renderedImage();
    const int row = f.view->rowAt(30);
    QCOMPARE(pixel(image, 20, f.view->rowTop(row) - expected + 20), MakeColor(10 * row, 100, 200));
    QCOMPARE(f.panel->deleteAction(), f.panel->findChild<QAction*>(QStringLiteral("actFavDelete")));
}

void tst_FavoritesView::panelShowEnd()
{
    Fixture f(10);
    f.panel->showEnd();
    QCOMPARE(f.panel->scrollPosition(), f.scroll->maximum());
    // The last row ends inside the view, with its shadow line drawn.
    const int bottom = f.view->rowTop(9) + 46 - f.panel->scrollPosition();
    QVERIFY(bottom <= TFavoritesView::kHeight);
    QCOMPARE(pixel(f.view->renderedImage(), 100, bottom - 1), SystemColors::BtnShadow);
    Fixture small(2);
    small.panel->showEnd();
    QCOMPARE(small.panel->scrollPosition(), 0);
}

void tst_FavoritesView::renameLimitsTypingTo30()
{
    Fixture f(1);
    f.list.setCurrentIndex(0);
    f.view->startRename();
    QLineEdit* editor = f.child<QLineEdit>("txtFavEdit");
    editor->clear();
    QTest::keyClicks(editor, QString(40, QLatin1Char('a')));
    QTest::keyClick(editor, Qt::Key_Enter);
    QCOMPARE(f.list.at(0).Name, QString(30, QLatin1Char('a')));
}

void tst_FavoritesView::openingEditorKeepsLongName()
{
    Fixture f;
    const QString name = QStringLiteral("An imported name that is much longer than thirty characters");
    f.list.AddColorsToFavorites(MakeColor(1, 2, 3), name);
    f.list.SetModified(false);
    f.view->startRename();
    QTest::keyClick(f.child<QLineEdit>("txtFavEdit"), Qt::Key_Return);
    QCOMPARE(f.list.at(0).Name, name);
    QVERIFY(!f.list.isModified());
}

void tst_FavoritesView::hints()
{
    Fixture f;
    const QString longName(30, QLatin1Char('W'));
    f.list.AddColorsToFavorites(MakeColor(1, 2, 3), longName);
    f.list.AddColorsToFavorites(MakeColor(1, 2, 3), QStringLiteral("Sky"));
    QCOMPARE(f.view->hintAt(QPoint(60, 20)), longName);
    QCOMPARE(f.view->hintAt(QPoint(60, 46 + 20)), QString());
    QCOMPARE(f.view->hintAt(QPoint(20, 20)), QString());
    // The long name is drawn cut: nothing is painted near the right end of its zone.
    f.list.AddColorsToFavorites(MakeColor(0, 0, 0), QStringLiteral("#000000"));
    QCOMPARE(f.view->hintAt(QPoint(W - 22, 92 + 20)), QStringLiteral("Websafe color"));
    f.panel->setSnapMode(1);
    QCOMPARE(f.view->hintAt(QPoint(W - 22, 92 + 20)), QStringLiteral("WebSmart color"));
    QCOMPARE(f.child<QToolButton>("tbFavWebsafe")->toolTip(), QStringLiteral("Make WebSmart"));
}

void tst_FavoritesView::dropFromOtherViewInserts_data()
{
    QTest::addColumn<int>("y");
    QTest::addColumn<int>("position");
    QTest::addColumn<bool>("plainText");
    QTest::newRow("above first middle") << 10 << 0 << false;
    QTest::newRow("below first middle") << 30 << 1 << false;
    QTest::newRow("below last row") << 250 << 3 << false;
    QTest::newRow("text from another program") << 30 << 1 << true;
}

void tst_FavoritesView::dropFromOtherViewInserts()
{
    QFETCH(int, y);
    QFETCH(int, position);
    QFETCH(bool, plainText);
    Fixture f(3);
    f.list.setNameStyle(2);
    QSignalSpy done(f.panel.get(), &TFavoritesPanel::dropCompleted);
    QMimeData* mime = nullptr;
    if (plainText) {
        mime = new QMimeData;
        mime->setText(QStringLiteral("#abcdef"));
    } else {
        mime = ColorMime::Make(MakeColor(0xAB, 0xCD, 0xEF), QStringLiteral("wheel"));
    }
    std::unique_ptr<QMimeData> owner(mime);
    QVERIFY(dropAt(f.view, mime, QPoint(60, y)));
    QCOMPARE(f.list.count(), 4);
    QCOMPARE(f.list.at(position).Color, MakeColor(0xAB, 0xCD, 0xEF));
    QCOMPARE(f.list.at(position).Name, QStringLiteral("Color 4"));
    QCOMPARE(f.list.currentIndex(), position);
    QVERIFY(f.list.at(position).Selected);
    QVERIFY(f.list.isModified());
    QCOMPARE(done.count(), 1);

    QMimeData nothing;
    nothing.setText(QStringLiteral("not a colour"));
    QVERIFY(!dropAt(f.view, &nothing, QPoint(60, y)));
    QCOMPARE(f.list.count(), 4);
}

void tst_FavoritesView::dropFeedbackDrawsInsertionMark()
{
    Fixture f(3);
    f.list.setCurrentIndex(0);
    std::unique_ptr<QMimeData> mime(ColorMime::Make(MakeColor(1, 2, 3), QStringLiteral("wheel")));
    QDragEnterEvent enter(QPoint(60, 70), Qt::CopyAction, mime.get(), Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(f.view, &enter);
    QDragMoveEvent move(QPoint(60, 70), Qt::CopyAction, mime.get(), Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(f.view, &move);
    QVERIFY(move.isAccepted());
    const QImage image = f.view->renderedImage();
    // Insertion point 2: the mark is at the top of row 2 (y 92).
    QCOMPARE(pixel(image, 100, 91), clBlack);
    QCOMPARE(pixel(image, 100, 92), SystemColors::BtnFace);
    QCOMPARE(pixel(image, 100, 93), clBlack);
    QDragLeaveEvent leave;
    QApplication::sendEvent(f.view, &leave);
    QCOMPARE(pixel(f.view->renderedImage(), 100, 91), clWhite);
}

void tst_FavoritesView::dragInsideListMoves()
{
    Fixture f(4);
    QTest::mouseClick(f.view, Qt::LeftButton, Qt::NoModifier, f.rowPoint(0));
    std::unique_ptr<QMimeData> mime(f.view->createDragData());
    QCOMPARE(ColorMime::SourceOf(mime.get()), QStringLiteral("favorites"));
    QCOMPARE(ColorMime::RowOf(mime.get()), 0);
    QVERIFY(mime->hasColor());
    QCOMPARE(mime->text(), QStringLiteral("#0064C8"));

    // Hovering just below itself (insertion point 1 = current + 1): no mark.
    QDragEnterEvent enter(QPoint(60, 50), Qt::MoveAction, mime.get(), Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(f.view, &enter);
    QDragMoveEvent over(QPoint(60, 50), Qt::MoveAction, mime.get(), Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(f.view, &over);
    QCOMPARE(pixel(f.view->renderedImage(), 100, 45), clWhite);
    QCOMPARE(pixel(f.view->renderedImage(), 100, 47), SystemColors::BtnFace);
    QDropEvent same(QPointF(60, 50), Qt::MoveAction, mime.get(), Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(f.view, &same);
    QCOMPARE(f.list.count(), 4);
    QCOMPARE(f.list.at(0).Name, QStringLiteral("c0"));
    QVERIFY(f.list.isModified());

    QVERIFY(dropAt(f.view, mime.get(), QPoint(60, 175), true));
    QStringList names;
    for (const TFavColor& e : f.list.entries())
        names << e.Name;
    QCOMPARE(names, (QStringList{"c1", "c2", "c3", "c0"}));
    QCOMPARE(f.list.currentIndex(), 3);

    // The same payload also deletes when dropped on tbDelete, without asking.
    f.panel->setDeleteWarning(true);
    QVERIFY(dropAt(f.child<QToolButton>("tbDelete"), mime.get(), QPoint(5, 5)));
    QCOMPARE(f.list.count(), 3);
}

void tst_FavoritesView::autoScrollRunsToTheEnd()
{
    Fixture f(12);
    std::unique_ptr<QMimeData> mime(ColorMime::Make(MakeColor(1, 2, 3), QStringLiteral("wheel")));
    QDragEnterEvent enter(QPoint(60, 305), Qt::CopyAction, mime.get(), Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(f.view, &enter);
    QDragMoveEvent move(QPoint(60, 305), Qt::CopyAction, mime.get(), Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(f.view, &move);
    QTimer* timer = f.child<QTimer>("DragTimer");
    QVERIFY(timer->isActive());
    QSignalSpy steps(f.scroll, &QScrollBar::valueChanged);
    QTRY_VERIFY_WITH_TIMEOUT(!timer->isActive(), 20000);
    QCOMPARE(f.view->scrollPosition(), 12 * 46 - 310);
    QVERIFY(steps.count() > 1);
    for (const QList<QVariant>& s : steps)
        QCOMPARE(s.at(0).toInt() % 2, 0); // 2 pixels a tick

    // Near the top it scrolls back up to 0.
    QDragMoveEvent up(QPoint(60, 5), Qt::CopyAction, mime.get(), Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(f.view, &up);
    QVERIFY(timer->isActive());
    QTRY_VERIFY_WITH_TIMEOUT(!timer->isActive(), 20000);
    QCOMPARE(f.view->scrollPosition(), 0);
    QDragLeaveEvent leave;
    QApplication::sendEvent(f.view, &leave);
}

void tst_FavoritesView::mouseWheelScrolls()
{
    Fixture f(12);
    const int step = QApplication::wheelScrollLines() * 5;
    QWheelEvent down(QPointF(60, 100), QPointF(f.view->mapToGlobal(QPoint(60, 100))), QPoint(), QPoint(0, -120), Qt::NoButton,
                     Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(f.view, &down);
    QCOMPARE(f.view->scrollPosition(), step);
    QWheelEvent half(QPointF(60, 100), QPointF(f.view->mapToGlobal(QPoint(60, 100))), QPoint(), QPoint(0, 60), Qt::NoButton,
                     Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(f.view, &half);
    QCOMPARE(f.view->scrollPosition(), step); // half a notch waits for the other half
    QApplication::sendEvent(f.view, &half);
    QCOMPARE(f.view->scrollPosition(), 0);

    Fixture small(2);
    QWheelEvent again(QPointF(60, 50), QPointF(small.view->mapToGlobal(QPoint(60, 50))), QPoint(), QPoint(0, -120), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(small.view, &again);
    QCOMPARE(small.view->scrollPosition(), 0);
}

void tst_FavoritesView::deleteKey()
{
    Fixture f(3);
    f.panel->activateWindow();
    f.list.selectByGesture(1, false, false);
    auto* action = f.panel->findChild<QAction*>(QStringLiteral("actFavDelete"));
    QVERIFY(action);
    QCOMPARE(action->shortcut(), QKeySequence(QKeySequence::Delete));
    action->trigger();
    QCOMPARE(f.list.count(), 2);
    QCOMPARE(f.list.at(1).Name, QStringLiteral("c2"));
}

void tst_FavoritesView::listMenuButton()
{
    Fixture f(1);
    auto* button = f.child<QToolButton>("cmdFavDrop");
    auto* menu = f.child<QMenu>("mnuFavsPop");
    bool shownDown = false;
    QPoint shownAt;
    // Once the menu is open: note the state, choose an entry, close it.
    QTimer poll;
    poll.setInterval(10);
    connect(&poll, &QTimer::timeout, this, [&] {
        if (!menu->isVisible())
            return;
        poll.stop();
        shownDown = button->isDown();
        shownAt = menu->pos();
        menu->findChild<QAction*>(QStringLiteral("mnuFavsPopExport"))->trigger();
        menu->close();
    });
    poll.start();
    QSignalSpy exported(f.panel.get(), &TFavoritesPanel::exportRequested);
    QTest::mouseClick(button, Qt::LeftButton);
    QVERIFY(shownDown);
    QCOMPARE(shownAt, button->mapToGlobal(QPoint(0, button->height())));
    QVERIFY(!button->isDown());
    QCOMPARE(exported.count(), 1);
}

void tst_FavoritesView::deleteButton()
{
    Fixture f(6);
    QTest::mouseClick(f.view, Qt::LeftButton, Qt::NoModifier, f.rowPoint(0));
    QTest::mouseClick(f.view, Qt::LeftButton, Qt::ControlModifier, f.rowPoint(2));
    QTest::mouseClick(f.view, Qt::LeftButton, Qt::ControlModifier, f.rowPoint(4));
    QSignalSpy focus(f.panel.get(), &TFavoritesPanel::focusDummyRequested);
    QTest::mouseClick(f.child<QToolButton>("tbDelete"), Qt::LeftButton);
    QCOMPARE(f.list.count(), 3);
    QCOMPARE(f.list.at(0).Name, QStringLiteral("c1"));
    QCOMPARE(f.list.currentIndex(), 0);
    QVERIFY(f.list.at(0).Selected);
    QVERIFY(focus.count() >= 1);
    QCOMPARE(f.child<QLabel>("lblFavCount")->text(), QStringLiteral(" -  3 "));
}

void tst_FavoritesView::deleteAsksWhenWarned_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<int>("remaining");
    QTest::newRow("yes") << int(QMessageBox::Yes) << 1;
    QTest::newRow("no") << int(QMessageBox::No) << 2;
}

void tst_FavoritesView::deleteAsksWhenWarned()
{
    QFETCH(int, answer);
    QFETCH(int, remaining);
    Fixture f(2);
    f.panel->setDeleteWarning(true);
    f.list.selectByGesture(1, false, false);
    QString question;
    QTimer::singleShot(0, this, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QVERIFY(box);
        question = box->text();
        box->button(QMessageBox::StandardButton(answer))->click();
    });
    f.panel->deleteSelectedAsking();
    QCOMPARE(question, QStringLiteral("Are you sure you want to delete the selected color(s)?"));
    QCOMPARE(f.list.count(), remaining);
}

void tst_FavoritesView::deleteButtonRefusesOtherDrops()
{
    Fixture f(2);
    f.list.selectByGesture(0, false, false);
    std::unique_ptr<QMimeData> mime(ColorMime::Make(MakeColor(1, 2, 3), QStringLiteral("wheel")));
    QVERIFY(!dropAt(f.child<QToolButton>("tbDelete"), mime.get(), QPoint(5, 5)));
    QCOMPARE(f.list.count(), 2);
}

void tst_FavoritesView::entryMenuLoadsCopyEntries()
{
    Fixture f;
    f.list.AddColorsToFavorites(MakeColor(255, 255, 255));
    f.list.AddColorsToFavorites(MakeColor(3, 40, 255));
    QTest::mouseClick(f.view, Qt::RightButton, Qt::NoModifier, f.rowPoint(1));
    auto* menu = f.child<QMenu>("mnuFavPop");
    QVERIFY(menu->isVisible());
    menu->hide();
    QCOMPARE(f.list.currentIndex(), 1);
    QCOMPARE(f.child<QAction>("mnuFavPopCopyHex1")->text(), QStringLiteral("0328FF"));
    QCOMPARE(f.child<QAction>("mnuFavPopCopyHEX2")->text(), QStringLiteral("#0328FF"));
    QCOMPARE(f.child<QAction>("mnuFavPopCopyRGB")->text(), QStringLiteral("3,40,255"));
    f.child<QAction>("mnuFavPopCopyRGB")->trigger();
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("3,40,255"));

    QSignalSpy base(f.panel.get(), &TFavoritesPanel::baseColorRequested);
    f.child<QAction>("mnuFavPopSetBase")->trigger();
    QCOMPARE(base.count(), 1);
    QCOMPARE(base.at(0).at(0).value<TColor>(), MakeColor(3, 40, 255));
}

void tst_FavoritesView::copyButtonPutsHex()
{
    Fixture f;
    f.list.AddColorsToFavorites(MakeColor(0, 0, 255), {}, true);
    QTest::mouseClick(f.child<QToolButton>("tbCopy"), Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("0000FF"));
    QCOMPARE(f.child<QAction>("mnuFavPopCopyHex1")->toolTip(), QStringLiteral("0000FF"));
}

void tst_FavoritesView::countLabelAndToolbar()
{
    Fixture f;
    f.list.AddColorsToFavorites(MakeColor(1, 2, 3));
    QCOMPARE(f.child<QLabel>("lblFavCount")->text(), QStringLiteral(" -  1 "));
    QVERIFY(f.child<QWidget>("tlbFavs")->isEnabled());
    f.list.setSelected(0, true);
    f.panel->deleteSelectedWithoutAsking();
    QCOMPARE(f.child<QLabel>("lblFavCount")->text(), QString());
    QVERIFY(!f.child<QWidget>("tlbFavs")->isEnabled());
}

void tst_FavoritesView::sortMenu()
{
    Fixture f;
    f.list.AddColorsToFavorites(MakeColor(255, 255, 255));
    f.list.AddColorsToFavorites(MakeColor(0, 0, 0));
    f.list.AddColorsToFavorites(MakeColor(128, 128, 128));
    f.child<QAction>("mnuGroupLight")->trigger();
    QCOMPARE(f.list.at(0).Color, MakeColor(0, 0, 0));
    QCOMPARE(f.list.at(2).Color, MakeColor(255, 255, 255));
    QSignalSpy import(f.panel.get(), &TFavoritesPanel::importRequested);
    f.child<QAction>("mnuFavsPopImport")->trigger();
    QCOMPARE(import.count(), 1);
}

void tst_FavoritesView::historyCombo()
{
    TColorHistory history;
    THistoryCombo combo(&history);
    QSignalSpy apply(&history, &TColorHistory::applyRequested);
    history.baseColorSet(MakeColor(255, 0, 0));
    history.baseColorSet(MakeColor(0, 255, 0));
    history.baseColorSet(MakeColor(0x33, 0x66, 0x99));
    QCOMPARE(combo.objectName(), QStringLiteral("cboHistory"));
    QCOMPARE(combo.count(), 3);
    QCOMPARE(combo.currentIndex(), 2);
    QCOMPARE(combo.itemText(2), QStringLiteral("#336699"));
    history.Back();
    QCOMPARE(combo.currentIndex(), 1);
    history.baseColorSet(MakeColor(1, 1, 1)); // cuts the forward part
    QCOMPARE(combo.count(), 3);
    QCOMPARE(combo.itemText(2), QStringLiteral("#010101"));
    apply.clear();
    combo.show();
    emit combo.activated(0);
    QCOMPARE(apply.count(), 1);
    QCOMPARE(history.position(), 0);
    QCOMPARE(combo.currentIndex(), 0);

    const QImage swatch = THistoryCombo::swatchImage(MakeColor(0x33, 0x66, 0x99));
    QCOMPARE(swatch.size(), QSize(16, 16));
    QCOMPARE(qAlpha(swatch.pixel(0, 0)), 0);
    QCOMPARE(qAlpha(swatch.pixel(15, 15)), 0);
    QCOMPARE(FromQRgb(swatch.pixel(1, 1)), clBlack);
    QCOMPARE(FromQRgb(swatch.pixel(14, 14)), clBlack);
    QCOMPARE(FromQRgb(swatch.pixel(7, 7)), MakeColor(0x33, 0x66, 0x99));
}

void tst_FavoritesView::copyMenuEntries()
{
    TCopyMenu menu(QStringLiteral("&Copy Base Color"), QStringLiteral("mnuEditCopy"),
                   {QStringLiteral("mnuEditCopyHex1"), QStringLiteral("mnuEditCopyHex2"), QStringLiteral("mnuEditCopyRGB")});
    menu.setColorSource([] { return std::optional<TColor>(MakeColor(255, 102, 0)); });
    emit menu.aboutToShow();
    QCOMPARE(menu.findChild<QAction*>(QStringLiteral("mnuEditCopyHex2"))->text(), QStringLiteral("#FF6600"));
    menu.findChild<QAction*>(QStringLiteral("mnuEditCopyHex1"))->trigger();
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("FF6600"));
    menu.loadTexts(QStringLiteral("0000FF"), QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("255"));
    QCOMPARE(menu.entry(2)->text(), QStringLiteral("0,0,255"));
    menu.setColorSource([] { return std::optional<TColor>(); });
    emit menu.aboutToShow(); // nothing to load: the captions of the last opening stay
    QCOMPARE(menu.entry(0)->text(), QStringLiteral("0000FF"));
}

TV_REGISTER_TEST(tst_FavoritesView);
#include "tst_FavoritesView.moc"
