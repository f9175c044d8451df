#pragma once

#include "DisplayColor.h"
#include "TColor.h"

#include <QWidget>

class QAction;
class QLabel;
class QMenu;
class QScrollBar;
class QToolButton;
class TCopyMenu;
class TFavoritesList;
class TFavoritesView;

// The favourites column of the main window: title "Favorite Colors" with
// lblFavCount, cmdFavDrop (opens mnuFavsPop), the list pbFavs with its
// scroll bar sbFavs and in-place editor txtFavEdit, and the toolbar tlbFavs
// (tbCopy, tbRename, tbFavWebsafe, tbDelete). The entry menu mnuFavPop and
// the favourites menu mnuFavsPop belong to it.
//
// Placement: put the panel at main-window client position kOrigin (426, 32);
// pbFavs then sits at (426, 54), 151 x 310, and sbFavs at (577, 54), 17 x 310.
//
// Setters the main window calls from its settings: setDeleteWarning
// (Prefs/FavDelWarn), setSnapMode (Prefs/websafeMode, also on a change of the
// snap mode); the name style and expanded style go to the list itself
// (TFavoritesList::setNameStyle / setExpandedStyle).
//
// Signals: baseColorRequested(TColor) (double-click, "Set As Base Color");
// importRequested() / exportRequested() (the two wizards of mnuFavsPop);
// focusDummyRequested() (move the focus to cmdDummy); dropCompleted() (a
// colour was dropped into the list: the picked colour returns to the base
// colour); dragFinished() (a drag out of the list ended: repaint views that
// show drop feedback). The list's modifiedChanged and analyzerRefreshRequested
// come from TFavoritesList.
class TFavoritesPanel : public QWidget {
    Q_OBJECT
public:
    static constexpr QPoint kOrigin{426, 32};
    static constexpr int kListTop = 22;

    explicit TFavoritesPanel(TFavoritesList* list, QWidget* parent = nullptr);

    TFavoritesView* view() const { return m_view; }
    TFavoritesList* list() const { return m_list; }

    void setDeleteWarning(bool ask) { m_deleteWarning = ask; }
    bool deleteWarning() const { return m_deleteWarning; }
    // 0 websafe, 1 WebSmart: the check marks, the view's hint and the hint of
    // tbFavWebsafe ("Make Websafe" / "Make WebSmart").
    void setSnapMode(int mode);

    // The colour-vision simulation of the list's swatches. Repaints.
    void setDisplayMapper(const TDisplayMapper& display);

    // The scroll position of the list in pixels (sbFavs), 0 while sbFavs is
    // disabled; setting it repaints.
    int scrollPosition() const;
    void setScrollPosition(int pos);
    // Scrolls so that the last row is in sight (after an import) and repaints.
    void showEnd();
    // The main window's mouse wheel over any of its parts: while sbFavs is
    // enabled the position moves by -angleDelta / 2 pixels (truncated toward
    // zero), so a notch of 120 scrolls 60 pixels; otherwise nothing happens.
    void scrollByWheel(int angleDelta);

    // actFavDelete: the Delete key of the main window (window shortcut), the
    // same as tbDelete.
    QAction* deleteAction() const { return m_deleteAction; }

    // The "add all" of the harmonies and suggested schemes: adds the colours
    // as one batch (all of them selected) and scrolls to the end.
    void addColorBatch(const QList<TColor>& colors);

public slots:
    // tbDelete, mnuFavPopDelete and the Delete key: asks first when the
    // delete warning is on ("Are you sure you want to delete the selected
    // color(s)?", Yes/No).
    void deleteSelectedAsking();
    void deleteSelectedWithoutAsking();
    void copyCurrentHex(); // tbCopy
    void renameCurrent();  // tbRename, mnuFavPopRename
    void makeSelectedWebsafe(); // tbFavWebsafe, mnuFavPopWebsafe
    void sortByColor();
    void sortBySaturation();
    void sortByLightness();

signals:
    void baseColorRequested(TColor color);
    void importRequested();
    void exportRequested();
    void focusDummyRequested();
    void dropCompleted();
    void dragFinished();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void updateState();
    void buildMenus();

    TFavoritesList* m_list;
    QScrollBar* m_scroll;
    TFavoritesView* m_view;
    QLabel* m_title;
    QLabel* m_count;
    QToolButton* m_menuButton;
    QWidget* m_toolbar;
    QToolButton* m_tbCopy;
    QToolButton* m_tbRename;
    QToolButton* m_tbWebsafe;
    QToolButton* m_tbDelete;
    QAction* m_deleteAction = nullptr;
    QMenu* m_entryMenu = nullptr;
    QMenu* m_listMenu = nullptr;
    TCopyMenu* m_copyMenu = nullptr;
    bool m_deleteWarning = false;
    int m_snapMode = 0;
};
