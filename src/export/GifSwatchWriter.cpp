#include "GifSwatchWriter.h"

#include "paint/GdiPaint.h"

#include <QSet>

namespace GifSwatchWriter {

QImage SwatchImage(const QList<TColor>& colors)
{
    constexpr int Size = 468;
    QImage full(Size, Size, QImage::Format_RGB32);
    full.fill(qRgb(255, 255, 255));
    int x = 4, y = 4;
    {
        QPainter p(&full);
        for (TColor c : colors) {
            GdiPaint::Rectangle(p, x, y, x + 25, y + 25, clBlack, c);
            if (x + 58 > Size) {
                x = 4;
                y += 29;
            } else {
                x += 29;
            }
        }
    }
    const int height = x == 4 ? y : y + 29;
    const int width = y == 4 ? x : Size;
    return full.copy(0, 0, width, height);
}

qsizetype FittingCount(const QList<TColor>& colors)
{
    QSet<quint32> distinct;
    distinct.insert(ColorValue(clWhite));
    distinct.insert(ColorValue(clBlack));
    for (qsizetype i = 0; i < colors.size(); ++i) {
        distinct.insert(ColorValue(colors[i]));
        if (distinct.size() > 256)
            return i;
    }
    return colors.size();
}

} // namespace GifSwatchWriter
