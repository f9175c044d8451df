#pragma once

// Pictures the picture-tool tests make for themselves and write with real
// encoders (Qt's PNG, BMP and libjpeg-turbo writers, our giflib encoder);
// no picture file is committed. The "photograph" is a rendered scene of
// gradients, soft shapes and grain, so the JPEG encoder sees photo-like
// content.

// GIF through our codec where the test links it (tv::codecs).
#if __has_include("GifEncoder.h")
#include "GifEncoder.h"
#define TV_SAMPLES_GIF 1
#endif

#include <QBuffer>
#include <QByteArray>
#include <QFile>
#include <QImage>
#include <QImageWriter>
#include <QPainter>
#include <QRadialGradient>
#include <QRandomGenerator>
#include <QString>

namespace Samples {

inline QImage Photo(int w, int h, quint32 seed = 7)
{
    QImage img(w, h, QImage::Format_RGB32);
    QPainter p(&img);
    QLinearGradient sky(0, 0, 0, h);
    sky.setColorAt(0, QColor(70, 120, 200));
    sky.setColorAt(0.6, QColor(230, 180, 140));
    sky.setColorAt(1, QColor(60, 90, 40));
    p.fillRect(img.rect(), sky);
    QRandomGenerator rng(seed);
    p.setRenderHint(QPainter::Antialiasing);
    for (int i = 0; i < 12; ++i) {
        const QPointF c(rng.bounded(w), rng.bounded(h));
        const qreal r = (w + h) / 12.0 * (0.5 + rng.generateDouble());
        QRadialGradient g(c, r);
        g.setColorAt(0, QColor::fromHsv(int(rng.bounded(360)), 160, 220));
        g.setColorAt(1, Qt::transparent);
        p.setPen(Qt::NoPen);
        p.setBrush(g);
        p.drawEllipse(c, r, r);
    }
    p.end();
    for (int y = 0; y < h; y += 3) { // grain
        QRgb* line = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < w; x += 2) {
            const int d = int(rng.bounded(9)) - 4;
            const QRgb c = line[x];
            line[x] = qRgb(qBound(0, qRed(c) + d, 255), qBound(0, qGreen(c) + d, 255), qBound(0, qBlue(c) + d, 255));
        }
    }
    return img;
}

// k flat regions of the given colours: vertical bands of unequal widths.
inline QImage FlatRegions(const QList<QRgb>& colors, int w, int h)
{
    QImage img(w, h, QImage::Format_RGB32);
    int total = 0;
    for (int i = 0; i < colors.size(); ++i)
        total += i + 2;
    int x = 0;
    for (int i = 0; i < colors.size(); ++i) {
        const int band = i == colors.size() - 1 ? w - x : w * (i + 2) / total;
        for (int y = 0; y < h; ++y)
            for (int xx = x; xx < x + band; ++xx)
                img.setPixel(xx, y, colors[i]);
        x += band;
    }
    return img;
}

inline QByteArray Encoded(const QImage& image, const char* format, int quality = 92)
{
    QByteArray bytes;
#ifdef TV_SAMPLES_GIF
    if (qstrcmp(format, "gif") == 0) {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        GifEncoder::Encode(image, buffer);
        return bytes;
    }
#endif
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    writer.setQuality(quality);
    writer.write(image);
    return bytes;
}

// An EXIF APP1 segment holding only the orientation (1..8), put right after
// the JPEG's start-of-image marker.
inline QByteArray WithOrientation(QByteArray jpeg, int orientation)
{
    QByteArray tiff("MM\x00\x2A\x00\x00\x00\x08", 8);
    tiff += QByteArray("\x00\x01", 2);                        // one entry
    tiff += QByteArray("\x01\x12\x00\x03\x00\x00\x00\x01", 8); // Orientation, SHORT, 1
    tiff += char(0);
    tiff += char(orientation);
    tiff += QByteArray(2, '\0');
    tiff += QByteArray(4, '\0'); // no next IFD
    const QByteArray payload = QByteArray("Exif\x00\x00", 6) + tiff;
    const int length = int(payload.size()) + 2;
    QByteArray app1("\xFF\xE1", 2);
    app1 += char(length >> 8);
    app1 += char(length & 0xFF);
    app1 += payload;
    jpeg.insert(2, app1);
    return jpeg;
}

inline bool Put(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

inline bool PutImage(const QString& path, const QImage& image, const char* format)
{
    return Put(path, Encoded(image, format));
}

} // namespace Samples
