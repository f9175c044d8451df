// Colour-vision simulation: simulate.
#include "CliCommand.h"

#include "DisplayColor.h"

namespace {

QString modeNames()
{
    QStringList names;
    for (const ColorVision::ModeInfo& m : ColorVision::kModes)
        names.append(QLatin1String(m.cliName));
    return names.join(QStringLiteral(", "));
}

CliStatus runSimulate(const QStringList& args, QTextStream& out, QTextStream&)
{
    if (args.size() < 2)
        return CliStatus::fail(QStringLiteral("usage: simulate MODE RRGGBB... (MODE one of %1)").arg(modeNames()));
    int mode = -1;
    for (const ColorVision::ModeInfo& m : ColorVision::kModes) {
        if (args[0] == QLatin1String(m.cliName))
            mode = m.mode;
    }
    if (mode < 0)
        return CliStatus::fail(QStringLiteral("unknown mode \"%1\" (expected one of %2)").arg(args[0], modeNames()));
    QList<TColor> colors;
    for (qsizetype i = 1; i < args.size(); ++i) {
        const auto c = ParseColorArgument(args[i]);
        if (!c)
            return CliStatus::fail(QStringLiteral("not a colour: \"%1\" (expected RRGGBB or #RRGGBB)").arg(args[i]));
        colors.append(*c);
    }
    if (mode != ColorVision::Normal && mode < ColorVision::TypicalMono) {
        if (const ColorVisionError e = ColorVision::LoadTable(); e != ColorVisionError::None)
            return CliStatus::fail(ColorVisionErrorText(e));
    }
    for (TColor c : colors)
        out << FormatColor(ColorVision::SimulateColor(c, mode)) << '\n';
    return CliStatus::ok();
}

const CliRegistrar simulate({"simulate", "MODE RRGGBB...",
                             "print each colour as seen under a colour-vision mode (normal, protanopia, deuteranopia, "
                             "tritanopia, protanomaly, deuteranomaly, tritanomaly, typical-mono, atypical-mono)",
                             runSimulate});

} // namespace
