// Test-only program: one GET with the client's default limits, so that a
// test can measure the process (its resident set) while a hostile server it
// runs answers.
//   tv_http_probe URL
// Prints "error: <text>" and "body: <bytes>" on stdout and exits 0 when the
// GET ended either way, 2 on a wrong command line.
#include "THttpClient.h"

#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 2)
        return 2;
    THttpClient client;
    const THttpResult r = client.get(args.at(1));
    QTextStream out(stdout);
    out << "error: " << NetErrorText(r.error) << '\n' << "body: " << r.body.size() << '\n';
    return 0;
}
