#pragma once

#include <QObject>
#include <QString>

#include <functional>

class QLocalServer;

// One running studio per user: the first copy listens on a local socket that
// only its user can reach; a later copy started with an existing scheme file
// hands the path over, waits until the first copy has dealt with it, and
// exits. A later copy without a file simply runs beside the first.
class SingleInstance : public QObject {
    Q_OBJECT
public:
    explicit SingleInstance(QString serverName = defaultServerName(), QObject* parent = nullptr);
    ~SingleInstance() override;

    static QString defaultServerName();

    // Sends path to the running copy and waits for its answer. False when no
    // copy is listening.
    bool handOver(const QString& path, int timeoutMs = -1);

    // Starts listening for hand-overs; replaces a stale socket left by a copy
    // that crashed.
    bool listen();

    // Called by the receiver when a hand-over has been handled, so that the
    // sender may exit.
    using Handler = std::function<void(const QString& path)>;
    void setHandler(Handler handler) { m_handler = std::move(handler); }

private:
    void acceptConnection();

    QString m_name;
    QLocalServer* m_server = nullptr;
    Handler m_handler;
};
