#pragma once

#include "TColor.h"

#include <QPainter>

// Pictures of the base-colour column. Each draws a whole paint box of the
// given size; colours go through DisplayColor.
namespace BaseEditorsRender {

enum class Channel { Red, Green, Blue };

// One R, G or B bar (107 x 15): a gradient of 102 lines through the channel
// at round(i * 2.5), the other two channels fixed, and the marker triangle
// with its tip over pixel column `marker`.
void RenderRgbBar(QPainter& p, QSize size, Channel channel, int red, int green, int blue, int marker);

// The saturation or lightness bar (107 x 15): 101 lines through 0..100 %.
enum class HslComponent { Saturation, Lightness };
void RenderHslBar(QPainter& p, QSize size, HslComponent which, TColor color, int marker);

// The base swatch (149 x 50).
void RenderBaseSwatch(QPainter& p, QSize size, TColor color);

// The header strip under the toolbar with the titles of the two left columns at the given x.
void RenderTopBar(QPainter& p, QSize size, const int titleX[2]);

// The marker position a number box value maps to.
int RgbMarkerFor(int value);
int HslMarkerFor(int value);

} // namespace BaseEditorsRender
