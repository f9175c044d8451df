#pragma once

#include <QString>

enum class ExportError {
    None,
    CreateFailed,  // the target cannot be created or written (system text beside)
    EncodeFailed,  // the GIF encoder refused the image (its text beside)
    UnknownFormat, // no writer for the format index or extension
};

// "Cannot create file \"<path>\". <system text>" for CreateFailed; the
// detail itself for EncodeFailed.
QString ExportErrorText(ExportError error, const QString& path, const QString& detail = {});
