#include "WorkspacePaint.h"

#include "paint/GdiPaint.h"
#include "paint/QtColor.h"
#include "paint/SystemColors.h"

#include <cmath>

namespace Workspace {

TColor HatchColor()
{
    const TColor f = SystemColors::BtnFace;
    return MakeColor((RedOf(f) + 255) / 2, (GreenOf(f) + 255) / 2, (BlueOf(f) + 255) / 2);
}

void PaintHatchedBackground(QPainter& p, QSize size)
{
    GdiPaint::FillRect(p, 0, 0, size.width(), size.height(), SystemColors::BtnFace);
    const TColor hatch = HatchColor();
    for (int d = 1; d < 2 * size.width(); d += 5)
        GdiPaint::Line(p, 0, d, d, 0, hatch);
}

void FillPie(QPainter& p, int cx, int cy, int r, double startDeg, double spanDeg, TColor fill)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(Qt::NoPen);
    p.setBrush(ToQColor(fill));
    p.drawPie(QRect(cx - r, cy - r, 2 * r, 2 * r), int(std::lround(startDeg * 16)), int(std::lround(spanDeg * 16)));
    p.restore();
}

void FillDisc(QPainter& p, int cx, int cy, int r, TColor fill)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(Qt::NoPen);
    p.setBrush(ToQColor(fill));
    p.drawEllipse(QRect(cx - r, cy - r, 2 * r, 2 * r));
    p.restore();
}

} // namespace Workspace
