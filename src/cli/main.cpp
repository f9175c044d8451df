// tintvale: the studio's colour arithmetic and file formats for scripts.
#include "CliCommand.h"
#include "Version.h"

#include <QCoreApplication>
#include <QGuiApplication>

#include <algorithm>
#include <cstdio>
#include <memory>

namespace {

void printHelp(QTextStream& out)
{
    out << "Usage: tintvale COMMAND [ARGUMENTS]\n\n"
           "Colours are written RRGGBB (six hexadecimal digits, upper case);\n"
           "colour arguments accept RRGGBB or #RRGGBB in either case.\n\n"
           "Commands:\n";
    std::vector<CliCommand> commands = CliCommands();
    std::sort(commands.begin(), commands.end(),
              [](const CliCommand& a, const CliCommand& b) { return qstrcmp(a.name, b.name) < 0; });
    for (const CliCommand& c : commands) {
        out << "  " << c.name << ' ' << c.usage << '\n';
        out << "      " << c.summary << '\n';
    }
    out << "\nExit codes: 0 success, 1 a command's own failure (see its text), 2 bad arguments or input.\n";
}

} // namespace

int main(int argc, char* argv[])
{
    // A command that draws text (a PDF) needs fonts, which only a QGuiApplication has.
    const bool gui = argc > 1 && std::any_of(CliCommands().begin(), CliCommands().end(), [&](const CliCommand& c) {
        return c.drawsText && qstrcmp(argv[1], c.name) == 0;
    });
    if (gui && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const std::unique_ptr<QCoreApplication> application =
        gui ? std::make_unique<QGuiApplication>(argc, argv) : std::make_unique<QCoreApplication>(argc, argv);
    QCoreApplication& app = *application;
    QTextStream out(stdout);
    QTextStream err(stderr);
    QStringList args = app.arguments().mid(1);
    if (args.isEmpty()) {
        printHelp(err);
        return 2;
    }
    const QString name = args.takeFirst();
    if (name == QLatin1String("--version")) {
        out << "tintvale " << Version::kText << '\n';
        return 0;
    }
    if (name == QLatin1String("--help") || name == QLatin1String("-h") || name == QLatin1String("help")) {
        printHelp(out);
        return 0;
    }
    for (const CliCommand& c : CliCommands()) {
        if (name == QLatin1String(c.name)) {
            const CliStatus status = c.run(args, out, err);
            out.flush();
            if (!status.error.isEmpty()) {
                err << "tintvale " << c.name << ": " << status.error << '\n';
                return status.exitCode == 0 ? 2 : status.exitCode;
            }
            return status.exitCode;
        }
    }
    err << "tintvale: unknown command \"" << name << "\" (see tintvale --help)\n";
    return 2;
}
