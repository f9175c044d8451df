#pragma once

#include "FavoritesError.h"
#include "SchemeData.h"

#include <QString>
#include <QStringList>

#include <functional>

// Scheme and session files on disk. Nothing here touches program state:
// each function reads or writes a whole file and hands back data or an error.

struct TSchemeOpenResult {
    FavoritesError error = FavoritesError::None;
    TSchemeData data;          // valid when error is None
    bool converted = false;    // an old text file was rewritten in the binary format
    // The texts to show the user one after another (OK boxes): the conversion
    // notice, and on failure the error text(s).
    QStringList messages;
};

// Every reader refuses a file that is not a regular file (FIFO, device,
// folder: NotRegularFile, checked before the file is opened, so nothing
// blocks), and one larger than 64 MiB, or an old text scheme larger than
// 16 MiB (FileTooLarge). Every save goes through SafeFile::Save: a full disk
// or an I/O error keeps the earlier file whole and fails; a save onto a
// symbolic link replaces the file it names and keeps the link.

// Opens a scheme file of either format. An old "TVver2" text file is read and
// checked completely, then rewritten in place in the binary format (through
// QSaveFile) and read back. A malformed old file is reported as not valid and
// left untouched; one that cannot be rewritten reports ImportFailed and then
// NotValidScheme, and nothing is opened.
TSchemeOpenResult OpenSchemeFile(const QString& path);

// Reads a scheme of either format without ever writing: old text files are
// converted in memory only (for the command line). `message`, when given,
// receives the text to show on failure (naming the file where the text can).
FavoritesError ReadSchemeFile(const QString& path, TSchemeData& out, QString* message = nullptr);

// Writes the scheme through QSaveFile: the old file stays intact until the
// new one is complete. TooManyFavorites is refused before any file is
// created. `progress`, when given, is called after each chunk written with
// the number of bytes written so far.
FavoritesError SaveSchemeFile(const QString& path, const TSchemeData& data,
                              const std::function<void(qint64)>& progress = {});

// "session.tmp" in the given folder.
QString SessionFilePath(const QString& folder);
// A missing session file is no error: `exists` is false and `out` untouched.
// The version word is not checked and what follows the records is ignored
// when it is not a whole preview block (SchemeFormat::ParseSession). Any
// other failure is SessionOpenFailed; the file itself is never changed.
FavoritesError LoadSessionFile(const QString& path, TSchemeData& out, bool* exists = nullptr);
// Failures (TooManyFavorites included) are SessionSaveFailed; nothing is written then.
FavoritesError SaveSessionFile(const QString& path, const TSchemeData& data);
