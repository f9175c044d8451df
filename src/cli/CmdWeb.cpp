// Web colour harvesting: harvest.
#include "CliCommand.h"

#include "CssText.h"
#include "HarvestError.h"
#include "TCssParser.h"
#include "WebImport.h"

namespace {

// One output line per property: control characters inside a selector (a
// selector list written over several lines) become spaces.
QString oneLine(const QString& text)
{
    QString s = text;
    for (QChar& c : s)
        if (c.unicode() < 32)
            c = u' ';
    return s;
}

// The harvest keeps bytes as they came (one character per byte); print them
// as the bytes they were, which shows UTF-8 pages correctly.
QString asSent(const QString& text)
{
    return QString::fromUtf8(text.toLatin1());
}

CliStatus runHarvest(const QStringList& args, QTextStream& out, QTextStream& err)
{
    if (args.size() != 1)
        return CliStatus::fail(QStringLiteral("expected exactly one address"));
    const QString& location = args.first();
    if (!cssparser::IsWebLocationAccepted(location) && location.contains(QLatin1StringView("://")))
        return CliStatus::fail(QStringLiteral("not an http:// or https:// address: \"%1\"").arg(location));
    const QString address = cssparser::WebImportAddress(location);
    TCssParser parser;
    TRules rules;
    const bool ok = parser.HarvestWebColors(address, rules);
    for (const TCSSRule& rule : rules)
        for (const TCSSProp& prop : rule.Props)
            out << asSent(oneLine(rule.Selector)) << '\t' << asSent(prop.Name) << '\t' << prop.Value << '\t'
                << FormatColor(cssparser::CssColorToColor(prop.Value)) << '\n';
    if (!ok) {
        out.flush();
        err << "tintvale harvest: some documents could not be fetched from " << address << '\n';
        // What went wrong, by address, and what was left unfetched.
        if (const QString report = HarvestReportText(parser.report()); !report.isEmpty())
            err << report << '\n';
        return CliStatus::ok(1);
    }
    return CliStatus::ok();
}

const CliRegistrar harvest({"harvest", "URL",
                            "print the colours of a web page and its style sheets: selector, property, value, RRGGBB "
                            "(tab-separated); exit 1 when a page or sheet could not be fetched",
                            runHarvest});

} // namespace
