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
// SafeFile::Save: an existing file is replaced whole or not at all (a full
// disk or an I/O error at any write, the flush or the rename is
// CreateFailed with the system's text, and the earlier file stays as it
// was); a symbolic link is followed and the file it names replaced; a target
// that is a device, FIFO, socket or folder is refused. The GIF and ACT writers take the first 256 colours; the GIF
// writer leaves out trailing swatches that would push the image past 256
// colours and says how many in leftOut. The AI date is today's date in the
// user's short date format.
ExportResult Write(int format, const TExportList& list, const QString& path);

// The message for a GIF export that left swatches out (empty for none).
QString LeftOutText(int leftOut);

} // namespace ExportFile
