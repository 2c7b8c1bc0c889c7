// SPDX-License-Identifier: MIT
#ifndef SINGLEINSTANCE_H
#define SINGLEINSTANCE_H

#include <QObject>
#include <QStringList>

class QLocalServer;

/*!
    One running instance per settings folder. A later start hands its working folder and
    arguments to the running instance and exits; the running one emits remoteCall().

    The socket lives in the user's private folder, and both sides prove that they know the
    user's secret before anything is handed over: whatever else answers on the socket is not
    trusted, and this start then opens its own window.
*/
class SingleInstance : public QObject
{
    Q_OBJECT
public:
    explicit SingleInstance(const QString& settingsPath, QObject* parent = nullptr);

    /*! True when another instance took the arguments; this process should then exit. */
    bool forwardToRunningInstance(const QString& workingDirectory, const QStringList& arguments);
    /*! Starts listening for later starts. */
    bool listen();
    /*! Why the last call failed, for the user; empty when nothing was wrong. */
    QString errorString() const { return m_errorString; }

    /*! The socket's path, or an empty string when the private folder cannot be trusted. */
    static QString serverName(const QString& settingsPath, QString* errorString = nullptr);

signals:
    void remoteCall(const QString& workingDirectory, const QStringList& arguments);

private:
    void acceptConnections();

    QString m_serverName;
    QString m_errorString;
    QByteArray m_secret;
    QLocalServer* m_server = nullptr;
};

#endif
