#pragma once

#include "TColor.h"

#include <QString>

#include <cstdint>

// One favourite colour. R, G, B and Hex are caches of Color and are only
// ever set together with it, through setColor().
struct TFavColor {
    TColor Color{};
    QString Name;            // any length, any characters; only the in-place editor limits typing
    std::uint8_t R = 0;
    std::uint8_t G = 0;
    std::uint8_t B = 0;
    QString Hex = QStringLiteral("000000"); // ColorToHex(Color): six upper-case digits, no "#"
    bool Expanded = false;   // the row shows its detail area
    bool Selected = false;

    // Sets Color (top byte cleared) and refills R, G, B and Hex from it.
    void setColor(TColor color);

    // A new entry: the colour, no name, not selected, Expanded as given.
    static TFavColor fromColor(TColor color, bool expanded);
};
