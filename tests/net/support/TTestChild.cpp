#include "TTestChild.h"

#include <QEventLoop>
#include <QFile>
#include <QTimer>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <vector>

extern char** environ;

namespace {

#if defined(__SANITIZE_ADDRESS__)
constexpr bool kAddressSanitizer = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool kAddressSanitizer = true;
#else
constexpr bool kAddressSanitizer = false;
#endif
#else
constexpr bool kAddressSanitizer = false;
#endif

// Resident set (VmRSS) and its high-water mark (VmHWM) of a running process
// from /proc/<pid>/status (KiB), 0 when unknown.
struct Resident {
    long now = 0;
    long peak = 0;
};
Resident residentKiB(pid_t pid)
{
    Resident r;
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return r;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            r.now = line.mid(6).trimmed().split(' ').value(0).toLong();
        else if (line.startsWith("VmHWM:"))
            r.peak = line.mid(6).trimmed().split(' ').value(0).toLong();
    }
    return r;
}

void drain(int fd, QByteArray& into)
{
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n <= 0)
            return;
        into.append(buffer, n);
    }
}

} // namespace

long childRssBoundKiB(long plainKiB)
{
    return kAddressSanitizer ? plainKiB * 4 : plainKiB;
}

TTestChildRun runMeasuredChild(const QString& program, const QStringList& args, const TTestChildLimits& limits)
{
    TTestChildRun run;
    int outPipe[2];
    int errPipe[2];
    if (::pipe2(outPipe, O_CLOEXEC) != 0)
        return run;
    if (::pipe2(errPipe, O_CLOEXEC) != 0) {
        ::close(outPipe[0]);
        ::close(outPipe[1]);
        return run;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, outPipe[1], 1);
    posix_spawn_file_actions_adddup2(&actions, errPipe[1], 2);

    const QByteArray path = QFile::encodeName(program);
    std::vector<QByteArray> argBytes{path};
    for (const QString& a : args)
        argBytes.push_back(a.toLocal8Bit());
    std::vector<char*> argv;
    for (QByteArray& a : argBytes)
        argv.push_back(a.data());
    argv.push_back(nullptr);

    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, path.constData(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    ::close(outPipe[1]);
    ::close(errPipe[1]);
    if (spawned != 0) {
        ::close(outPipe[0]);
        ::close(errPipe[0]);
        return run;
    }
    run.started = true;
    ::fcntl(outPipe[0], F_SETFL, O_NONBLOCK);
    ::fcntl(errPipe[0], F_SETFL, O_NONBLOCK);

    QEventLoop loop;
    QTimer poll;
    QTimer limit;
    int status = 0;
    rusage usage{};
    bool reaped = false;
    const auto kill = [&](bool& why) {
        if (!reaped) {
            why = true;
            ::kill(pid, SIGKILL);
        }
    };
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        drain(outPipe[0], run.out);
        drain(errPipe[0], run.err);
        const pid_t done = ::wait4(pid, &status, WNOHANG, &usage);
        if (done == pid || (done < 0 && errno != EINTR)) {
            reaped = done == pid;
            loop.quit();
            return;
        }
        const Resident resident = residentKiB(pid);
        if (resident.peak > 0)
            run.peakRssSeenKiB = resident.peak;
        if (limits.rssLimitKiB > 0 && resident.now > limits.rssLimitKiB)
            kill(run.killedAtRssLimit);
    });
    QObject::connect(&limit, &QTimer::timeout, &loop, [&] { kill(run.killedAtTimeLimit); });
    poll.start(5);
    limit.setSingleShot(true);
    limit.start(limits.timeLimitMs);
    loop.exec();
    drain(outPipe[0], run.out);
    drain(errPipe[0], run.err);
    ::close(outPipe[0]);
    ::close(errPipe[0]);
    if (reaped) {
        run.maxRssKiB = usage.ru_maxrss;
        run.exited = WIFEXITED(status);
        run.exitCode = run.exited ? WEXITSTATUS(status) : -1;
    }
    return run;
}
