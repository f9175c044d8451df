#include "FavoritesError.h"

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
    }
    return {};
}

QString OldSchemeConvertedText()
{
    return QStringLiteral("Successfully converted old file type to new Studio format!");
}
