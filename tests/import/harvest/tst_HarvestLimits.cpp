#include "TCssParser.h"
#include "TTestChild.h"
#include "TTestHttpServer.h"
#include "WebImport.h"

#include <QTest>

#include "TestRegistry.h"

using namespace cssparser;

namespace {

// One block of a realistic sheet (about 800 bytes): one rule with two
// colour declarations (color and background) and two rules without colours.
QByteArray sheetBlock(int n)
{
    const QByteArray k = QByteArray::number(n);
    return "\n#main .rule" + k + " > ul li a:hover, .rule" + k + " span.note {\n"
           "  font-family: Arial, Helvetica, sans-serif;\n  margin: 0 auto;\n  padding: 1px 2px 3px 4px;\n"
           "  color: #" + QByteArray::number(0x100000 + n % 0xEFFFFF, 16) + ";\n"
           "  background: url(img/bg" + k + ".png) no-repeat rgb(10,20,30);\n"
           "  line-height: 1.5;\n  text-decoration: none;\n}\n"
           "\n.box" + k + " .inner, .box" + k + " > .frame {\n  margin: 4px 8px 4px 8px;\n"
           "  padding: 2px;\n  width: 50%;\n  float: left;\n  font-size: 11px;\n  font-weight: bold;\n"
           "  list-style: none;\n}\n"
           "\n.list" + k + " li + li, .list" + k + " li:first-child {\n  display: inline-block;\n"
           "  vertical-align: top;\n  min-height: 20px;\n  white-space: nowrap;\n  overflow: hidden;\n"
           "  text-overflow: ellipsis;\n  cursor: pointer;\n}\n";
}

// A sheet of exactly `bytes` bytes made of whole blocks and trailing
// blanks; `blocks` receives how many blocks it holds.
QByteArray sheetOf(qint64 bytes, int& blocks)
{
    QByteArray text;
    text.reserve(bytes);
    blocks = 0;
    for (;;) {
        const QByteArray b = sheetBlock(blocks);
        if (text.size() + b.size() > bytes)
            break;
        text += b;
        ++blocks;
    }
    text += QByteArray(bytes - text.size(), ' ');
    return text;
}

QByteArray linksTo(const QList<QByteArray>& sheets)
{
    QByteArray page = "<html><head><style>body{color:#010203}</style>\n";
    for (const QByteArray& s : sheets)
        page += "<link rel=\"stylesheet\" href=\"" + s + "\">\n";
    return page + "</head><body></body></html>";
}

struct TProbeOutput {
    QByteArray result;
    qint64 rules = -1;
    qint64 props = -1;
    QString report;
};

TProbeOutput parseProbe(const QByteArray& out)
{
    TProbeOutput p;
    QList<QByteArray> lines = out.split('\n');
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QByteArray& l = lines[i];
        if (l.startsWith("result: "))
            p.result = l.mid(8);
        else if (l.startsWith("rules: "))
            p.rules = l.mid(7).toLongLong();
        else if (l.startsWith("props: ")) {
            p.props = l.mid(7).toLongLong();
            p.report = QString::fromUtf8(lines.mid(i + 1).join('\n')).trimmed();
            break;
        }
    }
    return p;
}

THarvestOptions quick()
{
    THarvestOptions o;
    o.http.readTimeoutMs = 2000;
    o.http.deadlineMs = 8000;
    return o;
}

} // namespace

// The harvest's own limits: a deadline for the whole harvest and a cap on
// the bytes it receives, against servers that send too much or too slowly.
// The runs with the default limits are measured from outside, in a child
// process.
class tst_HarvestLimits : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void repeatedLargeSheet_data();
    void repeatedLargeSheet();
    void endlessSheet();
    void denseRules();
    void unterminatedTail();
    void ruleCap_data();
    void ruleCap();
    void tricklingSheets_data();
    void tricklingSheets();
    void totalBytes_data();
    void totalBytes();
    void deadlineStopsNestedImports();
    void stopIsReportedToTheWizard();
    void reportText_data();
    void reportText();

private:
    TProbeOutput probe(const QStringList& args, long rssBoundKiB);
    void checkStop(TCssParser& parser, const QStringList& selectors, const QStringList& notFetched, HarvestError why);
    std::unique_ptr<TTestHttpServer> m_server;
};

void tst_HarvestLimits::init()
{
    m_server = std::make_unique<TTestHttpServer>();
    QVERIFY(m_server->start());
}

void tst_HarvestLimits::cleanup()
{
    m_server.reset();
}

// Harvests /p.html: the selectors found in order, and when anything was left
// (paths on this server) the harvest failed for `why` and names them.
void tst_HarvestLimits::checkStop(TCssParser& parser, const QStringList& selectors, const QStringList& notFetched,
                                  HarvestError why)
{
    TRules rules;
    QCOMPARE(parser.HarvestWebColors(m_server->url("/p.html"), rules), notFetched.isEmpty());
    QStringList found;
    for (const TCSSRule& r : rules)
        found.append(r.Selector);
    QCOMPARE(found, selectors);
    QStringList expected;
    for (const QString& path : notFetched)
        expected.append(m_server->url(path));
    QCOMPARE(parser.report().notFetched, expected);
    QCOMPARE(parser.report().stop, notFetched.isEmpty() ? HarvestError::None : why);
}

TProbeOutput tst_HarvestLimits::probe(const QStringList& args, long rssBoundKiB)
{
    TTestChildLimits limits;
    limits.rssLimitKiB = 2 * rssBoundKiB;
    const TTestChildRun run = runMeasuredChild(QStringLiteral(TV_HARVEST_PROBE), args, limits);
    [&] {
        QVERIFY(run.started);
        QVERIFY2(!run.killedAtRssLimit, "the harvest kept growing");
        QVERIFY2(!run.killedAtTimeLimit, "the harvest did not end");
        QVERIFY2(run.exited && run.exitCode == 0, run.err.constData());
        qInfo("child resident set: wait4 %ld KiB, VmHWM seen %ld KiB", run.maxRssKiB, run.peakRssSeenKiB);
        QVERIFY2(run.maxRssKiB < rssBoundKiB, qPrintable(QStringLiteral("%1 KiB resident").arg(run.maxRssKiB)));
    }();
    return parseProbe(run.out);
}

void tst_HarvestLimits::repeatedLargeSheet_data()
{
    QTest::addColumn<qint64>("sheetBytes");
    QTest::addColumn<int>("links");
    QTest::addColumn<int>("fetched"); // sheets received whole before the total cap stops the harvest
    // 4 x 15 MB and the page fit in 64 MiB, the fifth copy does not.
    QTest::newRow("one 15 MB sheet linked 40 times") << qint64(15'000'000) << 40 << 4;
    // Six copies and the page fit, the seventh does not.
    QTest::newRow("a 10 MB sheet linked 40 times") << qint64(10'000'000) << 40 << 6;
}

// With the default limits: the harvest stops at 64 MiB received, having
// kept only the rules of what it fetched, and names the sheet it did not
// fetch.
void tst_HarvestLimits::repeatedLargeSheet()
{
    QFETCH(qint64, sheetBytes);
    QFETCH(int, links);
    QFETCH(int, fetched);
    int blocks = 0;
    m_server->page("/big.css", sheetOf(sheetBytes, blocks), "text/css");
    m_server->page("/page.html", linksTo(QList<QByteArray>(links, "big.css")));
    const TProbeOutput out = probe({m_server->url("/page.html")}, childRssBoundKiB(200 * 1024));
    QCOMPARE(out.result, QByteArray("failed"));
    QCOMPARE(out.rules, 1 + qint64(fetched) * blocks);
    QCOMPARE(out.props, 1 + 2 * qint64(fetched) * blocks);
    QCOMPARE(out.report, QStringLiteral("The harvest of %1 was stopped when it had received more than 64 MiB.\n"
                                        "Not fetched: %2.")
                             .arg(m_server->url("/page.html"), m_server->url("/big.css")));
    QCOMPARE(m_server->requests().size(), 1 + fetched + 1);
}

// A 15 MB sheet of nothing but short colour rules would hold close to a
// million: the harvest keeps the first 100000 and stops.
void tst_HarvestLimits::denseRules()
{
    QByteArray sheet;
    sheet.reserve(15'000'000);
    for (int i = 0; sheet.size() < 15'000'000 - 20; ++i)
        sheet += "r{color:#" + QByteArray::number(i & 0xFFFFFF, 16).rightJustified(6, '0') + "}\n";
    m_server->page("/dense.css", sheet, "text/css");
    m_server->page("/page.html", linksTo({"dense.css", "after.css"}));
    const TProbeOutput out = probe({m_server->url("/page.html")}, childRssBoundKiB(200 * 1024));
    QCOMPARE(out.result, QByteArray("failed"));
    QCOMPARE(out.rules, 100000);
    QCOMPARE(out.props, 100000);
    QCOMPARE(out.report, QStringLiteral("The harvest of %1 was stopped when it had found 100000 colour rules.\n"
                                        "Not fetched: %2.")
                             .arg(m_server->url("/page.html"), m_server->url("/after.css")));
    QCOMPARE(m_server->requests().size(), 2);
}

// A sheet whose last rule never closes, for 2 MB: the rule expression's
// "{" with no "}" after it must not be searched for from every position
// of that tail (hours of matching); the harvest ends with the one rule.
void tst_HarvestLimits::unterminatedTail()
{
    QByteArray sheet = "p{color:#123456}\n";
    while (sheet.size() < 2'000'000)
        sheet += "a{color:#fff ";
    m_server->page("/open.css", sheet, "text/css");
    const TProbeOutput out = probe({m_server->url("/open.css")}, childRssBoundKiB(200 * 1024));
    QCOMPARE(out.result, QByteArray("ok"));
    QCOMPARE(out.rules, 1);
    QCOMPARE(out.report, QString());
}

// A sheet whose body never ends, linked 40 times: each copy fails at the
// body cap of 16 MiB and the harvest goes on until the fourth has used up
// the 64 MiB.
void tst_HarvestLimits::endlessSheet()
{
    TTestResponse flood;
    flood.flood = "f{color:#abcdef}\n";
    m_server->route("/flood.css", flood);
    m_server->page("/page.html", linksTo(QList<QByteArray>(40, "flood.css")));
    const TProbeOutput out = probe({m_server->url("/page.html")}, childRssBoundKiB(200 * 1024));
    QCOMPARE(out.result, QByteArray("failed"));
    QCOMPARE(out.rules, 1);
    const QString sheet = m_server->url("/flood.css");
    const QString failed = QStringLiteral("Could not fetch %1: the response is too large.").arg(sheet);
    QCOMPARE(out.report, QStringLiteral("The harvest of %1 was stopped when it had received more than 64 MiB.\n"
                                        "Not fetched: %2.\n%3\n%3\n%3")
                             .arg(m_server->url("/page.html"), sheet, failed));
    QCOMPARE(m_server->requests().size(), 1 + 4);
}

void tst_HarvestLimits::tricklingSheets_data()
{
    QTest::addColumn<int>("sheets");
    QTest::addColumn<QString>("more");
    QTest::newRow("10 sheets") << 10 << "";
    QTest::newRow("199 sheets") << 199 << " and 189 more";
}

// Every sheet trickles, a byte well within the read time-out but slowly
// enough to take minutes in all: a 2 s deadline ends the harvest during the
// first sheet, and the report names every sheet not fetched.
void tst_HarvestLimits::tricklingSheets()
{
    QFETCH(int, sheets);
    QFETCH(QString, more);
    QList<QByteArray> names;
    QStringList named;
    TTestResponse drip;
    drip.body = "t{color:#123456}" + QByteArray(200, ' ');
    drip.trickleIntervalMs = 50;
    for (int i = 0; i < sheets; ++i) {
        names.append("s" + QByteArray::number(i) + ".css");
        m_server->route("/" + names.last(), drip);
        if (i < 10)
            named.append(m_server->url("/" + QString::fromLatin1(names.last())));
    }
    m_server->page("/page.html", linksTo(names));
    const TProbeOutput out = probe({m_server->url("/page.html"), QStringLiteral("2000")}, childRssBoundKiB(200 * 1024));
    QCOMPARE(out.result, QByteArray("failed"));
    QCOMPARE(out.rules, 1); // the page's own rule
    QCOMPARE(out.report, QStringLiteral("The harvest of %1 was stopped when it reached its time limit of 2 s.\n"
                                        "Not fetched: %2%3.")
                             .arg(m_server->url("/page.html"), named.join(QStringLiteral(", ")), more));
    QCOMPARE(m_server->requests().size(), 2);
}

void tst_HarvestLimits::totalBytes_data()
{
    QTest::addColumn<qint64>("maxTotal");
    QTest::addColumn<QStringList>("expectedSelectors");
    QTest::addColumn<QStringList>("notFetched");
    // The page is 200 bytes, a.css imports b.css, each sheet is 1000 bytes.
    QTest::newRow("everything fits") << qint64(1 << 20) << QStringList{"p", "a", "b", "c", "d"} << QStringList{};
    QTest::newRow("exactly enough") << qint64(4200) << QStringList{"p", "a", "b", "c", "d"} << QStringList{};
    QTest::newRow("one byte short") << qint64(4199) << QStringList{"p", "a", "b", "c"} << QStringList{"/d.css"};
    QTest::newRow("stops inside an import") << qint64(1700) << QStringList{"p", "a"}
                                             << QStringList{"/b.css", "/c.css", "/d.css"};
    QTest::newRow("not even the page") << qint64(100) << QStringList{} << QStringList{"/p.html"};
}

// Small caps in process: what was received whole keeps its rules in harvest
// order, and everything still to come is named, in order.
void tst_HarvestLimits::totalBytes()
{
    QFETCH(qint64, maxTotal);
    QFETCH(QStringList, expectedSelectors);
    QFETCH(QStringList, notFetched);
    const auto sheet = [](const QByteArray& prefix, char sel) {
        QByteArray s = prefix + sel + "{color:#123456}";
        return s + QByteArray(1000 - s.size(), ' ');
    };
    QByteArray page = "<style>p{color:#654321}</style><link rel=\"stylesheet\" href=\"a.css\">"
                      "<link rel=\"stylesheet\" href=\"c.css\"><link rel=\"stylesheet\" href=\"d.css\">";
    page += QByteArray(200 - page.size(), ' ');
    m_server->page("/p.html", page);
    m_server->page("/a.css", sheet("@import 'b.css';", 'a'));
    m_server->page("/b.css", sheet("", 'b'));
    m_server->page("/c.css", sheet("", 'c'));
    m_server->page("/d.css", sheet("", 'd'));
    THarvestOptions o = quick();
    o.maxTotalBytes = maxTotal;
    TCssParser parser(o);
    checkStop(parser, expectedSelectors, notFetched, HarvestError::TooMuchData);
    QVERIFY(parser.bytesReceived() <= 4200);
}

// A sheet that imports the next one: only the chain's next link is known
// when the deadline ends the harvest, and the page's later links come after.
void tst_HarvestLimits::deadlineStopsNestedImports()
{
    m_server->page("/p.html", "<link rel=\"stylesheet\" href=\"a.css\"><link rel=\"stylesheet\" href=\"z.css\">");
    m_server->page("/a.css", "@import 'slow.css';a{color:#111111}");
    TTestResponse slow;
    slow.body = "@import 'never.css';s{color:#222222}";
    slow.delayMs = 5000;
    m_server->route("/slow.css", slow);
    m_server->page("/z.css", "z{color:#333333}");
    THarvestOptions o = quick();
    o.deadlineMs = 500;
    TCssParser parser(o);
    TRules rules;
    QVERIFY(!parser.HarvestWebColors(m_server->url("/p.html"), rules));
    QCOMPARE(rules.size(), 1);
    QCOMPARE(rules.first().Selector, QStringLiteral("a"));
    QCOMPARE(parser.report().stop, HarvestError::DeadlineExceeded);
    QCOMPARE(parser.report().notFetched, (QStringList{m_server->url("/slow.css"), m_server->url("/z.css")}));
    QVERIFY(parser.report().failures.isEmpty());
    QCOMPARE(m_server->requestedTargets(), (QList<QByteArray>{"/p.html", "/a.css", "/slow.css"}));
}

void tst_HarvestLimits::ruleCap_data()
{
    QTest::addColumn<int>("maxRules");
    QTest::addColumn<QStringList>("selectors");
    QTest::addColumn<QStringList>("notFetched");
    // The page holds p, a.css a1 a2 and imports b.css (b), c.css holds c.
    QTest::newRow("no limit reached") << 100 << QStringList{"p", "a1", "a2", "b", "c"} << QStringList{};
    QTest::newRow("exactly as many") << 5 << QStringList{"p", "a1", "a2", "b", "c"} << QStringList{};
    QTest::newRow("inside a sheet") << 2 << QStringList{"p", "a1"} << QStringList{"/b.css", "/c.css"};
    QTest::newRow("in the next sheet") << 3 << QStringList{"p", "a1", "a2"} << QStringList{"/c.css"};
    QTest::newRow("none at all") << 0 << QStringList{} << QStringList{"/a.css", "/c.css"};
}

// Rules without colour literals do not count; the rules up to the limit are
// kept, and what was still to come is named.
void tst_HarvestLimits::ruleCap()
{
    QFETCH(int, maxRules);
    QFETCH(QStringList, selectors);
    QFETCH(QStringList, notFetched);
    m_server->page("/p.html", "<style>q{margin:0}p{color:#111111}</style><link rel=\"stylesheet\" href=\"a.css\">"
                              "<link rel=\"stylesheet\" href=\"c.css\">");
    m_server->page("/a.css", "@import 'b.css';\na1{color:#222222}\nx{color:red}\na2{background:#333}");
    m_server->page("/b.css", "b{border:1px solid rgb(1,2,3)}");
    m_server->page("/c.css", "c{color:#444444}");
    THarvestOptions o = quick();
    o.maxRules = maxRules;
    TCssParser parser(o);
    checkStop(parser, selectors, notFetched, HarvestError::TooManyRules);
}

void tst_HarvestLimits::stopIsReportedToTheWizard()
{
    TTestResponse slow;
    slow.body = "s{color:#222222}";
    slow.delayMs = 5000;
    m_server->route("/slow.css", slow);
    m_server->page("/p.html", "<style>a{color:#fff}</style><link rel=\"stylesheet\" href=\"slow.css\">");
    THarvestOptions o = quick();
    o.deadlineMs = 300;
    const TWebImportResult r = HarvestForImport(m_server->url("/p.html"), o);
    QCOMPARE(r.error, HarvestError::DeadlineExceeded);
    QVERIFY(r.candidates.isEmpty());
    const QString detail = QStringLiteral("The harvest of %1 was stopped when it reached its time limit of 300 ms.\n"
                                          "Not fetched: %2.")
                               .arg(m_server->url("/p.html"), m_server->url("/slow.css"));
    QCOMPARE(r.detail, detail);
    QCOMPARE(r.errorText, QStringLiteral("Unable to import colors from:\r\n") + m_server->url("/p.html")
                              + QStringLiteral("\r\n\r\n") + QString(detail).replace(u'\n', QStringLiteral("\r\n")));
}

void tst_HarvestLimits::reportText_data()
{
    QTest::addColumn<int>("stop");
    QTest::addColumn<QStringList>("notFetched");
    QTest::addColumn<int>("failures");
    QTest::addColumn<QString>("expected");
    const QString head = QStringLiteral("The harvest of http://h/ was stopped when it had received more than 64 MiB.");
    QTest::newRow("clean") << int(HarvestError::None) << QStringList{} << 0 << QString();
    QTest::newRow("repeats named once") << int(HarvestError::TooMuchData)
                                        << QStringList{"x.css", "y.css", "x.css"} << 0
                                        << head + "\nNot fetched: x.css, y.css.";
    QStringList twelve;
    for (int i = 0; i < 12; ++i)
        twelve.append(QStringLiteral("s%1.css").arg(i));
    QTest::newRow("ten named, the rest counted")
        << int(HarvestError::TooMuchData) << twelve << 0
        << head + "\nNot fetched: " + twelve.mid(0, 10).join(QStringLiteral(", ")) + " and 2 more.";
    QTest::newRow("stopped before anything was left") << int(HarvestError::TooMuchData) << QStringList{} << 0 << head;
    QTest::newRow("failures only") << int(HarvestError::None) << QStringList{} << 2
                                   << "Could not fetch f0.css: the response is too large.\n"
                                      "Not fetched: f1.css (more than 200 documents).";
    QTest::newRow("twelve failures") << int(HarvestError::None) << QStringList{} << 12 << QString();
}

void tst_HarvestLimits::reportText()
{
    QFETCH(int, stop);
    QFETCH(QStringList, notFetched);
    QFETCH(int, failures);
    QFETCH(QString, expected);
    THarvestReport report;
    report.address = QStringLiteral("http://h/");
    report.stop = HarvestError(stop);
    report.notFetched = notFetched;
    report.maxTotalBytes = 64 << 20;
    report.maxDocuments = 200;
    for (int i = 0; i < failures; ++i)
        report.failures.append({QStringLiteral("f%1.css").arg(i), i % 2 ? NetError::None : NetError::BodyTooLarge});
    const QString text = HarvestReportText(report);
    QCOMPARE(report.clean(), text.isEmpty());
    if (failures > 10) {
        const QStringList lines = text.split(u'\n');
        QCOMPARE(lines.size(), 11);
        QCOMPARE(lines.at(9), QStringLiteral("Not fetched: f9.css (more than 200 documents)."));
        QCOMPARE(lines.last(), QStringLiteral("2 more documents could not be fetched."));
        return;
    }
    QCOMPARE(text, expected);
}

TV_REGISTER_TEST(tst_HarvestLimits);
#include "tst_HarvestLimits.moc"
