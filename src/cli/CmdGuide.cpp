// Colour guides: guide.
#include "CliCommand.h"

#include "Guide.h"

namespace {

CliStatus runGuide(const QStringList& args, QTextStream& out, QTextStream& err)
{
    QString file;
    std::optional<TColor> nearest;
    for (qsizetype i = 0; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--nearest")) {
            if (i + 1 >= args.size())
                return CliStatus::fail(QStringLiteral("--nearest needs a colour"));
            nearest = ParseColorArgument(args[++i]);
            if (!nearest)
                return CliStatus::fail(
                    QStringLiteral("not a colour: \"%1\" (expected RRGGBB or #RRGGBB)").arg(args[i]));
        } else if (file.isEmpty()) {
            file = args[i];
        } else {
            return CliStatus::fail(QStringLiteral("usage: guide FILE [--nearest RRGGBB]"));
        }
    }
    if (file.isEmpty())
        return CliStatus::fail(QStringLiteral("usage: guide FILE [--nearest RRGGBB]"));
    const Tools::TGuide guide = Tools::LoadGuideFile(file);
    if (!guide.problem.isEmpty())
        return CliStatus::failedWork(guide.problem);
    if (guide.skippedLines > 0)
        err << "tintvale guide: " << guide.skippedLines << (guide.skippedLines == 1 ? " line" : " lines")
            << " of " << file << " skipped\n";
    if (nearest) {
        const int i = Tools::NearestGuideEntry(guide, *nearest);
        if (i < 0)
            return CliStatus::failedWork(QStringLiteral("%1 holds no colours").arg(file));
        out << FormatColor(guide.entries[i].color) << '\t' << guide.entries[i].name << '\n';
        return CliStatus::ok();
    }
    for (const Tools::TGuideEntry& e : guide.entries)
        out << FormatColor(e.color) << '\t' << e.name << '\n';
    return CliStatus::ok();
}

const CliRegistrar guide({"guide", "FILE [--nearest RRGGBB]",
                          "list a colour guide (name,red,green,blue table or GIMP palette) as RRGGBB<TAB>name, "
                          "or its entry nearest the colour (CIEDE2000)",
                          runGuide});

} // namespace
