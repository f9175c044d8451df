#include "THttpClient.h"
#include "TTestHttpServer.h"
#include "TTestTls.h"
#include "TTestTrust.h"

#include <QRandomGenerator>
#include <QTest>

#include "TestRegistry.h"

Q_DECLARE_METATYPE(NetError)
Q_DECLARE_METATYPE(TTestTls::Identity)

// The client over TLS against the test server started secure, with the
// server's certificate trusted only where a row says so.
class tst_Https : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void bodyOverTls_data();
    void bodyOverTls();
    void refusedCertificate_data();
    void refusedCertificate();
    void redirectsAcrossSchemes_data();
    void redirectsAcrossSchemes();

private:
    TTestHttpServer& serverOf(const QString& hop);
    static QByteArray pathOf(const QString& hop) { return hop.section(u':', 1).toLatin1(); }

    std::unique_ptr<TTestHttpServer> m_plain;
    std::unique_ptr<TTestHttpServer> m_tls;
};

namespace {
THttpOptions quick()
{
    THttpOptions o;
    o.readTimeoutMs = 2000; // handshakes are slow under the sanitizers
    o.deadlineMs = 8000;
    return o;
}
} // namespace

void tst_Https::initTestCase()
{
    if (const QString why = TTestTls::unavailableReason(); !why.isEmpty())
        QSKIP(qPrintable(why));
}

void tst_Https::init()
{
    m_plain = std::make_unique<TTestHttpServer>();
    QVERIFY(m_plain->start());
    m_tls = std::make_unique<TTestHttpServer>();
}

void tst_Https::cleanup()
{
    m_tls.reset();
    m_plain.reset();
}

// "tls:/path" or "plain:/path"
TTestHttpServer& tst_Https::serverOf(const QString& hop)
{
    return hop.startsWith(u"tls:") ? *m_tls : *m_plain;
}

void tst_Https::bodyOverTls_data()
{
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<int>("trickleMs");
    QByteArray bytes;
    for (int i = 0; i < 512; ++i)
        bytes += char(i & 0xff);
    // Far more than one TLS record (16 KiB) and than one read.
    QByteArray large(3 << 20, Qt::Uninitialized);
    QRandomGenerator gen(20240611);
    gen.fillRange(reinterpret_cast<quint32*>(large.data()), large.size() / 4);
    QTest::newRow("every byte value") << bytes << 0;
    QTest::newRow("empty") << QByteArray() << 0;
    QTest::newRow("3 MiB of noise") << large << 0;
    QTest::newRow("one record a byte") << QByteArray("#fc0;#123456") << 20;
}

void tst_Https::bodyOverTls()
{
    QFETCH(QByteArray, body);
    QFETCH(int, trickleMs);
    QVERIFY(m_tls->startSecure(TTestTls::serverConfiguration()));
    QVERIFY(m_tls->base().startsWith(u"https://127.0.0.1:"));
    TTestResponse r;
    r.body = body;
    r.trickleIntervalMs = trickleMs;
    r.header("Content-Type", "application/octet-stream");
    m_tls->route("/data", r);
    const TTestTrust trust({TTestTls::certificate()});
    THttpClient client(quick());
    const THttpResult res = client.get(m_tls->url("/data"));
    QVERIFY2(res.ok(), qPrintable(NetErrorText(res.error)));
    QCOMPARE(res.status, 200);
    QCOMPARE(res.body.size(), body.size());
    QVERIFY(res.body == body);
    QCOMPARE(res.finalAddress, m_tls->url("/data"));
    QCOMPARE(m_tls->requestedTargets(), QList<QByteArray>{"/data"});
}

void tst_Https::refusedCertificate_data()
{
    QTest::addColumn<TTestTls::Identity>("identity");
    QTest::addColumn<bool>("trusted");
    QTest::addColumn<bool>("viaRedirect");
    using I = TTestTls::Identity;
    QTest::newRow("unknown issuer") << I::Loopback << false << false;
    QTest::newRow("unknown issuer after a redirect from http") << I::Loopback << false << true;
    QTest::newRow("trusted issuer, other host name") << I::OtherName << true << false;
    QTest::newRow("trusted issuer, other host name, after a redirect") << I::OtherName << true << true;
}

// The client has no trust of its own beyond the system's: a certificate that
// is not trusted for 127.0.0.1 fails the GET with TlsFailed, before any
// request is sent and without a byte of body.
void tst_Https::refusedCertificate()
{
    QFETCH(TTestTls::Identity, identity);
    QFETCH(bool, trusted);
    QFETCH(bool, viaRedirect);
    QVERIFY(m_tls->startSecure(TTestTls::serverConfiguration(identity)));
    m_tls->page("/secret", "never sent");
    m_plain->redirect("/go", m_tls->url("/secret").toLatin1());
    std::optional<TTestTrust> trust;
    if (trusted)
        trust.emplace(QList<QSslCertificate>{TTestTls::certificate(identity)});
    THttpClient client(quick());
    QStringList reported;
    const QString start = viaRedirect ? m_plain->url("/go") : m_tls->url("/secret");
    const THttpResult res = client.get(start, [&](const QString& a) { reported.append(a); });
    QCOMPARE(res.error, NetError::TlsFailed);
    QVERIFY(NetErrorText(res.error).contains(u"certificate"));
    QVERIFY(res.body.isEmpty());
    QCOMPARE(res.finalAddress, m_tls->url("/secret"));
    QVERIFY(m_tls->requests().isEmpty());
    QCOMPARE(reported, viaRedirect ? QStringList{m_tls->url("/secret")} : QStringList{});
    QCOMPARE(m_plain->requests().size(), viaRedirect ? 1 : 0);
}

void tst_Https::redirectsAcrossSchemes_data()
{
    // Each hop redirects to the next; the last one answers. A hop on the same
    // server as the one before is written as a path alone, which must keep
    // the scheme and port of the redirecting server.
    QTest::addColumn<QStringList>("hops");
    QTest::addColumn<int>("status");
    QTest::newRow("http to https") << QStringList{"plain:/start", "tls:/end"} << 302;
    QTest::newRow("https to http") << QStringList{"tls:/start", "plain:/end"} << 301;
    QTest::newRow("https to https by path") << QStringList{"tls:/a/start", "tls:/b/end"} << 307;
    QTest::newRow("there and back") << QStringList{"plain:/1", "tls:/2", "plain:/3"} << 308;
    QTest::newRow("five across schemes")
        << QStringList{"tls:/0", "plain:/1", "tls:/2", "tls:/3", "plain:/4", "tls:/5"} << 303;
}

void tst_Https::redirectsAcrossSchemes()
{
    QFETCH(QStringList, hops);
    QFETCH(int, status);
    QVERIFY(m_tls->startSecure(TTestTls::serverConfiguration()));
    for (qsizetype i = 0; i + 1 < hops.size(); ++i) {
        TTestHttpServer& from = serverOf(hops[i]);
        TTestHttpServer& to = serverOf(hops[i + 1]);
        const QByteArray target = pathOf(hops[i + 1]);
        from.redirect(pathOf(hops[i]), &from == &to ? target : to.url(QString::fromLatin1(target)).toLatin1(), status);
    }
    serverOf(hops.last()).page(pathOf(hops.last()), "arrived");
    const TTestTrust trust({TTestTls::certificate()});
    THttpClient client(quick());
    QStringList reported;
    const THttpResult res = client.get(serverOf(hops.first()).url(QString::fromLatin1(pathOf(hops.first()))),
                                       [&](const QString& a) { reported.append(a); });
    QVERIFY2(res.ok(), qPrintable(NetErrorText(res.error)));
    QCOMPARE(res.body, QByteArray("arrived"));
    QStringList expected;
    QList<QByteArray> plainPaths, tlsPaths;
    for (const QString& hop : hops) {
        TTestHttpServer& s = serverOf(hop);
        expected.append(s.url(QString::fromLatin1(pathOf(hop))));
        (&s == m_tls.get() ? tlsPaths : plainPaths).append(pathOf(hop));
    }
    expected.removeFirst();
    QCOMPARE(reported, expected);
    QCOMPARE(res.finalAddress, expected.last());
    QCOMPARE(m_plain->requestedTargets(), plainPaths);
    QCOMPARE(m_tls->requestedTargets(), tlsPaths);
}

TV_REGISTER_TEST(tst_Https);
#include "tst_Https.moc"
