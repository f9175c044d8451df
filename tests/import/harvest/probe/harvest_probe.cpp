// Test-only program: one harvest in a process of its own, so that a test
// can measure it (resident set) while the hostile server it runs answers.
//   tv_harvest_probe URL [deadlineMs [maxTotalBytes [maxBodyBytes]]]
// Limits not given keep the harvest's defaults. Prints
//   result: ok | failed
//   rules: <count>
//   props: <count>
//   <report lines>
// and exits 0 when the harvest ended either way, 2 on a wrong command line.
#include "TCssParser.h"

#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 2 || args.size() > 5)
        return 2;
    THarvestOptions options;
    bool good = true;
    if (args.size() > 2)
        options.deadlineMs = args.at(2).toInt(&good);
    if (good && args.size() > 3)
        options.maxTotalBytes = args.at(3).toLongLong(&good);
    if (good && args.size() > 4)
        options.http.maxBodyBytes = args.at(4).toLongLong(&good);
    if (!good)
        return 2;
    TCssParser parser(options);
    TRules rules;
    const bool ok = parser.HarvestWebColors(args.at(1), rules);
    qint64 props = 0;
    for (const TCSSRule& r : rules)
        props += r.Props.size();
    QTextStream out(stdout);
    out << "result: " << (ok ? "ok" : "failed") << '\n'
        << "rules: " << rules.size() << '\n'
        << "props: " << props << '\n'
        << HarvestReportText(parser.report()) << '\n';
    return 0;
}
