// Harvest of a 2 MB style text with a few thousand rules, served from
// 127.0.0.1: the fetch, comment removal, rule splitting and literal search.
#include "CssText.h"
#include "TCssParser.h"
#include "TTestHttpServer.h"

#include <QCoreApplication>

#include <benchmark/benchmark.h>

namespace {

TTestHttpServer* g_server = nullptr;

QByteArray bigStyleText(int rules)
{
    QByteArray text;
    for (int i = 0; text.size() < 2 * 1024 * 1024; ++i) {
        const QByteArray n = QByteArray::number(i % rules);
        text += "/* section " + n + ": generated rule with a comment that the harvest removes */\n";
        text += "#main .rule" + n + " > ul li a:hover, .rule" + n + "[data-x] span.note,\n.rule" + n + " em {\n";
        text += "  font-family: Arial, Helvetica, sans-serif;\n  margin: 0 auto;\n  padding: 1px 2px 3px 4px;\n";
        text += "  color: #" + QByteArray::number(0x100000 + i * 37 % 0xEFFFFF, 16) + ";\n";
        text += "  background: url(img/bg" + n + ".png) no-repeat rgb(10,20,30);\n";
        text += "  border-top-color: #abc;\n  line-height: 1.5;\n  text-decoration: none;\n  display: block;\n";
        text += "  width: 100%;\n  height: auto;\n  font-size: 12px;\n}\n";
    }
    return text;
}

void BM_HarvestBigSheet(benchmark::State& state)
{
    const QString address = g_server->url(QStringLiteral("/big.css"));
    qint64 props = 0;
    qint64 rulesFound = 0;
    for (auto _ : state) {
        TCssParser parser;
        TRules rules;
        const bool ok = parser.HarvestWebColors(address, rules);
        if (!ok)
            state.SkipWithError("harvest failed");
        rulesFound = rules.size();
        props = 0;
        for (const TCSSRule& r : rules)
            props += r.Count;
        benchmark::DoNotOptimize(rules);
    }
    state.counters["rules"] = double(rulesFound);
    state.counters["props"] = double(props);
    state.SetBytesProcessed(state.iterations() * 2 * 1024 * 1024);
}
BENCHMARK(BM_HarvestBigSheet)->Unit(benchmark::kMillisecond)->MinTime(2.0);

void BM_ParseRulesOnly(benchmark::State& state)
{
    const QString text = cssparser::StripCssComments(QString::fromLatin1(bigStyleText(4000)));
    for (auto _ : state) {
        TRules rules;
        TCssParser::ParseRules(text, rules);
        benchmark::DoNotOptimize(rules);
    }
}
BENCHMARK(BM_ParseRulesOnly)->Unit(benchmark::kMillisecond)->MinTime(2.0);

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    TTestHttpServer server;
    if (!server.start())
        return 1;
    server.page("/big.css", bigStyleText(4000), "text/css");
    g_server = &server;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
