#include "TTestHttpServer.h"

#include <QDir>
#include <QFile>
#include <QHostAddress>
#include <QPointer>
#include <QSslKey>
#include <QSslSocket>
#include <QTcpSocket>
#include <QTimer>

#include <csignal>

namespace {

// A listening socket that, once given a TLS configuration, hands out
// QSslSockets in server mode with the handshake already started; without one
// it hands out plain sockets as QTcpServer does. Either way the request
// handling sees a QTcpSocket that reads and writes plain HTTP.
class TListener : public QTcpServer {
public:
    std::optional<QSslConfiguration> tls;

protected:
    void incomingConnection(qintptr descriptor) override
    {
        if (!tls) {
            QTcpServer::incomingConnection(descriptor);
            return;
        }
        auto* socket = new QSslSocket(this);
        if (!socket->setSocketDescriptor(descriptor)) {
            delete socket;
            return;
        }
        socket->setSslConfiguration(*tls);
        addPendingConnection(socket);
        socket->startServerEncryption();
    }
};

constexpr qint64 kLowWater = 1 << 20;
constexpr qsizetype kSlice = 256 * 1024;

// Writes a body in slices while less than 1 MiB waits in the socket, so that
// a large body is not copied whole into every connection's write buffer,
// then closes.
void sendBody(const QPointer<QTcpSocket>& socket, const QByteArray& body)
{
    auto next = std::make_shared<qsizetype>(0);
    const auto refill = [socket, body, next] {
        while (socket && socket->state() == QAbstractSocket::ConnectedState && socket->bytesToWrite() < kLowWater) {
            if (*next >= body.size()) {
                socket->disconnectFromHost();
                return;
            }
            socket->write(body.mid(*next, kSlice));
            *next += kSlice;
        }
    };
    QObject::connect(socket, &QTcpSocket::bytesWritten, socket, refill);
    refill();
}

// Sends r.flood without end: refilled whenever the socket has written enough
// that less than 1 MiB waits, or one byte per trickle interval.
void startFlood(const QPointer<QTcpSocket>& socket, const TTestResponse& r)
{
    const bool chunked = r.floodFraming == TTestResponse::Framing::Chunked;
    const auto frame = [chunked](const QByteArray& data) {
        if (!chunked)
            return data;
        return QByteArray::number(data.size(), 16) + "\r\n" + data + "\r\n";
    };
    if (r.trickleIntervalMs > 0) {
        auto* timer = new QTimer(socket);
        auto next = std::make_shared<qsizetype>(0);
        QObject::connect(timer, &QTimer::timeout, socket, [socket, r, next, frame] {
            if (socket)
                socket->write(frame(r.flood.mid((*next)++ % r.flood.size(), 1)));
        });
        timer->start(r.trickleIntervalMs);
        return;
    }
    QByteArray block;
    while (block.size() < kSlice)
        block += r.flood;
    const QByteArray framed = frame(block);
    const auto refill = [socket, framed] {
        while (socket && socket->state() == QAbstractSocket::ConnectedState && socket->bytesToWrite() < kLowWater)
            socket->write(framed);
    };
    QObject::connect(socket, &QTcpSocket::bytesWritten, socket, refill);
    refill();
}

} // namespace

TTestHttpServer::TTestHttpServer(QObject* parent)
    : QObject(parent)
    , m_server(std::make_unique<TListener>())
{
    // A client that goes away in the middle of a body must not kill the
    // test with SIGPIPE; the write fails and the socket closes instead.
    std::signal(SIGPIPE, SIG_IGN);
    connect(m_server.get(), &QTcpServer::newConnection, this, &TTestHttpServer::onConnection);
}

TTestHttpServer::~TTestHttpServer() = default;

bool TTestHttpServer::start(quint16 port)
{
    static_cast<TListener&>(*m_server).tls.reset();
    return m_server->listen(QHostAddress(QHostAddress::LocalHost), port);
}

bool TTestHttpServer::startSecure(const QSslConfiguration& tls, quint16 port)
{
    if (!QSslSocket::supportsSsl() || tls.localCertificate().isNull() || tls.privateKey().isNull())
        return false;
    static_cast<TListener&>(*m_server).tls = tls;
    return m_server->listen(QHostAddress(QHostAddress::LocalHost), port);
}

void TTestHttpServer::stop()
{
    m_server->close();
}

quint16 TTestHttpServer::port() const
{
    return m_server->serverPort();
}

bool TTestHttpServer::isSecure() const
{
    return static_cast<const TListener&>(*m_server).tls.has_value();
}

QString TTestHttpServer::base() const
{
    return QStringLiteral("%1://127.0.0.1:%2").arg(isSecure() ? u"https" : u"http").arg(port());
}

void TTestHttpServer::route(const QByteArray& path, const TTestResponse& response)
{
    m_routes.insert(path, response);
}

void TTestHttpServer::page(const QByteArray& path, const QByteArray& body, const QByteArray& contentType)
{
    TTestResponse r;
    r.body = body;
    r.header("Content-Type", contentType);
    route(path, r);
}

void TTestHttpServer::redirect(const QByteArray& path, const QByteArray& location, int status)
{
    TTestResponse r;
    r.status = status;
    r.reason = "Moved";
    r.header("Location", location);
    route(path, r);
}

void TTestHttpServer::serveDirectory(const QByteArray& prefix, const QString& dir)
{
    m_dirs.append({prefix, dir});
}

void TTestHttpServer::setHandler(std::function<std::optional<TTestResponse>(const TTestRequest&)> handler)
{
    m_handler = std::move(handler);
}

QList<QByteArray> TTestHttpServer::requestedTargets() const
{
    QList<QByteArray> list;
    for (const TTestRequest& r : m_requests)
        list.append(r.target);
    return list;
}

TTestResponse TTestHttpServer::respond(const TTestRequest& request) const
{
    if (m_handler)
        if (std::optional<TTestResponse> r = m_handler(request))
            return *r;
    const auto it = m_routes.constFind(request.target);
    if (it != m_routes.constEnd())
        return *it;
    for (const auto& [prefix, dir] : m_dirs) {
        if (!request.target.startsWith(prefix))
            continue;
        QByteArray rel = request.target.mid(prefix.size());
        rel = rel.left(rel.indexOf('?') < 0 ? rel.size() : rel.indexOf('?'));
        if (rel.contains(".."))
            break;
        QFile f(QDir(dir).filePath(QString::fromUtf8(rel)));
        if (f.open(QIODevice::ReadOnly)) {
            TTestResponse r;
            r.body = f.readAll();
            return r;
        }
    }
    TTestResponse missing;
    missing.status = 404;
    missing.reason = "Not Found";
    missing.body = "not found";
    return missing;
}

void TTestHttpServer::onConnection()
{
    while (QTcpSocket* socket = m_server->nextPendingConnection()) {
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        auto buffer = std::make_shared<QByteArray>();
        auto answered = std::make_shared<bool>(false);
        connect(socket, &QTcpSocket::readyRead, this, [this, socket, buffer, answered] {
            *buffer += socket->readAll();
            if (!*answered && buffer->startsWith('\x16')) {
                // A TLS handshake on the plain port: refused at once, as web servers do.
                *answered = true;
                socket->disconnectFromHost();
                return;
            }
            const qsizetype end = buffer->indexOf("\r\n\r\n");
            if (*answered || end < 0)
                return;
            *answered = true;
            TTestRequest request;
            const QList<QByteArray> lines = buffer->left(end).split('\n');
            const QList<QByteArray> first = lines.value(0).trimmed().split(' ');
            request.method = first.value(0);
            request.target = first.value(1);
            for (qsizetype i = 1; i < lines.size(); ++i) {
                const qsizetype colon = lines[i].indexOf(':');
                if (colon > 0)
                    request.headers.insert(lines[i].left(colon).trimmed().toLower(), lines[i].mid(colon + 1).trimmed());
            }
            m_requests.append(request);
            const TTestResponse r = respond(request);
            QPointer<QTcpSocket> guard(socket);
            auto send = [guard, r] {
                if (!guard)
                    return;
                if (r.drop) {
                    guard->abort();
                    guard->deleteLater();
                    return;
                }
                QByteArray head = "HTTP/1.1 " + QByteArray::number(r.status) + ' ' + r.reason + "\r\n";
                for (const auto& [name, value] : r.headers)
                    head += name + ": " + value + "\r\n";
                if (!r.flood.isEmpty()) {
                    if (r.floodFraming == TTestResponse::Framing::Chunked)
                        head += "Transfer-Encoding: chunked\r\n";
                    else if (r.floodFraming == TTestResponse::Framing::HugeLength)
                        head += "Content-Length: 1099511627776\r\n";
                    head += "Connection: close\r\n\r\n";
                    guard->write(head);
                    startFlood(guard, r);
                    return;
                }
                head += "Content-Length: " + QByteArray::number(r.body.size()) + "\r\nConnection: close\r\n\r\n";
                guard->write(head);
                if (r.trickleIntervalMs <= 0) {
                    sendBody(guard, r.body);
                    return;
                }
                auto* timer = new QTimer(guard);
                auto next = std::make_shared<qsizetype>(0);
                QObject::connect(timer, &QTimer::timeout, guard, [guard, r, next, timer] {
                    if (*next >= r.body.size()) {
                        timer->stop();
                        guard->disconnectFromHost();
                        return;
                    }
                    guard->write(r.body.mid((*next)++, 1));
                });
                timer->start(r.trickleIntervalMs);
            };
            if (r.delayMs > 0)
                QTimer::singleShot(r.delayMs, socket, send);
            else
                send();
        });
    }
}
