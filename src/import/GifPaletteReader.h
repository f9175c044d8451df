#pragma once

#include "ImportError.h"
#include "TColor.h"

#include <QIODevice>
#include <QList>
#include <QString>

struct GifPaletteResult {
    ImportError error = ImportError::None;
    QString message; // the decoder's message for DecodeFailed
    QList<TColor> colors;
    bool ok() const { return error == ImportError::None; }
};

// The colours of a GIF: every entry of the first frame's active colour
// table (its local table, else the global one), index 0 upward, used by a
// pixel or not.
namespace GifPaletteReader {

GifPaletteResult Read(QIODevice& device);

} // namespace GifPaletteReader
