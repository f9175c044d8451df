#include "PictureGeometry.h"

#include "paint/QtColor.h"

#include <algorithm>
#include <vector>

namespace Picture {

int ClampColors(int n) { return std::clamp(n, kMinColors, kMaxColors); }

QSize FitPicture(QSize picture, QSize area)
{
    const int w = picture.width(), h = picture.height();
    if (w <= 0 || h <= 0)
        return {0, 0};
    const int a = area.width(), b = area.height();
    const long double ratio = static_cast<long double>(w) / h;
    int width = 0, height = 0;
    if (w > h) {
        width = a;
        height = int(static_cast<long double>(a) / ratio);
        if (height > b) {
            height = b;
            width = int(b * ratio);
        }
    } else {
        height = b;
        width = int(b * ratio);
        if (width > a) {
            width = a;
            height = int(static_cast<long double>(a) / ratio);
        }
    }
    if (width > w || height > h)
        return picture;
    return {width, height};
}

bool MakeMosaic(QImage& image)
{
    if (image.format() != QImage::Format_RGB32)
        return false;
    const int s = MosaicBlockSize(image.width());
    if (s <= 0)
        return true;
    const int w = image.width(), h = image.height();
    for (int by = 0; by < h; by += s) {
        const int rows = std::min(s, h - by);
        const QRgb* top = reinterpret_cast<const QRgb*>(image.constScanLine(by));
        std::vector<QRgb> corner;
        for (int bx = 0; bx < w; bx += s)
            corner.push_back(top[bx]);
        for (int y = by; y < by + rows; ++y) {
            QRgb* line = reinterpret_cast<QRgb*>(image.scanLine(y));
            for (int x = 0; x < w; ++x)
                line[x] = corner[size_t(x / s)];
        }
    }
    return true;
}

namespace {
// Nearest-pixel source index of destination index d (pixel centres).
inline int nearest(int d, int dest, int src)
{
    return int((qint64(2 * d + 1) * src) / (qint64(2) * dest));
}
} // namespace

QImage BuildDisplayed(const QImage& source, QSize fullSize, QSize fitted, bool mosaic, bool* mosaicDone)
{
    if (mosaicDone)
        *mosaicDone = true;
    if (source.isNull() || fitted.isEmpty())
        return {};
    const bool canMosaic = source.format() == QImage::Format_RGB32;
    if (mosaic && !canMosaic && mosaicDone)
        *mosaicDone = false;
    const int s = MosaicBlockSize(fullSize.width());
    const bool blocks = mosaic && canMosaic && s > 0;
    if (!blocks && fitted == source.size())
        return source.format() == QImage::Format_RGB32 ? source : source.convertToFormat(QImage::Format_RGB32);
    const QImage src = source.format() == QImage::Format_RGB32 ? source : source.convertToFormat(QImage::Format_RGB32);
    const int sw = src.width(), sh = src.height();
    const int fw = fullSize.width(), fh = fullSize.height();
    // Column and row of the source for each displayed column and row.
    std::vector<int> xs(size_t(fitted.width())), ys(size_t(fitted.height()));
    for (int dx = 0; dx < fitted.width(); ++dx) {
        if (blocks) {
            const int ox = nearest(dx, fitted.width(), fw); // the picture's own column
            xs[size_t(dx)] = int(qint64(ox / s * s) * sw / fw);
        } else {
            xs[size_t(dx)] = nearest(dx, fitted.width(), sw);
        }
    }
    for (int dy = 0; dy < fitted.height(); ++dy) {
        if (blocks) {
            const int oy = nearest(dy, fitted.height(), fh);
            ys[size_t(dy)] = int(qint64(oy / s * s) * sh / fh);
        } else {
            ys[size_t(dy)] = nearest(dy, fitted.height(), sh);
        }
    }
    QImage out(fitted, QImage::Format_RGB32);
    for (int dy = 0; dy < fitted.height(); ++dy) {
        const QRgb* in = reinterpret_cast<const QRgb*>(src.constScanLine(ys[size_t(dy)]));
        QRgb* line = reinterpret_cast<QRgb*>(out.scanLine(dy));
        for (int dx = 0; dx < fitted.width(); ++dx)
            line[dx] = in[xs[size_t(dx)]];
    }
    return out;
}

SamplePoint PointAt(const QImage& displayed, int x, int y)
{
    SamplePoint p;
    p.X = x;
    p.Y = y;
    if (displayed.width() > 0 && displayed.height() > 0) {
        p.RelX = double(x) / displayed.width();
        p.RelY = double(y) / displayed.height();
        if (displayed.valid(x, y))
            p.color = FromQRgb(displayed.pixel(x, y));
    }
    return p;
}

void SortByX(QList<SamplePoint>& points)
{
    for (qsizetype i = 1; i < points.size(); ++i) {
        const SamplePoint p = points[i];
        qsizetype j = i - 1;
        while (j >= 0 && points[j].X > p.X) {
            points[j + 1] = points[j];
            --j;
        }
        points[j + 1] = p;
    }
}

PaletteRect MakePalette(int left, int top, int n)
{
    return {left, top, left + PanelWidth(n), top + kPanelHeight};
}

void KeepRightInside(PaletteRect& r, int n, int areaWidth)
{
    if (r.right >= areaWidth - 1) {
        r.right = areaWidth - 1;
        r.left = r.right - PanelWidth(n);
    }
}

void KeepBottomInside(PaletteRect& r, int areaHeight)
{
    if (r.bottom >= areaHeight - 1) {
        r.bottom = areaHeight - 1;
        r.top = areaHeight - 1 - kPanelHeight;
    }
}

PaletteRect MovedPalette(QPoint mouse, QPoint pressMouse, const PaletteRect& atPress, int n, QSize area)
{
    PaletteRect r;
    r.left = std::max(0, mouse.x() + atPress.left - pressMouse.x());
    r.right = r.left + PanelWidth(n);
    KeepRightInside(r, n, area.width());
    r.top = std::max(0, mouse.y() + atPress.top - pressMouse.y());
    r.bottom = r.top + kPanelHeight;
    KeepBottomInside(r, area.height());
    return r;
}

int PointUnderPress(const QList<SamplePoint>& points, QPoint m)
{
    for (qsizetype i = 0; i < points.size(); ++i)
        if (std::abs(m.x() - points[i].X) <= 5 && std::abs(m.y() - points[i].Y) <= 5)
            return int(i);
    return -1;
}

int PointUnderHover(const QList<SamplePoint>& points, QPoint m)
{
    for (qsizetype i = 0; i < points.size(); ++i) {
        const SamplePoint& p = points[i];
        if (p.X - 5 <= m.x() && m.x() <= p.X + 7 && p.Y - 5 <= m.y() && m.y() <= p.Y + 7)
            return int(i);
    }
    return -1;
}

int SwatchAt(const PaletteRect& r, int n, QPoint m, bool hovering)
{
    const int dx = m.x() - r.left - 12;
    if (dx < 0 || dx % kSwatchPitch > 37)
        return -1;
    if (!(m.x() - r.left > 11) || !(hovering ? r.right - m.x() >= 13 : r.right - m.x() > 11))
        return -1;
    if (!(m.y() - r.top > 11) || !(r.bottom - m.y() > 11))
        return -1;
    const int k = dx / kSwatchPitch;
    return k < n ? k : -1;
}

bool InsidePanel(const PaletteRect& r, QPoint m)
{
    return r.left < m.x() && m.x() < r.right && r.top < m.y() && m.y() < r.bottom;
}

bool InsidePanelInner(const PaletteRect& r, QPoint m)
{
    return r.left + 11 < m.x() && m.x() < r.right && r.top + 11 < m.y() && m.y() < r.bottom - 10;
}

} // namespace Picture
