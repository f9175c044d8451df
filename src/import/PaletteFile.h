#pragma once

#include "ImportError.h"
#include "TColor.h"

#include <QList>
#include <QString>
#include <QStringList>

// The colours of a palette file of any readable kind, chosen by the
// extension (lower-cased): .gif, .aco, .act, and .tv scheme files where the
// favourites library is built in (see CanReadSchemes()).
struct PaletteFileResult {
    ImportError error = ImportError::None;
    QString message; // the text to show when error != None
    QList<TColor> colors;
    QStringList names; // one per colour for formats that carry names (.tv), else empty
    bool ok() const { return error == ImportError::None; }
};

namespace PaletteFile {

PaletteFileResult Read(const QString& path);

// True when .tv scheme files can be read.
bool CanReadSchemes();

} // namespace PaletteFile
