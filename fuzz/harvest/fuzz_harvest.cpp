// Any bytes through the harvest's scanners, as the harvest meets them: the
// first line is the address the document came from, the rest its body, one
// character per byte. The body is scanned both as a page and as a sheet,
// its style text split into rules, every literal converted and every
// reference resolved against the address. Stops (traps) on a broken
// invariant of the results as well as on the sanitizers' findings.
#include "CssText.h"
#include "TCssParser.h"
#include "TDocLocation.h"

#include <QCoreApplication>

#include <cstddef>
#include <cstdint>
#include <memory>

namespace {

void check(bool condition)
{
    if (!condition)
        __builtin_trap();
}

bool isTrimmed(const QString& text)
{
    return text.isEmpty() || (text.front().unicode() > 32 && text.back().unicode() > 32);
}

void checkRules(const TRules& rules)
{
    for (const TCSSRule& rule : rules) {
        check(rule.Count == rule.Props.size());
        check(isTrimmed(rule.Selector));
        for (const TCSSProp& prop : rule.Props) {
            check(isTrimmed(prop.Name) && !prop.Name.isEmpty());
            check(!prop.Value.isEmpty());
            // A recorded value is one whole literal: found again as itself.
            check(cssparser::FindColorValue(prop.Value) == prop.Value);
            const TColor c = cssparser::CssColorToColor(prop.Value);
            check((static_cast<std::uint32_t>(c) >> 24) == 0);
        }
    }
}

void checkLocation(const TDocLocation& loc)
{
    check(loc.hostBase.startsWith(QLatin1StringView("http://")) || loc.hostBase.startsWith(QLatin1StringView("https://")));
    check(loc.pathBase.startsWith(loc.hostBase));
    check(loc.pathBase.endsWith(u'/'));
    check(!loc.documentName.contains(u'/'));
}

TCssParser& parser()
{
    static std::unique_ptr<TCssParser> p;
    if (!p)
        p = std::make_unique<TCssParser>();
    return *p;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    static QCoreApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString text = QString::fromLatin1(reinterpret_cast<const char*>(data), qsizetype(size));
    const qsizetype eol = text.indexOf(u'\n');
    const QString address = eol < 0 ? text : text.left(eol);
    const QString body = eol < 0 ? QString() : text.mid(eol + 1);

    const TDocLocation location = TDocLocation::parse(address);
    checkLocation(location);
    (void)TDocLocation::hostOf(address);
    TCssParser& p = parser();
    p.setLocation(location);

    for (const bool isSheet : {false, true}) {
        const cssparser::TDocumentScan scan = cssparser::ScanDocument(body, isSheet);
        if (isSheet)
            check(scan.links.isEmpty());
        TRules rules;
        check(TCssParser::ParseRules(scan.styleText, rules));
        checkRules(rules);
        TRules capped;
        const bool whole = TCssParser::ParseRules(scan.styleText, capped, 2);
        check(capped.size() <= 2 && (whole || capped.size() == 2));
        for (const QStringList* refs : {&scan.imports, &scan.links}) {
            for (const QString& ref : *refs) {
                const QString resolved = p.ResolveSheetUrl(ref);
                check(resolved.endsWith(ref));
                checkLocation(TDocLocation::parse(resolved));
            }
        }
    }
    (void)cssparser::CssColorToColor(address);
    (void)cssparser::CssPropertyName(body);
    return 0;
}
