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

// Every file is checked before it is opened: a FIFO, device, socket or
// folder, and a file over 64 MiB, are refused (FileRefused, with a message
// naming the file) instead of blocking or filling memory.
PaletteFileResult Read(const QString& path);

// The whole file for one of the readers (AcoReader, ActReader,
// GifPaletteReader over a QBuffer), with the same checks: None, or
// OpenFailed / FileRefused with the text to show in `message`.
ImportError ReadBytes(const QString& path, QByteArray& bytes, QString& message);

// True when .tv scheme files can be read.
bool CanReadSchemes();

} // namespace PaletteFile
