#pragma once

#include <QSslCertificate>
#include <QSslConfiguration>
#include <QString>

// The TLS identities of the test server (files in tls/, see its README) and
// the check that this machine can speak TLS at all.
namespace TTestTls {

enum class Identity {
    Loopback,  // 127.0.0.1 and localhost
    OtherName, // tintvale.invalid only: wrong for any address a test uses
};

// Empty when TLS works here; otherwise why not, for QSKIP.
QString unavailableReason();

// Self-signed, so the certificate is its own issuer: trusting it (TTestTrust)
// is all a client needs. Null when the file cannot be read.
QSslCertificate certificate(Identity identity = Identity::Loopback);

// For TTestHttpServer::startSecure: certificate and key, no client
// certificate asked for.
QSslConfiguration serverConfiguration(Identity identity = Identity::Loopback);

} // namespace TTestTls
