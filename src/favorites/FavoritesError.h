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
    NotRegularFile,     // a FIFO, device, socket or folder given as a scheme
    FileTooLarge,       // over the readers' cap (64 MiB; 16 MiB for an old text scheme)
};

QString FavoritesErrorText(FavoritesError error);
// The same texts, naming the file for the errors that are about the file
// itself (NotRegularFile, FileTooLarge).
QString FavoritesErrorText(FavoritesError error, const QString& path);

// Shown after an old text scheme has been rewritten in the binary format.
QString OldSchemeConvertedText();
