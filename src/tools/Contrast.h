#pragma once

#include "TColor.h"

#include <QString>

// Contrast figures for a text colour on a background, beyond the analyzer's
// brightness test: the WCAG 2.2 contrast ratio with its conformance verdict
// and the APCA lightness contrast (APCA-W3 0.0.98G-4g).
namespace Tools {

// WCAG 2.2 relative luminance of an sRGB colour, 0 (black) .. 1 (white):
// 0.2126 R + 0.7152 G + 0.0722 B of the linearised channels (c / 12.92 up to
// 0.04045, ((c + 0.055) / 1.055)^2.4 above).
long double RelativeLuminance(TColor color);
// (L_lighter + 0.05) / (L_darker + 0.05): 1 (equal) .. 21 (black and white),
// symmetric in its arguments. Not rounded: the verdict compares the exact
// ratio, so 4.48 shown never passes AA.
double ContrastRatio(TColor a, TColor b);

enum class WcagVerdict {
    AAA,         // 7 or more: enhanced contrast for normal text
    AA,          // 4.5 or more
    AALargeOnly, // 3 or more: AA for large text only
    Fail,
};
WcagVerdict WcagVerdictFor(double ratio);
// "AAA", "AA", "AA large text only", "fail".
QString WcagVerdictText(WcagVerdict verdict);
// The ratio with two decimals, rounded half to even on the hundredths ("4.48").
QString ContrastRatioText(double ratio);

// APCA lightness contrast Lc of `text` on `background`, about -108 .. 106:
// positive for dark text on a light background, negative for light on dark,
// 0 below the clipping threshold (|Lc| < 10 before the offset).
double ApcaContrast(TColor text, TColor background);
// Lc with two decimals ("63.06", "-107.88").
QString ApcaContrastText(double lc);

} // namespace Tools
