#pragma once

#include "TColor.h"

#include <array>

// The 24 colours derived from a base colour.
//   0..11  the twelve wheel hues; entry 0 is the base colour regenerated
//          from its own HSL triple, entry i lies i steps further round.
//   12..17 the shades of entries 0, 2, 4, 6, 8, 10 with lightness moved by 0.1
//          (up when the base lightness is at most 0.7, down otherwise).
//   18..23 the same six with lightness moved by 0.2.
using TWheelColors = std::array<TColor, 24>;

namespace Workspace {

// The colour c as the display shows it. Every display the program supports
// has 24 or 32 bits per pixel, where this is the identity; the depth
// parameter gives the nearest 5-6-5 colour for a 16-bit display and the
// nearest 5-5-5 colour for a 15-bit one.
TColor ScreenColor(TColor c, int bitsPerPixel = 32);

// The computer wheel: hues evenly spaced in HSL, each entry through ScreenColor.
TWheelColors GenerateWheelRGB(TColor base);

// The traditional red-yellow-blue wheel: a 360-step walk in degrees whose
// step size depends on the rounded hue, sampled every 30 steps. Two hue
// zones nudge saturation and lightness, and the nudges persist for the rest
// of the walk.
TWheelColors GenerateWheelRYB(TColor base);

// GenerateWheelRYB when ryb is true, GenerateWheelRGB otherwise.
TWheelColors GenerateWheelColors(TColor base, bool ryb);

} // namespace Workspace
