#pragma once

#include <QString>

// Failures of the palette readers.
enum class ImportError {
    None,
    OpenFailed,    // the file cannot be opened for reading
    DecodeFailed,  // the GIF decoder rejected the file (its message is kept beside)
    UnknownFormat, // no reader for the file's extension
    FileRefused,   // not a regular file, or over the 64 MiB cap (the text naming it is kept beside)
    Malformed,     // a named-palette reader refused the contents (what is wrong goes in detail)
};

// The text shown for an error on `path`; for DecodeFailed the decoder's
// message, passed as `detail`, is the text; for Malformed the text names the
// file and what is wrong with it.
QString ImportErrorText(ImportError error, const QString& path, const QString& detail = {});
