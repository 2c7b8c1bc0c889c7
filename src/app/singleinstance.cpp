// SPDX-License-Identifier: MIT
#include "singleinstance.h"

#include "secondstartpeer.h"
#include "secondstartprotocol.h"

#include <extensionsystem/privatefolder.h>

#include <QCryptographicHash>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>

using namespace SecondStartProtocol;

namespace {

// Waits for one whole frame; a silent or garbled answer counts as no answer.
bool readFrame(QLocalSocket* socket, QByteArray* payload)
{
    QElapsedTimer clock;
    clock.start();
    while (true) {
        const FrameState state = takeFrame(socket, payload);
        if (state != FrameState::Incomplete)
            return state == FrameState::Complete;
        const int left = timeoutMs - int(clock.elapsed());
        if (left <= 0 || !socket->waitForReadyRead(left))
            return false;
    }
}

} // namespace

SingleInstance::SingleInstance(const QString& settingsPath, QObject* parent)
    : QObject(parent)
    , m_serverName(serverName(settingsPath, &m_errorString))
{
    if (!m_serverName.isEmpty())
        m_secret = secret(QFileInfo(m_serverName).path(), &m_errorString);
}

QString SingleInstance::serverName(const QString& settingsPath, QString* errorString)
{
    const QString folder = ExtensionSystem::PrivateFolder::path(errorString);
    if (folder.isEmpty())
        return QString();
    const QString key =
        settingsPath.isEmpty() ? QStringLiteral("<default>") : QDir(settingsPath).absolutePath();
    const QByteArray hash = QCryptographicHash::hash(key.toUtf8(), QCryptographicHash::Sha1);
    return QDir(folder).filePath(QStringLiteral("instance-") +
                                 QString::fromLatin1(hash.toHex().left(16)));
}

bool SingleInstance::forwardToRunningInstance(const QString& workingDirectory,
                                              const QStringList& arguments)
{
    if (m_serverName.isEmpty() || m_secret.isEmpty())
        return false;
    QLocalSocket socket;
    socket.connectToServer(m_serverName);
    if (!socket.waitForConnected(timeoutMs))
        return false;
    const QByteArray ours = challenge();
    socket.write(frame(ours));
    QByteArray reply;
    const QByteArray expected = answer(m_secret, runningRole, ours);
    if (!readFrame(&socket, &reply) || reply.size() != expected.size() + challengeSize ||
        !reply.startsWith(expected)) {
        m_errorString = tr("Something that is not Zenub Animate answers on \"%1\".")
                            .arg(QDir::toNativeSeparators(m_serverName));
        return false;
    }
    const QByteArray theirs = reply.mid(expected.size());
    socket.write(
        frame(answer(m_secret, laterRole, theirs) + encodeCall(workingDirectory, arguments)));
    // The running instance answers once it has taken the call, so no argument is lost.
    return readFrame(&socket, &reply) && reply == "ok";
}

bool SingleInstance::listen()
{
    if (m_serverName.isEmpty() || m_secret.isEmpty())
        return false;
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!m_server->listen(m_serverName)) {
        // Whatever holds the name did not prove itself above: a crashed instance's leftover, or
        // something of this user's that is not us.
        QLocalServer::removeServer(m_serverName);
        if (!m_server->listen(m_serverName)) {
            m_errorString = m_server->errorString();
            return false;
        }
    }
    connect(m_server, &QLocalServer::newConnection, this, &SingleInstance::acceptConnections);
    return true;
}

void SingleInstance::acceptConnections()
{
    while (QLocalSocket* socket = m_server->nextPendingConnection()) {
        auto* peer = new SecondStartPeer(socket, m_secret);
        // Handling the call may open a modal box whose event loop sees this socket disconnect
        // and deleted; so leave the socket's signal before handling it.
        connect(peer, &SecondStartPeer::called, this, &SingleInstance::remoteCall,
                Qt::QueuedConnection);
        peer->start();
    }
}
