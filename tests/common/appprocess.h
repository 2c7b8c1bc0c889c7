// SPDX-License-Identifier: MIT
#ifndef APPPROCESS_H
#define APPPROCESS_H

#include <QProcess>
#include <QtTest>

/*!
    The real application in a process of its own, with the given settings folder and the test
    recorder plugin, which writes "ready", the calls it receives and the text of each message box
    it answers to a file. Tests using it depend on the targets TestRecorder and zenub-animate.
*/
struct AppProcess
{
    explicit AppProcess(const QString& settingsPath, const QStringList& arguments = {})
        : record(settingsPath + "/record.txt")
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("ZENUB_RECORD_FILE", record);
        process.setProcessEnvironment(environment);
        process.setProcessChannelMode(QProcess::ForwardedChannels);
        process.start(executable(),
                      QStringList{"-settingspath", settingsPath, "-pluginpath",
                                  QCoreApplication::applicationDirPath() + "/plugins/recorder"} +
                          arguments);
    }
    ~AppProcess() { process.kill(), process.waitForFinished(5000); }

    static QString executable()
    {
        return qEnvironmentVariable("ZENUB_BUILD_DIR") + "/bin/zenub-animate";
    }
    QString recorded() const
    {
        QFile file(record);
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }
    bool waitReady()
    {
        return QTest::qWaitFor([this] { return recorded().contains("ready\n"); }, 30000);
    }

    QProcess process;
    const QString record;
};

#endif
