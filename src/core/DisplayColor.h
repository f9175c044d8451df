#pragma once

#include "TColor.h"

// Colour-vision simulation for drawing. Stored colours never pass through
// here; only what a view of the main window paints does.
namespace ColorVision {

// 0 normal vision, 1 protanopia, 2 deuteranopia, 3 tritanopia, 4 protanomaly,
// 5 deuteranomaly, 6 tritanomaly, 7 typical monochromacy, 8 atypical monochromacy.
enum Mode : int { Normal = 0, Protanopia, Deuteranopia, Tritanopia, Protanomaly, Deuteranomaly,
                  Tritanomaly, TypicalMono, AtypicalMono, ModeCount };

// The mode every DisplayColor call uses. Out-of-range values are taken as 0.
int CurrentMode();
void SetCurrentMode(int mode);

} // namespace ColorVision

// The colour to draw for a true colour under the current mode; the identity
// with normal vision.
TColor DisplayColor(TColor color);
