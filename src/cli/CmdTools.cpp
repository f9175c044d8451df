// The tools' logic: mix, contrast, analyze.
#include "CliCommand.h"

#include "Analyzer.h"
#include "Contrast.h"
#include "HSLUtils.h"
#include "Mixer.h"
#include "ToolsError.h"

namespace {

CliStatus notAColour(const QString& text)
{
    return CliStatus::fail(QStringLiteral("not a colour: \"%1\" (expected RRGGBB or #RRGGBB)").arg(text));
}

// The value after the option at args[i], advancing i onto it; nothing when
// the option is the last argument.
std::optional<QString> optionValue(const QStringList& args, qsizetype& i)
{
    if (i + 1 >= args.size())
        return std::nullopt;
    ++i;
    return args[i];
}

CliStatus runMix(const QStringList& args, QTextStream& out, QTextStream&)
{
    int steps = 1;
    Tools::MixPath path = Tools::MixPath::Linear;
    QList<TColor> ends;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        if (a == QLatin1String("--steps")) {
            const auto v = optionValue(args, i);
            bool ok = false;
            steps = v ? v->toInt(&ok) : 0;
            if (!ok || Tools::CheckMixSteps(steps) != ToolsError::None)
                return CliStatus::fail(QStringLiteral("--steps \"%1\": %2")
                                           .arg(v.value_or(QString()),
                                                ToolsErrorText(ToolsError::StepsOutOfRange)));
        } else if (a == QLatin1String("--path")) {
            const auto v = optionValue(args, i);
            const auto p = v ? Tools::MixPathFromName(*v) : std::nullopt;
            if (!p)
                return CliStatus::fail(QStringLiteral("--path \"%1\": %2")
                                           .arg(v.value_or(QString()),
                                                ToolsErrorText(ToolsError::UnknownMixPath)));
            path = *p;
        } else {
            const auto c = ParseColorArgument(a);
            if (!c)
                return notAColour(a);
            ends.append(*c);
        }
    }
    if (ends.size() != 2)
        return CliStatus::fail(QStringLiteral("usage: mix --steps N --path linear|cw|ccw START END"));
    for (TColor c : Tools::MixColors(ends[0], ends[1], steps, path))
        out << FormatColor(c) << '\n';
    return CliStatus::ok();
}

CliStatus runContrast(const QStringList& args, QTextStream& out, QTextStream&)
{
    bool report = false;
    QList<TColor> colors;
    for (const QString& a : args) {
        if (a == QLatin1String("--report")) {
            report = true;
            continue;
        }
        const auto c = ParseColorArgument(a);
        if (!c)
            return notAColour(a);
        colors.append(*c);
    }
    if (colors.size() < 2)
        return CliStatus::fail(QStringLiteral("usage: contrast [--report] BG COLOR..."));
    const TColor bg = colors.first();
    for (qsizetype i = 1; i < colors.size(); ++i) {
        const TColor c = colors[i];
        out << FormatColor(c);
        if (report) {
            const double ratio = Tools::ContrastRatio(c, bg);
            out << '\t' << Tools::ContrastRatioText(ratio) << '\t'
                << Tools::WcagVerdictText(Tools::WcagVerdictFor(ratio)) << '\t'
                << Tools::ApcaContrastText(Tools::ApcaContrast(c, bg)) << '\n';
        } else {
            out << (HSLUtils::HasBrightnessContrast(bg, c) ? " yes\n" : " no\n");
        }
    }
    return CliStatus::ok();
}

// "RRGGBB:NAME" (or "#RRGGBB:NAME"); the name is everything after the first
// colon and may be empty or hold further colons.
std::optional<TFavColor> parseFavorite(const QString& text)
{
    const qsizetype colon = text.indexOf(QLatin1Char(':'));
    if (colon < 0)
        return std::nullopt;
    const auto c = ParseColorArgument(text.left(colon));
    if (!c)
        return std::nullopt;
    TFavColor f = TFavColor::fromColor(*c, false);
    f.Name = text.mid(colon + 1);
    return f;
}

CliStatus runAnalyze(const QStringList& args, QTextStream& out, QTextStream&)
{
    std::optional<int> background;
    QList<TFavColor> favorites;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        if (a == QLatin1String("--bg")) {
            const auto v = optionValue(args, i);
            bool ok = false;
            const int index = v ? v->toInt(&ok) : -1;
            if (!ok)
                return CliStatus::fail(QStringLiteral("--bg \"%1\": not an entry number").arg(v.value_or(QString())));
            background = index;
        } else if (a == QLatin1String("--fav")) {
            const auto v = optionValue(args, i);
            const auto f = v ? parseFavorite(*v) : std::nullopt;
            if (!f)
                return CliStatus::fail(QStringLiteral("--fav \"%1\": expected RRGGBB:NAME").arg(v.value_or(QString())));
            favorites.append(*f);
        } else {
            return CliStatus::fail(QStringLiteral("unexpected argument \"%1\" (usage: analyze --bg I --fav RRGGBB:NAME ...)")
                                       .arg(a));
        }
    }
    if (!background)
        return CliStatus::fail(QStringLiteral("usage: analyze --bg I --fav RRGGBB:NAME ..."));
    Tools::TAnalyzerModel model;
    model.refresh(favorites);
    if (const ToolsError e = model.selectBackground(*background); e != ToolsError::None)
        return CliStatus::fail(QStringLiteral("--bg %1: %2 (0 .. %3)")
                                   .arg(*background)
                                   .arg(ToolsErrorText(e))
                                   .arg(model.backgrounds().size() - 1));
    for (const Tools::AnalyzerEntry& e : model.texts())
        out << FormatColor(e.color) << '\t' << e.name << '\n';
    return CliStatus::ok();
}

const CliRegistrar mix({"mix", "--steps N --path linear|cw|ccw START END",
                        "print the colour mixer's list: START, N (1..58) blended colours, END", runMix});
const CliRegistrar contrast({"contrast", "[--report] BG COLOR...",
                             "whether each COLOR reads as text on BG (yes/no); --report: WCAG ratio, verdict "
                             "and APCA Lc",
                             runContrast});
const CliRegistrar analyze({"analyze", "--bg I --fav RRGGBB:NAME ...",
                            "print the analyzer's text colours for background entry I (favourites from 0, then "
                            "White, then Black)",
                            runAnalyze});

} // namespace
