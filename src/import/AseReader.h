#pragma once

#include "TNamedPalette.h"

#include <QByteArray>
#include <QIODevice>

// Adobe Swatch Exchange (.ase) version 1, all numbers big-endian:
//   "ASEF", version major 1 and minor (2 bytes each), block count (4 bytes),
//   then blocks: type (2), length of the rest of the block (4), contents.
//   0xC001 group start:  name length n (2, UTF-16 units with the final NUL), name
//   0xC002 group end:    nothing
//   0x0001 colour:       name length and name as above, model (4 ASCII bytes),
//                        32-bit IEEE floats, colour type (2: 0 global, 1 spot, 2 normal)
//     "RGB "  red, green, blue 0..1
//     "CMYK"  cyan, magenta, yellow, black 0..1, converted naively:
//             channel = (1 - ink) (1 - black); no ink profile is applied
//     "LAB "  L* / 100, a*, b* under D50, adapted to D65 with the Bradford
//             transform and converted to sRGB
//     "Gray"  0 black .. 1 white
// When CMYK swatches were converted, the result's notice says how many and
// that no colour profile was used. Channels are clamped to 0..1 and rounded (ties to even) to 0..255.
// Blocks are read to the end of the file (writers disagree on whether the
// count includes group ends); other block types are stepped over by their
// length. Groups are flattened in order; a colour inside a group is named
// "<group>/<name>" only when another colour of the file has the same name.
// A block cut short, a length running past its block or the file, a group
// end without a start, an unknown colour model, a value that is not a finite
// number, a name over the cap or more colours than the cap refuse the file.
namespace AseReader {

TNamedPalette Read(QIODevice& device);
TNamedPalette Parse(const QByteArray& bytes);

// CIE L*a*b* (D50) to an sRGB colour: Bradford adaptation to D65, the sRGB
// matrix and transfer curve, clamped and rounded.
TColor LabToColor(long double L, long double a, long double b);
// Naive CMYK (0..1 each) to RGB.
TColor CmykToColor(long double c, long double m, long double y, long double k);

} // namespace AseReader
