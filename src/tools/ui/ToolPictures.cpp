#include "ToolPictures.h"

#include "Mixer.h"
#include "paint/GdiPaint.h"
#include "paint/QtColor.h"
#include "paint/Swatch.h"
#include "paint/StudioIcons.h"
#include "paint/SystemColors.h"

namespace ToolPictures {

using namespace SystemColors;

namespace {
constexpr TColor kWindow = clWhite;
}

void RenderHeaderBand(QPainter& p, QSize size, const QString& caption, const QString& iconName)
{
    const int w = size.width(), h = size.height();
    GdiPaint::VerticalGradient(p, 0, 0, w, h, BtnFace, BtnHighlight, -16, h + 4);
    GdiPaint::Line(p, 0, h - 2, w, h - 2, BtnShadow);
    GdiPaint::Line(p, 0, h - 1, w, h - 1, clBlack);
    if (!iconName.isEmpty())
        p.drawPixmap(8, 7, StudioIcons::Icon(iconName).pixmap(16, 16));
    QFont f(QStringLiteral("Tahoma"));
    f.setPixelSize(13);
    f.setBold(true);
    p.setFont(f);
    p.setPen(QColor(0, 0, 0));
    p.drawText(QRect(28, 6, w - 36, 18), Qt::AlignLeft | Qt::AlignVCenter, caption);
}

void RenderMixStrip(QPainter& p, QSize size, const QList<TColor>& colors)
{
    const int w = size.width(), h = size.height();
    GdiPaint::FillRect(p, 0, 0, w, h, BtnFace);
    const TColor hatch =
        MakeColor((RedOf(BtnFace) + 255) >> 1, (GreenOf(BtnFace) + 255) >> 1, (BlueOf(BtnFace) + 255) >> 1);
    p.setPen(ToQColor(hatch));
    for (int off = 1; off < 2 * w; off += 5)
        p.drawLine(0, off, off, 0); // both ends drawn; the picture is clipped to the strip
    for (qsizetype i = 0; i < colors.size(); ++i) {
        const QPoint o = Tools::MixSwatchOrigin(i, w);
        HSLUtils::DrawSwatch(p, colors[i], o.x(), o.y(), Tools::kMixSwatchSize, Tools::kMixSwatchSize);
    }
    GdiPaint::Line(p, 0, 0, w, 0, BtnShadow);
    GdiPaint::Line(p, 0, h - 1, w, h - 1, BtnHighlight);
}

namespace {
// The owner-drawn rows of the tool lists: the name at (textX, 5) and the
// swatch, each relative to the item.
void renderEntry(QPainter& p, const QRect& item, const QString& name, TColor color, bool selected, bool focus,
                 const QFont& font, int textX, QRect swatch)
{
    const int l = item.left(), t = item.top();
    GdiPaint::FillRect(p, l, t, item.right() + 1, item.bottom() + 1, selected ? Highlight : kWindow);
    p.setFont(font);
    p.setPen(ToQColor(selected ? HighlightText : WindowText));
    p.drawText(QRect(l + textX, t + 5, item.width() - textX - 2, item.height() - 5), Qt::AlignLeft | Qt::AlignTop, name);
    swatch.translate(l, t);
    GdiPaint::Rectangle(p, swatch.left(), swatch.top(), swatch.right() + 1, swatch.bottom() + 1, clBlack, color);
    if (focus) {
        QPen pen(ToQColor(selected ? HighlightText : WindowText));
        pen.setStyle(Qt::DotLine);
        p.setPen(pen);
        p.setBrush(Qt::NoBrush);
        p.drawRect(item.adjusted(0, 0, -1, -1));
    }
}
} // namespace

void RenderListEntry(QPainter& p, const QRect& item, const QString& name, TColor color, bool selected, bool focus,
                     const QFont& font)
{
    renderEntry(p, item, name, color, selected, focus, font, 25, QRect(3, 3, 16, 16));
}

void RenderGuideEntry(QPainter& p, const QRect& item, const QString& name, TColor color, bool selected, bool focus,
                      const QFont& font)
{
    renderEntry(p, item, name, color, selected, focus, font, 86, QRect(2, 2, 78, 19));
}

void RenderSample(QPainter& p, QSize size, TColor fill, TColor text, const QFont& font)
{
    const int w = size.width(), h = size.height();
    GdiPaint::Rectangle(p, 0, 0, w, h, BtnShadow, fill);
    GdiPaint::Rectangle(p, 1, 1, w - 1, h - 1, BtnHighlight, fill);
    p.setFont(font);
    p.setPen(ToQColor(text));
    const int ascent = QFontMetrics(font).ascent();
    p.drawText(10, 12 + ascent, QStringLiteral("Select a background color to see which of your Favorite"));
    p.drawText(10, 30 + ascent, QStringLiteral("Colors would be best suited to use as a text color."));
}

} // namespace ToolPictures
