#pragma once

#include "TColor.h"

#include <QPoint>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>

// The colour arithmetic of the program. Every routine is a pure function.
// HSL and HSV triples are doubles in 0..1; the hue is a fraction of a full
// turn (0 red, 1/3 green, 2/3 blue). Channel results are round(x * 255) with
// ties to even, computed in extended precision with each named quantity
// stored as a double (see Rounding.h).
namespace HSLUtils {

void RGBToHSL(TColor color, double& H, double& S, double& L);
TColor HSLToRGB(double H, double S, double L);

void RGBToHSV(TColor color, double& H, double& S, double& V);
TColor HSVToRGB(double H, double S, double V);

enum SnapMode : int { SnapWebsafe = 0, SnapWebSmart = 1 };

// Mode 0: every channel to the nearest multiple of 51 (216 colours);
// mode 1: to the nearest multiple of 17 (4096 colours); any other mode
// returns the colour unchanged, top byte included.
TColor SnapWebColor(TColor color, int mode);

// Six upper-case digits RRGGBB, no "#".
QString ColorToHex(TColor color);

// Reads RRGGBB (either case, no "#"), one to six digits read as the number
// 0xRRGGBB. Anything else is no colour: the caller decides what to do.
std::optional<TColor> HexToColor(QStringView text);

// True when the perceived brightness (R*299 + G*587 + B*114) / 1000 of the
// two colours differs by at least 125. Compared on the exact integer sums.
bool HasBrightnessContrast(TColor a, TColor b);

// Splits text at every occurrence of sep; the text after the last separator
// is the last field, so an empty text is one empty field. sep is not empty.
void SplitString(QStringList& fields, const QString& sep, const QString& text);

// The point at radius R from centre c, on the line from p1 to p2, on the side
// facing p1 (with c == p2: where the line p1-p2 meets the circle around p2).
void PolarPoint(QPoint p1, QPoint p2, QPoint c, int R, QPoint& result);

} // namespace HSLUtils
