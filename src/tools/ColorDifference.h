#pragma once

#include "TColor.h"

// Colour difference for the analyzer's colour-vision warning: CIELAB (D65)
// of sRGB colours and the CIEDE2000 difference between two of them.
namespace Tools {

struct Lab {
    double L = 0; // 0 .. 100
    double a = 0;
    double b = 0;
};

Lab SrgbToLab(TColor color);
// CIEDE2000 (kL = kC = kH = 1): about 1 is a just-noticeable difference.
double Ciede2000(const Lab& x, const Lab& y);

// Below this CIEDE2000 difference two colours read as variants of one colour
// rather than two colours: a difference of 2 to 10 is seen at a glance but
// only side by side, and text in one on the other leans on that fine
// distinction. Pairs that a deficiency brings under it get a warning.
inline constexpr double kConfusableDifference = 10.0;

// True when `text` on `background` stays apart for normal vision but the
// colour-vision mode (ColorVision::Mode, with the studio's own simulation)
// brings them within kConfusableDifference.
bool HardToTellApart(TColor text, TColor background, int colorVisionMode);

} // namespace Tools
