#pragma once

// What a tool window (mixer, analyzer, picture palette, guide lookup,
// preview, print) and the screen picker may ask of the main window's views,
// beside the session itself: nothing else of the window is theirs to touch.
class TStudioViews {
public:
    virtual ~TStudioViews() = default;
    // Scrolls the favourites so that their last row is in sight (after
    // colours were added at the end) and repaints them.
    virtual void showFavoritesEnd() = 0;
    // Repaints the favourites (after their colours or names changed).
    virtual void repaintFavorites() = 0;
    // The favourites' scroll maximum (their content height while the scroll
    // bar is enabled, else 0) and their scroll position in pixels.
    virtual int favoritesScrollMaximum() const = 0;
    virtual void setFavoritesScrollPosition(int pos) = 0;
};
