// SPDX-License-Identifier: MIT
#ifndef SECONDSTARTPEER_H
#define SECONDSTARTPEER_H

#include <QByteArray>
#include <QObject>
#include <QStringList>

class QLocalSocket;

/*!
    The running instance's side of one connection on the second-start socket. A peer that does
    not complete the exchange within a few seconds, or sends anything out of bounds, is dropped;
    nothing it sends can end the process. Deletes itself with its socket.
*/
class SecondStartPeer : public QObject
{
    Q_OBJECT
public:
    SecondStartPeer(QLocalSocket* socket, const QByteArray& secret);
    /*! Starts the clock and reads what has arrived; connect to called() before. */
    void start();

signals:
    void called(const QString& workingDirectory, const QStringList& arguments);

private:
    void read();
    bool handleFrame(const QByteArray& payload);
    void drop();

    QLocalSocket* m_socket;
    QByteArray m_secret;
    QByteArray m_challenge;
    bool m_done = false;
};

#endif
