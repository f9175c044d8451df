#include "NetError.h"
#include "TTestChild.h"
#include "TTestHttpServer.h"

#include <QTest>

#include "TestRegistry.h"

Q_DECLARE_METATYPE(TTestResponse::Framing)

// Servers that never stop sending, against a GET with the client's default
// limits in a child process, whose memory the kernel measures.
class tst_HostileServers : public QObject {
    Q_OBJECT
private slots:
    void endlessBodyStopsAtTheCap_data();
    void endlessBodyStopsAtTheCap();
};

void tst_HostileServers::endlessBodyStopsAtTheCap_data()
{
    QTest::addColumn<TTestResponse::Framing>("framing");
    QTest::newRow("chunked") << TTestResponse::Framing::Chunked;
    QTest::newRow("until the connection closes") << TTestResponse::Framing::UntilClose;
    QTest::newRow("Content-Length of 1 TiB") << TTestResponse::Framing::HugeLength;
}

// The default cap is 16 MiB a body: the client must give up once that much
// has arrived, whatever the framing, and hold little more than that.
void tst_HostileServers::endlessBodyStopsAtTheCap()
{
    QFETCH(TTestResponse::Framing, framing);
    TTestHttpServer server;
    QVERIFY(server.start());
    TTestResponse flood;
    flood.flood = "p{color:#123456}\n";
    flood.floodFraming = framing;
    flood.header("Content-Type", "text/css");
    server.route("/endless.css", flood);

    const long bound = childRssBoundKiB(200 * 1024);
    TTestChildLimits limits;
    limits.rssLimitKiB = 2 * bound;
    const TTestChildRun run = runMeasuredChild(QStringLiteral(TV_HTTP_PROBE), {server.url("/endless.css")}, limits);
    QVERIFY(run.started);
    QVERIFY2(!run.killedAtRssLimit, "the client kept growing without end");
    QVERIFY2(!run.killedAtTimeLimit, "the client never stopped reading");
    QVERIFY2(run.exited && run.exitCode == 0, run.err.constData());
    QCOMPARE(run.out, ("error: " + NetErrorText(NetError::BodyTooLarge) + "\nbody: 0\n").toUtf8());
    qInfo("child resident set: wait4 %ld KiB, VmHWM seen %ld KiB", run.maxRssKiB, run.peakRssSeenKiB);
    QVERIFY2(run.maxRssKiB < bound, qPrintable(QStringLiteral("%1 KiB resident").arg(run.maxRssKiB)));
}

TV_REGISTER_TEST(tst_HostileServers);
#include "tst_HostileServers.moc"
