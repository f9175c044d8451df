#include "CssText.h"
#include "TCssParser.h"
#include "TTestHttpServer.h"
#include "TTestTls.h"
#include "TTestTrust.h"
#include "WebImport.h"

#include <QEventLoop>
#include <QProcess>
#include <QTest>

#include "TestRegistry.h"

using namespace cssparser;

namespace {

QString describe(const TRules& rules)
{
    QStringList out;
    for (const TCSSRule& r : rules) {
        QStringList props;
        for (const TCSSProp& p : r.Props)
            props.append(p.Name + u'=' + p.Value);
        out.append(r.Selector + u'|' + props.join(u';'));
    }
    return out.join(u'\n');
}

THarvestOptions quick()
{
    THarvestOptions o;
    o.http.readTimeoutMs = 400;
    o.http.deadlineMs = 3000;
    return o;
}

QByteArray css(const char* text) { return QByteArray(text); }

} // namespace

class tst_Harvest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void pageOrder();
    void sheetReferredTwiceIsFetchedTwice();
    void importCycles();
    void selfImport();
    void upperCaseExtensionIsNotFound();
    void documentKindFromName_data();
    void documentKindFromName();
    void unreachableSheetFailsTheHarvest();
    void portIsKept();
    void redirectedPageResolvesAgainstTarget();
    void redirectedSheetResolvesAgainstTarget();
    void redirectChainOfSix();
    void securePage_data();
    void securePage();
    void slowSheet();
    void backSlashes();
    void documentLimit();
    void bodyLimit();
    void emptyAndFailedPages();
    void documentationSite();
    void importHook();
    void importHookFailure();
    void importHookIsNotReentered();
    void commandLine();

private:
    bool harvest(const QString& address, TRules& rules, const THarvestOptions& o = quick());
    std::unique_ptr<TTestHttpServer> m_server;
};

bool tst_Harvest::harvest(const QString& address, TRules& rules, const THarvestOptions& o)
{
    TCssParser parser(o);
    return parser.HarvestWebColors(address, rules);
}

void tst_Harvest::init()
{
    m_server = std::make_unique<TTestHttpServer>();
    QVERIFY(m_server->start());
}

void tst_Harvest::cleanup()
{
    m_server.reset();
}

void tst_Harvest::pageOrder()
{
    m_server->page("/site/index.html",
                   "<html><head>\n"
                   "<style type=\"text/css\"><!--\n@import \"imp1.css\";\nh1{color:#111111}\n--></style>\n"
                   "<link rel=\"stylesheet\" href=\"link1.css\">\n"
                   "<style>h2{color:#222222}</style>\n"
                   "<link rel=\"stylesheet\" href=\"/top/link2.css\" type=\"text/css\">\n"
                   "</head><body>p{color:#999999}</body></html>");
    m_server->page("/site/imp1.css", css("i1{color:#333333}\n@import url(nested.css);"));
    m_server->page("/site/nested.css", css("n{color:#444444}"));
    m_server->page("/site/link1.css", css("/* l0{color:#000000} */l1{color:#555555}"));
    m_server->page("/top/link2.css", css("l2{color:#666666}"));
    TRules rules;
    rules.append(TCSSRule{1, {{"stale", "#000"}}, "old"});
    QVERIFY(harvest(m_server->url("/site/index.html"), rules));
    QCOMPARE(describe(rules), QStringLiteral("h1|color=#111111\nh2|color=#222222\ni1|color=#333333\n"
                                             "n|color=#444444\nl1|color=#555555\nl2|color=#666666"));
    QCOMPARE(rules.first().Count, 1);
    QCOMPARE(m_server->requestedTargets(),
             (QList<QByteArray>{"/site/index.html", "/site/imp1.css", "/site/nested.css", "/site/link1.css",
                                "/top/link2.css"}));
}

void tst_Harvest::sheetReferredTwiceIsFetchedTwice()
{
    m_server->page("/p.html", "<link rel=\"stylesheet\" href=\"a.css\"><link rel=\"stylesheet\" href=\"b.css\">");
    m_server->page("/a.css", "@import 'c.css';a{color:#aaaaaa}");
    m_server->page("/b.css", "@import 'c.css';b{color:#bbbbbb}");
    m_server->page("/c.css", "c{color:#cccccc}");
    TRules rules;
    QVERIFY(harvest(m_server->url("/p.html"), rules));
    QCOMPARE(describe(rules), QStringLiteral("a|color=#aaaaaa\nc|color=#cccccc\nb|color=#bbbbbb\nc|color=#cccccc"));
    QCOMPARE(m_server->requests().size(), 5);
}

void tst_Harvest::importCycles()
{
    m_server->page("/cyc/a.css", "@import \"b.css\";\na{color:#aaaaaa}");
    m_server->page("/cyc/b.css", "@import \"a.css\";@import \"./a.css\";@import \"../cyc/a.css\";@import \"c.css\";\nb{color:#bbbbbb}");
    m_server->page("/cyc/c.css", "@import \"b.css\";\nc{color:#cccccc}");
    TRules rules;
    QVERIFY(harvest(m_server->url("/cyc/a.css"), rules));
    QCOMPARE(describe(rules), QStringLiteral("a|color=#aaaaaa\nb|color=#bbbbbb\nc|color=#cccccc"));
    QCOMPARE(m_server->requestedTargets(), (QList<QByteArray>{"/cyc/a.css", "/cyc/b.css", "/cyc/c.css"}));
}

void tst_Harvest::selfImport()
{
    m_server->page("/self.css", "@import url(self.css);s{color:#123456}");
    // Through a redirect: the target imports the address that redirected to it.
    m_server->redirect("/old.css", "/new.css");
    m_server->page("/new.css", "@import url(old.css);@import url(new.css);n{color:#654321}");
    TRules rules;
    QVERIFY(harvest(m_server->url("/self.css"), rules));
    QCOMPARE(describe(rules), QStringLiteral("s|color=#123456"));
    QCOMPARE(m_server->requests().size(), 1);
    m_server->clearLog();
    QVERIFY(harvest(m_server->url("/old.css"), rules));
    QCOMPARE(describe(rules), QStringLiteral("n|color=#654321"));
    QCOMPARE(m_server->requestedTargets(), (QList<QByteArray>{"/old.css", "/new.css"}));
}

void tst_Harvest::upperCaseExtensionIsNotFound()
{
    m_server->page("/p.html", "<link rel=\"stylesheet\" href=\"A.CSS\"><link rel=\"Stylesheet\" href=\"b.css\">");
    m_server->page("/A.CSS", "a{color:#aaaaaa}");
    TRules rules;
    QVERIFY(harvest(m_server->url("/p.html"), rules));
    QVERIFY(rules.isEmpty());
    QCOMPARE(m_server->requests().size(), 1);
}

void tst_Harvest::documentKindFromName_data()
{
    QTest::addColumn<QByteArray>("path");
    QTest::addColumn<QString>("expected");
    QTest::newRow("getcss is a sheet") << QByteArray("/x/getcss") << "g|color=#123456";
    QTest::newRow("css alone is a page") << QByteArray("/x/css") << "";
    QTest::newRow("query after the name") << QByteArray("/x/s.css?v=2") << "g|color=#123456";
    QTest::newRow("upper-case CSS is a page") << QByteArray("/x/S.CSS") << "";
    QTest::newRow("name before =") << QByteArray("/x/style.css=1") << "g|color=#123456";
}

void tst_Harvest::documentKindFromName()
{
    QFETCH(QByteArray, path);
    QFETCH(QString, expected);
    m_server->page(path, "g{color:#123456}");
    TRules rules;
    QVERIFY(harvest(m_server->url(QString::fromLatin1(path)), rules));
    QCOMPARE(describe(rules), expected);
}

void tst_Harvest::unreachableSheetFailsTheHarvest()
{
    m_server->page("/p.html", "<style>h1{color:#010203}</style><link rel=\"stylesheet\" href=\"missing.css\">"
                              "<link rel=\"stylesheet\" href=\"ok.css\">");
    m_server->page("/ok.css", "o{color:#0a0b0c}");
    TRules rules;
    QVERIFY(!harvest(m_server->url("/p.html"), rules));
    QCOMPARE(describe(rules), QStringLiteral("h1|color=#010203\no|color=#0a0b0c"));
    QCOMPARE(m_server->requestedTargets(), (QList<QByteArray>{"/p.html", "/missing.css", "/ok.css"}));
}

void tst_Harvest::portIsKept()
{
    m_server->page("/dir/p.html", "<style>@import \"/abs.css\";</style><link rel=\"stylesheet\" href=\"rel.css\">");
    m_server->page("/abs.css", "a{color:#aaaaaa}");
    m_server->page("/dir/rel.css", "r{color:#bbbbbb}");
    TRules rules;
    QVERIFY(m_server->url("/").contains(u':'));
    QVERIFY(harvest(m_server->url("/dir/p.html"), rules));
    QCOMPARE(describe(rules), QStringLiteral("a|color=#aaaaaa\nr|color=#bbbbbb"));
    QCOMPARE(m_server->requestedTargets(), (QList<QByteArray>{"/dir/p.html", "/abs.css", "/dir/rel.css"}));
}

void tst_Harvest::redirectedPageResolvesAgainstTarget()
{
    TTestHttpServer target;
    QVERIFY(target.start());
    m_server->redirect("/moved/page.html", (target.url("/new/page.html")).toLatin1(), 301);
    target.page("/new/page.html", "<link rel=\"stylesheet\" href=\"rel.css\"><link rel=\"stylesheet\" href=\"/abs.css\">");
    target.page("/new/rel.css", "r{color:#111111}");
    target.page("/abs.css", "a{color:#222222}");
    TRules rules;
    QVERIFY(harvest(m_server->url("/moved/page.html"), rules));
    QCOMPARE(describe(rules), QStringLiteral("r|color=#111111\na|color=#222222"));
    QCOMPARE(m_server->requests().size(), 1);
    QCOMPARE(target.requestedTargets(), (QList<QByteArray>{"/new/page.html", "/new/rel.css", "/abs.css"}));
}

void tst_Harvest::redirectedSheetResolvesAgainstTarget()
{
    m_server->page("/p.html", "<link rel=\"stylesheet\" href=\"old.css\"><link rel=\"stylesheet\" href=\"after.css\">");
    m_server->redirect("/old.css", "/sheets/new.css");
    m_server->page("/sheets/new.css", "@import url(more.css);n{color:#111111}");
    m_server->page("/sheets/more.css", "m{color:#222222}");
    m_server->page("/after.css", "f{color:#333333}");
    TRules rules;
    QVERIFY(harvest(m_server->url("/p.html"), rules));
    QCOMPARE(describe(rules), QStringLiteral("n|color=#111111\nm|color=#222222\nf|color=#333333"));
    // The page's own references still resolve against the page.
    QCOMPARE(m_server->requestedTargets().last(), QByteArray("/after.css"));
}

void tst_Harvest::redirectChainOfSix()
{
    for (int i = 0; i < 6; ++i)
        m_server->redirect("/r" + QByteArray::number(i) + ".css", "/r" + QByteArray::number(i + 1) + ".css");
    m_server->page("/r6.css", "x{color:#111111}");
    m_server->page("/p.html", "<style>p{color:#222222}</style><link rel=\"stylesheet\" href=\"r0.css\">");
    m_server->page("/q.html", "<link rel=\"stylesheet\" href=\"r1.css\">");
    TRules rules;
    QVERIFY(!harvest(m_server->url("/p.html"), rules));
    QCOMPARE(describe(rules), QStringLiteral("p|color=#222222"));
    QVERIFY(harvest(m_server->url("/q.html"), rules)); // five redirects are fine
    QCOMPARE(describe(rules), QStringLiteral("x|color=#111111"));
}

void tst_Harvest::securePage_data()
{
    QTest::addColumn<bool>("viaRedirect");
    QTest::newRow("https address") << false;
    QTest::newRow("http address redirected to https") << true;
}

// A page fetched over TLS resolves its relative and root-relative sheets with
// its own scheme, host and port; a plain page that redirects there is
// replaced by it.
void tst_Harvest::securePage()
{
    QFETCH(bool, viaRedirect);
    if (const QString why = TTestTls::unavailableReason(); !why.isEmpty())
        QSKIP(qPrintable(why));
    TTestHttpServer secure;
    QVERIFY(secure.startSecure(TTestTls::serverConfiguration()));
    secure.page("/dir/p.html", "<style>@import \"/abs.css\";</style><link rel=\"stylesheet\" href=\"rel.css\">");
    secure.page("/abs.css", "@import url(sub/more.css);a{color:#aaaaaa}");
    secure.page("/sub/more.css", "m{color:#cccccc}");
    secure.page("/dir/rel.css", "r{color:#bbbbbb}");
    m_server->redirect("/start.html", secure.url("/dir/p.html").toLatin1(), 302);
    const TTestTrust trust({TTestTls::certificate()});
    THarvestOptions o = quick();
    o.http.readTimeoutMs = 2000; // handshakes are slow under the sanitizers
    o.http.deadlineMs = 8000;
    TRules rules;
    QVERIFY(harvest(viaRedirect ? m_server->url("/start.html") : secure.url("/dir/p.html"), rules, o));
    QCOMPARE(describe(rules), QStringLiteral("a|color=#aaaaaa\nm|color=#cccccc\nr|color=#bbbbbb"));
    QCOMPARE(secure.requestedTargets(), (QList<QByteArray>{"/dir/p.html", "/abs.css", "/sub/more.css", "/dir/rel.css"}));
    QCOMPARE(m_server->requestedTargets(), viaRedirect ? QList<QByteArray>{"/start.html"} : QList<QByteArray>{});
}

void tst_Harvest::slowSheet()
{
    TTestResponse slow;
    slow.body = "s{color:#111111}";
    slow.delayMs = 3000;
    m_server->route("/slow.css", slow);
    m_server->page("/p.html", "<link rel=\"stylesheet\" href=\"slow.css\"><link rel=\"stylesheet\" href=\"fast.css\">");
    m_server->page("/fast.css", "f{color:#222222}");
    THarvestOptions o = quick();
    o.http.readTimeoutMs = 250;
    TRules rules;
    QVERIFY(!harvest(m_server->url("/p.html"), rules, o));
    QCOMPARE(describe(rules), QStringLiteral("f|color=#222222"));
}

void tst_Harvest::backSlashes()
{
    m_server->page("/bs/page.html", "<link rel=\"stylesheet\" href=\"sub\\s.css\">");
    m_server->page("/bs/sub/s.css", "@import \"t.css\";s{color:#111111}");
    m_server->page("/bs/sub/t.css", "t{color:#222222}");
    TRules rules;
    QVERIFY(harvest(m_server->base() + QStringLiteral("\\bs\\page.html"), rules));
    QCOMPARE(describe(rules), QStringLiteral("s|color=#111111\nt|color=#222222"));
}

void tst_Harvest::documentLimit()
{
    // Every sheet imports a new one: only the document limit ends this.
    m_server->setHandler([](const TTestRequest& req) -> std::optional<TTestResponse> {
        if (!req.target.startsWith("/gen/"))
            return std::nullopt;
        const int n = req.target.mid(5).split('.').first().toInt();
        TTestResponse r;
        r.body = "@import \"" + QByteArray::number(n + 1) + ".css\";g" + QByteArray::number(n) + "{color:#"
                 + QByteArray::number(n, 16).rightJustified(6, '0') + "}";
        return r;
    });
    THarvestOptions o = quick();
    o.maxDocuments = 10;
    TRules rules;
    QVERIFY(!harvest(m_server->url("/gen/0.css"), rules, o));
    QCOMPARE(m_server->requests().size(), 10);
    QCOMPARE(rules.size(), 10);
    QCOMPARE(rules.last().Selector, QStringLiteral("g9"));
}

void tst_Harvest::bodyLimit()
{
    m_server->page("/p.html", "<style>p{color:#111111}</style><link rel=\"stylesheet\" href=\"big.css\">");
    m_server->page("/big.css", "b{color:#222222}" + QByteArray(5000, ' '));
    THarvestOptions o = quick();
    o.http.maxBodyBytes = 1000;
    TRules rules;
    QVERIFY(!harvest(m_server->url("/p.html"), rules, o));
    QCOMPARE(describe(rules), QStringLiteral("p|color=#111111"));
}

void tst_Harvest::emptyAndFailedPages()
{
    m_server->page("/plain.html", "<html><body>p{color:#111111}</body></html>");
    m_server->page("/nocolor.html", "<style>p{margin:0}</style>");
    TRules rules;
    QVERIFY(harvest(m_server->url("/plain.html"), rules));
    QVERIFY(rules.isEmpty());
    QVERIFY(harvest(m_server->url("/nocolor.html"), rules));
    QVERIFY(rules.isEmpty());
    QVERIFY(!harvest(m_server->url("/missing.html"), rules));
    QVERIFY(rules.isEmpty());
}

// The Debian Python Policy as its package installs it: HTML and style sheets
// written by others. The expected entries were checked by hand against the
// files in data/python-policy.
void tst_Harvest::documentationSite()
{
    m_server->serveDirectory("/doc/", QFINDTESTDATA("data/python-policy"));
    TRules rules;
    QVERIFY(harvest(m_server->url("/doc/python-policy.html"), rules));
    QCOMPARE(m_server->requestedTargets(),
             (QList<QByteArray>{"/doc/python-policy.html", "/doc/_static/pygments.css", "/doc/_static/nature.css",
                                "/doc/_static/basic.css"}));
    QStringList lines;
    for (const TCSSRule& r : rules)
        for (const TCSSProp& p : r.Props)
            lines.append(r.Selector + u'\t' + p.Name + u'\t' + p.Value);
    // pygments.css: "pre { line-height: 125%; }" and the "inherit" rules set
    // no literal; the first literal is td.linenos .special.
    QCOMPARE(lines.value(0), QStringLiteral("td.linenos .special\tcolor\t#000000"));
    QCOMPARE(lines.value(1), QStringLiteral("td.linenos .special\tbackground-color\t#ffffc0"));
    // ".highlight .err { color: #a40000; border: 1px solid #ef2929 }"
    QVERIFY(lines.contains(QStringLiteral(".highlight .err\tborder\t#ef2929")));
    // nature.css follows pygments.css; its body rule comes after the
    // @import line, whose quotes and parenthesis cannot begin a rule.
    const qsizetype body = lines.indexOf(QStringLiteral("body\tbackground-color\t#fff"));
    QVERIFY(body > 0);
    QCOMPARE(lines.value(body + 1), QStringLiteral("body\tcolor\t#555"));
    QVERIFY(lines.contains(QStringLiteral("div.related\tbackground-color\t#6BA81E")));
    // basic.css, imported by nature.css, comes last.
    QVERIFY(lines.indexOf(QStringLiteral("div.related\tbackground-color\t#6BA81E")) < lines.size() - 1);
    QCOMPARE(lines.size(), 146);
    QCOMPARE(rules.size(), 127);
    // basic.css: "border-top: 1px solid #ddd;" is found at border-top.
    QVERIFY(lines.contains(QStringLiteral("div.modindex-jumpbox\tborder-top\t#ddd")));
    QVERIFY(lines.contains(QStringLiteral("div.modindex-jumpbox\tborder-bottom\t#ddd")));
    QCOMPARE(lines.last(), QStringLiteral("td.linenos pre\tcolor\t#aaa"));
}

void tst_Harvest::importHook()
{
    m_server->page("/p.html", "<style>body{background-color:#ffcc00;color:rgb(50%,10%,30%)}\na{color:#fc0}</style>");
    int fetches = 0;
    THarvestOptions o = quick();
    o.beforeFetch = [&] { ++fetches; };
    const TWebImportResult r = HarvestForImport(m_server->url("/p.html"), o);
    QVERIFY(r.ok());
    QCOMPARE(fetches, 1);
    QCOMPARE(r.address, m_server->url("/p.html"));
    QCOMPARE(r.candidates.size(), 3);
    QCOMPARE(r.candidates[0].name, QStringLiteral("body - background-color"));
    QCOMPARE(r.candidates[0].color, MakeColor(255, 204, 0));
    QCOMPARE(r.candidates[1].name, QStringLiteral("body - color"));
    QCOMPARE(r.candidates[1].color, MakeColor(128, 26, 76));
    QCOMPARE(r.candidates[2].name, QStringLiteral("a - color"));
    QCOMPARE(r.candidates[2].color, MakeColor(255, 204, 0));
}

void tst_Harvest::importHookFailure()
{
    m_server->page("/p.html", "<style>a{color:#fff}</style><link rel=\"stylesheet\" href=\"gone.css\">");
    const QString location = QStringLiteral("127.0.0.1:%1/p.html").arg(m_server->port());
    const TWebImportResult r = HarvestForImport(location, quick());
    QCOMPARE(r.error, HarvestError::FetchFailed);
    QCOMPARE(r.address, QStringLiteral("http://") + location);
    QCOMPARE(r.errorText, QStringLiteral("Unable to import colors from:\r\nhttp://") + location
                              + QStringLiteral("\r\n\r\nPlease check the URL and then try again."));
    QVERIFY(r.candidates.isEmpty());
    QCOMPARE(m_server->requests().size(), 2);
}

void tst_Harvest::importHookIsNotReentered()
{
    m_server->page("/p.html", "<style>a{color:#fff}</style>");
    THarvestOptions o = quick();
    std::optional<TWebImportResult> inner;
    o.beforeFetch = [&] {
        if (!inner)
            inner = HarvestForImport(m_server->url("/p.html"), quick());
    };
    const TWebImportResult outer = HarvestForImport(m_server->url("/p.html"), o);
    QVERIFY(outer.ok());
    QVERIFY(inner);
    QCOMPARE(inner->error, HarvestError::Busy);
    QCOMPARE(m_server->requests().size(), 1);
}

void tst_Harvest::commandLine()
{
#ifndef TV_TINTVALE
    QSKIP("the tintvale command line is not built");
#else
    m_server->page("/p.html", "<style>h1,\nh2{color:#fc0;border:1px solid rgb(1,2,3)}</style>"
                              "<link rel=\"stylesheet\" href=\"gone.css\">");
    m_server->page("/ok.html", "<style>p{background:#123456}</style>");
    const auto run = [](const QStringList& args, QByteArray& out) {
        QProcess p;
        QEventLoop loop;
        // The server answers on this thread, so wait in an event loop.
        connect(&p, &QProcess::finished, &loop, &QEventLoop::quit);
        p.start(QStringLiteral(TV_TINTVALE), args);
        if (!p.waitForStarted())
            return -1;
        loop.exec();
        out = p.readAllStandardOutput();
        return p.exitCode();
    };
    QByteArray out;
    QCOMPARE(run({"harvest", m_server->url("/p.html")}, out), 1);
    QCOMPARE(out, QByteArray("h1, h2\tcolor\t#fc0\tFFCC00\nh1, h2\tborder\trgb(1,2,3)\t010203\n"));
    QCOMPARE(run({"harvest", m_server->url("/ok.html")}, out), 0);
    QCOMPARE(out, QByteArray("p\tbackground\t#123456\t123456\n"));
    QCOMPARE(run({"harvest", "ftp://127.0.0.1/"}, out), 2);
    QCOMPARE(run({"harvest"}, out), 2);
#endif
}

TV_REGISTER_TEST(tst_Harvest);
#include "tst_Harvest.moc"
