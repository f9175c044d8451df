#pragma once

#include <QList>
#include <QSslCertificate>
#include <QSslConfiguration>

// While it lives, the process's default TLS configuration (which every
// THttpClient request starts from) also trusts `certificates` as issuers;
// the previous default comes back when it ends. This is how a test lets the
// client accept the test server without the client having any way of its
// own to trust an extra certificate.
class TTestTrust {
public:
    explicit TTestTrust(const QList<QSslCertificate>& certificates);
    ~TTestTrust();
    TTestTrust(const TTestTrust&) = delete;
    TTestTrust& operator=(const TTestTrust&) = delete;

private:
    QSslConfiguration m_previous;
};
