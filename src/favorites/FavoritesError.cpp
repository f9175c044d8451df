#include "FavoritesError.h"

#include "FileError.h"

#include <QDir>

QString FavoritesErrorText(FavoritesError error)
{
    switch (error) {
    case FavoritesError::None:
        return {};
    case FavoritesError::SchemeOpenFailed:
        return QStringLiteral("An error has occured while opening the scheme file.");
    case FavoritesError::NotValidScheme:
        return QStringLiteral("Not a valid Color Scheme File!");
    case FavoritesError::ImportFailed:
        return QStringLiteral("An error has occured while importing the scheme");
    case FavoritesError::SchemeSaveFailed:
        return QStringLiteral("An error has occured while saving the scheme file");
    case FavoritesError::TooManyFavorites:
        return QStringLiteral("A scheme file holds at most 65535 favorite colors. "
                              "Delete some colors before saving; nothing has been written.");
    case FavoritesError::SessionOpenFailed:
        return QStringLiteral("An error has occured while opening the session");
    case FavoritesError::SessionSaveFailed:
        return QStringLiteral("An error has occured while saving the session");
    case FavoritesError::NotRegularFile:
        return QStringLiteral("The file is not a regular file.");
    case FavoritesError::FileTooLarge:
        return QStringLiteral("The file is too large to be a scheme file.");
    }
    return {};
}

QString FavoritesErrorText(FavoritesError error, const QString& path)
{
    switch (error) {
    case FavoritesError::NotRegularFile:
        return FileErrorText(FileError::NotRegular, path);
    case FavoritesError::FileTooLarge:
        return QStringLiteral("\"%1\" is too large to be a scheme file.").arg(QDir::toNativeSeparators(path));
    default:
        return FavoritesErrorText(error);
    }
}

QString OldSchemeConvertedText()
{
    return QStringLiteral("Successfully converted old file type to new Studio format!");
}
