#include "WorkspacePaint.h"

#include "paint/GdiPaint.h"
#include "paint/QtColor.h"
#include "paint/SystemColors.h"

#include <QBrush>
#include <QImage>

#include <algorithm>

#include <cmath>

namespace Workspace {

TColor HatchColor()
{
    const TColor f = SystemColors::BtnFace;
    return MakeColor((RedOf(f) + 255) / 2, (GreenOf(f) + 255) / 2, (BlueOf(f) + 255) / 2);
}

void PaintHatchedBackground(QPainter& p, QSize size)
{
    const int w = size.width();
    const int h = size.height();
    GdiPaint::FillRect(p, 0, 0, w, h, SystemColors::BtnFace);
    if (h > w) {
        for (int d = 1; d < 2 * w; d += 5)
            GdiPaint::Line(p, 0, d, d, 0, HatchColor());
        return;
    }
    // Line d covers the pixels (x, d - x) for x = 0 .. d - 1 (the end point
    // (d, 0) excluded): with the height at most the width, every pixel with
    // y >= 1 and x + y = 1 (mod 5). That is a 5 x 5 tile laid from the
    // origin, much cheaper than the lines pixel by pixel.
    QImage tile(5, 5, QImage::Format_RGB32);
    tile.fill(ToQColor(SystemColors::BtnFace));
    for (int y = 0; y < 5; ++y)
        tile.setPixel((6 - y) % 5, y, ToQRgb(HatchColor()));
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setBrushOrigin(0, 0);
    p.fillRect(QRect(0, 1, w, h - 1), QBrush(tile));
    p.restore();
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
