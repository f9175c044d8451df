// The workspace's derived colours: wheel, harmony, suggest.
#include "CliCommand.h"

#include "Harmonies.h"
#include "Suggestions.h"
#include "WheelColors.h"

namespace {

// Parses "[--rgb] RRGGBB" (the option may stand on either side of the colour).
CliStatus wheelArguments(const QStringList& args, TColor& color, bool& ryb)
{
    ryb = true;
    QStringList rest;
    for (const QString& a : args) {
        if (a == QLatin1String("--rgb"))
            ryb = false;
        else
            rest.append(a);
    }
    if (rest.size() != 1)
        return CliStatus::fail(QStringLiteral("expected exactly one colour RRGGBB"));
    const auto c = ParseColorArgument(rest.first());
    if (!c)
        return CliStatus::fail(QStringLiteral("not a colour: \"%1\" (expected RRGGBB or #RRGGBB)").arg(rest.first()));
    color = *c;
    return CliStatus::ok();
}

CliStatus runWheel(const QStringList& args, QTextStream& out, QTextStream&)
{
    TColor base{};
    bool ryb = true;
    if (CliStatus s = wheelArguments(args, base, ryb); !s.error.isEmpty())
        return s;
    for (TColor c : Workspace::GenerateWheelColors(base, ryb))
        out << FormatColor(c) << '\n';
    return CliStatus::ok();
}

QString harmonyNames()
{
    QStringList names;
    for (const auto& h : Workspace::kHarmonies)
        names << QLatin1String(h.cliName);
    return names.join(QStringLiteral(", "));
}

CliStatus runHarmony(const QStringList& args, QTextStream& out, QTextStream&)
{
    if (args.isEmpty())
        return CliStatus::fail(QStringLiteral("usage: harmony TYPE [--rgb] RRGGBB"));
    const int type = Workspace::HarmonyIndexFromName(args.first());
    if (type < 0)
        return CliStatus::fail(QStringLiteral("unknown harmony \"%1\" (expected one of %2)").arg(args.first(), harmonyNames()));
    TColor base{};
    bool ryb = true;
    if (CliStatus s = wheelArguments(args.mid(1), base, ryb); !s.error.isEmpty())
        return s;
    const auto wheel = Workspace::GenerateWheelColors(base, ryb);
    for (TColor c : Workspace::HarmonySwatchColors(Workspace::HarmonyType(type), wheel))
        out << FormatColor(c) << '\n';
    return CliStatus::ok();
}

QString styleNames()
{
    QStringList names;
    for (const auto& s : Workspace::kSuggestionStyles)
        names << QLatin1String(s.cliName);
    return names.join(QStringLiteral(", "));
}

CliStatus runSuggest(const QStringList& args, QTextStream& out, QTextStream&)
{
    if (args.isEmpty())
        return CliStatus::fail(QStringLiteral("usage: suggest STYLE [--rgb] RRGGBB"));
    const int style = Workspace::SuggestionIndexFromName(args.first());
    if (style < 0)
        return CliStatus::fail(QStringLiteral("unknown style \"%1\" (expected one of %2)").arg(args.first(), styleNames()));
    TColor base{};
    bool ryb = true;
    if (CliStatus s = wheelArguments(args.mid(1), base, ryb); !s.error.isEmpty())
        return s;
    const auto wheel = Workspace::GenerateWheelColors(base, ryb);
    const Workspace::SuggestedScheme scheme = Workspace::ComputeSuggestion(Workspace::SuggestionStyle(style), wheel);
    out << "header=" << FormatColor(scheme.header) << '\n';
    out << "page=" << FormatColor(scheme.page) << '\n';
    out << "links=" << FormatColor(scheme.links) << '\n';
    out << "content=" << FormatColor(scheme.content) << '\n';
    if (scheme.gradient)
        out << "gradient-end=" << FormatColor(scheme.gradientEnd) << '\n';
    QStringList swatches;
    for (TColor c : Workspace::SuggestionSwatchColors(scheme))
        swatches << FormatColor(c);
    out << "swatches=" << swatches.join(QLatin1Char(',')) << '\n';
    return CliStatus::ok();
}

const CliRegistrar wheel({"wheel", "[--rgb] RRGGBB",
                          "print the 24 wheel colours (RYB wheel; --rgb: computer wheel)", runWheel});
const CliRegistrar harmony({"harmony", "TYPE [--rgb] RRGGBB",
                            "print a harmony's swatch colours (complements, split-complements, triads, tetrads, "
                            "analogous, monochromatic)",
                            runHarmony});
const CliRegistrar suggest({"suggest", "STYLE [--rgb] RRGGBB",
                            "print a suggested scheme's role and swatch colours (complementary, analogous, "
                            "mono-light, mono-dark, mono-muted, vibrant, muted, complex, minimalistic, gray)",
                            runSuggest});

} // namespace
