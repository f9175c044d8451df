#pragma once

#include "PictureFile.h"
#include "PictureGeometry.h"

#include <QColor>
#include <QImage>
#include <QList>
#include <QPainter>
#include <QString>

#include <functional>

// The state of the picture palette tool apart from its window: the picture,
// its displayed (fitted, maybe mosaic) copy, the sampling points, the number
// of colours and the palette panel, in a drawing area of a given size.
//
// The picture is kept as decoded: at its own size, or for a large JPEG at the
// size it is shown (see LoadPicture). When the area grows beyond what such a
// reduced picture holds, sharpen() decodes it again for the new size.
class TPictureModel {
public:
    // n is brought into 2..9; the panel starts at (paletteLeft, paletteTop).
    TPictureModel(int numColors = Picture::kDefaultColors, int paletteLeft = 10, int paletteTop = 10);

    // Where "Randomize!" and new points take their seed; the clock unless
    // set (tests give fixed seeds).
    using Seeder = std::function<quint32()>;
    void setSeeder(Seeder seeder) { m_seeder = std::move(seeder); }

    // The drawing area's size before a picture is opened; once one is open,
    // resize() instead.
    void setArea(QSize area) { m_area = area; }
    QSize area() const { return m_area; }

    // Opens the file for the current area: on success the picture replaces
    // the previous one, the displayed picture is built and the points are
    // placed at random, and the panel is brought inside the area; on
    // failure nothing changes. The mosaic guard's
    // result is in mosaicFailed() as after setMosaic.
    Picture::LoadedPicture open(const QString& path);
    // The same with a picture decoded elsewhere (at full size or reduced).
    void setPicture(const QImage& image, QSize fullSize, const QString& path = {});

    bool loaded() const { return !m_source.isNull(); }
    QString path() const { return m_path; }
    const QImage& source() const { return m_source; }
    QSize fullSize() const { return m_fullSize; }
    const QImage& displayed() const { return m_displayed; }
    QSize displayedSize() const { return m_displayed.size(); }

    const QList<Picture::SamplePoint>& points() const { return m_points; }
    QList<TColor> colors() const;
    int numColors() const { return m_n; }
    const Picture::PaletteRect& palette() const { return m_palette; }
    bool mosaic() const { return m_mosaic; }
    // True when the last build was asked for the mosaic but could not make it.
    bool mosaicFailed() const { return m_mosaicFailed; }

    // "Randomize!": every point at a random pixel, then sorted by X.
    void randomize();
    // The number of colours: the first points kept, new random ones appended
    // unsorted; the panel's right edge kept inside the area.
    void setNumColors(int n);
    // The mosaic toggle: rebuilds the displayed picture and every point takes
    // its new colour. False when the mosaic could not be made.
    bool setMosaic(bool on);
    // "Extract": the points on the representative colours (ExtractPoints).
    void extract();

    // A point dragged to the mouse: clamped to the displayed picture, its
    // colour read there.
    void movePoint(int i, QPoint mouse);
    void setPalette(const Picture::PaletteRect& r) { m_palette = r; }
    // A new area size: the displayed picture rebuilt for the new fit, the
    // points moved to their relative places (keeping their colours), the
    // panel kept inside.
    void resize(QSize area);
    // The picture was decoded smaller than the area now shows it.
    bool wantsSharperPicture() const;
    // Decodes the file again for the current area (when it wants it); the
    // points keep their places and colours. False when nothing changed.
    bool sharpen();

private:
    quint32 seed() const;
    Picture::SamplePoint randomPoint(class QRandomGenerator& rng) const;
    void rebuild();

    Seeder m_seeder;
    QString m_path;
    QImage m_source;
    QSize m_fullSize;
    QImage m_displayed;
    QSize m_area;
    QList<Picture::SamplePoint> m_points;
    int m_n;
    Picture::PaletteRect m_palette;
    bool m_mosaic = false;
    bool m_mosaicFailed = false;
};

namespace Picture {

// One frame of the drawing area, composed whole: the face colour, the
// displayed picture at (0, 0), the translucent palette panel with its
// swatches, and every point's ring (with the connecting line from its
// swatch for the highlighted one, -1 for none). Antialiased.
void RenderFrame(QPainter& p, QSize size, const TPictureModel& model, int highlighted, const QColor& face);

} // namespace Picture
