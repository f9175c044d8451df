#pragma once

#include <QObject>
#include <QString>

#include <functional>
#include <memory>

class QLocalServer;
class QLocalSocket;
class QLockFile;

// One running studio per user and settings folder.
//
// The first copy to start takes the claim, a lock file beside the local
// socket, and keeps it for its whole run; once its window exists it listens
// on the socket, which only its user can reach. Taking the claim is atomic,
// so of copies started together exactly one becomes the first. A later copy
// started with an existing scheme file finds the claim held, waits (bounded)
// for the holder to listen, hands the path over and exits as soon as the
// holder has acknowledged receipt, before the holder deals with the file. A
// later copy without a file runs beside the first. A claim left by a copy that
// crashed is free again: the lock file names a process that no longer runs.
class SingleInstance : public QObject {
    Q_OBJECT
public:
    enum class HandOverResult {
        Received,       // the holder acknowledged the path
        Unanswered,     // sent (or sending) to a listening holder, no receipt in time: the path may be lost
        NoListener,     // the holder did not listen in time; nothing was sent
        ClaimTakenOver, // the holder was gone: this copy holds the claim now and nothing was sent
    };

    // Bounds of a hand-over, in milliseconds.
    struct Timeouts {
        int listenMs = 5000;  // waiting for the holder of the claim to listen
        int receiptMs = 3000; // from connecting to the holder's acknowledgement
    };

    explicit SingleInstance(QString serverName = defaultServerName(), QObject* parent = nullptr);
    ~SingleInstance() override; // gives up the claim and stops listening

    static QString defaultServerName();
    // The claim's lock file: "<name>.lock" in the folder of the socket file.
    static QString claimFilePath(const QString& serverName);

    // Takes the claim when nobody else holds it. True when this copy holds it
    // (also when it did already).
    bool claim();
    bool holdsClaim() const;

    // Sends path to the holder of the claim. Blocks for at most
    // listenMs + receiptMs; needs no event loop.
    HandOverResult handOver(const QString& path, Timeouts timeouts);
    HandOverResult handOver(const QString& path) { return handOver(path, Timeouts{}); }

    // Starts listening for hand-overs; only the holder of the claim listens, and
    // a socket file found there was left behind by a copy that crashed.
    bool listen();

    // Stops listening and gives up the claim, removing the socket and lock files.
    void release();

    // Called from the event loop with each path received, after its receipt
    // has been acknowledged; the sender may have exited by then.
    using Handler = std::function<void(const QString& path)>;
    void setHandler(Handler handler) { m_handler = std::move(handler); }

private:
    void acceptConnection();
    void readHandOver(QLocalSocket* socket);

    QString m_name;
    std::unique_ptr<QLockFile> m_claim;
    QLocalServer* m_server = nullptr;
    Handler m_handler;
};
