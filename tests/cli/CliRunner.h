#pragma once

#include <QProcess>
#include <QStringList>

// Runs the command line and captures what it printed.
struct CliRun {
    int exitCode = -1;
    QString out;
    QString err;
};

inline CliRun RunCli(const QStringList& args, const QByteArray& input = {})
{
    QProcess p;
    p.start(QStringLiteral(TV_CLI_BIN), args);
    p.waitForStarted(10000);
    if (!input.isEmpty())
        p.write(input);
    p.closeWriteChannel();
    p.waitForFinished(60000);
    CliRun r;
    r.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    r.out = QString::fromUtf8(p.readAllStandardOutput());
    r.err = QString::fromUtf8(p.readAllStandardError());
    return r;
}
