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

void RenderListEntry(QPainter& p, const QRect& item, const QString& name, TColor color, bool selected, bool focus,
                     const QFont& font)
{
    const int l = item.left(), t = item.top();
    GdiPaint::FillRect(p, l, t, item.right() + 1, item.bottom() + 1, selected ? Highlight : kWindow);
    p.setFont(font);
    p.setPen(ToQColor(selected ? HighlightText : WindowText));
    p.drawText(QRect(l + 25, t + 5, item.width() - 27, item.height() - 5), Qt::AlignLeft | Qt::AlignTop, name);
    GdiPaint::Rectangle(p, l + 3, t + 3, l + 19, t + 19, clBlack, color);
    if (focus) {
        QPen pen(ToQColor(selected ? HighlightText : WindowText));
        pen.setStyle(Qt::DotLine);
        p.setPen(pen);
        p.setBrush(Qt::NoBrush);
        p.drawRect(item.adjusted(0, 0, -1, -1));
    }
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
