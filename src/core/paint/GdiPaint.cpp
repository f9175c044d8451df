#include "paint/GdiPaint.h"

#include "paint/QtColor.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace GdiPaint {

void FillRect(QPainter& p, int l, int t, int r, int b, TColor fill)
{
    if (r > l && b > t)
        p.fillRect(QRect(l, t, r - l, b - t), ToQColor(fill));
}

void FrameRect(QPainter& p, int l, int t, int r, int b, TColor pen)
{
    if (r <= l || b <= t)
        return;
    const QColor c = ToQColor(pen);
    p.fillRect(QRect(l, t, r - l, 1), c);
    p.fillRect(QRect(l, b - 1, r - l, 1), c);
    p.fillRect(QRect(l, t, 1, b - t), c);
    p.fillRect(QRect(r - 1, t, 1, b - t), c);
}

void Rectangle(QPainter& p, int l, int t, int r, int b, TColor pen, TColor brush)
{
    FillRect(p, l + 1, t + 1, r - 1, b - 1, brush);
    FrameRect(p, l, t, r, b, pen);
}

void Line(QPainter& p, int x1, int y1, int x2, int y2, TColor pen)
{
    const QColor c = ToQColor(pen);
    if (x1 == x2) {
        p.fillRect(QRect(x1, y2 < y1 ? y2 + 1 : y1, 1, std::abs(y2 - y1)), c);
        return;
    }
    if (y1 == y2) {
        p.fillRect(QRect(x2 < x1 ? x2 + 1 : x1, y1, std::abs(x2 - x1), 1), c);
        return;
    }
    // A general line: Bresenham, end point excluded.
    int dx = std::abs(x2 - x1), sx = x1 < x2 ? 1 : -1;
    int dy = -std::abs(y2 - y1), sy = y1 < y2 ? 1 : -1;
    int err = dx + dy;
    int x = x1, y = y1;
    while (!(x == x2 && y == y2)) {
        p.fillRect(QRect(x, y, 1, 1), c);
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y += sy;
        }
    }
}

void VerticalGradient(QPainter& p, int l, int t, int r, int b, TColor top, TColor bottom, int y0, int y1)
{
    const int span = std::max(1, y1 - y0);
    for (int y = t; y < b; ++y) {
        const long double f = std::clamp(static_cast<long double>(y - y0) / span, 0.0L, 1.0L);
        auto mix = [f](int a, int c) { return int(std::lrint(a + (c - a) * f)); };
        const TColor c = MakeColor(mix(RedOf(top), RedOf(bottom)), mix(GreenOf(top), GreenOf(bottom)),
                                   mix(BlueOf(top), BlueOf(bottom)));
        FillRect(p, l, y, r, y + 1, c);
    }
}

QPainterPath GlyphPath(Glyph glyph, qreal x, qreal y, qreal em)
{
    QPainterPath path;
    const qreal s = em;
    switch (glyph) {
    case Glyph::TriangleUp:
        path.moveTo(x + s * 0.5, y + s * 0.30);
        path.lineTo(x + s * 0.85, y + s * 0.68);
        path.lineTo(x + s * 0.15, y + s * 0.68);
        break;
    case Glyph::TriangleDown:
        path.moveTo(x + s * 0.15, y + s * 0.32);
        path.lineTo(x + s * 0.85, y + s * 0.32);
        path.lineTo(x + s * 0.5, y + s * 0.70);
        break;
    case Glyph::TriangleRight:
        path.moveTo(x + s * 0.32, y + s * 0.15);
        path.lineTo(x + s * 0.70, y + s * 0.5);
        path.lineTo(x + s * 0.32, y + s * 0.85);
        break;
    case Glyph::TriangleLeft:
        path.moveTo(x + s * 0.68, y + s * 0.15);
        path.lineTo(x + s * 0.30, y + s * 0.5);
        path.lineTo(x + s * 0.68, y + s * 0.85);
        break;
    case Glyph::CheckMark:
        path.moveTo(x + s * 0.10, y + s * 0.50);
        path.lineTo(x + s * 0.25, y + s * 0.35);
        path.lineTo(x + s * 0.40, y + s * 0.52);
        path.lineTo(x + s * 0.75, y + s * 0.15);
        path.lineTo(x + s * 0.90, y + s * 0.30);
        path.lineTo(x + s * 0.40, y + s * 0.82);
        break;
    }
    path.closeSubpath();
    return path;
}

void DrawGlyph(QPainter& p, Glyph glyph, int x, int y, int em, TColor color)
{
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(ToQColor(color));
    p.drawPath(GlyphPath(glyph, x, y, em));
    p.restore();
}

} // namespace GdiPaint
