#pragma once

#include "TColor.h"

#include <QString>
#include <QStringList>
#include <QStringView>

class TRegex;

// Text operations of the harvest. Everything is pattern matching over plain
// text with the fixed expressions below; no CSS or HTML is parsed, so odd
// input gives odd but predictable results.
namespace cssparser {

// The harvest's expressions, compiled once for the life of the program.
struct TCssExpressions {
    const TRegex& rule;          // lazy: a selector-ish run, "{", up to the first "}"
    const TRegex& selectorBody;  // greedy: [^}?{]+
    const TRegex& colorProperty; // greedy: a colour property, ":", up to ";"
    const TRegex& colorLiteral;  // lazy: #RRGGBB, #RGB, rgb(n,n,n) with optional %
    const TRegex& propertyName;  // greedy: [^:]+
    const TRegex& comment;       // lazy: /* ... */
    const TRegex& styleBlock;    // lazy: <style ...> ... </style>
    const TRegex& styleMarkers;  // lazy: style tags, "<!--", "-->"
    const TRegex& importStatement; // lazy: @import ... ;
    const TRegex& sheetReference;  // lazy: [^"'(]*\.css
    const TRegex& linkTag;       // lazy: <link ... stylesheet ... >
    const TRegex& channelNumber; // greedy: [0-9]{1,3}
};
const TCssExpressions& Expressions();

// Removes leading and trailing characters with codes 0..32.
QString Trim(QStringView text);
QStringView TrimView(QStringView text); // the same, without a copy

// Removes every /* ... */ (each ends at the first "*/"); an unterminated
// "/*" stays.
QString StripCssComments(const QString& text);

// The first colour literal in the text, or empty: "#" with six hexadecimal
// digits (preferred, whatever follows), "#" with three, or "rgb(" with three
// numbers of 1..3 digits each with an optional "%", commas without spaces, ")".
QString FindColorValue(QStringView text);

// A document is read as a style sheet when its name is longer than three
// characters and ends in "css" (case-sensitive: "getcss" is one, "S.CSS" is
// not); anything else is read as a page.
bool IsStyleSheetName(const QString& documentName);

// What one fetched document gives the harvest before anything it refers to
// is fetched. A sheet: its text without comments, and the references of its
// @import statements. A page: its <style> blocks in order, each followed by
// CR LF, with the style tags, "<!--" and "-->" removed; the references of
// the @import statements in them; then the references of its stylesheet
// <link> tags. References are as written (not yet resolved).
struct TDocumentScan {
    QString styleText;
    QStringList imports;
    QStringList links;
};
TDocumentScan ScanDocument(const QString& body, bool isStyleSheet);

// Everything before the first ":" of a declaration, trimmed.
QString CssPropertyName(QStringView text);

// A colour literal as a colour. rgb(...) with any "%": the first three
// numbers are percentages (each at most 100), channel = round(n / 100 * 255)
// ties to even; rgb(...) without: the numbers are channels (each at most 255);
// seven characters: #RRGGBB; four: #RGB with each digit doubled; anything else
// (and hexadecimal text that is not hexadecimal) is black.
TColor CssColorToColor(const QString& literal);

} // namespace cssparser
