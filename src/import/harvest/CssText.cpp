#include "CssText.h"

#include "Rounding.h"
#include "TRegex.h"

#include <algorithm>

namespace cssparser {

namespace {
using Q = TRegex::Quantifiers;
} // namespace

const TCssExpressions& Expressions()
{
    // Read as a class, [^<!--;] excludes "<", the codes 33..45 ("!" to "-")
    // and ";". The leading "{" of "{.*}" begins no counted repetition and is a
    // literal.
    static const TRegex rule(QStringLiteral(R"re(([^<!--;]+[##.>,:\w\d\s\n_-]*(\[.+\])?[##.>,:\w\d\s\n_-]*){.*})re"), Q::Lazy);
    static const TRegex selectorBody(QStringLiteral(R"re([^}?{]+)re"), Q::Greedy);
    static const TRegex colorProperty(QStringLiteral(R"re((color|background|background-color|border|border-color|border-bottom|border-top|border-left|border-right)\s*:[^;]+)re"), Q::Greedy);
    static const TRegex colorLiteral(QStringLiteral(R"re((#([0-9A-Fa-f]{6}|[0-9A-Fa-f]{3}))|(rgb\([0-9]{1,3}%?,[0-9]{1,3}%?,[0-9]{1,3}%?\)))re"), Q::Lazy);
    static const TRegex propertyName(QStringLiteral(R"re([^:]+)re"), Q::Greedy);
    static const TRegex comment(QStringLiteral(R"re(/\*.*\*/)re"), Q::Lazy);
    static const TRegex styleBlock(QStringLiteral(R"re(<style.*>.*</style>)re"), Q::Lazy);
    static const TRegex styleMarkers(QStringLiteral(R"re((</?style.*>)|(<!--)|(-->))re"), Q::Lazy);
    static const TRegex importStatement(QStringLiteral(R"re(@import.+;)re"), Q::Lazy);
    static const TRegex sheetReference(QStringLiteral(R"re([^"'\(]*\.css)re"), Q::Lazy);
    static const TRegex linkTag(QStringLiteral(R"re(<link.+(stylesheet)+.+>)re"), Q::Lazy);
    static const TRegex channelNumber(QStringLiteral(R"re([0-9]{1,3})re"), Q::Greedy);
    static const TCssExpressions all{rule, selectorBody, colorProperty, colorLiteral, propertyName, comment,
                                     styleBlock, styleMarkers, importStatement, sheetReference, linkTag,
                                     channelNumber};
    return all;
}

QStringView TrimView(QStringView text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text[begin].unicode() <= 32)
        ++begin;
    while (end > begin && text[end - 1].unicode() <= 32)
        --end;
    return text.mid(begin, end - begin);
}

QString Trim(QStringView text)
{
    return TrimView(text).toString();
}

QString StripCssComments(const QString& text)
{
    // Every comment begins with "/*": without one the text stays as it is,
    // shared rather than copied.
    if (!text.contains(QLatin1StringView("/*")))
        return text;
    return Expressions().comment.removeAll(text);
}

bool IsStyleSheetName(const QString& documentName)
{
    return documentName.size() > 3 && documentName.endsWith(QLatin1StringView("css"));
}

namespace {

// The sheet references of the @import statements in a text, in order.
QStringList importReferences(const QString& text)
{
    const TCssExpressions& re = Expressions();
    QStringList list;
    re.importStatement.forEach(text, [&](QStringView statement) {
        re.sheetReference.forEach(statement, [&](QStringView ref) {
            list.append(ref.toString());
            return true;
        });
        return true;
    });
    return list;
}

} // namespace

TDocumentScan ScanDocument(const QString& body, bool isStyleSheet)
{
    const TCssExpressions& re = Expressions();
    TDocumentScan scan;
    QString clean = StripCssComments(body);
    if (isStyleSheet) {
        scan.imports = importReferences(clean);
        scan.styleText = std::move(clean);
        return scan;
    }
    QString style;
    re.styleBlock.forEach(clean, [&](QStringView block) {
        style += block;
        style += QLatin1StringView("\r\n");
        return true;
    });
    scan.styleText = re.styleMarkers.removeAll(style);
    scan.imports = importReferences(scan.styleText);
    re.linkTag.forEach(clean, [&](QStringView tag) {
        re.sheetReference.forEach(tag, [&](QStringView ref) {
            scan.links.append(ref.toString());
            return true;
        });
        return true;
    });
    return scan;
}

QString FindColorValue(QStringView text)
{
    return Expressions().colorLiteral.first(text);
}

QString CssPropertyName(QStringView text)
{
    return Trim(Expressions().propertyName.first(text));
}

namespace {

int hexByte(QStringView two, bool& ok)
{
    bool good = false;
    const int v = two.toString().toInt(&good, 16);
    // toInt accepts a sign or "0x"; only two plain hexadecimal digits count.
    const auto isHex = [](QChar c) {
        return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F');
    };
    if (!good || two.size() != 2 || !isHex(two[0]) || !isHex(two[1]))
        ok = false;
    return v;
}

TColor fromHexDigits(QStringView six)
{
    bool ok = true;
    const int r = hexByte(six.mid(0, 2), ok);
    const int g = hexByte(six.mid(2, 2), ok);
    const int b = hexByte(six.mid(4, 2), ok);
    return ok ? MakeColor(r, g, b) : clBlack;
}

} // namespace

TColor CssColorToColor(const QString& literal)
{
    const QString lower = literal.toLower();
    if (lower.left(3) == QLatin1StringView("rgb")) {
        int n[3] = {0, 0, 0};
        int found = 0;
        Expressions().channelNumber.forEach(literal, [&](QStringView m) {
            n[found++] = m.toInt();
            return found < 3;
        });
        if (literal.contains(u'%')) {
            int c[3];
            for (int i = 0; i < 3; ++i)
                c[i] = HSLUtils::RoundChannel(static_cast<long double>(std::min(n[i], 100)) / 100);
            return MakeColor(c[0], c[1], c[2]);
        }
        return MakeColor(std::min(n[0], 255), std::min(n[1], 255), std::min(n[2], 255));
    }
    if (literal.size() == 7)
        return fromHexDigits(QStringView(literal).mid(1));
    if (literal.size() == 4) {
        const QChar d[6] = {literal[1], literal[1], literal[2], literal[2], literal[3], literal[3]};
        return fromHexDigits(QStringView(d, 6));
    }
    return clBlack;
}

} // namespace cssparser
