#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// One run of a program as a child process, measured by the kernel. The
// calling thread keeps running its event loop while it waits, so a
// TTestHttpServer owned by that thread answers the child.
struct TTestChildRun {
    bool started = false;
    bool exited = false;     // ended by exit(), not by a signal
    int exitCode = -1;
    bool killedAtTimeLimit = false;
    bool killedAtRssLimit = false; // resident set seen above rssLimitKiB while running
    // ru_maxrss of the child as wait4 reports it (KiB). The kernel counts in
    // it the high-water mark of the memory the child was started from (this
    // process's, at the time of the start), so it is an upper bound.
    long maxRssKiB = 0;
    long peakRssSeenKiB = 0; // the child's own VmHWM, last read while it ran (about every 5 ms)
    QByteArray out;          // everything written to stdout
    QByteArray err;          // everything written to stderr
};

struct TTestChildLimits {
    int timeLimitMs = 120000;  // killed (SIGKILL) when still running after this
    long rssLimitKiB = 0;      // > 0: killed as soon as its resident set exceeds this
};

// Starts `program` with `args` (no shell), waits for it and reaps it with
// wait4. The limits only keep a runaway child from hurting the machine; a
// test asserts on maxRssKiB and the output, never on how long it ran.
TTestChildRun runMeasuredChild(const QString& program, const QStringList& args, const TTestChildLimits& limits = {});

// A resident-set bound for a child process: `plainKiB` in an ordinary build,
// four times that under AddressSanitizer, whose shadow memory and quarantine
// count too (and whose test process, inherited in wait4's figure, grows).
long childRssBoundKiB(long plainKiB);
