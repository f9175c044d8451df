#include "WheelPicture.h"

#include "DisplayColor.h"
#include "WorkspacePaint.h"
#include "paint/QtColor.h"

#include <QPainterPath>

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

// The outline of a pie, as a path for the decoration.
QPainterPath PieOutline(QPointF c, qreal r, qreal startDeg, qreal spanDeg)
{
    QPainterPath path(c);
    path.arcTo(Circle(c, r), startDeg, spanDeg);
    path.closeSubpath();
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
                DisplayColor(state.colors[size_t(i)]));
    for (int k = 0; k < 6; ++k)
        FillPie(p, cx, cy, kSpokeOuterRadius, kSpokes[k].outerFrom, kSpokes[k].outerTo - kSpokes[k].outerFrom,
                DisplayColor(state.colors[size_t(12 + k)]));
    for (int k = 0; k < 6; ++k)
        FillPie(p, cx, cy, kSpokeInnerRadius, kSpokes[k].innerFrom, kSpokes[k].innerTo - kSpokes[k].innerFrom,
                DisplayColor(state.colors[size_t(18 + k)]));
    FillDisc(p, cx, cy, kWheelCentreRadius, clWhite);

    // Decoration on the borders only: a thin dark outline round each wedge
    // and spoke, and a light arc just inside each rim. The wedges' radii run
    // under the spokes, so the wedge outlines are kept off the spoke area.
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setBrush(Qt::NoBrush);
    QPainterPath spokeArea;
    for (const SpokeAngles& s : kSpokes)
        spokeArea = spokeArea.united(PieOutline(c, kSpokeOuterRadius + 0.5, s.outerFrom, s.outerTo - s.outerFrom));
    QPainterPath centre;
    centre.addEllipse(Circle(c, kWheelCentreRadius + 0.5));
    spokeArea = spokeArea.united(centre);
    QPainterPath outside;
    outside.addRect(QRectF(QPointF(0, 0), QSizeF(state.size)));
    p.setClipPath(outside.subtracted(spokeArea));
    for (int i = 0; i < 12; ++i) {
        const qreal r = i == 0 ? kWheelBaseRadius : kWheelRadius;
        p.setPen(QPen(QColor(0, 0, 0, 110), 0.8));
        p.drawPath(PieOutline(c, r, WedgeStart(i), 30));
        p.setPen(QPen(QColor(255, 255, 255, 90), 0.8, Qt::SolidLine, Qt::FlatCap));
        p.drawArc(Circle(c, r - 1), WedgeStart(i) * 16, 30 * 16);
    }
    p.setClipPath(outside.subtracted(centre));
    for (const SpokeAngles& s : kSpokes) {
        p.setPen(QPen(QColor(0, 0, 0, 90), 0.8));
        p.drawPath(PieOutline(c, kSpokeOuterRadius, s.outerFrom, s.outerTo - s.outerFrom));
        p.drawPath(PieOutline(c, kSpokeInnerRadius, s.innerFrom, s.innerTo - s.innerFrom));
        p.setPen(QPen(QColor(255, 255, 255, 80), 0.8, Qt::SolidLine, Qt::FlatCap));
        p.drawArc(Circle(c, kSpokeOuterRadius - 1), s.outerFrom * 16, (s.outerTo - s.outerFrom) * 16);
    }
    p.setClipping(false);
    p.setPen(QPen(QColor(0, 0, 0, 70), 1.0));
    p.drawEllipse(Circle(c, kWheelCentreRadius));
    p.restore();
}

std::optional<int> WheelEntryForPixel(TColor pixel, const TWheelColors& colors)
{
    if (pixel == clBlack || pixel == clWhite)
        return std::nullopt;
    for (int i = 0; i < 24; ++i)
        if (DisplayColor(ScreenColor(colors[size_t(i)])) == pixel)
            return i;
    return std::nullopt;
}

} // namespace Workspace
