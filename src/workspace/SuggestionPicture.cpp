#include "SuggestionPicture.h"

#include "HSLUtils.h"
#include "WorkspacePaint.h"
#include "paint/GdiPaint.h"
#include "paint/QtColor.h"

#include <QFont>
#include <QPainterPath>

namespace Workspace {

namespace {

TColor AtLightness(TColor c, double lightness)
{
    double h, s, l;
    HSLUtils::RGBToHSL(c, h, s, l);
    return HSLUtils::HSLToRGB(h, s, lightness);
}

// A rectangle (l, t)-(r, b), right and bottom excluded, with corners
// rounded by an ellipse of 3 x 3 pixels, filled without outline.
void FillRoundRect3(QPainter& p, int l, int t, int r, int b, TColor fill)
{
    GdiPaint::FillRect(p, l + 1, t, r - 1, b, fill);
    GdiPaint::FillRect(p, l, t + 1, l + 1, b - 1, fill);
    GdiPaint::FillRect(p, r - 1, t + 1, r, b - 1, fill);
}

void Text(QPainter& p, int x, int y, const QString& text, TColor color)
{
    p.setPen(ToQColor(color));
    p.drawText(QRect(x, y, 400, 40), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, text);
}

} // namespace

TColor HeaderTextColor(TColor header)
{
    const TColor dark = AtLightness(header, 0.09);
    return HSLUtils::HasBrightnessContrast(header, dark) ? dark : AtLightness(header, 0.95);
}

TColor BodyTextColor(TColor area, const TDisplayMapper& display)
{
    return display(HSLUtils::HasBrightnessContrast(area, AtLightness(area, 0.09)) ? clBlack : clWhite);
}

void renderSuggestion(QPainter& p, const SuggestionState& state)
{
    const int W = state.size.width();
    const int H = state.size.height();
    const SuggestedScheme& s = state.scheme;
    const TDisplayMapper& display = state.display;
    const TColor page = display(s.page);
    const TColor header = display(s.header);
    const TColor links = display(s.links);
    const TColor content = display(s.content);

    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    PaintHatchedBackground(p, state.size);

    // The page: a soft shadow, a light rim, then the page itself. Integer
    // corners name pixel edges here, so 1-pixel strokes sit on .5.
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0, 0, 0, 60), 4.0));
    p.drawRoundedRect(QRectF(QPointF(18.5, 14.5), QPointF(W - 18.5, H - 54.5)), 5, 5);
    p.setPen(QPen(QColor(255, 255, 255, 220), 1.0));
    p.drawRoundedRect(QRectF(QPointF(20.5, 16.5), QPointF(W - 17.5, H - 53.5)), 5, 5);
    p.setBrush(ToQColor(page));
    p.setPen(QPen(QColor(0, 0, 0), 1.0));
    p.drawRoundedRect(QRectF(QPointF(18.5, 14.5), QPointF(W - 18.5, H - 54.5)), 5, 5);
    p.setRenderHint(QPainter::Antialiasing, false);

    // The header bar.
    if (s.gradient) {
        GdiPaint::VerticalGradient(p, 26, 22, W - 27, 52, header, display(s.gradientEnd), 22, 51);
        for (QPoint corner : {QPoint(26, 22), QPoint(W - 28, 22), QPoint(26, 51), QPoint(W - 28, 51)})
            GdiPaint::FillRect(p, corner.x(), corner.y(), corner.x() + 1, corner.y() + 1, page);
    } else {
        FillRoundRect3(p, 26, 22, W - 26, 53, header);
    }
    QFont title(QStringLiteral("Arial"));
    title.setPixelSize(12); // 9 points at 96 dots per inch
    title.setBold(true);
    p.setFont(title);
    Text(p, 35, 30, QStringLiteral("Web Page Header"), HeaderTextColor(header));

    QFont body(QStringLiteral("Arial"));
    body.setPixelSize(10);
    p.setFont(body);
    if (s.links == s.content) {
        FillRoundRect3(p, 26, 56, W - 26, H - 60, links);
        const TColor ink = BodyTextColor(links, display);
        Text(p, 35, 64, QStringLiteral("Use the style changer below to change"), ink);
        Text(p, 35, 76, QStringLiteral("the suggested color scheme style!"), ink);
    } else {
        FillRoundRect3(p, 26, 56, 90, H - 60, links);
        const TColor linkInk = BodyTextColor(links, display);
        Text(p, 35, 64, QStringLiteral("Link 1"), linkInk);
        Text(p, 35, 78, QStringLiteral("Link 2"), linkInk);
        Text(p, 35, 92, QStringLiteral("Link 3"), linkInk);
        FillRoundRect3(p, 93, 56, W - 26, H - 60, content);
        const TColor ink = BodyTextColor(content, display);
        Text(p, 102, 64, QStringLiteral("Use the style changer"), ink);
        Text(p, 102, 76, QStringLiteral("below to change the"), ink);
        Text(p, 102, 88, QStringLiteral("suggested scheme style!"), ink);
    }
    p.restore();
}

} // namespace Workspace
