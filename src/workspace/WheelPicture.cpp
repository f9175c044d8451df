#include "WheelPicture.h"

#include "WorkspacePaint.h"
#include "paint/QtColor.h"

#include <QPainterPath>
#include <QtMath>

#include <cmath>

namespace Workspace {

namespace {

struct SpokeAngles {
    int outerFrom, outerTo, innerFrom, innerTo;
};
constexpr SpokeAngles kSpokes[6] = {
    {73, 107, 74, 106},     {16, 44, 16, 44},       {-44, -15, -44, -15},
    {-107, -73, -106, -74}, {-165, -135, -165, -135}, {-225, -195, -225, -195},
};

QRectF Circle(QPointF c, qreal r)
{
    return QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r);
}

// The outline of a ring sector between radii r0 and r1: both radial edges
// and the outer arc (the inner arc is left open).
QPainterPath SectorOutline(QPointF c, qreal r0, qreal r1, qreal startDeg, qreal spanDeg)
{
    auto at = [c](qreal r, qreal deg) {
        const qreal rad = qDegreesToRadians(deg);
        return c + QPointF(r * std::cos(rad), -r * std::sin(rad));
    };
    QPainterPath path(at(r0, startDeg));
    path.lineTo(at(r1, startDeg));
    path.arcTo(Circle(c, r1), startDeg, spanDeg);
    path.lineTo(at(r0, startDeg + spanDeg));
    return path;
}

} // namespace

int WedgeStart(int entry)
{
    int start = 75 - 30 * entry;
    if (start < 0)
        start += 360;
    return start;
}

void renderWheel(QPainter& p, const WheelState& state)
{
    const int cx = state.size.width() / 2;
    const int cy = state.size.height() / 2;
    const QPointF c(cx, cy);
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    PaintHatchedBackground(p, state.size);

    // A soft shadow under the rim, outside every wedge.
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < 12; ++i) {
        const qreal r = (i == 0 ? kWheelBaseRadius : kWheelRadius) + 1.5;
        p.setPen(QPen(QColor(0, 0, 0, 40), 2.0, Qt::SolidLine, Qt::FlatCap));
        p.drawArc(Circle(c + QPointF(1, 1), r), WedgeStart(i) * 16, 30 * 16);
    }
    p.setRenderHint(QPainter::Antialiasing, false);

    for (int i = 0; i < 12; ++i)
        FillPie(p, cx, cy, i == 0 ? kWheelBaseRadius : kWheelRadius, WedgeStart(i), 30,
                state.display(state.colors[size_t(i)]));
    for (int k = 0; k < 6; ++k)
        FillPie(p, cx, cy, kSpokeOuterRadius, kSpokes[k].outerFrom, kSpokes[k].outerTo - kSpokes[k].outerFrom,
                state.display(state.colors[size_t(12 + k)]));
    for (int k = 0; k < 6; ++k)
        FillPie(p, cx, cy, kSpokeInnerRadius, kSpokes[k].innerFrom, kSpokes[k].innerTo - kSpokes[k].innerFrom,
                state.display(state.colors[size_t(18 + k)]));
    FillDisc(p, cx, cy, kWheelCentreRadius, clWhite);

    // Decoration on the borders only: a thin dark outline round each wedge
    // and spoke, and a light arc just inside each rim. Radii are drawn from
    // the centre disc (spokes) or from the spokes' rim (wedges) outwards,
    // so no line crosses the inside of a spoke or the centre.
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setBrush(Qt::NoBrush);
    const qreal wedgeInner = kSpokeOuterRadius + 1.5;
    for (int i = 0; i < 12; ++i) {
        const qreal r = i == 0 ? kWheelBaseRadius : kWheelRadius;
        p.setPen(QPen(QColor(0, 0, 0, 110), 0.8));
        p.drawPath(SectorOutline(c, wedgeInner, r, WedgeStart(i), 30));
        p.setPen(QPen(QColor(255, 255, 255, 90), 0.8, Qt::SolidLine, Qt::FlatCap));
        p.drawArc(Circle(c, r - 1), WedgeStart(i) * 16, 30 * 16);
    }
    const qreal centreRim = kWheelCentreRadius + 0.5;
    for (const SpokeAngles& s : kSpokes) {
        p.setPen(QPen(QColor(0, 0, 0, 90), 0.8));
        p.drawPath(SectorOutline(c, centreRim, kSpokeOuterRadius, s.outerFrom, s.outerTo - s.outerFrom));
        p.drawPath(SectorOutline(c, centreRim, kSpokeInnerRadius, s.innerFrom, s.innerTo - s.innerFrom));
        p.setPen(QPen(QColor(255, 255, 255, 80), 0.8, Qt::SolidLine, Qt::FlatCap));
        p.drawArc(Circle(c, kSpokeOuterRadius - 1), s.outerFrom * 16, (s.outerTo - s.outerFrom) * 16);
    }
    p.setPen(QPen(QColor(0, 0, 0, 70), 1.0));
    p.drawEllipse(Circle(c, kWheelCentreRadius));
    p.restore();
}

std::optional<int> WheelEntryForPixel(TColor pixel, const TWheelColors& colors, const TDisplayMapper& display)
{
    if (pixel == clBlack || pixel == clWhite)
        return std::nullopt;
    for (int i = 0; i < 24; ++i)
        if (display(ScreenColor(colors[size_t(i)])) == pixel)
            return i;
    return std::nullopt;
}

} // namespace Workspace
