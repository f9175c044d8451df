#pragma once

#include "TColor.h"

#include <QPainter>

namespace HSLUtils {

// A framed sample of a colour in (left, top, width, height): a button-shadow
// frame, a white gap, a ring of the colour at HSV value - 0.20, a ring at
// value - 0.08 and the colour inside. Antialiasing must be off.
void DrawSwatch(QPainter& canvas, TColor color, int left, int top, int width, int height);

// The same sample with a soft antialiased edge: black at alpha 80 around the
// outside and white at alpha 200 just inside it.
void DrawSwatchAlpha(QPainter& canvas, TColor color, int left, int top, int width, int height);

// The two darker shades of the swatch rings (same hue and saturation, value
// less 0.08 and less a further 0.12, floored at 0).
void SwatchShades(TColor color, TColor& shadeA, TColor& shadeB);

} // namespace HSLUtils
