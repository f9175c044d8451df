#include "THttpClient.h"

#include <QDeadlineTimer>
#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkProxy>
#include <QNetworkReply>
#include <QNetworkRequest>
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

NetError mapReplyError(QNetworkReply::NetworkError e, int status)
{
    if (status >= 400)
        return NetError::HttpStatus;
    switch (e) {
    case QNetworkReply::HostNotFoundError:
        return NetError::HostNotFound;
    case QNetworkReply::TimeoutError:
        return NetError::TimedOut;
    case QNetworkReply::SslHandshakeFailedError:
        return NetError::TlsFailed;
    default:
        return NetError::ConnectionFailed;
    }
}

} // namespace

THttpClient::THttpClient(THttpOptions options)
    : m_options(std::move(options))
    , m_manager(std::make_unique<QNetworkAccessManager>())
{
    m_manager->setProxy(QNetworkProxy(QNetworkProxy::NoProxy));
    m_manager->setRedirectPolicy(QNetworkRequest::ManualRedirectPolicy);
}

THttpClient::~THttpClient() = default;

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
    QDeadlineTimer deadline(m_options.deadlineMs);
    if (limits.deadline < deadline)
        deadline = limits.deadline;
    // Bytes this GET may still read: the body cap of one document, or the
    // caller's budget for all hops when that is smaller.
    const auto allowance = [&]() -> qint64 {
        if (limits.maxBodyBytes < 0)
            return m_options.maxBodyBytes;
        return std::min(m_options.maxBodyBytes, std::max<qint64>(0, limits.maxBodyBytes - result.bytesReceived));
    };
    int redirects = 0;
    for (;;) {
        if (deadline.hasExpired()) {
            result.error = NetError::DeadlineExceeded;
            return result;
        }
        QNetworkRequest request(*url);
        request.setHeader(QNetworkRequest::UserAgentHeader, m_options.userAgent);
        request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::ManualRedirectPolicy);
        request.setAttribute(QNetworkRequest::CookieLoadControlAttribute, QNetworkRequest::Manual);
        request.setAttribute(QNetworkRequest::CookieSaveControlAttribute, QNetworkRequest::Manual);
        request.setAttribute(QNetworkRequest::AuthenticationReuseAttribute, QNetworkRequest::Manual);
        request.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
        request.setAttribute(QNetworkRequest::CacheSaveControlAttribute, false);

        const qint64 cap = allowance();
        const std::unique_ptr<QNetworkReply> reply(m_manager->get(request));
        // Without a limit the network thread reads as fast as the server
        // sends and, while it keeps ahead, Qt holds back readyRead: a flood
        // would pile up unseen. With one, it stops reading until this
        // thread has taken what is buffered.
        reply->setReadBufferSize(kReadAheadBytes);
        QByteArray body;
        NetError own = NetError::None;
        QEventLoop loop;
        QTimer idle;
        idle.setSingleShot(true);
        idle.setInterval(m_options.readTimeoutMs);
        QTimer whole;
        whole.setSingleShot(true);
        whole.setTimerType(Qt::PreciseTimer);
        whole.setInterval(int(std::clamp<qint64>(deadline.remainingTime(), 0, std::numeric_limits<int>::max())));

        auto fail = [&](NetError e) {
            if (own == NetError::None)
                own = e;
            idle.stop();
            whole.stop();
            if (!reply->isFinished())
                reply->abort();
            loop.quit();
        };
        auto take = [&] {
            if (own != NetError::None)
                return;
            const QByteArray chunk = reply->read(std::max<qint64>(0, cap - body.size()) + 1);
            result.bytesReceived += chunk.size();
            body += chunk;
            if (body.size() > cap)
                fail(NetError::BodyTooLarge);
        };
        QObject::connect(reply.get(), &QNetworkReply::metaDataChanged, &loop, [&] {
            idle.start();
            const QVariant length = reply->header(QNetworkRequest::ContentLengthHeader);
            if (length.isValid() && length.toLongLong() > cap)
                fail(NetError::BodyTooLarge);
        });
        QObject::connect(reply.get(), &QNetworkReply::downloadProgress, &idle, qOverload<>(&QTimer::start));
        QObject::connect(reply.get(), &QNetworkReply::readyRead, &loop, [&] {
            idle.start();
            take();
        });
        QObject::connect(reply.get(), &QNetworkReply::finished, &loop, &QEventLoop::quit);
        QObject::connect(&idle, &QTimer::timeout, &loop, [&] { fail(NetError::TimedOut); });
        QObject::connect(&whole, &QTimer::timeout, &loop, [&] { fail(NetError::DeadlineExceeded); });
        idle.start();
        if (!deadline.isForever())
            whole.start();
        if (!reply->isFinished() && own == NetError::None)
            loop.exec(QEventLoop::AllEvents);
        idle.stop();
        whole.stop();
        take();

        result.status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        result.finalAddress = url->toString(QUrl::FullyEncoded);
        if (own != NetError::None) {
            result.error = own;
            return result;
        }
        if (isRedirect(result.status)) {
            const QByteArray location = reply->rawHeader("Location");
            std::optional<QUrl> target;
            if (!location.isEmpty())
                target = absoluteWebUrl(url->resolved(QUrl(slashed(QString::fromUtf8(location)), QUrl::TolerantMode)));
            if (!target) {
                result.error = NetError::HttpStatus;
                return result;
            }
            if (++redirects > m_options.maxRedirects) {
                result.error = NetError::TooManyRedirects;
                return result;
            }
            if (deadline.hasExpired()) {
                result.error = NetError::DeadlineExceeded;
                return result;
            }
            url = target;
            if (onRedirect)
                onRedirect(url->toString(QUrl::FullyEncoded));
            continue;
        }
        if (reply->error() != QNetworkReply::NoError) {
            result.error = mapReplyError(reply->error(), result.status);
            return result;
        }
        if (result.status < 200 || result.status > 299) {
            result.error = NetError::HttpStatus;
            return result;
        }
        result.body = std::move(body);
        return result;
    }
}
