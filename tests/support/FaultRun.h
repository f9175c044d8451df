#pragma once

// Running a program of ours under the fault-injection shim (FaultShim.cpp):
// the environment that makes its Nth write, sync, close or rename under a
// folder fail, and the number of such calls a run made.

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStringList>

#include <csignal>

struct FaultPlan {
    QString dir;      // only files under this folder count (canonical path)
    long at = 0;      // the call to fail, 1-based; 0 counts only
    bool persist = false;
    QByteArray error = "ENOSPC";
    QString countFile; // where the shim keeps its count
};

inline QProcessEnvironment FaultEnvironment(const FaultPlan& plan,
                                            QProcessEnvironment env = QProcessEnvironment::systemEnvironment())
{
    env.insert(QStringLiteral("LD_PRELOAD"), QStringLiteral(TV_FAULT_SHIM));
    env.insert(QStringLiteral("TV_FAULT_DIR"), plan.dir);
    env.insert(QStringLiteral("TV_FAULT_AT"), QString::number(plan.at));
    env.insert(QStringLiteral("TV_FAULT_PERSIST"), plan.persist ? QStringLiteral("1") : QStringLiteral("0"));
    env.insert(QStringLiteral("TV_FAULT_ERRNO"), QString::fromLatin1(plan.error));
    env.insert(QStringLiteral("TV_FAULT_COUNT_FILE"), plan.countFile);
    // In a sanitizer build the shim is loaded before the sanitizer's runtime;
    // the runtime works all the same but checks the order unless told not to.
    QString asan = env.value(QStringLiteral("ASAN_OPTIONS"));
    if (!asan.isEmpty())
        asan += QLatin1Char(':');
    env.insert(QStringLiteral("ASAN_OPTIONS"), asan + QStringLiteral("verify_asan_link_order=0"));
    return env;
}

// The calls the shim counted in the run that used `countFile` (0 when the
// program made none).
inline long FaultCount(const QString& countFile)
{
    QFile f(countFile);
    if (!f.open(QIODevice::ReadOnly))
        return 0;
    return f.readAll().trimmed().toLong();
}

struct FaultRunResult {
    bool finished = false; // ended by itself within the time given
    int exitCode = -1;
    QByteArray err;
};

// Runs the program to its end (at most `timeoutMs`; killed after that).
inline FaultRunResult RunUnderFaults(const QString& program, const QStringList& args, const QProcessEnvironment& env,
                                     int timeoutMs = 30000)
{
    QProcess p;
    p.setProcessEnvironment(env);
    p.start(program, args);
    FaultRunResult r;
    if (!p.waitForStarted(10000))
        return r;
    p.closeWriteChannel();
    r.finished = p.waitForFinished(timeoutMs);
    if (!r.finished) {
        p.kill();
        p.waitForFinished(5000);
    }
    r.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    r.err = p.readAllStandardError();
    return r;
}

// The names in a folder, hidden ones too (a save must leave no temporary
// copy behind).
inline QStringList FolderEntries(const QString& dir)
{
    return QDir(dir).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

inline QByteArray FileBytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

inline bool PutFileBytes(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size() && f.flush();
}
