#ifndef APPPROCESS_H
#define APPPROCESS_H

#include <QCoreApplication>
#include <QProcess>
#include <QTest>

/*!
    The real application in a process of its own, with the given settings folder and the test
    recorder plugin, which writes "ready", the calls it receives and the text of every message
    box it answers to a file. Link against the recorder: add_dependencies(<test> TestRecorder).
*/
class AppProcess
{
public:
    explicit AppProcess(const QString& settingsPath, const QStringList& arguments = {})
        : m_record(settingsPath + QStringLiteral("/record.txt"))
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("ZENUB_RECORD_FILE"), m_record);
        process.setProcessEnvironment(environment);
        process.setProcessChannelMode(QProcess::ForwardedChannels);
        process.start(executable(), QStringList{QStringLiteral("-settingspath"), settingsPath,
                                                QStringLiteral("-pluginpath"),
                                                QCoreApplication::applicationDirPath() +
                                                    QStringLiteral("/plugins/recorder")} +
                                        arguments);
    }
    ~AppProcess()
    {
        process.kill();
        process.waitForFinished(5000);
    }

    static QString executable()
    {
        return qEnvironmentVariable("ZENUB_BUILD_DIR") + QStringLiteral("/bin/zenub-animate");
    }
    QString recorded() const
    {
        QFile file(m_record);
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }
    bool waitReady()
    {
        return QTest::qWaitFor([this] { return recorded().contains(QLatin1String("ready\n")); },
                               30000);
    }

    QProcess process;

private:
    QString m_record;
};

#endif
