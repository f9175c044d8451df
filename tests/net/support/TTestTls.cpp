#include "TTestTls.h"

#include <QFile>
#include <QSslKey>
#include <QSslSocket>

namespace {

QByteArray readFixture(const char* name)
{
    QFile f(QStringLiteral(TV_TEST_TLS_DIR "/") + QLatin1StringView(name));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

QString TTestTls::unavailableReason()
{
    if (!QSslSocket::supportsSsl())
        return QStringLiteral("no usable TLS backend (Qt's OpenSSL plugin qt6/plugins/tls/libqopensslbackend.so "
                              "from libqt6network6, and libssl3): active backend \"%1\", available: %2")
            .arg(QSslSocket::activeBackend(), QSslSocket::availableBackends().join(u", "));
    if (certificate().isNull() || serverConfiguration().privateKey().isNull())
        return QStringLiteral("the test certificate or key in " TV_TEST_TLS_DIR " cannot be read");
    return {};
}

QSslCertificate TTestTls::certificate(Identity identity)
{
    return QSslCertificate(readFixture(identity == Identity::Loopback ? "loopback-cert.pem" : "other-name-cert.pem"),
                           QSsl::Pem);
}

QSslConfiguration TTestTls::serverConfiguration(Identity identity)
{
    QSslConfiguration c = QSslConfiguration::defaultConfiguration();
    c.setLocalCertificate(certificate(identity));
    c.setPrivateKey(QSslKey(readFixture("key.pem"), QSsl::Ec, QSsl::Pem));
    c.setPeerVerifyMode(QSslSocket::VerifyNone);
    return c;
}
