#include "BaseColumnPicture.h"

#include "HSLUtils.h"
#include "Rounding.h"
#include "paint/GdiPaint.h"
#include "paint/SystemColors.h"

#include <algorithm>
#include <cmath>

namespace BaseColumn {

using namespace SystemColors;

namespace {

// The up-pointing triangle of the symbol font at 8 points, cell top-left (x, y).
void drawMarker(QPainter& p, int marker)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    GdiPaint::DrawGlyph(p, GdiPaint::Glyph::TriangleUp, marker - 5, 7, 11, clBlack);
    p.restore();
}

// The first gradient column: 2 on a channel bar, 3 on the others.
int gradientLeft(Bar bar) { return IsChannel(bar) ? 2 : 3; }

TColor gradientColor(Bar bar, TColor boxes, int i, double h, double s, double l)
{
    const int v = int(HSLUtils::RoundToEven(i * 2.5L));
    switch (bar) {
    case Bar::Red: return MakeColor(v, GreenOf(boxes), BlueOf(boxes));
    case Bar::Green: return MakeColor(RedOf(boxes), v, BlueOf(boxes));
    case Bar::Blue: return MakeColor(RedOf(boxes), GreenOf(boxes), v);
    case Bar::Saturation: return HSLUtils::HSLToRGB(h, i / 100.0L, l);
    case Bar::Lightness: return HSLUtils::HSLToRGB(h, s, i / 100.0L);
    }
    return boxes;
}

} // namespace

int MarkerAtPixel(Bar bar, int x)
{
    return IsChannel(bar) ? std::clamp(x, 2, 104) : std::clamp(x, 3, 103);
}

int ValueAtPixel(Bar bar, int x)
{
    const int m = MarkerAtPixel(bar, x);
    return IsChannel(bar) ? int(std::floor((m - 2) * 2.5L)) : m - 3;
}

int MarkerForValue(Bar bar, int value)
{
    return IsChannel(bar) ? int(std::floor(value / 2.5L + 2)) : value + 3;
}

void RenderBar(QPainter& p, QSize size, Bar bar, TColor boxes, int marker, const TDisplayMapper& display)
{
    const int w = size.width();
    const int left = gradientLeft(bar);
    GdiPaint::FillRect(p, 0, 0, w, size.height(), BtnFace);
    // Sunken outline: shadow at (left-1, 0)-(w-1, 9), highlight at (left, 1)-(w-1, 9).
    GdiPaint::FrameRect(p, left - 1, 0, w - 1, 9, BtnShadow);
    GdiPaint::FrameRect(p, left, 1, w - 1, 9, BtnHighlight);
    double h = 0, s = 0, l = 0;
    if (!IsChannel(bar))
        HSLUtils::RGBToHSL(boxes, h, s, l);
    const int last = IsChannel(bar) ? 101 : 100;
    for (int i = 0; i <= last; ++i)
        GdiPaint::Line(p, i + left, 1, i + left, 7, display(gradientColor(bar, boxes, i, h, s, l)));
    GdiPaint::FrameRect(p, left, 1, w - 2, 8, clBlack);
    drawMarker(p, marker);
}

void RenderBaseSwatch(QPainter& p, QSize size, TColor color, const TDisplayMapper& display)
{
    const int w = size.width(), h = size.height();
    GdiPaint::FillRect(p, 0, 0, w, h, BtnShadow);
    GdiPaint::FillRect(p, w - 1, 0, w, h, clWhite);
    GdiPaint::FillRect(p, 0, h - 1, w, h, clWhite);
    GdiPaint::Rectangle(p, 1, 1, w - 1, h - 1, clBlack, display(color));
}

} // namespace BaseColumn
