#include "PictureModel.h"

#include "HSLUtils.h"
#include "PictureExtract.h"
#include "Rounding.h"
#include "Swatch.h"
#include "paint/QtColor.h"

#include <QDateTime>
#include <QRandomGenerator>

#include <algorithm>

using namespace Picture;

TPictureModel::TPictureModel(int numColors, int paletteLeft, int paletteTop)
    : m_n(ClampColors(numColors))
    , m_palette(MakePalette(paletteLeft, paletteTop, m_n))
{
    m_points.resize(m_n);
}

quint32 TPictureModel::seed() const
{
    if (m_seeder)
        return m_seeder();
    return quint32(QDateTime::currentMSecsSinceEpoch() ^ quint64(QDateTime::currentMSecsSinceEpoch() >> 32));
}

SamplePoint TPictureModel::randomPoint(QRandomGenerator& rng) const
{
    const int x = int(rng.bounded(quint32(std::max(1, m_displayed.width()))));
    const int y = int(rng.bounded(quint32(std::max(1, m_displayed.height()))));
    return PointAt(m_displayed, x, y);
}

QList<TColor> TPictureModel::colors() const
{
    QList<TColor> out;
    for (const SamplePoint& p : m_points)
        out.append(p.color);
    return out;
}

LoadedPicture TPictureModel::open(const QString& path)
{
    LoadedPicture r = LoadPicture(path, m_area);
    if (r.ok())
        setPicture(r.image, r.fullSize, path);
    return r;
}

void TPictureModel::setPicture(const QImage& image, QSize fullSize, const QString& path)
{
    m_source = image;
    m_fullSize = fullSize;
    m_path = path;
    rebuild();
    randomize();
    // A panel placed from the settings of a larger window, or by hand at a
    // negative place, comes into the area where the mouse can reach it.
    m_palette.left = std::max(0, m_palette.left);
    m_palette.top = std::max(0, m_palette.top);
    m_palette = MakePalette(m_palette.left, m_palette.top, m_n);
    KeepRightInside(m_palette, m_n, m_area.width());
    KeepBottomInside(m_palette, m_area.height());
}

void TPictureModel::rebuild()
{
    bool done = true;
    m_displayed = BuildDisplayed(m_source, m_fullSize, FitPicture(m_fullSize, m_area), m_mosaic, &done);
    m_mosaicFailed = m_mosaic && !done;
}

void TPictureModel::randomize()
{
    if (!loaded())
        return;
    QRandomGenerator rng(seed());
    for (SamplePoint& p : m_points)
        p = randomPoint(rng);
    SortByX(m_points);
}

void TPictureModel::setNumColors(int n)
{
    n = ClampColors(n);
    const int before = int(m_points.size());
    if (n < before) {
        m_points.resize(n);
    } else if (n > before) {
        QRandomGenerator rng(seed());
        for (int i = before; i < n; ++i)
            m_points.append(loaded() ? randomPoint(rng) : SamplePoint());
    }
    m_n = n;
    m_palette.right = m_palette.left + PanelWidth(n);
    if (m_area.width() > 0)
        KeepRightInside(m_palette, n, m_area.width());
}

bool TPictureModel::setMosaic(bool on)
{
    m_mosaic = on;
    if (!loaded())
        return true;
    rebuild();
    for (SamplePoint& p : m_points)
        if (m_displayed.valid(p.X, p.Y))
            p.color = FromQRgb(m_displayed.pixel(p.X, p.Y));
    return !m_mosaicFailed;
}

void TPictureModel::extract()
{
    if (!loaded())
        return;
    m_points = ExtractPoints(m_displayed, m_n);
}

void TPictureModel::movePoint(int i, QPoint mouse)
{
    if (i < 0 || i >= m_points.size() || m_displayed.isNull())
        return;
    const int x = std::clamp(mouse.x(), 0, m_displayed.width() - 1);
    const int y = std::clamp(mouse.y(), 0, m_displayed.height() - 1);
    m_points[i] = PointAt(m_displayed, x, y);
}

void TPictureModel::resize(QSize area)
{
    m_area = area;
    if (loaded()) {
        rebuild();
        const int w = m_displayed.width(), h = m_displayed.height();
        if (!m_points.isEmpty() && w > 0 && h > 0 && double(m_points.first().X) / w != m_points.first().RelX) {
            for (SamplePoint& p : m_points) {
                // Kept on the picture: a point near the right or bottom edge
                // would otherwise round to one past the last pixel.
                p.X = std::clamp(int(HSLUtils::RoundToEven(static_cast<long double>(p.RelX) * w)), 0, w - 1);
                p.Y = std::clamp(int(HSLUtils::RoundToEven(static_cast<long double>(p.RelY) * h)), 0, h - 1);
            }
        }
    }
    KeepRightInside(m_palette, m_n, area.width());
    KeepBottomInside(m_palette, area.height());
}

bool TPictureModel::wantsSharperPicture() const
{
    if (!loaded() || m_path.isEmpty() || m_source.size() == m_fullSize)
        return false;
    const QSize fitted = FitPicture(m_fullSize, m_area);
    return fitted.width() > m_source.width() || fitted.height() > m_source.height();
}

bool TPictureModel::sharpen()
{
    if (!wantsSharperPicture())
        return false;
    LoadedPicture r = LoadPicture(m_path, m_area);
    // A file changed or gone since it was opened: keep what is shown.
    if (!r.ok() || r.fullSize != m_fullSize)
        return false;
    m_source = r.image;
    rebuild();
    return true;
}

namespace Picture {

void RenderFrame(QPainter& p, QSize size, const TPictureModel& model, int highlighted, const QColor& face)
{
    p.fillRect(QRect(QPoint(0, 0), size), face);
    if (!model.displayed().isNull())
        p.drawImage(0, 0, model.displayed());
    const PaletteRect& r = model.palette();
    const int w = r.right - r.left, h = r.bottom - r.top;
    p.setRenderHint(QPainter::Antialiasing, true);
    p.fillRect(QRect(r.left, r.top, w, h), QColor(255, 255, 255, 120));
    p.setBrush(Qt::NoBrush);
    // Pens of one pixel drawn on pixel centres, so the outlines stay crisp.
    p.setPen(QPen(QColor(255, 255, 255, 140), 1));
    p.drawRect(QRectF(r.left + 0.5, r.top + 0.5, w, h));
    p.setPen(QPen(QColor(0, 0, 0, 20), 1));
    p.drawRect(QRectF(r.left - 0.5, r.top - 0.5, w + 2, h + 2));
    const QList<SamplePoint>& points = model.points();
    for (qsizetype i = 0; i < points.size(); ++i)
        HSLUtils::DrawSwatchAlpha(p, points[i].color, r.left + 12 + kSwatchPitch * int(i), r.top + 12, 38, 38);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setBrush(Qt::NoBrush);
    const QColor shadow(0, 0, 0, 40);
    for (qsizetype i = 0; i < points.size(); ++i) {
        const SamplePoint& pt = points[i];
        const QPoint at(pt.X, pt.Y);
        QPoint s, e;
        if (i == highlighted) {
            s = QPoint(r.left + kSwatchPitch * int(i) + 31, pt.Y < r.top + 30 ? r.top + 13 : r.top + 48);
            HSLUtils::PolarPoint(s, at, at, 5, e);
            p.setPen(QPen(shadow, 2));
            p.drawLine(s + QPoint(1, 1), e + QPoint(1, 1));
        }
        p.setPen(QPen(shadow, 2));
        p.drawEllipse(QRect(pt.X - 4, pt.Y - 4, 11, 11));
        p.drawEllipse(QRect(pt.X - 4, pt.Y - 4, 10, 10));
        if (i == highlighted) {
            p.setPen(QPen(Qt::white, 1));
            p.drawLine(s, e);
        }
        p.setPen(QPen(Qt::white, 2));
        p.drawEllipse(QRect(pt.X - 5, pt.Y - 5, 11, 11));
    }
}

} // namespace Picture
