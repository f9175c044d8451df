#pragma once

#include <QString>

// Everything that can go wrong with the favourites' files. The texts are the
// ones the user sees in a message box with an OK button.
enum class FavoritesError {
    None,
    SchemeOpenFailed,   // the file cannot be opened or read
    NotValidScheme,     // wrong version, truncated data, counts past the end, malformed old file
    ImportFailed,       // an old text file could not be rewritten in the binary format
    SchemeSaveFailed,   // the scheme file cannot be created or written
    TooManyFavorites,   // more favourites than the 16-bit count of the file can hold
    SessionOpenFailed,  // the session file exists but cannot be opened or read
    SessionSaveFailed,  // the session file cannot be created or written
};

QString FavoritesErrorText(FavoritesError error);

// Shown after an old text scheme has been rewritten in the binary format.
QString OldSchemeConvertedText();
