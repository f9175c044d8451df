#include "ExportError.h"

QString ExportErrorText(ExportError error, const QString& path, const QString& detail)
{
    switch (error) {
    case ExportError::None:
        return {};
    case ExportError::CreateFailed:
        return QStringLiteral("Cannot create file \"%1\". %2").arg(path, detail);
    case ExportError::EncodeFailed:
        return detail;
    case ExportError::UnknownFormat:
        return QStringLiteral("Unknown export file type: ") + path;
    }
    return {};
}
