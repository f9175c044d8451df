#include "BaseEditorsRender.h"

#include "DisplayColor.h"
#include "HSLUtils.h"
#include "Rounding.h"
#include "paint/GdiPaint.h"
#include "paint/QtColor.h"
#include "paint/SystemColors.h"

#include <cmath>

namespace BaseEditorsRender {

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

void frame(QPainter& p, int w, int left)
{
    // Sunken outline: shadow at (left-1, 0)-(w-1, 9), highlight at (left, 1)-(w-1, 9).
    GdiPaint::FrameRect(p, left - 1, 0, w - 1, 9, BtnShadow);
    GdiPaint::FrameRect(p, left, 1, w - 1, 9, BtnHighlight);
}

} // namespace

int RgbMarkerFor(int value)
{
    return int(std::floor(value / 2.5L + 2));
}

int HslMarkerFor(int value)
{
    return value + 3;
}

void RenderRgbBar(QPainter& p, QSize size, Channel channel, int red, int green, int blue, int marker)
{
    const int w = size.width();
    GdiPaint::FillRect(p, 0, 0, w, size.height(), BtnFace);
    frame(p, w, 2);
    for (int i = 0; i <= 101; ++i) {
        const int v = int(HSLUtils::RoundToEven(i * 2.5L));
        TColor c{};
        switch (channel) {
        case Channel::Red: c = MakeColor(v, green, blue); break;
        case Channel::Green: c = MakeColor(red, v, blue); break;
        case Channel::Blue: c = MakeColor(red, green, v); break;
        }
        GdiPaint::Line(p, i + 2, 1, i + 2, 7, DisplayColor(c));
    }
    GdiPaint::FrameRect(p, 2, 1, w - 2, 8, clBlack);
    drawMarker(p, marker);
}

void RenderHslBar(QPainter& p, QSize size, HslComponent which, TColor color, int marker)
{
    const int w = size.width();
    GdiPaint::FillRect(p, 0, 0, w, size.height(), BtnFace);
    frame(p, w, 3);
    double h, s, l;
    HSLUtils::RGBToHSL(color, h, s, l);
    for (int i = 0; i <= 100; ++i) {
        const double t = i / 100.0L;
        const TColor c = which == HslComponent::Saturation ? HSLUtils::HSLToRGB(h, t, l) : HSLUtils::HSLToRGB(h, s, t);
        GdiPaint::Line(p, i + 3, 1, i + 3, 7, DisplayColor(c));
    }
    GdiPaint::FrameRect(p, 3, 1, w - 2, 8, clBlack);
    drawMarker(p, marker);
}

void RenderBaseSwatch(QPainter& p, QSize size, TColor color)
{
    const int w = size.width(), h = size.height();
    GdiPaint::FillRect(p, 0, 0, w, h, BtnShadow);
    GdiPaint::FillRect(p, w - 1, 0, w, h, clWhite);
    GdiPaint::FillRect(p, 0, h - 1, w, h, clWhite);
    GdiPaint::Rectangle(p, 1, 1, w - 1, h - 1, clBlack, DisplayColor(color));
}

void RenderTopBar(QPainter& p, QSize size, const int titleX[2])
{
    const int w = size.width(), h = size.height();
    GdiPaint::VerticalGradient(p, 0, 0, w, h, BtnFace, BtnHighlight, -4, h + 4);
    GdiPaint::Line(p, 0, 0, w, 0, BtnShadow);
    GdiPaint::Line(p, 1, 1, w, 1, BtnHighlight);
    GdiPaint::Line(p, 0, h - 2, w, h - 2, BtnShadow);
    GdiPaint::Line(p, 0, h - 1, w, h - 1, clBlack);
    QFont f(QStringLiteral("Tahoma"));
    f.setPixelSize(11);
    f.setBold(true);
    p.setFont(f);
    p.setPen(QColor(0, 0, 0));
    static const char* const titles[2] = {"Base Color", "Matching Colors"};
    for (int i = 0; i < 2; ++i)
        p.drawText(QRect(titleX[i], 2, 200, h - 4), Qt::AlignVCenter | Qt::AlignLeft, QLatin1String(titles[i]));
}

} // namespace BaseEditorsRender
