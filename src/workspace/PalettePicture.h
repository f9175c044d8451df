#pragma once

#include "DisplayColor.h"
#include "TColor.h"

#include <QImage>
#include <QPoint>
#include <QSize>

// The colour palette strip under the view area, in one of three kinds.
namespace Workspace {

enum class PaletteKind : int { Websafe = 0, Spectrum = 1, WebsafeSpectrum = 2 };

// The kind for a stored setting value; anything unknown is the websafe palette.
PaletteKind PaletteKindFromValue(int value);

inline constexpr QSize kPaletteSize{257, 47};

// Websafe square n (0..215): red 51 * (n div 36), green 51 * ((n div 6) mod 6),
// blue 51 * (n mod 6); its 8 x 8 square (outline included) at
// (2 + 7 * (n mod 36), 2 + 7 * (n div 36)).
TColor WebsafeSquareColor(int n);
QPoint WebsafeSquareOrigin(int n);

// The spectrum's true colour for column i (0..251) and level j (6..47):
// HSLToRGB(i / 257, 0.9, j / 47), snapped to the websafe grid when asked.
TColor SpectrumColor(int i, int j, bool websafe);

// The picture of a kind at the given size, every colour drawn through display.
QImage BuildPalettePicture(PaletteKind kind, QSize size = kPaletteSize, const TDisplayMapper& display = {});

// Whether the pixel (x, y) of a palette picture can be picked: inside the
// frame, and not black unless in the top-left square (so the websafe
// palette's black square is pickable while the black outlines are not).
bool PalettePixelCounts(const QImage& picture, QPoint pos);

} // namespace Workspace
