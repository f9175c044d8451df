#include "CssText.h"
#include "TCssParser.h"
#include "TDocLocation.h"
#include "WebImport.h"

#include <QTest>

#include "TestRegistry.h"

using namespace cssparser;

Q_DECLARE_METATYPE(TColor)

namespace {
// "selector|name=value;name=value" per rule, rules joined by line feeds.
QString describe(const TRules& rules)
{
    QStringList out;
    for (const TCSSRule& r : rules) {
        QStringList props;
        for (const TCSSProp& p : r.Props)
            props.append(p.Name + u'=' + p.Value);
        out.append(r.Selector + u'|' + props.join(u';'));
        if (r.Count != r.Props.size())
            out.last() += QStringLiteral(" (count %1)").arg(r.Count);
    }
    return out.join(u'\n');
}
} // namespace

class tst_CssText : public QObject {
    Q_OBJECT
private slots:
    void parseRules_data();
    void parseRules();
    void findColorValue_data();
    void findColorValue();
    void propertyName_data();
    void propertyName();
    void colorToColor_data();
    void colorToColor();
    void percentChannelsMatchTheFormula();
    void stripComments_data();
    void stripComments();
    void trim();
    void location_data();
    void location();
    void resolve_data();
    void resolve();
    void webLocation_data();
    void webLocation();
    void importTexts();
};

void tst_CssText::parseRules_data()
{
    QTest::addColumn<QString>("style");
    QTest::addColumn<QString>("expected");
    QTest::newRow("hash selector at the start") << "#header{color:#fff}" << "header|color=#fff";
    QTest::newRow("hash selector after a line feed") << "\n#header{color:#fff}" << "#header|color=#fff";
    QTest::newRow("a rule without a literal") << "a{color:red} b{color:#fff}" << "b|color=#fff";
    QTest::newRow("two properties") << "p{background:#fff url(a.png);border:1px solid rgb(1,2,3)}"
                                    << "p|background=#fff;border=rgb(1,2,3)";
    QTest::newRow("border-top-color is found at color") << "h1{border-top-color: #f00}" << "h1|color=#f00";
    QTest::newRow("background-color") << "p{background-color:#FFCC00}" << "p|background-color=#FFCC00";
    QTest::newRow("rgb with spaces") << "p{color:rgb(1, 2, 3)}" << "";
    QTest::newRow("four digits give three") << "p{color:#abcd}" << "p|color=#abc";
    QTest::newRow("percentages") << "p{color:rgb(100%,80%,0%)}" << "p|color=rgb(100%,80%,0%)";
    QTest::newRow("literal outside a colour property") << "p{color:red;x:#fff}" << "|";
    QTest::newRow("attribute selector") << "a[href]{color:#111}" << "a[href]|color=#111";
    QTest::newRow("combinators") << "a,b > c{color:#111}" << "a,b > c|color=#111";
    QTest::newRow("selector list over lines") << "h1,\nh2{color:#222}" << "h1,\nh2|color=#222";
    QTest::newRow("question mark ends the body") << "p{background:url(a.png?x) #fff}" << "";
    QTest::newRow("property names are case-sensitive") << "p { COLOR: #fff }" << "";
    QTest::newRow("semicolon cuts the selector") << "x;y{color:#111}" << "y|color=#111";
    QTest::newRow("unterminated rule") << "div{color:#fff" << "";
    QTest::newRow("unterminated after a rule") << "a{color:#111}b{color:#222" << "a|color=#111";
    // One match from "a" to the only "}": its body is what lies between the
    // first "{" and the next.
    QTest::newRow("open rules before a late brace") << "a{color:#111 b{color:#222 c{x}" << "a|color=#111";
    QTest::newRow("brace after NUL is not searched")
        << (QString("a{color:#111}b{color:#222") + QChar(0) + "}") << "a|color=#111";
    QTest::newRow("in order") << "a{color:#111}\nb{border:1px solid #222;color:#333}"
                              << "a|color=#111\nb|border=#222;color=#333";
    QTest::newRow("spaces and a trailing semicolon") << "\n  p  {\n  color : #fff ;\n}\n" << "p|color=#fff";
    QTest::newRow("nested block") << "@media screen{a{color:#fff}}" << "";
    QTest::newRow("text ends at NUL") << (QString("a{color:#111}") + QChar(0) + "b{color:#222}") << "a|color=#111";
    QTest::newRow("empty") << "" << "";
}

void tst_CssText::parseRules()
{
    QFETCH(QString, style);
    QFETCH(QString, expected);
    TRules rules;
    TCssParser::ParseRules(style, rules);
    QCOMPARE(describe(rules), expected);
}

void tst_CssText::findColorValue_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QTest::newRow("six digits") << "color:#FFCC00" << "#FFCC00";
    QTest::newRow("three digits") << "x #fc0 y" << "#fc0";
    QTest::newRow("four digits") << "#abcd" << "#abc";
    QTest::newRow("eight digits") << "#abcdefab" << "#abcdef";
    QTest::newRow("two digits") << "#12" << "";
    QTest::newRow("rgb") << "rgb(255,204,0)" << "rgb(255,204,0)";
    QTest::newRow("rgb percentages") << "rgb(100%,80%,0%)" << "rgb(100%,80%,0%)";
    QTest::newRow("mixed percentages") << "rgb(1%,2,3%)" << "rgb(1%,2,3%)";
    QTest::newRow("rgb with spaces") << "rgb(1, 2, 3)" << "";
    QTest::newRow("rgba") << "rgba(1,2,3,0.5)" << "";
    QTest::newRow("four-digit number") << "rgb(1000,0,0)" << "";
    QTest::newRow("upper-case RGB") << "RGB(1,2,3)" << "";
    QTest::newRow("colour name") << "red" << "";
    QTest::newRow("leftmost wins") << "rgb(1,2,3) #fff" << "rgb(1,2,3)";
}

void tst_CssText::findColorValue()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(FindColorValue(text), expected);
}

void tst_CssText::propertyName_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QTest::newRow("plain") << "color:#fff" << "color";
    QTest::newRow("spaces") << "\n  background-color : #fff" << "background-color";
    QTest::newRow("no colon") << "color" << "color";
    QTest::newRow("leading colon") << ":x" << "x";
    QTest::newRow("empty") << "" << "";
}

void tst_CssText::propertyName()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(CssPropertyName(text), expected);
}

void tst_CssText::colorToColor_data()
{
    QTest::addColumn<QString>("literal");
    QTest::addColumn<TColor>("expected");
    QTest::newRow("#fc0") << "#fc0" << MakeColor(255, 204, 0);
    QTest::newRow("#FFCC00") << "#FFCC00" << MakeColor(255, 204, 0);
    QTest::newRow("#123456") << "#123456" << MakeColor(0x12, 0x34, 0x56);
    QTest::newRow("rgb") << "rgb(255,204,0)" << MakeColor(255, 204, 0);
    QTest::newRow("rgb percentages") << "rgb(100%,80%,0%)" << MakeColor(255, 204, 0);
    QTest::newRow("ties to even") << "rgb(50%,10%,30%)" << MakeColor(128, 26, 76);
    QTest::newRow("one % makes all percentages") << "rgb(100%,0,50)" << MakeColor(255, 0, 128);
    QTest::newRow("channels at most 255") << "rgb(300,0,0)" << MakeColor(255, 0, 0);
    QTest::newRow("percentages at most 100") << "rgb(200%,0%,999%)" << MakeColor(255, 0, 255);
    QTest::newRow("upper-case RGB") << "RGB(1,2,3)" << MakeColor(1, 2, 3);
    QTest::newRow("too few numbers") << "rgb(1,2)" << MakeColor(1, 2, 0);
    QTest::newRow("name") << "red" << clBlack;
    QTest::newRow("empty") << "" << clBlack;
    QTest::newRow("five digits") << "#12345" << clBlack;
    QTest::newRow("not hexadecimal") << "#zzzzzz" << clBlack;
    QTest::newRow("signed digits") << "#+1+1+1" << clBlack;
    QTest::newRow("three not hexadecimal") << "#xyz" << clBlack;
}

void tst_CssText::colorToColor()
{
    QFETCH(QString, literal);
    QFETCH(TColor, expected);
    QCOMPARE(CssColorToColor(literal), expected);
}

void tst_CssText::percentChannelsMatchTheFormula()
{
    // round(n / 100 * 255) with ties to even, against exact integer arithmetic.
    for (int n = 0; n <= 100; ++n) {
        int exact = (n * 255) / 100;
        const int rem = (n * 255) % 100;
        if (rem > 50 || (rem == 50 && exact % 2 == 1))
            ++exact;
        const QString lit = QStringLiteral("rgb(%1%,0,0)").arg(n);
        QCOMPARE(RedOf(CssColorToColor(lit)), exact);
    }
}

void tst_CssText::stripComments_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QTest::newRow("one") << "a/*x*/b" << "ab";
    QTest::newRow("each ends at the first close") << "a/*x*/b/*y*/c" << "abc";
    QTest::newRow("over lines") << "a/*\n*\n*/b" << "ab";
    QTest::newRow("unterminated stays") << "/* a */ p{} /* b" << " p{} /* b";
    QTest::newRow("none") << "p{color:#fff}" << "p{color:#fff}";
}

void tst_CssText::stripComments()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(StripCssComments(text), expected);
}

void tst_CssText::trim()
{
    QString s = QString(QChar(0)) + "\x01\t\r\n x y \x1f" + QChar(32);
    QCOMPARE(Trim(s), QStringLiteral("x y"));
    QCOMPARE(Trim(QString(QChar(0xA0)) + "x"), QString(QChar(0xA0)) + "x");
    QCOMPARE(Trim(QStringLiteral("   ")), QString());
}

void tst_CssText::location_data()
{
    QTest::addColumn<QString>("address");
    QTest::addColumn<QString>("hostBase");
    QTest::addColumn<QString>("pathBase");
    QTest::addColumn<QString>("name");
    QTest::newRow("host only") << "http://example.com" << "http://example.com" << "http://example.com/" << "";
    QTest::newRow("root") << "http://example.com/" << "http://example.com" << "http://example.com/" << "";
    QTest::newRow("sheet") << "http://example.com/css/main.css" << "http://example.com" << "http://example.com/css/" << "main.css";
    QTest::newRow("directory") << "http://example.com/a/b/" << "http://example.com" << "http://example.com/a/b/" << "";
    QTest::newRow("user, port, query")
        << "http://user:pw@example.com:8080/a/b.html?x=1/2" << "http://example.com:8080"
        << "http://example.com:8080/a/" << "b.html";
    QTest::newRow("= without ?") << "http://example.com/cgi/page=1/x" << "http://example.com"
                                 << "http://example.com/cgi/" << "page";
    QTest::newRow("? before =") << "http://example.com/a/s.php?a=b/c=d" << "http://example.com"
                                << "http://example.com/a/" << "s.php";
    QTest::newRow("fragment") << "http://example.com/a/b.css#top" << "http://example.com"
                              << "http://example.com/a/" << "b.css";
    QTest::newRow("slash in fragment") << "http://example.com/a/b.html#x/y" << "http://example.com"
                                       << "http://example.com/a/" << "b.html";
    QTest::newRow("back-slashes") << "http://example.com\\dir\\sub\\page.html" << "http://example.com"
                                  << "http://example.com/dir/sub/" << "page.html";
    QTest::newRow("https") << "https://example.com/x/y.css" << "https://example.com" << "https://example.com/x/" << "y.css";
    QTest::newRow("HTTPS") << "HTTPS://example.com/" << "https://example.com" << "https://example.com/" << "";
    QTest::newRow("other scheme") << "ftp://example.com/a.css" << "http://example.com" << "http://example.com/" << "a.css";
    QTest::newRow("query on the host") << "http://example.com?x=1" << "http://example.com" << "http://example.com/" << "";
    QTest::newRow("at-sign in the path") << "http://example.com/a@b/c.css" << "http://example.com"
                                         << "http://example.com/a@b/" << "c.css";
    QTest::newRow("IPv6 with port") << "http://[::1]:81/a.css" << "http://[::1]:81" << "http://[::1]:81/" << "a.css";
    QTest::newRow("getcss") << "http://example.com/x/getcss" << "http://example.com" << "http://example.com/x/" << "getcss";
}

void tst_CssText::location()
{
    QFETCH(QString, address);
    QFETCH(QString, hostBase);
    QFETCH(QString, pathBase);
    QFETCH(QString, name);
    const TDocLocation loc = TDocLocation::parse(address);
    QCOMPARE(loc.hostBase, hostBase);
    QCOMPARE(loc.pathBase, pathBase);
    QCOMPARE(loc.documentName, name);
}

void tst_CssText::resolve_data()
{
    QTest::addColumn<QString>("reference");
    QTest::addColumn<QString>("expected");
    QTest::newRow("relative") << "a.css" << "http://example.com:81/dir/a.css";
    QTest::newRow("rooted") << "/a.css" << "http://example.com:81/a.css";
    QTest::newRow("rooted with back-slash") << "\\a.css" << "http://example.com:81\\a.css";
    QTest::newRow("dot segments kept") << "../a.css" << "http://example.com:81/dir/../a.css";
    QTest::newRow("absolute") << "http://other.org/x.css" << "http://other.org/x.css";
    QTest::newRow("absolute https") << "https://other.org/x.css" << "https://other.org/x.css";
    QTest::newRow("scheme without host") << "http:///x.css" << "http://example.com:81/dir/http:///x.css";
    QTest::newRow("network path") << "//cdn.org/x.css" << "http://cdn.org/x.css";
    QTest::newRow("leading space") << " a.css" << "http://example.com:81/dir/ a.css";
}

void tst_CssText::resolve()
{
    QFETCH(QString, reference);
    QFETCH(QString, expected);
    TCssParser parser;
    parser.setLocation(TDocLocation::parse(QStringLiteral("http://example.com:81/dir/page.html")));
    QCOMPARE(parser.ResolveSheetUrl(reference), expected);
}

void tst_CssText::webLocation_data()
{
    QTest::addColumn<QString>("location");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<QString>("address");
    QTest::newRow("http") << "http://example.com" << true << "http://example.com";
    QTest::newRow("https") << "https://example.com" << true << "https://example.com";
    QTest::newRow("scheme only") << "http://" << true << "http://";
    QTest::newRow("no scheme") << "example.com" << false << "http://example.com";
    QTest::newRow("capitals") << "HTTP://example.com" << false << "http://HTTP://example.com";
    QTest::newRow("ftp") << "ftp://example.com" << false << "http://ftp://example.com";
    QTest::newRow("http:/") << "http:/x" << false << "http://http:/x";
}

void tst_CssText::webLocation()
{
    QFETCH(QString, location);
    QFETCH(bool, accepted);
    QFETCH(QString, address);
    QCOMPARE(IsWebLocationAccepted(location), accepted);
    QCOMPARE(WebImportAddress(location), address);
}

void tst_CssText::importTexts()
{
    QCOMPARE(WebImportErrorCaption(), QStringLiteral("Import Error"));
    QCOMPARE(WebImportErrorText(QStringLiteral("http://x/")),
             QStringLiteral("Unable to import colors from:\r\nhttp://x/\r\n\r\nPlease check the URL and then try again."));
    QVERIFY(IsDiscardedLocationKey(u' '));
    QVERIFY(!IsDiscardedLocationKey(u'a'));
    QVERIFY(!IsDiscardedLocationKey(u'\t'));
}

TV_REGISTER_TEST(tst_CssText);
#include "tst_CssText.moc"
