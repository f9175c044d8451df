#include "ImportError.h"

QString ImportErrorText(ImportError error, const QString& path, const QString& detail)
{
    switch (error) {
    case ImportError::None:
        return {};
    case ImportError::OpenFailed:
        return QStringLiteral("Error importing file from: ") + path;
    case ImportError::DecodeFailed:
        return detail.isEmpty() ? QStringLiteral("The file cannot be read as a GIF image: ") + path : detail;
    case ImportError::UnknownFormat:
        return QStringLiteral("Unknown palette file type: ") + path;
    case ImportError::FileRefused:
        return detail;
    case ImportError::Malformed:
        return QStringLiteral("Cannot read the palette file %1: %2.").arg(path, detail);
    }
    return {};
}
