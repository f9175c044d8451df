#pragma once

#include "FavoritesError.h"
#include "SchemeData.h"

#include <QByteArray>

// The old text scheme (version 2), one value a line:
//   0       "TVver2"
//   1..3    red, green, blue of the base colour, decimal
//   4, 5    unused
//   6..10   five favourite slots "R.G.B"; a slot whose first field is "---" is empty
//   11..14  page, header, navigation and main backgrounds (decimal TColor)
//   15..19  page header, header, body header, main and link texts (decimal TColor)
// Lines end in CR LF or LF; surrounding spaces of any value are ignored.
// Lines after line 19 are not read.
namespace OldSchemeFormat {

// True when the first line of the bytes is exactly "TVver2".
bool IsOldScheme(const QByteArray& bytes);

// Reads and checks every value: fewer than 20 lines, a channel that is not a
// decimal 0..255, a slot without exactly three fields or a colour that is not
// a 32-bit decimal give NotValidScheme and leave `out` alone. Converted
// favourites are named "Color n" by their position among the converted ones,
// collapsed.
FavoritesError Parse(const QByteArray& bytes, TSchemeData& out);

} // namespace OldSchemeFormat
