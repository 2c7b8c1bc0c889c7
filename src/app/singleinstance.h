#ifndef SINGLEINSTANCE_H
#define SINGLEINSTANCE_H

#include <QObject>
#include <QStringList>

class QLocalServer;

/*!
    One running instance per settings folder. A later start hands its working folder and
    arguments to the running instance and exits; the running one emits remoteCall().
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

    static QString serverName(const QString& settingsPath);

signals:
    void remoteCall(const QString& workingDirectory, const QStringList& arguments);

private:
    void readConnection();

    QString m_serverName;
    QLocalServer* m_server = nullptr;
};

#endif
