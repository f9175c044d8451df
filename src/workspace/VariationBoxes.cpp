#include "VariationBoxes.h"

#include "WorkspacePaint.h"
#include "paint/GdiPaint.h"
#include "paint/SystemColors.h"

namespace Workspace {

void renderBoxesBackground(QPainter& p, QSize size)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    PaintHatchedBackground(p, size);
    // A lowered bevel at (71, 71), 120 x 120.
    const int l = 71, t = 71, r = 71 + 120, b = 71 + 120;
    GdiPaint::Line(p, l, t, r - 1, t, SystemColors::BtnShadow);
    GdiPaint::Line(p, l, t, l, b - 1, SystemColors::BtnShadow);
    GdiPaint::Line(p, l, b - 1, r, b - 1, SystemColors::BtnHighlight);
    GdiPaint::Line(p, r - 1, t, r - 1, b, SystemColors::BtnHighlight);
    p.restore();
}

void renderVariationBox(QPainter& p, QSize size, TColor color)
{
    const int W = size.width();
    const int H = size.height();
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    GdiPaint::Rectangle(p, 0, 0, W + 1, H + 1, SystemColors::BtnShadow, clWhite);
    GdiPaint::Rectangle(p, 1, 1, W - 1, H - 1, clBlack, color);
    p.restore();
}

} // namespace Workspace
