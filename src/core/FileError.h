#pragma once

#include <QString>

// What can go wrong when a whole file is read or written through SafeFile.
enum class FileError {
    None,
    NotRegular,   // the target exists and is a device, FIFO, socket or folder
    TooLarge,     // the file is bigger than the reader's cap
    OpenFailed,   // the file (or its temporary copy) cannot be opened or created
    ReadFailed,   // a read of the file failed
    WriteFailed,  // a write, flush, sync or the final rename failed
    WriterFailed, // the writer callback gave up without a device error (its own reason)
    OutOfMemory,  // the contents do not fit in memory
};

// The text for an error on `path`, with the system's text (`detail`) where
// there is one: "Cannot write \"<path>\": No space left on device".
QString FileErrorText(FileError error, const QString& path, const QString& detail = {});
