#pragma once

#include "DisplayColor.h"
#include "TColor.h"

#include <QPainter>

// The pictures of the base-colour column and the arithmetic between a bar's
// pixels and its value. Colours are drawn through the mapper given.
namespace BaseColumn {

// The five bars: red, green, blue 0..255; saturation, lightness 0..100 (%).
enum class Bar { Red, Green, Blue, Saturation, Lightness };

constexpr bool IsChannel(Bar bar) { return bar == Bar::Red || bar == Bar::Green || bar == Bar::Blue; }
constexpr int MaxValue(Bar bar) { return IsChannel(bar) ? 255 : 100; }

// A press or move at pixel column x: the column the marker takes (x clamped
// to 2..104 on a channel bar, 3..103 on a saturation or lightness bar) and
// the value it gives there, floor((x - 2) * 2.5) (0..255) or x - 3 (0..100).
int MarkerAtPixel(Bar bar, int x);
int ValueAtPixel(Bar bar, int x);
// The marker column a value shows at when no drag places it: floor(value /
// 2.5 + 2) on a channel bar, value + 3 otherwise.
int MarkerForValue(Bar bar, int value);

// One bar (107 x 15): the sunken outline, a gradient and the marker
// triangle with its tip over pixel column `marker`. A channel bar shows 102
// lines through the channel at round(i * 2.5), the other two channels those
// of `boxes` (the colour of the three number boxes); the saturation or
// lightness bar shows 101 lines through 0..100 % of the HSL triple of `boxes`.
void RenderBar(QPainter& p, QSize size, Bar bar, TColor boxes, int marker, const TDisplayMapper& display);

// The base swatch (149 x 50): a black-outlined fill of `color` on a sunken edge.
void RenderBaseSwatch(QPainter& p, QSize size, TColor color, const TDisplayMapper& display);

} // namespace BaseColumn
