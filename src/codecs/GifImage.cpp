#include "GifImage.h"

#include <algorithm>

GifColorTable GifImage::activeColorTable(qsizetype frame) const
{
    if (frame < 0 || frame >= frames.size())
        return {};
    const GifColorTable& local = frames[frame].localTable;
    if (!local.isEmpty())
        return local;
    if (!globalTable.isEmpty())
        return globalTable;
    return local;
}

QImage GifImage::firstFrameImage() const
{
    if (frames.isEmpty())
        return {};
    const GifFrameInfo& f = frames.first();
    const int width = std::max(screenSize.width(), f.rect.x() + f.rect.width());
    const int height = std::max(screenSize.height(), f.rect.y() + f.rect.height());
    if (width <= 0 || height <= 0 || qint64(width) * height > MaxPixels)
        return {};
    QImage image(width, height, QImage::Format_ARGB32);
    if (image.isNull())
        return {};
    image.fill(0);
    const GifColorTable table = activeColorTable(0);
    QRgb lookup[256];
    for (int i = 0; i < 256; ++i) {
        if (i < table.size())
            lookup[i] = qRgb(table[i].red, table[i].green, table[i].blue);
        else
            lookup[i] = qRgb(0, 0, 0);
    }
    if (f.transparentIndex >= 0 && f.transparentIndex < 256)
        lookup[f.transparentIndex] &= 0x00FFFFFFu;
    const int fw = f.rect.width();
    const int fh = f.rect.height();
    if (qsizetype(fw) * fh > firstFrameIndices.size())
        return image;
    const auto* src = reinterpret_cast<const unsigned char*>(firstFrameIndices.constData());
    for (int y = 0; y < fh; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(f.rect.y() + y)) + f.rect.x();
        const unsigned char* row = src + qsizetype(y) * fw;
        for (int x = 0; x < fw; ++x)
            line[x] = lookup[row[x]];
    }
    return image;
}
