#include "paint/Swatch.h"

#include "HSLUtils.h"
#include "paint/GdiPaint.h"
#include "paint/QtColor.h"
#include "paint/SystemColors.h"

namespace HSLUtils {

void SwatchShades(TColor color, TColor& shadeA, TColor& shadeB)
{
    double h, s, v;
    RGBToHSV(color, h, s, v);
    double va = v - 0.08L;
    if (va < 0)
        va = 0;
    double vb = va - 0.12L;
    if (vb < 0)
        vb = 0;
    shadeA = HSVToRGB(h, s, va);
    shadeB = HSVToRGB(h, s, vb);
}

void DrawSwatch(QPainter& canvas, TColor color, int left, int top, int width, int height)
{
    TColor a, b;
    SwatchShades(color, a, b);
    GdiPaint::Rectangle(canvas, left, top, left + width, top + height, SystemColors::BtnShadow, clWhite);
    GdiPaint::Rectangle(canvas, left + 2, top + 2, left + width - 2, top + height - 2, b, color);
    GdiPaint::FrameRect(canvas, left + 3, top + 3, left + width - 3, top + height - 3, a);
}

void DrawSwatchAlpha(QPainter& canvas, TColor color, int left, int top, int width, int height)
{
    TColor a, b;
    SwatchShades(color, a, b);
    GdiPaint::Rectangle(canvas, left + 2, top + 2, left + width - 2, top + height - 2, b, color);
    GdiPaint::FrameRect(canvas, left + 3, top + 3, left + width - 3, top + height - 3, a);

    canvas.save();
    canvas.setRenderHint(QPainter::Antialiasing, true);
    canvas.setBrush(Qt::NoBrush);
    // Integer coordinates name pixel centres, so the 1-pixel lines stay crisp.
    canvas.setPen(QPen(QColor(0, 0, 0, 80), 1.0));
    canvas.drawRect(QRectF(left + 0.5, top + 0.5, width - 1, height - 1));
    canvas.setPen(QPen(QColor(255, 255, 255, 200), 1.0));
    canvas.drawRect(QRectF(left + 1.5, top + 1.5, width - 3, height - 3));
    canvas.restore();
}

} // namespace HSLUtils
