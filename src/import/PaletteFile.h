#pragma once

#include "ImportError.h"
#include "TColor.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// The colours of a palette file of any readable kind, chosen by the
// extension (lower-cased): .gif, .aco, .act, .gpl, .ase, .css (custom
// properties), .tokens.json, and .tv scheme files where the favourites
// library is built in (see CanReadSchemes()).
struct PaletteFileResult {
    ImportError error = ImportError::None;
    QString message; // the text to show when error != None
    QList<TColor> colors;
    QStringList names; // one per colour for formats that carry names (.tv, .gpl, .ase, .css, .tokens.json), else empty
    QString notice;    // for a file that was read: what the user should know about it (CMYK converted naively)
    bool ok() const { return error == ImportError::None; }
};

// The readers behind the extensions.
enum class PaletteKind { Unknown, Gif, Aco, Act, Scheme, Gpl, Ase, CssVars, Tokens };

namespace PaletteFile {

// The kind a path's ending names, compared without regard to case; Unknown
// for none (and for .tv where schemes cannot be read).
PaletteKind KindForPath(const QString& path);

// Every file is checked before it is opened: a FIFO, device, socket or
// folder, and a file over 64 MiB, are refused (FileRefused, with a message
// naming the file) instead of blocking or filling memory.
PaletteFileResult Read(const QString& path);

// The colours of a file's bytes for one of the named-palette kinds (Gpl,
// Ase, CssVars, Tokens): its colours and names, or Malformed with a message
// naming `path` and what is wrong, and then no colour at all.
PaletteFileResult DecodeNamed(PaletteKind kind, const QByteArray& bytes, const QString& path);

// The whole file for one of the readers (AcoReader, ActReader,
// GifPaletteReader over a QBuffer), with the same checks: None, or
// OpenFailed / FileRefused with the text to show in `message`.
ImportError ReadBytes(const QString& path, QByteArray& bytes, QString& message);

// True when .tv scheme files can be read.
bool CanReadSchemes();

} // namespace PaletteFile
