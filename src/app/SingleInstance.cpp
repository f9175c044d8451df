#include "SingleInstance.h"

#include <QDataStream>
#include <QElapsedTimer>
#include <QLocalServer>
#include <QLocalSocket>
#include <QPointer>
#include <QHash>

#include <unistd.h>

namespace {
constexpr quint32 kMagic = 0x54565348; // "TVSH"
}

SingleInstance::SingleInstance(QString serverName, QObject* parent)
    : QObject(parent)
    , m_name(std::move(serverName))
{
}

SingleInstance::~SingleInstance() = default;

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

bool SingleInstance::handOver(const QString& path, int timeoutMs)
{
    QLocalSocket socket;
    socket.connectToServer(m_name);
    if (!socket.waitForConnected(2000))
        return false;
    QByteArray frame;
    {
        QDataStream out(&frame, QIODevice::WriteOnly);
        out << kMagic << path;
    }
    socket.write(frame);
    if (!socket.waitForBytesWritten(2000))
        return true; // a copy is running; the message went nowhere, as a lost message would
    // The receiver answers once it has handled the file, questions included.
    socket.waitForReadyRead(timeoutMs);
    socket.disconnectFromServer();
    return true;
}

bool SingleInstance::listen()
{
    if (!m_server) {
        m_server = new QLocalServer(this);
        m_server->setSocketOptions(QLocalServer::UserAccessOption);
        connect(m_server, &QLocalServer::newConnection, this, &SingleInstance::acceptConnection);
    }
    if (m_server->listen(m_name))
        return true;
    if (m_server->serverError() == QAbstractSocket::AddressInUseError) {
        // Is somebody answering, or is it a socket file left behind?
        QLocalSocket probe;
        probe.connectToServer(m_name);
        if (probe.waitForConnected(500))
            return false;
        QLocalServer::removeServer(m_name);
        return m_server->listen(m_name);
    }
    return false;
}

void SingleInstance::acceptConnection()
{
    while (QLocalSocket* socket = m_server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            QDataStream in(socket);
            in.startTransaction();
            quint32 magic = 0;
            QString path;
            in >> magic >> path;
            if (!in.commitTransaction())
                return; // wait for the rest of the frame
            QPointer<QLocalSocket> guard(socket);
            if (magic == kMagic && m_handler)
                m_handler(path);
            if (guard) {
                guard->write("done", 4);
                guard->flush();
                guard->disconnectFromServer();
            }
        });
    }
}
