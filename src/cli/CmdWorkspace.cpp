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

// Parses "NAME [--rgb] RRGGBB" where NAME is one of the command names of
// `table` (harmonies, suggestion styles): the entry's index and the wheel
// generated from the colour.
template <class Table>
CliStatus namedWheelArguments(const QStringList& args, const char* usage, const char* kind, const Table& table,
                              int (*indexFromName)(const QString&), int& index, TWheelColors& wheel)
{
    if (args.isEmpty())
        return CliStatus::fail(QStringLiteral("usage: ") + QLatin1String(usage));
    index = indexFromName(args.first());
    if (index < 0) {
        QStringList names;
        for (const auto& entry : table)
            names << QLatin1String(entry.cliName);
        return CliStatus::fail(QStringLiteral("unknown %1 \"%2\" (expected one of %3)")
                                   .arg(QLatin1String(kind), args.first(), names.join(QStringLiteral(", "))));
    }
    TColor base{};
    bool ryb = true;
    if (CliStatus s = wheelArguments(args.mid(1), base, ryb); !s.error.isEmpty())
        return s;
    wheel = Workspace::GenerateWheelColors(base, ryb);
    return CliStatus::ok();
}

CliStatus runHarmony(const QStringList& args, QTextStream& out, QTextStream&)
{
    int type = -1;
    TWheelColors wheel{};
    if (CliStatus s = namedWheelArguments(args, "harmony TYPE [--rgb] RRGGBB", "harmony", Workspace::kHarmonies,
                                          &Workspace::HarmonyIndexFromName, type, wheel);
        !s.error.isEmpty())
        return s;
    for (TColor c : Workspace::HarmonySwatchColors(Workspace::HarmonyType(type), wheel))
        out << FormatColor(c) << '\n';
    return CliStatus::ok();
}

CliStatus runSuggest(const QStringList& args, QTextStream& out, QTextStream&)
{
    int style = -1;
    TWheelColors wheel{};
    if (CliStatus s = namedWheelArguments(args, "suggest STYLE [--rgb] RRGGBB", "style", Workspace::kSuggestionStyles,
                                          &Workspace::SuggestionIndexFromName, style, wheel);
        !s.error.isEmpty())
        return s;
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
