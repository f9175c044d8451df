#pragma once

#include "ExportError.h"
#include "TExportList.h"

#include <QString>

struct ExportResult {
    ExportError error = ExportError::None;
    QString message;  // the text to show when error != None
    int leftOut = 0;  // GIF only: swatches left out because the colour table was full
    bool ok() const { return error == ExportError::None; }
};

namespace ExportFile {

// Writes the list to `path` in format `format` (ExportFormat order) through
// QSaveFile: an existing file is replaced, and a failure leaves no partial
// file behind. The GIF and ACT writers take the first 256 colours; the GIF
// writer leaves out trailing swatches that would push the image past 256
// colours and says how many in leftOut. The AI date is today's date in the
// user's short date format.
ExportResult Write(int format, const TExportList& list, const QString& path);

// The message for a GIF export that left swatches out (empty for none).
QString LeftOutText(int leftOut);

} // namespace ExportFile
