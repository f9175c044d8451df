// A fault-injection layer for file writes, loaded into a program under test
// with LD_PRELOAD (built only for the tests). It counts the calls that write
// to files under one folder and makes the Nth of them fail, the way a full
// disk or a failing device does, so that a test can run a writer once per
// call and check that no failure is ever lost.
//
// Controlled by the environment of the program:
//   TV_FAULT_DIR         the folder (absolute); only files under it that are
//                        opened for writing (and renames into it) count
//   TV_FAULT_OPS         which calls count, comma-separated: write (write,
//                        pwrite, writev), sync (fsync, fdatasync), close,
//                        rename (rename, renameat, renameat2, link, linkat);
//                        all of them when unset
//   TV_FAULT_AT          N: the Nth counted call fails (1-based); 0 or unset
//                        only counts
//   TV_FAULT_PERSIST     1: every counted call from the Nth on fails (a disk
//                        that stays full), else only the Nth
//   TV_FAULT_ERRNO       ENOSPC (default) or EIO
//   TV_FAULT_COUNT_FILE  a file outside the folder that holds the number of
//                        calls counted so far (rewritten at every call, so it
//                        is right however the program ends)
//   TV_FAULT_TRACE       1: one line on stderr for every counted call
//                        ("fault-shim: 3 sync fd 4"), to see what N hit
// A failed close still releases the descriptor, as close(2) does on Linux;
// a failed write, sync or rename does nothing.
#include <atomic>
#include <cerrno>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include <dlfcn.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/uio.h>
#include <unistd.h>

namespace {

enum Op : unsigned { OpWrite = 1, OpSync = 2, OpClose = 4, OpRename = 8 };

struct Config {
    std::string dir;
    unsigned ops = OpWrite | OpSync | OpClose | OpRename;
    long at = 0;
    bool persist = false;
    int error = ENOSPC;
    int countFd = -1;
    bool trace = false;
};

template <typename F>
F next(const char* name)
{
    return reinterpret_cast<F>(dlsym(RTLD_NEXT, name));
}

using OpenFn = int (*)(const char*, int, ...);
using OpenAtFn = int (*)(int, const char*, int, ...);
using WriteFn = ssize_t (*)(int, const void*, size_t);
using PWriteFn = ssize_t (*)(int, const void*, size_t, off_t);
using WriteVFn = ssize_t (*)(int, const struct iovec*, int);
using FdFn = int (*)(int);
using RenameFn = int (*)(const char*, const char*);
using RenameAtFn = int (*)(int, const char*, int, const char*);
using RenameAt2Fn = int (*)(int, const char*, int, const char*, unsigned);
using LinkAtFn = int (*)(int, const char*, int, const char*, int);

constexpr int kMaxFds = 65536;
std::atomic<unsigned char> g_tracked[kMaxFds];
std::atomic<long> g_count{0};

Config* config()
{
    // Set up on first use: the loader may call into us before constructors run.
    static Config* c = [] {
        auto* cfg = new Config;
        if (const char* d = std::getenv("TV_FAULT_DIR"); d && *d) {
            cfg->dir = d;
            while (cfg->dir.size() > 1 && cfg->dir.back() == '/')
                cfg->dir.pop_back();
        }
        if (const char* o = std::getenv("TV_FAULT_OPS"); o && *o) {
            cfg->ops = 0;
            const std::string ops = o;
            if (ops.find("write") != std::string::npos)
                cfg->ops |= OpWrite;
            if (ops.find("sync") != std::string::npos)
                cfg->ops |= OpSync;
            if (ops.find("close") != std::string::npos)
                cfg->ops |= OpClose;
            if (ops.find("rename") != std::string::npos)
                cfg->ops |= OpRename;
        }
        if (const char* a = std::getenv("TV_FAULT_AT"))
            cfg->at = std::strtol(a, nullptr, 10);
        if (const char* p = std::getenv("TV_FAULT_PERSIST"))
            cfg->persist = std::strcmp(p, "1") == 0;
        if (const char* e = std::getenv("TV_FAULT_ERRNO"); e && std::strcmp(e, "EIO") == 0)
            cfg->error = EIO;
        if (const char* t = std::getenv("TV_FAULT_TRACE"))
            cfg->trace = std::strcmp(t, "1") == 0;
        if (const char* f = std::getenv("TV_FAULT_COUNT_FILE"); f && *f) {
            static const auto realOpen = next<OpenFn>("open");
            cfg->countFd = realOpen(f, O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
        }
        return cfg;
    }();
    return c;
}

bool under(const std::string& path)
{
    const Config* c = config();
    if (c->dir.empty())
        return false;
    return path == c->dir || (path.size() > c->dir.size() && path.compare(0, c->dir.size(), c->dir) == 0
                              && path[c->dir.size()] == '/');
}

// An absolute form of `path` relative to `dirfd` (no symbolic links resolved).
std::string absolute(int dirfd, const char* path)
{
    if (!path)
        return {};
    if (path[0] == '/')
        return path;
    char base[4096];
    if (dirfd == AT_FDCWD) {
        if (!getcwd(base, sizeof base))
            return path;
    } else {
        char link[64];
        std::snprintf(link, sizeof link, "/proc/self/fd/%d", dirfd);
        const ssize_t n = readlink(link, base, sizeof base - 1);
        if (n <= 0)
            return path;
        base[n] = '\0';
    }
    return std::string(base) + "/" + path;
}

// Descriptors opened for writing under the folder count; files only read
// there (their closes too) do not.
void track(int fd, int dirfd, const char* path, int flags)
{
    const bool writing = (flags & O_ACCMODE) != O_RDONLY || (flags & __O_TMPFILE) == __O_TMPFILE;
    if (fd >= 0 && fd < kMaxFds)
        g_tracked[fd].store(writing && under(absolute(dirfd, path)) ? 1 : 0);
}

bool tracked(int fd) { return fd >= 0 && fd < kMaxFds && g_tracked[fd].load() != 0; }

const char* opName(Op op)
{
    switch (op) {
    case OpWrite: return "write";
    case OpSync: return "sync";
    case OpClose: return "close";
    case OpRename: return "rename";
    }
    return "?";
}

// Counts a call of kind `op` (on descriptor `fd`, or -1) and tells whether it
// is the one to fail.
bool failHere(Op op, int fd)
{
    Config* c = config();
    if (!(c->ops & op))
        return false;
    const long n = ++g_count;
    static const auto realPWrite = next<PWriteFn>("pwrite");
    static const auto realWrite = next<WriteFn>("write");
    if (c->countFd >= 0) {
        char text[32];
        const int len = std::snprintf(text, sizeof text, "%-20ld\n", n);
        realPWrite(c->countFd, text, size_t(len), 0);
    }
    const bool fail = c->at > 0 && (n == c->at || (c->persist && n > c->at));
    if (c->trace) {
        char text[96];
        const int len = std::snprintf(text, sizeof text, "fault-shim: %ld %s fd %d%s\n", n, opName(op), fd,
                                      fail ? " FAILS" : "");
        realWrite(2, text, size_t(len));
    }
    return fail;
}

int failWith()
{
    errno = config()->error;
    return -1;
}

mode_t modeOf(int flags, va_list args)
{
    return (flags & O_CREAT) || (flags & __O_TMPFILE) == __O_TMPFILE ? mode_t(va_arg(args, int)) : 0;
}

} // namespace

extern "C" {

#define TV_SHIM_OPEN(name)                                                                                             \
    int name(const char* path, int flags, ...)                                                                         \
    {                                                                                                                  \
        static const auto real = next<OpenFn>(#name);                                                                  \
        va_list args;                                                                                                  \
        va_start(args, flags);                                                                                         \
        const mode_t mode = modeOf(flags, args);                                                                       \
        va_end(args);                                                                                                  \
        const int fd = real(path, flags, mode);                                                                        \
        track(fd, AT_FDCWD, path, flags);                                                                                     \
        return fd;                                                                                                     \
    }
TV_SHIM_OPEN(open)
TV_SHIM_OPEN(open64)

#define TV_SHIM_OPENAT(name)                                                                                           \
    int name(int dirfd, const char* path, int flags, ...)                                                              \
    {                                                                                                                  \
        static const auto real = next<OpenAtFn>(#name);                                                                \
        va_list args;                                                                                                  \
        va_start(args, flags);                                                                                         \
        const mode_t mode = modeOf(flags, args);                                                                       \
        va_end(args);                                                                                                  \
        const int fd = real(dirfd, path, flags, mode);                                                                 \
        track(fd, dirfd, path, flags);                                                                                        \
        return fd;                                                                                                     \
    }
TV_SHIM_OPENAT(openat)
TV_SHIM_OPENAT(openat64)

// The fortified forms a program built with _FORTIFY_SOURCE calls.
int __open_2(const char* path, int flags) { return open(path, flags); }
int __open64_2(const char* path, int flags) { return open64(path, flags); }
int __openat_2(int dirfd, const char* path, int flags) { return openat(dirfd, path, flags); }
int __openat64_2(int dirfd, const char* path, int flags) { return openat64(dirfd, path, flags); }
int creat(const char* path, mode_t mode) { return open(path, O_CREAT | O_WRONLY | O_TRUNC, mode); }
int creat64(const char* path, mode_t mode) { return open64(path, O_CREAT | O_WRONLY | O_TRUNC, mode); }

ssize_t write(int fd, const void* buffer, size_t count)
{
    static const auto real = next<WriteFn>("write");
    if (tracked(fd) && failHere(OpWrite, fd))
        return failWith();
    return real(fd, buffer, count);
}

ssize_t pwrite(int fd, const void* buffer, size_t count, off_t offset)
{
    static const auto real = next<PWriteFn>("pwrite");
    if (tracked(fd) && failHere(OpWrite, fd))
        return failWith();
    return real(fd, buffer, count, offset);
}

ssize_t pwrite64(int fd, const void* buffer, size_t count, off_t offset)
{
    static const auto real = next<PWriteFn>("pwrite64");
    if (tracked(fd) && failHere(OpWrite, fd))
        return failWith();
    return real(fd, buffer, count, offset);
}

ssize_t writev(int fd, const struct iovec* vector, int count)
{
    static const auto real = next<WriteVFn>("writev");
    if (tracked(fd) && failHere(OpWrite, fd))
        return failWith();
    return real(fd, vector, count);
}

int fsync(int fd)
{
    static const auto real = next<FdFn>("fsync");
    if (tracked(fd) && failHere(OpSync, fd))
        return failWith();
    return real(fd);
}

int fdatasync(int fd)
{
    static const auto real = next<FdFn>("fdatasync");
    if (tracked(fd) && failHere(OpSync, fd))
        return failWith();
    return real(fd);
}

int close(int fd)
{
    static const auto real = next<FdFn>("close");
    const bool counted = tracked(fd);
    if (fd >= 0 && fd < kMaxFds)
        g_tracked[fd].store(0);
    const int result = real(fd);
    if (counted && failHere(OpClose, fd))
        return failWith();
    return result;
}

int rename(const char* from, const char* to)
{
    static const auto real = next<RenameFn>("rename");
    if ((under(absolute(AT_FDCWD, to)) || under(absolute(AT_FDCWD, from))) && failHere(OpRename, -1))
        return failWith();
    return real(from, to);
}

int renameat(int fromDir, const char* from, int toDir, const char* to)
{
    static const auto real = next<RenameAtFn>("renameat");
    if ((under(absolute(toDir, to)) || under(absolute(fromDir, from))) && failHere(OpRename, -1))
        return failWith();
    return real(fromDir, from, toDir, to);
}

int renameat2(int fromDir, const char* from, int toDir, const char* to, unsigned flags)
{
    static const auto real = next<RenameAt2Fn>("renameat2");
    if ((under(absolute(toDir, to)) || under(absolute(fromDir, from))) && failHere(OpRename, -1))
        return failWith();
    return real(fromDir, from, toDir, to, flags);
}

int link(const char* from, const char* to)
{
    static const auto real = next<RenameFn>("link");
    if (under(absolute(AT_FDCWD, to)) && failHere(OpRename, -1))
        return failWith();
    return real(from, to);
}

int linkat(int fromDir, const char* from, int toDir, const char* to, int flags)
{
    static const auto real = next<LinkAtFn>("linkat");
    if (under(absolute(toDir, to)) && failHere(OpRename, -1))
        return failWith();
    return real(fromDir, from, toDir, to, flags);
}

} // extern "C"
