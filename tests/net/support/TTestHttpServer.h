#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QObject>
#include <QSslConfiguration>
#include <QString>
#include <QTcpServer>

#include <functional>
#include <memory>
#include <optional>

// A small HTTP/1.1 server on 127.0.0.1 for tests and benchmarks: fixed
// responses by path, redirects, a directory of files, slow and trickling
// answers. Every connection gets one response and is closed. It runs on the
// thread that owns it, so a blocking client on that thread must run an event
// loop while it waits (THttpClient does). Started with startSecure, the same
// server speaks HTTPS: every connection is TLS from its first byte.
struct TTestResponse {
    int status = 200;
    QByteArray reason = "OK";
    QList<std::pair<QByteArray, QByteArray>> headers;
    QByteArray body;
    int delayMs = 0;           // wait before sending anything
    int trickleIntervalMs = 0; // > 0: send the body one byte per interval
    bool drop = false;         // close the connection without answering
    // A body without end, for hostile-server tests: after the head, `flood`
    // is sent again and again until the client goes away, as chunks of a
    // "Transfer-Encoding: chunked" body, as plain bytes of a body that would
    // end when the connection closes, or under a Content-Length that claims
    // 1 TiB. The socket's write buffer is kept under 1 MiB. With
    // trickleIntervalMs the flood is sent one byte per interval instead.
    enum class Framing { Chunked, UntilClose, HugeLength };
    QByteArray flood;
    Framing floodFraming = Framing::Chunked;

    void header(const QByteArray& name, const QByteArray& value) { headers.append(std::pair(name, value)); }
};

struct TTestRequest {
    QByteArray method;
    QByteArray target;                   // path and query as sent
    QHash<QByteArray, QByteArray> headers; // names in lower case
};

class TTestHttpServer : public QObject {
    Q_OBJECT
public:
    explicit TTestHttpServer(QObject* parent = nullptr);
    ~TTestHttpServer() override;

    bool start(quint16 port = 0);
    // Like start, but every connection begins with a TLS handshake in which
    // the server presents the local certificate and key of `tls` (see
    // TTestTls::serverConfiguration); addresses are then https://.
    bool startSecure(const QSslConfiguration& tls, quint16 port = 0);
    void stop();
    quint16 port() const;
    bool isSecure() const;
    // "http://127.0.0.1:<port>", or "https://..." once started secure
    QString base() const;
    QString url(const QString& path) const { return base() + path; }

    void route(const QByteArray& path, const TTestResponse& response);
    void page(const QByteArray& path, const QByteArray& body, const QByteArray& contentType = "text/html");
    void redirect(const QByteArray& path, const QByteArray& location, int status = 302);
    // Serves the files below `dir` under `prefix` ("/doc/").
    void serveDirectory(const QByteArray& prefix, const QString& dir);
    // Asked first for every request; nullopt falls back to the routes.
    void setHandler(std::function<std::optional<TTestResponse>(const TTestRequest&)> handler);

    const QList<TTestRequest>& requests() const { return m_requests; }
    QList<QByteArray> requestedTargets() const;
    void clearLog() { m_requests.clear(); }

private:
    void onConnection();
    TTestResponse respond(const TTestRequest& request) const;

    std::unique_ptr<QTcpServer> m_server;
    QHash<QByteArray, TTestResponse> m_routes;
    QList<std::pair<QByteArray, QString>> m_dirs;
    std::function<std::optional<TTestResponse>(const TTestRequest&)> m_handler;
    QList<TTestRequest> m_requests;
};
