#include "PreviewPage.h"

#include "paint/QtColor.h"

#include <QFontMetrics>
#include <QPainter>

namespace PreviewPage {

namespace {
constexpr const char* kMainText = "This is the main text of the body of your page.";

// Fixed contents, kept in the order the parts are stacked.
const std::array<PartInfo, kPartCount> kParts{{
    {Part::Background, "Background", 5, false, QRect(0, 0, 329, 225), "", 0, false, false, false},
    {Part::tHeaderBG, "tHeaderBG", 6, false, QRect(30, 37, 267, 35), "", 0, false, false, false},
    {Part::tNavBG, "tNavBG", 7, false, QRect(30, 71, 90, 135), "", 0, false, false, false},
    {Part::tMainBG, "tMainBG", 8, false, QRect(119, 71, 178, 135), "", 0, false, false, false},
    {Part::Header, "Header", 0, true, QRect(51, 9, 0, 0), "Web Page Color Preview", 16, true, false, false},
    {Part::tHeader, "tHeader", 1, true, QRect(41, 47, 0, 0), "Header Text", 13, true, false, false},
    {Part::tBodyHeader, "tBodyHeader", 2, true, QRect(135, 83, 0, 0), "Body Header", 11, true, false, false},
    {Part::tMainText, "tMainText", 3, true, QRect(135, 102, 137, 29), kMainText, 11, false, false, true},
    {Part::Link1, "Link1", 4, true, QRect(42, 83, 0, 0), "Link 1", 11, false, true, false},
    {Part::Link2, "Link2", 4, true, QRect(42, 101, 0, 0), "Link 2", 11, false, true, false},
    {Part::Link3, "Link3", 4, true, QRect(42, 119, 0, 0), "Link 3", 11, false, true, false},
    {Part::Link4, "Link4", 4, true, QRect(42, 137, 0, 0), "Link 4", 11, false, true, false},
}};
} // namespace

const std::array<PartInfo, kPartCount>& Parts() { return kParts; }

const PartInfo& Info(Part part) { return kParts[size_t(part)]; }

QFont FontOf(const PartInfo& info)
{
    QFont font(QStringLiteral("Verdana"));
    font.setPixelSize(info.pixelSize > 0 ? info.pixelSize : 11);
    font.setBold(info.bold);
    font.setUnderline(info.underline);
    return font;
}

QRect HitBox(const PartInfo& info)
{
    if (!info.text || info.wrap)
        return info.rect;
    const QFontMetrics fm(FontOf(info));
    return QRect(info.rect.topLeft(), QSize(fm.horizontalAdvance(QLatin1String(info.caption)), fm.height()));
}

std::optional<Part> PartAt(QPoint pos)
{
    if (!QRect(QPoint(), kPageSize).contains(pos))
        return std::nullopt;
    for (auto it = kParts.rbegin(); it != kParts.rend(); ++it)
        if (HitBox(*it).contains(pos))
            return it->part;
    return Part::Background;
}

TColor ColorOf(const TPreviewColors& colors, Part part) { return colors[size_t(Info(part).role)]; }

TPreviewColors Dropped(TPreviewColors colors, Part part, TColor color)
{
    colors[size_t(Info(part).role)] = color;
    return colors;
}

void Render(QPainter& p, const TPreviewColors& colors)
{
    p.save();
    for (const PartInfo& info : kParts) {
        const TColor c = colors[size_t(info.role)];
        if (!info.text) {
            // Delphi-style shape: the outline lies inside the box.
            if (info.part == Part::Background) {
                p.fillRect(info.rect, ToQColor(c));
            } else {
                p.fillRect(info.rect, Qt::black);
                p.fillRect(info.rect.adjusted(1, 1, -1, -1), ToQColor(c));
            }
            continue;
        }
        p.setPen(ToQColor(c));
        p.setFont(FontOf(info));
        const QString caption = QLatin1String(info.caption);
        if (info.wrap)
            p.drawText(info.rect, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, caption);
        else
            p.drawText(info.rect.topLeft() + QPoint(0, QFontMetrics(p.font()).ascent()), caption);
    }
    p.restore();
}

} // namespace PreviewPage
