#pragma once

#include "TStudioViews.h"

// The main window's favourites view as the tool windows see it, recording
// what they ask of it.
struct RecordingViews : TStudioViews {
    int repaints = 0;
    int scrollMax = 0;   // what favoritesScrollMaximum() answers
    int scrolledTo = -1; // the last setFavoritesScrollPosition(), -1 for none
    void showFavoritesEnd() override {}
    void repaintFavorites() override { ++repaints; }
    int favoritesScrollMaximum() const override { return scrollMax; }
    void setFavoritesScrollPosition(int pos) override { scrolledTo = pos; }
};
