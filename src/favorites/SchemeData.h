#pragma once

#include "TFavColor.h"

#include <QList>

#include <array>

// The preview colours, in file order: 0 page header text, 1 header text,
// 2 body header text, 3 main text, 4 link text, 5 page background,
// 6 header background, 7 navigation background, 8 main background.
using TPreviewColors = std::array<TColor, 9>;

// Texts black, page and main backgrounds white, header and navigation
// backgrounds (230, 230, 230).
TPreviewColors DefaultPreviewColors();

// Everything a scheme or session file holds.
struct TSchemeData {
    TColor BaseColor = MakeColor(255, 102, 0);
    QList<TFavColor> Favorites;
    TPreviewColors Preview = DefaultPreviewColors();
    bool HasPreview = true; // false when a file read ended right after its records
};
