#include "THttpClient.h"

#include "THttpResponseReader.h"

#include <QDeadlineTimer>
#include <QEventLoop>
#include <QNetworkProxy>
#include <QSslSocket>
#include <QTcpSocket>
#include <QTimer>
#include <QUrl>

#include <algorithm>
#include <limits>

namespace {

// How far the network thread may read ahead of this one (bytes).
constexpr qint64 kReadAheadBytes = 256 * 1024;

bool isWebScheme(const QUrl& url)
{
    const QString scheme = url.scheme();
    return scheme == QLatin1StringView("http") || scheme == QLatin1StringView("https");
}

// Browsers read a back-slash in the path of a web address as "/"; so does
// this client. The query and fragment are left alone.
QString slashed(const QString& address)
{
    QString s = address;
    qsizetype end = s.size();
    for (const QChar stop : {u'?', u'#'}) {
        const qsizetype at = s.indexOf(stop);
        if (at >= 0 && at < end)
            end = at;
    }
    for (qsizetype i = 0; i < end; ++i)
        if (s[i] == u'\\')
            s[i] = u'/';
    return s;
}

std::optional<QUrl> absoluteWebUrl(const QUrl& url)
{
    if (!url.isValid() || !isWebScheme(url) || url.host().isEmpty())
        return std::nullopt;
    QUrl u = url;
    u.setUserInfo(QString());
    u.setFragment(QString());
    if (u.path().isEmpty())
        u.setPath(QStringLiteral("/"));
    return u;
}

bool isRedirect(int status)
{
    return status == 301 || status == 302 || status == 303 || status == 307 || status == 308;
}

// "host" or "host:port" as the Host header wants it (IPv6 in brackets).
QByteArray hostHeader(const QUrl& url)
{
    return url.adjusted(QUrl::RemoveUserInfo).authority(QUrl::FullyEncoded).toLatin1();
}

} // namespace

THttpClient::THttpClient(THttpOptions options)
    : m_options(std::move(options))
{
}

THttpClient::~THttpClient() = default;

THttpClient::THop THttpClient::fetchOnce(const QUrl& url, const QDeadlineTimer& deadline, qint64 cap)
{
    THop hop;
    const bool secure = url.scheme() == QLatin1StringView("https");
    std::unique_ptr<QTcpSocket> socket;
    if (secure)
        socket = std::make_unique<QSslSocket>();
    else
        socket = std::make_unique<QTcpSocket>();
    socket->setProxy(QNetworkProxy(QNetworkProxy::NoProxy));
    // Reading stops while this much waits unread, so a server can never be
    // more than this far ahead of the parser.
    socket->setReadBufferSize(kReadAheadBytes);

    THttpResponseReader reader(cap);
    QEventLoop loop;
    QTimer idle;
    idle.setSingleShot(true);
    idle.setInterval(m_options.readTimeoutMs);
    QTimer whole;
    whole.setSingleShot(true);
    whole.setTimerType(Qt::PreciseTimer);
    whole.setInterval(int(std::clamp<qint64>(deadline.remainingTime(), 0, std::numeric_limits<int>::max())));
    bool done = false;

    const auto end = [&](NetError e) {
        if (done)
            return;
        done = true;
        hop.error = e;
        idle.stop();
        whole.stop();
        socket->abort();
        loop.quit();
    };
    const auto feed = [&] {
        while (!done && socket->bytesAvailable() > 0) {
            const QByteArray bytes = socket->read(kReadAheadBytes);
            if (bytes.isEmpty())
                break;
            idle.start();
            const THttpResponseReader::State state = reader.feed(bytes);
            if (state == THttpResponseReader::State::Failed)
                end(reader.error());
            else if (state == THttpResponseReader::State::Done)
                end(NetError::None);
        }
    };
    const auto sendRequest = [&] {
        idle.start();
        QByteArray request = "GET " + url.toEncoded(QUrl::RemoveScheme | QUrl::RemoveAuthority | QUrl::RemoveFragment);
        request += " HTTP/1.1\r\nHost: " + hostHeader(url) + "\r\nUser-Agent: " + m_options.userAgent
                   + "\r\nAccept: */*\r\nConnection: close\r\n\r\n";
        socket->write(request);
    };
    QObject::connect(socket.get(), &QAbstractSocket::readyRead, &loop, feed);
    QObject::connect(socket.get(), &QAbstractSocket::disconnected, &loop, [&] {
        feed();
        if (!done)
            end(reader.finishAtClose());
    });
    QObject::connect(socket.get(), &QAbstractSocket::errorOccurred, &loop, [&](QAbstractSocket::SocketError e) {
        switch (e) {
        case QAbstractSocket::RemoteHostClosedError:
            feed();
            if (!done)
                end(reader.finishAtClose());
            return;
        case QAbstractSocket::HostNotFoundError:
            end(NetError::HostNotFound);
            return;
        case QAbstractSocket::SslHandshakeFailedError:
        case QAbstractSocket::SslInvalidUserDataError:
        case QAbstractSocket::SslInternalError:
            end(NetError::TlsFailed);
            return;
        default:
            end(NetError::ConnectionFailed);
            return;
        }
    });
    QObject::connect(&idle, &QTimer::timeout, &loop, [&] { end(NetError::TimedOut); });
    QObject::connect(&whole, &QTimer::timeout, &loop, [&] { end(NetError::DeadlineExceeded); });

    const quint16 port = quint16(url.port(secure ? 443 : 80));
    if (secure) {
        auto* tls = static_cast<QSslSocket*>(socket.get());
        // Certificate errors are never ignored: the handshake fails on them.
        QObject::connect(tls, &QSslSocket::sslErrors, &loop, [&](const QList<QSslError>&) { end(NetError::TlsFailed); });
        QObject::connect(tls, &QSslSocket::encrypted, &loop, sendRequest);
        tls->connectToHostEncrypted(url.host(), port);
    } else {
        QObject::connect(socket.get(), &QAbstractSocket::connected, &loop, sendRequest);
        socket->connectToHost(url.host(), port);
    }
    idle.start();
    if (!deadline.isForever())
        whole.start();
    if (!done)
        loop.exec(QEventLoop::AllEvents);

    hop.status = reader.status();
    hop.location = reader.location();
    hop.bytes = reader.bodyBytesSeen();
    if (hop.error == NetError::None)
        hop.body = reader.takeBody();
    return hop;
}

THttpResult THttpClient::get(const QString& address,
                             const std::function<void(const QString&)>& onRedirect,
                             const THttpCallLimits& limits)
{
    THttpResult result;
    std::optional<QUrl> url = absoluteWebUrl(QUrl(slashed(address.trimmed()), QUrl::TolerantMode));
    if (!url) {
        result.error = NetError::InvalidAddress;
        return result;
    }
    QDeadlineTimer deadline(m_options.deadlineMs, Qt::PreciseTimer);
    if (limits.deadline < deadline)
        deadline = limits.deadline;
    int redirects = 0;
    for (;;) {
        if (deadline.hasExpired()) {
            result.error = NetError::DeadlineExceeded;
            return result;
        }
        // The body cap of one document, or the caller's budget for all hops
        // when that is smaller.
        qint64 cap = m_options.maxBodyBytes;
        if (limits.maxBodyBytes >= 0)
            cap = std::min(cap, std::max<qint64>(0, limits.maxBodyBytes - result.bytesReceived));
        THop hop = fetchOnce(*url, deadline, cap);
        result.bytesReceived += hop.bytes;
        result.status = hop.status;
        result.finalAddress = url->toString(QUrl::FullyEncoded);
        if (hop.error != NetError::None) {
            result.error = hop.error;
            return result;
        }
        if (isRedirect(result.status)) {
            std::optional<QUrl> target;
            if (!hop.location.isEmpty())
                target = absoluteWebUrl(url->resolved(QUrl(slashed(QString::fromUtf8(hop.location)), QUrl::TolerantMode)));
            if (!target) {
                result.error = NetError::HttpStatus;
                return result;
            }
            if (++redirects > m_options.maxRedirects) {
                result.error = NetError::TooManyRedirects;
                return result;
            }
            url = target;
            if (onRedirect)
                onRedirect(url->toString(QUrl::FullyEncoded));
            continue;
        }
        if (result.status < 200 || result.status > 299) {
            result.error = NetError::HttpStatus;
            return result;
        }
        result.body = std::move(hop.body);
        return result;
    }
}
