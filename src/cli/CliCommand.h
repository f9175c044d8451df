#pragma once

#include "TColor.h"

#include <QString>
#include <QStringList>
#include <QTextStream>

#include <optional>
#include <vector>

// What a subcommand ends with: an exit code for the run, or an error that
// main() prints on stderr before exiting with the status's code: 2 for a
// bad argument or input (fail), 1 when the command's own work failed, such
// as a file that could not be written (failedWork).
struct CliStatus {
    int exitCode = 0;
    QString error;

    static CliStatus ok(int code = 0) { return {code, {}}; }
    static CliStatus fail(QString message) { return {2, std::move(message)}; }
    static CliStatus failedWork(QString message) { return {1, std::move(message)}; }
};

struct CliCommand {
    const char* name;
    const char* usage;   // arguments after the name, e.g. "RRGGBB"
    const char* summary; // one line for --help
    CliStatus (*run)(const QStringList& args, QTextStream& out, QTextStream& err);
    bool drawsText = false; // needs the font database: runs under an offscreen QGuiApplication
};

// Subcommands register themselves from their own source files.
const std::vector<CliCommand>& CliCommands();
struct CliRegistrar {
    explicit CliRegistrar(const CliCommand& command);
};

// RRGGBB or #RRGGBB, either case, exactly six digits.
std::optional<TColor> ParseColorArgument(const QString& text);
// The colour as six upper-case digits.
QString FormatColor(TColor color);
