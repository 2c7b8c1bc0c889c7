#include "singleinstance.h"

#include <QCryptographicHash>
#include <QDataStream>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>

namespace {
const int timeoutMs = 3000;
const quint32 magic = 0x5a4e5542; // "ZNUB"
} // namespace

SingleInstance::SingleInstance(const QString& settingsPath, QObject* parent)
    : QObject(parent)
    , m_serverName(serverName(settingsPath))
{}

QString SingleInstance::serverName(const QString& settingsPath)
{
    const QString key =
        qEnvironmentVariable("USER") + QLatin1Char('|') +
        (settingsPath.isEmpty() ? QStringLiteral("<default>") : QDir(settingsPath).absolutePath());
    const QByteArray hash = QCryptographicHash::hash(key.toUtf8(), QCryptographicHash::Sha1);
    return QStringLiteral("zenub-animate-") + QString::fromLatin1(hash.toHex().left(16));
}

bool SingleInstance::forwardToRunningInstance(const QString& workingDirectory,
                                              const QStringList& arguments)
{
    QLocalSocket socket;
    socket.connectToServer(m_serverName);
    if (!socket.waitForConnected(timeoutMs))
        return false;
    QByteArray payload;
    QDataStream out(&payload, QIODevice::WriteOnly);
    out << magic << workingDirectory << arguments;
    socket.write(payload);
    if (!socket.waitForBytesWritten(timeoutMs))
        return false;
    // The running instance answers once it has taken the call, so no argument is lost.
    return socket.waitForReadyRead(timeoutMs) && socket.readAll() == "ok";
}

bool SingleInstance::listen()
{
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!m_server->listen(m_serverName)) {
        // A server file left behind by a crashed instance blocks the name; nobody answered it.
        QLocalServer::removeServer(m_serverName);
        if (!m_server->listen(m_serverName))
            return false;
    }
    connect(m_server, &QLocalServer::newConnection, this, &SingleInstance::readConnection);
    return true;
}

void SingleInstance::readConnection()
{
    while (QLocalSocket* socket = m_server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        auto read = [this, socket] {
            QDataStream in(socket);
            in.startTransaction();
            quint32 header = 0;
            QString workingDirectory;
            QStringList arguments;
            in >> header >> workingDirectory >> arguments;
            if (!in.commitTransaction())
                return; // wait for the rest
            if (header != magic) {
                socket->abort();
                return;
            }
            socket->write("ok");
            socket->flush();
            // Handling the call may open a modal box whose event loop sees this socket
            // disconnect and deleted; so leave the socket's signal before handling it.
            QMetaObject::invokeMethod(
                this,
                [this, workingDirectory, arguments] {
                    emit remoteCall(workingDirectory, arguments);
                },
                Qt::QueuedConnection);
        };
        connect(socket, &QLocalSocket::readyRead, this, read);
        if (socket->bytesAvailable() > 0)
            read();
    }
}
