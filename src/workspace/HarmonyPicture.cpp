#include "HarmonyPicture.h"

#include "WorkspacePaint.h"
#include "paint/QtColor.h"

#include <QPainterPath>

#include <cmath>
#include <numbers>

namespace Workspace {

namespace {

QRectF Circle(QPointF c, qreal r)
{
    return QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r);
}

// A 30-degree sector starting at `start`, clockwise on screen.
QPainterPath Sector(QPointF c, qreal r, int start)
{
    QPainterPath path(c);
    path.arcTo(Circle(c, r), -start, -30);
    path.closeSubpath();
    return path;
}

// Fills a clockwise sector without antialiasing, so its inside is one exact
// colour for the hit test.
void FillSector(QPainter& p, QPointF c, int r, int start, const QColor& color)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(Qt::NoPen);
    p.setBrush(color);
    p.drawPie(QRect(int(c.x()) - r, int(c.y()) - r, 2 * r, 2 * r), -start * 16, -30 * 16);
    p.restore();
}

// A point at `radius` in the direction of entry i's centre.
QPointF Direction(QPointF c, qreal radius, int entry)
{
    const qreal deg = HarmonySectorStart(entry) + 15;
    const qreal rad = deg * std::numbers::pi / 180;
    return c + QPointF(std::cos(rad) * radius, std::sin(rad) * radius);
}

} // namespace

int HarmonySectorStart(int entry)
{
    return (255 + 30 * entry) % 360;
}

void renderHarmonyWheel(QPainter& p, const HarmonyWheelState& state)
{
    const QPointF c(kHarmonyCentreX, kHarmonyCentreY);
    const HarmonyInfo& info = Harmony(state.type);
    TWheelColors colors = state.colors;
    // The complement is drawn in the nearest colour the surface shows.
    if (state.type == HarmonyType::Complements)
        colors[6] = ScreenColor(colors[6]);

    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    PaintHatchedBackground(p, state.size);

    // Rim decoration: a soft shadow and a light arc around the ring.
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0, 0, 0, 28), 3.0));
    p.drawEllipse(Circle(c + QPointF(1, 1), kHarmonyRingRadius + 2));
    p.setPen(QPen(QColor(255, 255, 255, 150), 1.5));
    p.drawEllipse(Circle(c, kHarmonyRingRadius + 3.5));

    // The faded ring of the other hues.
    for (int i = 1; i < 12; ++i) {
        QColor fill = ToQColor(state.display(colors[size_t(i)]));
        fill.setAlpha(100);
        FillSector(p, c, kHarmonyRingRadius, HarmonySectorStart(i), fill);
    }
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0, 0, 0), 0.6));
    p.drawEllipse(Circle(c, kHarmonyRingRadius));

    // The members, entry 0 first.
    for (int m = 0; m < info.memberCount; ++m) {
        const int entry = info.member[m];
        const int start = HarmonySectorStart(entry);
        p.setRenderHint(QPainter::Antialiasing, true);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(0, 0, 0, 30), 2.0));
        p.drawPath(Sector(c + QPointF(1, 1), kHarmonyMemberRadius, start));
        FillSector(p, c, kHarmonyMemberRadius, start, ToQColor(state.display(colors[size_t(entry)])));
        p.setRenderHint(QPainter::Antialiasing, true);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(0, 0, 0), 0.5));
        p.drawPath(Sector(c, kHarmonyMemberRadius, start));
    }

    // The centre.
    FillDisc(p, kHarmonyCentreX, kHarmonyCentreY, kHarmonyCentreRadius, clWhite);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0, 0, 0, 60), 1.5));
    p.drawEllipse(Circle(c, kHarmonyCentreRadius + 0.5));
    p.setPen(QPen(QColor(0, 0, 0, 25), 2.0));
    p.drawEllipse(Circle(c, kHarmonyCentreRadius - 1.5));
    if (state.type == HarmonyType::Monochromatic) {
        const int start = HarmonySectorStart(0);
        FillSector(p, c, 41, start, ToQColor(state.display(colors[12])));
        FillSector(p, c, 28, start, ToQColor(state.display(colors[18])));
        p.setRenderHint(QPainter::Antialiasing, true);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(255, 255, 255, 160), 0.8));
        p.drawPath(Sector(c, 28, start));
        FillDisc(p, kHarmonyCentreX, kHarmonyCentreY, 16, clWhite);
    }

    renderHarmonyDiagram(p, state.type, kHarmonyDiagramOrigin);
    p.restore();
}

void renderHarmonyDiagram(QPainter& p, HarmonyType type, QPoint origin)
{
    const qreal half = kHarmonyDiagramSize / 2.0;
    const QPointF c(origin.x() + half, origin.y() + half);
    const HarmonyInfo& info = Harmony(type);
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    const QColor ink(90, 90, 100, 200);
    const QColor dot(60, 60, 70, 220);

    if (type == HarmonyType::Monochromatic) {
        // Three steps of one hue, light to dark, below the centre shades.
        const QColor steps[3] = {QColor(200, 200, 205), QColor(150, 150, 158), QColor(95, 95, 105)};
        for (int k = 0; k < 3; ++k) {
            p.setPen(QPen(dot, 0.8));
            p.setBrush(steps[k]);
            p.drawEllipse(Circle(c + QPointF((k - 1) * 12.0, 24), 4.5));
        }
        p.restore();
        return;
    }

    const qreal r = 30;
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(150, 150, 160, 120), 1.0, Qt::DotLine));
    p.drawEllipse(Circle(c, r));

    p.setPen(QPen(ink, 1.4));
    if (type == HarmonyType::Analogous) {
        // An arc through the three neighbours.
        const qreal startDeg = HarmonySectorStart(11) + 15;
        p.drawArc(Circle(c, r), int(-startDeg * 16), -60 * 16);
    } else if (type == HarmonyType::Complements) {
        p.drawLine(Direction(c, r, 0), Direction(c, r, 6));
    } else {
        QPolygonF shape;
        for (int m = 0; m < info.memberCount; ++m)
            shape << Direction(c, r, info.member[m]);
        p.drawPolygon(shape);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(dot);
    for (int m = 0; m < info.memberCount; ++m)
        p.drawEllipse(Circle(Direction(c, r, info.member[m]), m == 0 ? 3.5 : 2.5));
    p.restore();
}

} // namespace Workspace
