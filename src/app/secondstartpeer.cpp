// SPDX-License-Identifier: MIT
#include "secondstartpeer.h"

#include "secondstartprotocol.h"

#include <QLocalSocket>
#include <QTimer>

#include <exception>

using namespace SecondStartProtocol;

namespace {
const int peerTimeoutMs = 5000;
} // namespace

SecondStartPeer::SecondStartPeer(QLocalSocket* socket, const QByteArray& secret)
    : QObject(socket)
    , m_socket(socket)
    , m_secret(secret)
{
    connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    connect(socket, &QLocalSocket::readyRead, this, &SecondStartPeer::read);
}

void SecondStartPeer::start()
{
    QTimer::singleShot(peerTimeoutMs, this, [this] {
        if (!m_done)
            drop();
    });
    if (m_socket->bytesAvailable() > 0)
        read();
}

void SecondStartPeer::read()
{
    // Whatever a peer sends, it may at worst lose its own connection.
    try {
        QByteArray payload;
        FrameState state = FrameState::Complete;
        while (!m_done && (state = takeFrame(m_socket, &payload)) == FrameState::Complete) {
            if (!handleFrame(payload)) {
                state = FrameState::Invalid;
                break;
            }
        }
        if (state == FrameState::Invalid || (m_done && m_socket->bytesAvailable() > 0))
            drop();
    } catch (const std::exception&) {
        drop();
    } catch (...) {
        drop();
    }
}

bool SecondStartPeer::handleFrame(const QByteArray& payload)
{
    if (m_challenge.isEmpty()) {
        if (payload.size() != challengeSize)
            return false;
        m_challenge = challenge();
        m_socket->write(frame(answer(m_secret, runningRole, payload) + m_challenge));
        return true;
    }
    const QByteArray expected = answer(m_secret, laterRole, m_challenge);
    QString workingDirectory;
    QStringList arguments;
    if (!payload.startsWith(expected) ||
        !decodeCall(payload.mid(expected.size()), &workingDirectory, &arguments))
        return false;
    m_done = true;
    m_socket->write(frame(QByteArrayLiteral("ok")));
    m_socket->flush();
    emit called(workingDirectory, arguments);
    return true;
}

void SecondStartPeer::drop()
{
    m_done = true;
    m_socket->abort();
    m_socket->deleteLater();
}
