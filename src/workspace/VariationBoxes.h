#pragma once

#include "WheelColors.h"

#include <QPainter>
#include <QSize>

#include <array>

// The "Color Swatches" style of the wheel: the wheel colours as sixteen
// boxes on a 4 x 4 grid. The outer twelve run clockwise from the top-left
// corner through the twelve hues; the inner block shows the base colour's
// shades above those of the colour opposite it. The boxes show true colours.
namespace Workspace {

struct VariationBox {
    int column, row; // grid position
    int entry;       // wheel entry shown
};

// Box n (1..16) is kVariationBoxes[n - 1].
inline constexpr std::array<VariationBox, 16> kVariationBoxes{{
    {0, 0, 0}, {1, 0, 1}, {2, 0, 2}, {3, 0, 3},
    {3, 1, 4}, {3, 2, 5}, {3, 3, 6},
    {2, 3, 7}, {1, 3, 8}, {0, 3, 9},
    {0, 2, 10}, {0, 1, 11},
    {1, 1, 12}, {2, 1, 18},
    {2, 2, 15}, {1, 2, 21},
}};

inline constexpr QSize kBoxesBackgroundSize{262, 261};
inline constexpr int kVariationBoxSize = 45;
inline constexpr int kVariationGrid[4] = {17, 78, 139, 200};

// The background: the hatch of the wheel and a lowered bevel round the inner block.
void renderBoxesBackground(QPainter& p, QSize size);

// One box: its left and top edge in the button-shadow colour over white,
// then a black-outlined square filled with the colour unchanged.
void renderVariationBox(QPainter& p, QSize size, TColor color);

} // namespace Workspace
