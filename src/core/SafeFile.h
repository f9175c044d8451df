#pragma once

#include "FileError.h"

#include <QByteArray>
#include <QIODevice>
#include <QString>

#include <functional>

// The outcome of a whole-file read or write: the error, the file it is about
// (for a save onto a symbolic link, the file the link names) and the
// system's own error text where there is one.
struct FileResult {
    FileError error = FileError::None;
    QString path;
    QString detail;
    bool ok() const { return error == FileError::None; }
    QString text() const { return FileErrorText(error, path, detail); }
};

// Whole files on disk, read and written so that nothing is lost:
// - a save goes through QSaveFile and is checked at every step (each write,
//   the flush of Qt's buffer, a data sync, the final rename), so a full disk
//   or an I/O error leaves the earlier file whole and is reported (QSaveFile
//   itself ignores the errors of its own sync and of closing the copy; both
//   come after our sync, when the new contents are already on the disk);
// - a save onto a symbolic link replaces the file the link names (the link
//   stays), and a target that is a device, FIFO, socket or folder is refused
//   before anything is created;
// - a read looks at the file's type and size with stat() before it opens
//   anything, so a FIFO or device never blocks and a huge file is refused,
//   and reads in bounded pieces.
namespace SafeFile {

inline constexpr qint64 kMiB = 1024 * 1024;
// The caps of the readers: scheme, session and palette files; old text schemes.
inline constexpr qint64 kBinaryCap = 64 * kMiB;
inline constexpr qint64 kTextCap = 16 * kMiB;

// Where a save to `path` lands: the final file a chain of symbolic links
// names (absolute), or `path` itself. NotRegular when that file exists and
// is not a regular file.
FileResult ResolveSaveTarget(const QString& path, QString& target);

// Writes the file through QSaveFile: `writer` writes the whole contents to
// the device and returns false to give up (WriterFailed, or WriteFailed when
// the device reported the error). On any failure the earlier file (or none)
// stays as it was and the temporary copy is removed.
FileResult Save(const QString& path, const std::function<bool(QIODevice&)>& writer);

// Save() of fixed bytes, written in pieces of 64 KiB; `progress` (when given)
// is called after each piece with the number of bytes written so far.
FileResult SaveBytes(const QString& path, const QByteArray& bytes, const std::function<void(qint64)>& progress = {});

// The type and size check of a read, without opening the file: OpenFailed
// for a file that does not exist, NotRegular, or TooLarge above `cap` bytes.
FileResult CheckReadable(const QString& path, qint64 cap);

// The whole file into `out` (untouched on failure), after CheckReadable().
// The file is opened without blocking and checked again on the open handle,
// so a file swapped for a FIFO in between is refused as well.
FileResult Read(const QString& path, qint64 cap, QByteArray& out);

} // namespace SafeFile
