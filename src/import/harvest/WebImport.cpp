#include "WebImport.h"

#include "CssText.h"

#include <QScopedValueRollback>

namespace cssparser {

namespace {
const QLatin1StringView kHttp("http://");
const QLatin1StringView kHttps("https://");
bool g_harvesting = false;
} // namespace

bool IsWebLocationAccepted(const QString& location)
{
    return location.startsWith(kHttp) || location.startsWith(kHttps);
}

bool IsDiscardedLocationKey(QChar typed)
{
    return typed == u' ';
}

QString WebImportAddress(const QString& location)
{
    return IsWebLocationAccepted(location) ? location : kHttp + location;
}

QString WebImportErrorCaption()
{
    return QStringLiteral("Import Error");
}

QString WebImportErrorText(const QString& address)
{
    return QStringLiteral("Unable to import colors from:\r\n") + address
           + QStringLiteral("\r\n\r\nPlease check the URL and then try again.");
}

QString WebImportStopText(const QString& address, const QString& report)
{
    QString lines = report;
    lines.replace(u'\n', QLatin1StringView("\r\n"));
    return QStringLiteral("Unable to import colors from:\r\n") + address + QStringLiteral("\r\n\r\n") + lines;
}

TWebImportResult HarvestForImport(const QString& location, const THarvestOptions& options)
{
    TWebImportResult result;
    result.address = WebImportAddress(location);
    if (g_harvesting) {
        result.error = HarvestError::Busy;
        result.errorText = HarvestErrorText(HarvestError::Busy);
        return result;
    }
    const QScopedValueRollback busy(g_harvesting, true);
    TCssParser parser(options);
    TRules rules;
    if (!parser.HarvestWebColors(result.address, rules)) {
        const THarvestReport& report = parser.report();
        result.detail = HarvestReportText(report);
        if (report.stop == HarvestError::None) {
            result.error = HarvestError::FetchFailed;
            result.errorText = WebImportErrorText(result.address);
        } else {
            result.error = report.stop;
            result.errorText = WebImportStopText(result.address, result.detail);
        }
        return result;
    }
    for (const TCSSRule& rule : rules)
        for (const TCSSProp& prop : rule.Props)
            result.candidates.append({CssColorToColor(prop.Value), rule.Selector + QStringLiteral(" - ") + prop.Name});
    return result;
}

} // namespace cssparser
