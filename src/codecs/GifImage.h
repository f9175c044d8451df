#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QRect>
#include <QSize>

#include <cstdint>

// One entry of a GIF colour table, as stored in the file.
struct GifColor {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    friend bool operator==(const GifColor&, const GifColor&) = default;
};
using GifColorTable = QList<GifColor>;

// One image of the file, in file order. The table is the frame's own (local)
// colour table, empty when the frame has none.
struct GifFrameInfo {
    QRect rect; // position and size on the logical screen
    bool interlaced = false;
    GifColorTable localTable;
    int transparentIndex = -1; // from the graphic control extension; -1 for none
    int delayCentiseconds = 0;
    int disposal = 0;          // disposal method 0..7 of the graphic control extension
};

// A decoded GIF: the logical screen, the global table, every frame's
// description and the pixel indices of the first frame (the only frame whose
// raster is decoded; later frames are listed, their data skipped).
class GifImage {
public:
    // The largest screen or frame, in pixels, that is decoded or drawn.
    static constexpr qint64 MaxPixels = qint64(1) << 26;

    QSize screenSize;
    GifColorTable globalTable; // empty when the file has none
    int backgroundIndex = 0;
    QList<GifFrameInfo> frames;
    // Indices of frame 0, rect.width() per row, rows top to bottom in display
    // order (interlaced data already put in place).
    QByteArray firstFrameIndices;

    // The table that colours frame `frame`: its local table when that has an
    // entry, else the global table when that has entries, else the (empty)
    // local table. Empty for a frame index out of range.
    GifColorTable activeColorTable(qsizetype frame = 0) const;

    // Frame 0 drawn on the logical screen (enlarged to hold the frame where a
    // file places it beyond the screen) as Format_ARGB32: the frame's pixels
    // opaque, its transparent index and the screen outside the frame with
    // alpha 0. An index beyond the table paints opaque black. Null when the
    // file has no frame or the screen exceeds MaxPixels.
    QImage firstFrameImage() const;
};
