#include "SafeFile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <new>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace SafeFile {

namespace {

// Symbolic links followed before a save gives up, as the kernel's own limit.
constexpr int kMaxLinkHops = 40;
constexpr qint64 kPiece = 64 * 1024;

QString systemText(int error) { return qt_error_string(error); }

FileResult failure(FileError error, const QString& path, const QString& detail = {})
{
    return FileResult{error, path, detail};
}

// The type and size checks shared by the look before opening and the look
// at the open handle.
FileResult checkStat(const struct stat& st, const QString& path, qint64 cap)
{
    if (!S_ISREG(st.st_mode))
        return failure(FileError::NotRegular, path);
    if (st.st_size > cap)
        return failure(FileError::TooLarge, path);
    return {};
}

} // namespace

FileResult ResolveSaveTarget(const QString& path, QString& target)
{
    QString current = QFileInfo(path).absoluteFilePath();
    for (int hop = 0; hop <= kMaxLinkHops; ++hop) {
        struct stat st {};
        if (::lstat(QFile::encodeName(current).constData(), &st) != 0) {
            // Nothing there yet (or nothing we may look at): the save creates
            // the file or reports why it cannot.
            target = current;
            return {};
        }
        if (S_ISLNK(st.st_mode)) {
            const QString next = QFileInfo(current).symLinkTarget();
            if (next.isEmpty())
                return failure(FileError::OpenFailed, path, systemText(ENOENT));
            current = next;
            continue;
        }
        if (!S_ISREG(st.st_mode))
            return failure(FileError::NotRegular, path);
        target = current;
        return {};
    }
    return failure(FileError::OpenFailed, path, systemText(ELOOP));
}

FileResult Save(const QString& path, const std::function<bool(QIODevice&)>& writer)
{
    QString target;
    if (FileResult r = ResolveSaveTarget(path, target); !r.ok())
        return r;
    QSaveFile file(target);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return failure(FileError::OpenFailed, target, file.errorString());
    auto giveUp = [&](FileError error, const QString& detail) {
        file.cancelWriting();
        return failure(error, target, detail);
    };
    const bool written = writer(file);
    if (file.error() != QFileDevice::NoError)
        return giveUp(FileError::WriteFailed, file.errorString());
    if (!written)
        return giveUp(FileError::WriterFailed, {});
    // commit() flushes Qt's buffer too, but loses the error of that last
    // write: flush here, where a full disk is still seen.
    if (!file.flush())
        return giveUp(FileError::WriteFailed, file.errorString());
    // Blocks the file system has only promised (delayed allocation, network
    // file systems) fail here rather than after the rename.
    int synced;
    do {
        synced = ::fdatasync(file.handle());
    } while (synced != 0 && errno == EINTR);
    if (synced != 0)
        return giveUp(FileError::WriteFailed, systemText(errno));
    if (!file.commit())
        return failure(FileError::WriteFailed, target, file.errorString());
    return {};
}

FileResult SaveBytes(const QString& path, const QByteArray& bytes, const std::function<void(qint64)>& progress)
{
    return Save(path, [&](QIODevice& device) {
        qint64 written = 0;
        while (written < bytes.size()) {
            const qint64 n = std::min(kPiece, bytes.size() - written);
            if (device.write(bytes.constData() + written, n) != n)
                return false;
            written += n;
            if (progress)
                progress(written);
        }
        return true;
    });
}

FileResult CheckReadable(const QString& path, qint64 cap)
{
    struct stat st {};
    if (::stat(QFile::encodeName(path).constData(), &st) != 0)
        return failure(FileError::OpenFailed, path, systemText(errno));
    return checkStat(st, path, cap);
}

FileResult Read(const QString& path, qint64 cap, QByteArray& out)
{
    if (FileResult r = CheckReadable(path, cap); !r.ok())
        return r;
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    if (fd < 0)
        return failure(FileError::OpenFailed, path, systemText(errno));
    const struct Closer {
        int fd;
        ~Closer() { ::close(fd); }
    } closer{fd};
    struct stat st {};
    if (::fstat(fd, &st) != 0)
        return failure(FileError::ReadFailed, path, systemText(errno));
    if (FileResult r = checkStat(st, path, cap); !r.ok())
        return r;
    QByteArray bytes;
    try {
        bytes.reserve(qsizetype(st.st_size));
        for (;;) {
            // One byte past the cap tells a file that grew since the check.
            const qint64 room = std::min(kPiece, cap + 1 - bytes.size());
            if (room <= 0)
                return failure(FileError::TooLarge, path);
            const qsizetype at = bytes.size();
            bytes.resize(at + room);
            const ssize_t n = ::read(fd, bytes.data() + at, size_t(room));
            if (n < 0 && errno == EINTR) {
                bytes.resize(at);
                continue;
            }
            if (n < 0)
                return failure(FileError::ReadFailed, path, systemText(errno));
            bytes.resize(at + n);
            if (n == 0)
                break;
        }
    } catch (const std::bad_alloc&) {
        return failure(FileError::OutOfMemory, path);
    }
    out = std::move(bytes);
    return {};
}

} // namespace SafeFile
