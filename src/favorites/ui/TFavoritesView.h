#pragma once

#include "DisplayColor.h"
#include "TColor.h"

#include <QImage>
#include <QPointer>
#include <QWidget>

#include <vector>

class QDropEvent;
class QLineEdit;
class QMimeData;
class QScrollBar;
class QTimer;
class TFavoritesList;

// pbFavs: the favourites as a custom-painted list, 151 x 310. Collapsed rows
// are 46 pixels high, expanded rows 89. Every paint goes to an off-screen
// image of the view's size, copied in one piece; only the rows in sight
// (at most 10) are drawn.
//
// Scrolling: sbFavs (given, not owned) scrolls the content in pixels. With
// content height h taller than the page (310), the scroll bar is enabled
// with the range 0 .. h - 310 + 1 (scrollMaximum() is h); otherwise it is
// disabled at 0. Small change 5, large change 20.
//
// Mouse: press selects (plain, Shift range, Ctrl toggle) and toggles the
// expand triangle; a move of 10 pixels with the button held drags the
// current favourite (ColorMime, source "favorites", its row); double-click
// renames in the name zone (the editor keeps the focus through the release
// that ends the double-click), or asks for the colour as base colour outside
// the name and expand zones; right-click opens the entry menu given by
// setEntryMenu. Drops: a drag from this view moves the current entry, any
// other colour drag inserts its colour with an automatic name. DragTimer
// (5 ms) scrolls 2 pixels a tick while a drag hovers within 9 pixels of the
// top or bottom edge. The mouse wheel moves sbFavs by the desktop's wheel
// lines (3 by default) small changes a notch.
//
// Signals: baseColorRequested(TColor) on a double-click outside the name
// and expand zones; focusDummyRequested() whenever the hidden focus button
// should take the focus (click, scroll, Enter in the editor); dropCompleted()
// after a drop was inserted or moved (the picked colour returns to the base
// colour); dragFinished() at the end of a drag out of this view;
// entryMenuRequested(int row, QPoint globalPos) just before the entry menu opens.
class TFavoritesView : public QWidget {
    Q_OBJECT
public:
    static constexpr int kWidth = 151;
    static constexpr int kHeight = 310;
    static constexpr int kCollapsedHeight = 46;
    static constexpr int kExpandedHeight = 89;
    static constexpr int kDragThreshold = 10;

    TFavoritesView(TFavoritesList* list, QScrollBar* scrollBar, QWidget* parent = nullptr);

    // 0 websafe, 1 WebSmart: the check mark and its hint follow it.
    void setSnapMode(int mode);
    int snapMode() const { return m_snapMode; }
    void setEntryMenu(QMenu* menu) { m_entryMenu = menu; }
    // The colour-vision simulation of the swatches (normal vision until set);
    // the favourites keep their true colours. Repaints.
    void setDisplayMapper(const TDisplayMapper& display);
    const TDisplayMapper& displayMapper() const { return m_display; }

    // Content height in pixels, and the scroll maximum it gives (the content
    // height when the scroll bar is enabled, else 0).
    int contentHeight() const;
    int scrollMaximum() const;
    int scrollPosition() const;
    void setScrollPosition(int pos);
    void scrollToEnd();

    int rowTop(int row) const;    // content coordinates
    int rowHeight(int row) const;
    // The row under a point of the view, or -1 below the last row.
    int rowAt(int viewY) const;
    // The insertion point a drop at this view y gives.
    int insertionPointAt(int viewY) const;
    // The hint for a point: the full name over a long name, "Websafe color" /
    // "WebSmart color" over a shown check mark, else empty.
    QString hintAt(QPoint pos) const;

    // The in-place editor txtFavEdit on the current entry (tbRename, menu
    // "Rename"): scrolls the row into sight first. Does nothing while the
    // editor is open or without a current entry.
    void startRename();
    bool isRenaming() const;
    QLineEdit* editor() const { return m_editor; }

    // The payload of a drag out of the list: the current favourite (ColorMime,
    // source "favorites", its row). A drop carrying this very object is a
    // move inside the list; the view keeps track of it while it lives.
    QMimeData* createDragData();
    // True for a drag that started in this list.
    bool dragIsFromList(const QDropEvent* event) const;

    // The painted picture, as last copied to the screen.
    QImage renderedImage();
    // Draws the list into an image of the view's size.
    QImage render() const;
    void refresh(); // re-render now

signals:
    void baseColorRequested(TColor color);
    void focusDummyRequested();
    void dropCompleted();
    void dragFinished();
    void entryMenuRequested(int row, QPoint globalPos);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    bool event(QEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dragLeaveEvent(QDragLeaveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void onListChanged();
    void ensureLayout() const;
    void recomputeScrollRange();
    void autoScrollTick();
    void commitRename();
    void startDrag();

    TFavoritesList* m_list;
    QPointer<QScrollBar> m_scroll;
    QPointer<QMimeData> m_ownDragData;
    QLineEdit* m_editor;
    QTimer* m_dragTimer;
    QMenu* m_entryMenu = nullptr;
    TDisplayMapper m_display;
    int m_snapMode = 0;
    int m_autoScrollStep = 0;
    int m_wheelRemainder = 0;
    int m_editIndex = -1;
    QPoint m_pressPoint;
    bool m_pressed = false;
    bool m_dragging = false;
    bool m_renameOnRelease = false; // a double-click opened the editor: its release keeps the focus there
    QImage m_image;
    bool m_imageDirty = true;
    mutable std::vector<int> m_tops; // m_tops[i] = top of row i; m_tops[n] = content height
    mutable bool m_layoutDirty = true;
};
