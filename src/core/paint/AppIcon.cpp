#include "paint/AppIcon.h"

#include <QPainter>
#include <QPainterPath>

namespace AppIcon {

QImage Render(int size)
{
    static constexpr QRgb kHues[12] = {0xFF0000, 0xFF4F00, 0xFF8F00, 0xFFBF00, 0xFFFF00, 0x9FDF00,
                                       0x00A000, 0x008F8F, 0x0000FF, 0x4F00BF, 0x8F00AF, 0xCF0070};
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 256.0, size / 256.0);
    const QPointF c(128, 128);
    const QRectF outer(8, 8, 240, 240), inner(84, 84, 88, 88);
    for (int i = 0; i < 12; ++i) {
        // Qt counts angles counter-clockwise from 3 o'clock; wedge 0 is centred at 12.
        const qreal start = 90 + 15 - 30.0 * i;
        QPainterPath wedge;
        wedge.arcMoveTo(outer, start);
        wedge.arcTo(outer, start, -30);
        wedge.arcTo(inner, start - 30, 30);
        wedge.closeSubpath();
        p.fillPath(wedge, QColor::fromRgb(kHues[i]));
    }
    p.setPen(QPen(QColor(0x40, 0x40, 0x40), 4));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, 120, 120);
    p.setBrush(Qt::white);
    p.drawEllipse(c, 44, 44);
    return image;
}

} // namespace AppIcon
