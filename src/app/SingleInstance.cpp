#include "SingleInstance.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QHash>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QThread>
#include <QtEndian>

#include <unistd.h>

namespace {

// A hand-over on the socket: the magic "TVSH" and the byte length of the path,
// both 32-bit big-endian, then the path in UTF-8. The receiver answers with
// the single byte kReceipt as soon as the whole frame is in, and closes.
constexpr quint32 kMagic = 0x54565348;
constexpr qsizetype kHeaderBytes = 8;
constexpr quint32 kMaxPathBytes = 64 * 1024; // far above any real path; a longer frame is refused
constexpr char kReceipt = '\x06';

// How often a waiting copy looks again for the holder's socket.
constexpr int kRetryMs = 50;

QByteArray handOverFrame(const QString& path)
{
    const QByteArray utf8 = path.toUtf8();
    QByteArray frame(kHeaderBytes, Qt::Uninitialized);
    qToBigEndian(kMagic, frame.data());
    qToBigEndian(quint32(utf8.size()), frame.data() + 4);
    return frame + utf8;
}

int remainingMs(const QDeadlineTimer& deadline)
{
    return int(qMax<qint64>(0, deadline.remainingTime()));
}

// Writes the frame and waits for the receipt, all before the deadline.
SingleInstance::HandOverResult deliver(QLocalSocket& socket, const QString& path, const QDeadlineTimer& deadline)
{
    socket.write(handOverFrame(path));
    while (socket.bytesToWrite() > 0)
        if (!socket.waitForBytesWritten(remainingMs(deadline)))
            return SingleInstance::HandOverResult::Unanswered;
    while (socket.bytesAvailable() < 1)
        if (!socket.waitForReadyRead(remainingMs(deadline)))
            return SingleInstance::HandOverResult::Unanswered;
    char answer = 0;
    socket.getChar(&answer);
    socket.disconnectFromServer();
    return answer == kReceipt ? SingleInstance::HandOverResult::Received : SingleInstance::HandOverResult::Unanswered;
}

} // namespace

SingleInstance::SingleInstance(QString serverName, QObject* parent)
    : QObject(parent)
    , m_name(std::move(serverName))
    , m_claim(std::make_unique<QLockFile>(claimFilePath(m_name)))
{
    // The claim is held for a whole run, however long: only a holder that no
    // longer runs makes it stale, never the lock file's age.
    m_claim->setStaleLockTime(0);
}

SingleInstance::~SingleInstance()
{
    release();
}

QString SingleInstance::defaultServerName()
{
    // One name per user; the socket itself is created readable by its owner
    // only. A copy that keeps its settings elsewhere (TINTVALE_HOME) is a
    // separate studio and gets a name of its own.
    QString name = QStringLiteral("TintvaleStudio-%1").arg(::getuid());
    const QByteArray home = qgetenv("TINTVALE_HOME");
    if (!home.isEmpty())
        name += QLatin1Char('-') + QString::number(qHash(home), 16);
    return name;
}

QString SingleInstance::claimFilePath(const QString& serverName)
{
    // QLocalServer puts a relative name's socket file in the temporary folder.
    const QString socketPath = QDir::isAbsolutePath(serverName) ? serverName : QDir::tempPath() + QLatin1Char('/') + serverName;
    return socketPath + QStringLiteral(".lock");
}

bool SingleInstance::claim()
{
    return m_claim->isLocked() || m_claim->tryLock(0);
}

bool SingleInstance::holdsClaim() const
{
    return m_claim->isLocked();
}

SingleInstance::HandOverResult SingleInstance::handOver(const QString& path, Timeouts timeouts)
{
    const QDeadlineTimer listenDeadline(timeouts.listenMs);
    for (;;) {
        QLocalSocket socket;
        socket.connectToServer(m_name);
        // A socket that is there connects at once; one that is not fails at once.
        if (socket.waitForConnected(remainingMs(listenDeadline) + kRetryMs))
            return deliver(socket, path, QDeadlineTimer(timeouts.receiptMs));
        if (claim())
            return HandOverResult::ClaimTakenOver;
        if (listenDeadline.hasExpired())
            return HandOverResult::NoListener;
        QThread::msleep(kRetryMs);
    }
}

bool SingleInstance::listen()
{
    if (!holdsClaim())
        return false;
    if (!m_server) {
        m_server = new QLocalServer(this);
        m_server->setSocketOptions(QLocalServer::UserAccessOption);
        connect(m_server, &QLocalServer::newConnection, this, &SingleInstance::acceptConnection);
    }
    if (m_server->isListening())
        return true;
    // Only the holder of the claim listens: a socket file here is a crashed copy's.
    QLocalServer::removeServer(m_name);
    return m_server->listen(m_name);
}

void SingleInstance::release()
{
    if (m_server)
        m_server->close(); // removes the socket file
    m_claim->unlock();     // removes the lock file
}

void SingleInstance::acceptConnection()
{
    while (QLocalSocket* socket = m_server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { readHandOver(socket); });
    }
}

void SingleInstance::readHandOver(QLocalSocket* socket)
{
    if (socket->bytesAvailable() < kHeaderBytes)
        return; // wait for the rest of the header
    char header[kHeaderBytes];
    socket->peek(header, kHeaderBytes);
    const quint32 magic = qFromBigEndian<quint32>(header);
    const quint32 length = qFromBigEndian<quint32>(header + 4);
    if (magic != kMagic || length > kMaxPathBytes) {
        socket->abort(); // not ours, or more than a path: nothing is read
        return;
    }
    if (socket->bytesAvailable() < kHeaderBytes + qint64(length))
        return; // wait for the rest of the path
    socket->skip(kHeaderBytes);
    const QString path = QString::fromUtf8(socket->read(length));
    // The receipt goes out before the path is handled: handling may ask the
    // user a question, and the sender does not wait for the answer.
    socket->putChar(kReceipt);
    socket->flush();
    socket->disconnectFromServer();
    QMetaObject::invokeMethod(
        this, [this, path] {
            if (m_handler)
                m_handler(path);
        },
        Qt::QueuedConnection);
}
