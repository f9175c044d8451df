// Colour conversions: hsl, hsv, snap.
#include "CliCommand.h"

#include "HSLUtils.h"

namespace {

CliStatus withOneColor(const QStringList& args, TColor& color)
{
    if (args.size() != 1)
        return CliStatus::fail(QStringLiteral("expected exactly one colour RRGGBB"));
    const auto c = ParseColorArgument(args.first());
    if (!c)
        return CliStatus::fail(QStringLiteral("not a colour: \"%1\" (expected RRGGBB or #RRGGBB)").arg(args.first()));
    color = *c;
    return CliStatus::ok();
}

QString triple(double a, double b, double c)
{
    return QString::asprintf("%.17g %.17g %.17g", a, b, c);
}

CliStatus runHsl(const QStringList& args, QTextStream& out, QTextStream&)
{
    TColor color{};
    if (CliStatus s = withOneColor(args, color); !s.error.isEmpty())
        return s;
    double h, s, l;
    HSLUtils::RGBToHSL(color, h, s, l);
    out << triple(h, s, l) << '\n';
    return CliStatus::ok();
}

CliStatus runHsv(const QStringList& args, QTextStream& out, QTextStream&)
{
    TColor color{};
    if (CliStatus s = withOneColor(args, color); !s.error.isEmpty())
        return s;
    double h, s, v;
    HSLUtils::RGBToHSV(color, h, s, v);
    out << triple(h, s, v) << '\n';
    return CliStatus::ok();
}

CliStatus runSnap(const QStringList& args, QTextStream& out, QTextStream&)
{
    if (args.size() < 2)
        return CliStatus::fail(QStringLiteral("usage: snap websafe|websmart RRGGBB..."));
    int mode;
    if (args[0] == QLatin1String("websafe"))
        mode = HSLUtils::SnapWebsafe;
    else if (args[0] == QLatin1String("websmart"))
        mode = HSLUtils::SnapWebSmart;
    else
        return CliStatus::fail(QStringLiteral("unknown snap mode \"%1\" (expected websafe or websmart)").arg(args[0]));
    QList<TColor> colors;
    for (qsizetype i = 1; i < args.size(); ++i) {
        const auto c = ParseColorArgument(args[i]);
        if (!c)
            return CliStatus::fail(QStringLiteral("not a colour: \"%1\" (expected RRGGBB or #RRGGBB)").arg(args[i]));
        colors.append(*c);
    }
    for (TColor c : colors)
        out << FormatColor(HSLUtils::SnapWebColor(c, mode)) << '\n';
    return CliStatus::ok();
}

const CliRegistrar hsl({"hsl", "RRGGBB", "print hue, saturation and lightness (0..1, 17 significant digits)", runHsl});
const CliRegistrar hsv({"hsv", "RRGGBB", "print hue, saturation and value (0..1, 17 significant digits)", runHsv});
const CliRegistrar snap({"snap", "websafe|websmart RRGGBB...", "snap each colour to the websafe or WebSmart grid", runSnap});

} // namespace
