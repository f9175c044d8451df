#include "FileError.h"

#include <QDir>

QString FileErrorText(FileError error, const QString& path, const QString& detail)
{
    const QString name = QDir::toNativeSeparators(path);
    QString text;
    switch (error) {
    case FileError::None:
        return {};
    case FileError::NotRegular:
        return QStringLiteral("\"%1\" is not a regular file.").arg(name);
    case FileError::TooLarge:
        text = QStringLiteral("\"%1\" is too large.").arg(name);
        break;
    case FileError::OpenFailed:
        text = QStringLiteral("Cannot open \"%1\".").arg(name);
        break;
    case FileError::ReadFailed:
        text = QStringLiteral("Cannot read \"%1\".").arg(name);
        break;
    case FileError::WriteFailed:
    case FileError::WriterFailed:
        text = QStringLiteral("Cannot write \"%1\".").arg(name);
        break;
    case FileError::OutOfMemory:
        text = QStringLiteral("\"%1\" does not fit in memory.").arg(name);
        break;
    }
    if (!detail.isEmpty())
        text += QLatin1Char(' ') + detail;
    return text;
}
