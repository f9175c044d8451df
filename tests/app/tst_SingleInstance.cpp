// The single-instance claim and hand-over inside one process: who holds the
// claim, and how long a sender waits and what it is told. (tst_StudioProcess
// runs the hand-over between real copies.)
#include "SingleInstance.h"

#include "TestRegistry.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QFileInfo>
#include <QTest>
#include <QThread>
#include <QTimer>

#include <memory>

#include <unistd.h>

using HandOverResult = SingleInstance::HandOverResult;
Q_DECLARE_METATYPE(HandOverResult)

class tst_SingleInstance : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void oneHolderAtATime();
    void handOver_data();
    void handOver();

private:
    QString m_name;
};

void tst_SingleInstance::init()
{
    static int serial = 0;
    m_name = QStringLiteral("tvtest-single-%1-%2").arg(::getpid()).arg(++serial);
}

void tst_SingleInstance::cleanup()
{
    QFile::remove(SingleInstance::claimFilePath(m_name));
}

void tst_SingleInstance::oneHolderAtATime()
{
    SingleInstance a(m_name), b(m_name);
    const QString lockFile = SingleInstance::claimFilePath(m_name);
    QVERIFY(!QFileInfo::exists(lockFile));
    QVERIFY(a.claim());
    QVERIFY(a.claim()); // holding it already
    QVERIFY(QFileInfo::exists(lockFile));
    QVERIFY(!b.claim());
    QVERIFY(!b.holdsClaim());
    QVERIFY(!b.listen()); // only the holder listens
    QVERIFY(a.listen());
    a.release();
    QVERIFY(!a.holdsClaim());
    QVERIFY(!QFileInfo::exists(lockFile));
    QVERIFY(b.claim());
    QVERIFY(b.listen()); // the socket file the old holder had is no obstacle
}

void tst_SingleInstance::handOver_data()
{
    QTest::addColumn<bool>("holderClaims");
    QTest::addColumn<int>("listenAfterMs");  // -1: never
    QTest::addColumn<int>("releaseAfterMs"); // the holder ends without listening; -1: never
    QTest::addColumn<int>("handlerBusyMs");  // how long handling takes (a question to the user)
    QTest::addColumn<int>("blockedMs");      // the holder's thread runs no events for this long
    QTest::addColumn<QString>("path");
    QTest::addColumn<HandOverResult>("result");
    QTest::addColumn<int>("minMs"); // bounds of the sender's wait
    QTest::addColumn<int>("maxMs");
    const QString path = QStringLiteral("/schemes/Fär­ben für 夏/ß 1.tv");
    // The sender waits 1000 ms for a listener and 1000 ms for the receipt.
    QTest::newRow("holder listening") << true << 0 << -1 << 0 << 0 << path << HandOverResult::Received << 0 << 800;
    QTest::newRow("holder listens late") << true << 700 << -1 << 0 << 0 << path << HandOverResult::Received << 600 << 1500;
    QTest::newRow("holder asks before opening: no waiting for the answer")
        << true << 0 << -1 << 4000 << 0 << path << HandOverResult::Received << 0 << 1000;
    QTest::newRow("holder never listens") << true << -1 << -1 << 0 << 0 << path << HandOverResult::NoListener << 900 << 1800;
    QTest::newRow("holder listening but not answering")
        << true << 0 << -1 << 0 << 2000 << path << HandOverResult::Unanswered << 900 << 1800;
    QTest::newRow("nobody holds the claim") << false << -1 << -1 << 0 << 0 << path << HandOverResult::ClaimTakenOver << 0 << 800;
    QTest::newRow("holder ends while the sender waits")
        << true << -1 << 500 << 0 << 0 << path << HandOverResult::ClaimTakenOver << 400 << 900;
}

void tst_SingleInstance::handOver()
{
    QFETCH(bool, holderClaims);
    QFETCH(int, listenAfterMs);
    QFETCH(int, releaseAfterMs);
    QFETCH(int, handlerBusyMs);
    QFETCH(int, blockedMs);
    QFETCH(QString, path);
    QFETCH(HandOverResult, result);
    QFETCH(int, minMs);
    QFETCH(int, maxMs);

    SingleInstance holder(m_name);
    QStringList received;
    holder.setHandler([&received, handlerBusyMs](const QString& p) {
        received << p;
        QEventLoop question; // as a message box runs its own loop
        QTimer::singleShot(handlerBusyMs, &question, &QEventLoop::quit);
        question.exec();
    });
    if (holderClaims)
        QVERIFY(holder.claim());
    if (listenAfterMs == 0)
        QVERIFY(holder.listen());
    else if (listenAfterMs > 0)
        QTimer::singleShot(listenAfterMs, &holder, [&holder] { QVERIFY(holder.listen()); });
    if (releaseAfterMs >= 0)
        QTimer::singleShot(releaseAfterMs, &holder, [&holder] { holder.release(); });

    // The sender blocks; it runs on a thread of its own so that this thread's
    // event loop can receive.
    HandOverResult got{};
    qint64 tookMs = -1;
    bool senderHolds = false;
    std::unique_ptr<QThread> thread(QThread::create([&] {
        SingleInstance sender(m_name);
        QElapsedTimer clock;
        clock.start();
        got = sender.handOver(path, SingleInstance::Timeouts{1000, 1000});
        tookMs = clock.elapsed();
        senderHolds = sender.holdsClaim();
    }));
    thread->start();
    if (blockedMs > 0)
        QThread::msleep(blockedMs);
    QTRY_VERIFY_WITH_TIMEOUT(thread->isFinished(), 15000);
    QCOMPARE(got, result);
    QVERIFY2(tookMs >= minMs && tookMs <= maxMs, qPrintable(QStringLiteral("the sender took %1 ms").arg(tookMs)));
    QCOMPARE(senderHolds, result == HandOverResult::ClaimTakenOver);
    if (result == HandOverResult::Received || result == HandOverResult::Unanswered)
        QTRY_COMPARE(received, QStringList{path}); // unanswered is not lost: it was late
    else
        QVERIFY(received.isEmpty());
}

TV_REGISTER_TEST(tst_SingleInstance);
#include "tst_SingleInstance.moc"
