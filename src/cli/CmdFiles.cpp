// Palette files: colors, convert.
#include "CliCommand.h"

#include "ExportFile.h"
#include "ExportFormat.h"
#include "PaletteFile.h"
#include "TExportList.h"

namespace {

const QString cssVarsOption = QStringLiteral("--css-vars");

// Takes the --css-vars option out of the arguments; true when it was there.
bool takeCssVars(QStringList& args)
{
    return args.removeAll(cssVarsOption) > 0;
}

CliStatus runColors(const QStringList& arguments, QTextStream& out, QTextStream& err)
{
    QStringList args = arguments;
    takeCssVars(args); // .css is read as custom properties with or without it
    if (args.size() != 1)
        return CliStatus::fail(QStringLiteral("usage: colors [--css-vars] FILE"));
    const PaletteFileResult r = PaletteFile::Read(args.first());
    if (!r.ok())
        return CliStatus::fail(r.message);
    if (!r.notice.isEmpty())
        err << "tintvale colors: " << r.notice << '\n';
    for (qsizetype i = 0; i < r.colors.size(); ++i) {
        out << FormatColor(r.colors[i]);
        if (i < r.names.size())
            out << '\t' << r.names[i];
        out << '\n';
    }
    return CliStatus::ok();
}

CliStatus runConvert(const QStringList& arguments, QTextStream&, QTextStream& err)
{
    QStringList args = arguments;
    const bool cssVars = takeCssVars(args);
    if (args.size() != 2)
        return CliStatus::fail(QStringLiteral("usage: convert [--css-vars] IN OUT"));
    int format = ExportFormatForPath(args[1]);
    if (format < 0)
        return CliStatus::fail(QStringLiteral("unknown output type \"%1\" (expected .html, .css, .gif, .aco, .ai, "
                                              ".acf, .txt, .act, .gpl, .ase or .tokens.json)")
                                   .arg(args[1]));
    if (cssVars) {
        if (format != int(ExportFormat::Css))
            return CliStatus::fail(QStringLiteral("--css-vars needs a .css output, not \"%1\"").arg(args[1]));
        format = int(ExportFormat::CssVars);
    }
    const PaletteFileResult in = PaletteFile::Read(args[0]);
    if (!in.ok())
        return CliStatus::fail(in.message);
    if (!in.notice.isEmpty())
        err << "tintvale convert: " << in.notice << '\n';
    // The input's colours stand for the favourites group alone: named
    // colours keep their names, the others are numbered.
    const TExportList list(in.colors, in.names);
    const ExportResult r = ExportFile::Write(format, list, args[1]);
    // OUT could not be written (full disk, I/O error, not a regular file):
    // the command's own failure, exit 1; the earlier OUT is left as it was.
    if (r.error == ExportError::CreateFailed)
        return CliStatus::failedWork(r.message);
    if (!r.ok())
        return CliStatus::fail(r.message);
    if (r.leftOut > 0)
        err << "tintvale convert: " << ExportFile::LeftOutText(r.leftOut) << '\n';
    return CliStatus::ok();
}

const CliRegistrar colors({"colors", "[--css-vars] FILE",
                           "print the colours of a palette file (.tv, .aco, .act, .gif, .gpl, .ase, .tokens.json, "
                           "and .css custom properties), one a line, with <TAB>name where the file has names",
                           runColors});
const CliRegistrar convert({"convert", "[--css-vars] IN OUT",
                            "write the colours of IN to OUT in the format its extension names (.html, .css, "
                            ".gif, .aco, .ai, .acf, .txt, .act, .gpl, .ase, .tokens.json); with --css-vars a .css "
                            "OUT holds custom properties (:root { --name: #rrggbb; }) instead of classes",
                            runConvert});

} // namespace
