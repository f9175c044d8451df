#pragma once

#include "TColor.h"

#include <QString>
#include <QStringList>

#include <optional>

// Builds the colour-vision simulation table that the studio loads from
// core/data/colorvision.txt. Not part of the studio: the table is generated
// by hand with tv_gen_colorvision and the committed file is what ships.
//
// Dichromat colours follow the confusion-line construction of Meyer and
// Greenberg (1988): the colour's chromaticity is moved along the line through
// the deficiency's confusion point until it meets that deficiency's colour
// axis, keeping its luminance, and is then pulled toward a fixed mid grey until
// it fits the RGB cube. The work is done in double precision with six-digit
// constants; some 29 channels of the table land within 0.01 of a rounding
// boundary, so more precise constants would move them and the committed file
// stays the reference.
namespace ColorVisionGen {

enum class Dichromacy { Protan, Deutan, Tritan };

// The colour as seen with the deficiency. unrounded, when given, receives the
// three channels in 0..255 before rounding to the nearest integer. No colour
// when the confusion line runs parallel to the colour axis or has no slope,
// which happens for no websafe colour.
std::optional<TColor> SimulateDichromacy(TColor color, Dichromacy kind, double* unrounded = nullptr);

// The mean of the true colour and the dichromat colour, each channel rounded
// down: the anomalous-trichromacy column beside each dichromacy column.
TColor Anomalous(TColor color, TColor dichromat);

// One table row "RRGGBB=c1|...|c8" for a websafe colour: protanopia,
// deuteranopia, tritanopia, the three anomalous colours, then typical and
// atypical monochromacy.
// No row when a dichromat colour cannot be constructed.
std::optional<QString> TableRow(TColor websafe);

// All 216 rows from "FFFFFF=..." down to "000000=...", or the key of the
// first row that cannot be built in failedKey.
std::optional<QStringList> GenerateTable(QString* failedKey = nullptr);

} // namespace ColorVisionGen
