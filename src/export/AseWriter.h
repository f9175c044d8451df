#pragma once

#include "TExportList.h"

#include <QByteArray>
#include <QIODevice>

// Adobe Swatch Exchange 1.0, big-endian: "ASEF", 1, 0, the number of
// colours, then per colour one colour block of type 0x0001: its length, the
// name length in UTF-16 units with the final NUL, the name in UTF-16 and a
// NUL, the model "RGB ", red, green and blue / 255 as 32-bit floats, and the
// colour type 0 (global). Names are the export names without NUL characters,
// cut to 4,096 units.
namespace AseWriter {

QByteArray Bytes(const TExportList& list);
bool Write(QIODevice& device, const TExportList& list);

} // namespace AseWriter
