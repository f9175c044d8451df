// The single-instance claim and hand-over inside one process: who holds the
// claim, how long a sender waits and what it is told, and which frames the
// receiver takes. (tst_StudioProcess runs the same between real copies.)
#include "SingleInstance.h"

#include "TestRegistry.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFileInfo>
#include <QLocalSocket>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <QtEndian>

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
    void receiverTakesWholeFramesOnly_data();
    void receiverTakesWholeFramesOnly();

private:
    QString m_name;
};

namespace {

QByteArray frame(quint32 magic, quint32 declaredLength, const QByteArray& payload)
{
    QByteArray header(8, Qt::Uninitialized);
    qToBigEndian(magic, header.data());
    qToBigEndian(declaredLength, header.data() + 4);
    return header + payload;
}

QByteArray pathFrame(const QString& path)
{
    const QByteArray utf8 = path.toUtf8();
    return frame(0x54565348, quint32(utf8.size()), utf8);
}

} // namespace

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
    { // a studio runs for hours: an old claim of a running holder is still held
        QFile lock(lockFile);
        QVERIFY(lock.open(QIODevice::ReadWrite));
        QVERIFY(lock.setFileTime(QDateTime::currentDateTime().addSecs(-3 * 3600), QFileDevice::FileModificationTime));
    }
    QVERIFY(!b.claim());
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

void tst_SingleInstance::receiverTakesWholeFramesOnly_data()
{
    QTest::addColumn<QByteArrayList>("pieces"); // written with pauses between them
    QTest::addColumn<QStringList>("paths");     // what the handler gets; empty: the connection is dropped
    const QString path = QStringLiteral("/home/ann/Schemes/Autumn.tv");
    const QByteArray whole = pathFrame(path);
    QTest::newRow("whole frame") << QByteArrayList{whole} << QStringList{path};
    QTest::newRow("frame in three pieces")
        << QByteArrayList{whole.left(3), whole.mid(3, 9), whole.mid(12)} << QStringList{path};
    const QString longest = QLatin1Char('/') + QString(64 * 1024 - 1, QLatin1Char('a'));
    QTest::newRow("longest path taken") << QByteArrayList{pathFrame(longest)} << QStringList{longest};
    QTest::newRow("wrong magic") << QByteArrayList{frame(0x54565349, 4, "/a.tv")} << QStringList{};
    QTest::newRow("length above 64 KiB, refused before its bytes come")
        << QByteArrayList{frame(0x54565348, 64 * 1024 + 1, {})} << QStringList{};
    QTest::newRow("length near 4 GiB") << QByteArrayList{frame(0x54565348, 0xFFFFFFF0u, "/a.tv")} << QStringList{};
}

void tst_SingleInstance::receiverTakesWholeFramesOnly()
{
    QFETCH(QByteArrayList, pieces);
    QFETCH(QStringList, paths);
    SingleInstance holder(m_name);
    QVERIFY(holder.claim());
    QVERIFY(holder.listen());
    QStringList received;
    holder.setHandler([&received](const QString& p) { received << p; });

    QLocalSocket client;
    client.connectToServer(m_name);
    QVERIFY(client.waitForConnected(2000));
    for (qsizetype i = 0; i < pieces.size(); ++i) {
        client.write(pieces[i]);
        client.flush();
        QTest::qWait(100);
        if (i + 1 < pieces.size()) { // nothing is taken, nor acknowledged, before the frame is whole
            QVERIFY(received.isEmpty());
            QCOMPARE(client.bytesAvailable(), 0);
        }
    }
    if (paths.isEmpty()) {
        QTRY_COMPARE(client.state(), QLocalSocket::UnconnectedState);
        QCOMPARE(client.readAll(), QByteArray());
        QTest::qWait(100);
        QVERIFY(received.isEmpty());
        return;
    }
    QTRY_COMPARE(received, paths);
    QTRY_COMPARE(client.state(), QLocalSocket::UnconnectedState); // the receiver closes after its receipt
    QCOMPARE(client.readAll(), QByteArray("\x06"));
}

TV_REGISTER_TEST(tst_SingleInstance);
#include "tst_SingleInstance.moc"
