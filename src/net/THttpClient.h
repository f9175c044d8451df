#pragma once

#include "NetError.h"

#include <QByteArray>
#include <QDeadlineTimer>
#include <QString>

#include <functional>
#include <memory>

class QUrl;

// Limits and fixed request settings of one client.
struct THttpOptions {
    QByteArray userAgent = "Mozilla/4.0 (compatible; MSIE 6.0; Windows NT 5.0)";
    int readTimeoutMs = 8000;        // silence allowed before failing; restarts with every byte
    int deadlineMs = 30000;          // whole time allowed for one GET, redirects included
    int maxRedirects = 5;            // redirects followed in a row; one more fails
    qint64 maxBodyBytes = 16 << 20;  // a larger body fails
};

// Limits of one GET on top of the client's options, for a caller that shares
// one budget between many GETs (a harvest): the tighter of each pair holds.
struct THttpCallLimits {
    QDeadlineTimer deadline = QDeadlineTimer(QDeadlineTimer::Forever); // the GET fails with DeadlineExceeded by then
    qint64 maxBodyBytes = -1; // >= 0: bytes allowed in all bodies of the GET, redirects included
};

struct THttpResult {
    NetError error = NetError::None;
    int status = 0;        // last HTTP status seen, 0 when none
    QByteArray body;       // the body as received (after transfer decoding); empty on failure
    QString finalAddress;  // the address the body came from, after redirects
    qint64 bytesReceived = 0; // body bytes read over all hops, failed ones included

    bool ok() const { return error == NetError::None; }
};

// Blocking GET of an absolute http:// or https:// address into memory.
// Waiting runs a local event loop, so pending user-interface events are
// processed meanwhile; the caller must keep itself from being re-entered.
// The request carries the fixed User-Agent and Qt's own default headers,
// nothing else: no proxy, no cookies (neither sent nor stored), no
// credentials (user information in an address is dropped).
// HTTP/1.1 over one connection per request (Connection: close), read on
// this thread: bodies are decoded as they arrive, whatever their framing
// (Content-Length, chunked, or up to the end of the connection), with at
// most a small buffer read ahead of the decoder, so the GET is aborted with
// BodyTooLarge as soon as more bytes have arrived than allowed, or at once
// when the server announces a larger Content-Length. Only identity bodies
// are asked for (no Accept-Encoding).
// Redirects (301, 302, 303, 307, 308 with a Location) are followed by the
// client itself, to http:// or https:// targets only; onRedirect receives
// each new absolute address before it is requested.
// An https:// server must present a certificate that the process's default
// TLS configuration trusts (the system's certificate store) for the host of
// the address; any certificate error fails the GET with TlsFailed, never
// ignored.
class THttpClient {
public:
    explicit THttpClient(THttpOptions options = {});
    ~THttpClient();
    THttpClient(const THttpClient&) = delete;
    THttpClient& operator=(const THttpClient&) = delete;

    THttpResult get(const QString& address,
                    const std::function<void(const QString& newAddress)>& onRedirect = {},
                    const THttpCallLimits& limits = {});

    const THttpOptions& options() const { return m_options; }

private:
    // One request and its response, no redirects followed.
    struct THop {
        NetError error = NetError::None;
        int status = 0;
        QByteArray location; // Location header, as sent
        QByteArray body;     // complete bodies of successful answers only
        qint64 bytes = 0;    // body bytes received, whole or not
    };
    THop fetchOnce(const QUrl& url, const QDeadlineTimer& deadline, qint64 cap);

    THttpOptions m_options;
};
