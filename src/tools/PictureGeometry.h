#pragma once

#include "TColor.h"

#include <QImage>
#include <QList>
#include <QPoint>
#include <QSize>

// The arithmetic of the picture palette tool: fitting, the mosaic, the
// sampling points, the floating palette panel and the hit tests. Positions
// are drawing-area pixels; the displayed picture stands at (0, 0).
namespace Picture {

inline constexpr int kMinColors = 2;
inline constexpr int kMaxColors = 9;
inline constexpr int kDefaultColors = 5;
inline constexpr int kSwatchPitch = 46;  // one swatch and its gap
inline constexpr int kPanelHeight = 60;

// 2..9; anything else (a hand-edited settings file) is brought into range.
int ClampColors(int n);

// The displayed size of a w x h picture in an a x b area: the larger side
// (width when w > h) fills the area, the other is truncated from the ratio,
// and the other way round when that overflows; a picture is shrunk to fit
// but never enlarged (its own size when the fit is wider or taller).
QSize FitPicture(QSize picture, QSize area);

// Block size of the mosaic: width div 10 (0 below 10, no mosaic).
inline int MosaicBlockSize(int width) { return width / 10; }

// The mosaic at the image's own resolution: s x s blocks from the top-left
// corner, each pixel taking its block's top-left pixel, blocks at the right
// and bottom edges cut short. Only a 24-bit picture (Format_RGB32) can be
// converted: false for any other, with the image left unchanged.
bool MakeMosaic(QImage& image);

// The displayed picture: `source` (the picture at `fullSize`, or decoded
// smaller) stretched to `fitted` with nearest pixels, in mosaic mode as the
// mosaic of the picture at its own size (blocks of MosaicBlockSize(full
// width) picture pixels, each the colour at its top-left pixel). With a
// source of the full size this is the mosaic followed by the stretch.
// `mosaicDone` (when given) is false when the mosaic could not be made.
QImage BuildDisplayed(const QImage& source, QSize fullSize, QSize fitted, bool mosaic, bool* mosaicDone = nullptr);

// One sampling point: its colour, read from the displayed picture at (X, Y),
// and its position relative to the displayed size, which keeps it in place
// when the size changes.
struct SamplePoint {
    TColor color = clBlack;
    int X = 0;
    int Y = 0;
    double RelX = 0;
    double RelY = 0;
    friend bool operator==(const SamplePoint&, const SamplePoint&) = default;
};

// The point at (x, y) of the displayed picture, with its colour.
SamplePoint PointAt(const QImage& displayed, int x, int y);

// Stable insertion sort by X, so the palette reads left to right.
void SortByX(QList<SamplePoint>& points);

// The palette panel in drawing-area pixels: right = left + 46 n + 16,
// bottom = top + 60.
struct PaletteRect {
    int left = 10;
    int top = 10;
    int right = 10 + 46 * kDefaultColors + 16;
    int bottom = 10 + kPanelHeight;
    friend bool operator==(const PaletteRect&, const PaletteRect&) = default;
};
inline int PanelWidth(int n) { return kSwatchPitch * n + 16; }
PaletteRect MakePalette(int left, int top, int n);
// Right edge kept inside the area (right <= width - 2, left following).
void KeepRightInside(PaletteRect& r, int n, int areaWidth);
// Bottom edge kept inside the area (bottom <= height - 2, top following).
void KeepBottomInside(PaletteRect& r, int areaHeight);
// The panel moved with the mouse: the press origin and the panel then.
PaletteRect MovedPalette(QPoint mouse, QPoint pressMouse, const PaletteRect& atPress, int n, QSize area);

// Hit tests. A press takes the first point within 5 pixels on both axes; a
// hover the first with point - 5 <= mouse <= point + 7 on both axes.
int PointUnderPress(const QList<SamplePoint>& points, QPoint mouse);
int PointUnderHover(const QList<SamplePoint>& points, QPoint mouse);
// The palette swatch under the mouse, or -1; `hovering` narrows the right
// margin by 2 pixels.
int SwatchAt(const PaletteRect& r, int n, QPoint mouse, bool hovering);
// Strictly inside the panel, and inside its inner area (where the hover
// looks for swatches).
bool InsidePanel(const PaletteRect& r, QPoint mouse);
bool InsidePanelInner(const PaletteRect& r, QPoint mouse);

} // namespace Picture
