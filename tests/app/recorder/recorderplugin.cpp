// SPDX-License-Identifier: MIT
#include <extensionsystem/iplugin.h>
#include <mainwindow/mainwindow.h>
#include <plugin/coreplugin.h>
#include <plugin/icore.h>

#include <QApplication>
#include <QFile>
#include <QMessageBox>
#include <QTimer>
#include <QWebSocketServer>

/*!
    Writes what a running application receives to the file named by ZENUB_RECORD_FILE, and
    answers the message boxes it shows, so another process can watch it.
*/
class RecorderPlugin : public ExtensionSystem::IPlugin
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID "com.KORVA.Zenub.Plugin" FILE "recorder.json")
public:
    bool initialize(const QStringList&, QString*) override
    {
        auto* timer = new QTimer(this);
        connect(timer, &QTimer::timeout, this, [this] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                record(QStringLiteral("box ") + box->text());
                box->done(QMessageBox::Ok);
            }
        });
        timer->start(50);
        return true;
    }
    void extensionsInitialized() override
    {
        record(QStringLiteral("ready"));
        // The welcome page's script connecting tells that the web engine has shown a page.
        if (QWebSocketServer* server = ICore::getMainWindow()->getServer())
            connect(server, &QWebSocketServer::newConnection, this,
                    [] { record(QStringLiteral("page connected")); });
    }
    QObject* handleRemoteCall(const QStringList&, const QString& workingDirectory,
                              const QStringList& arguments) override
    {
        for (const QString& file : CorePlugin::resolveRemoteFiles(workingDirectory, arguments))
            record(QStringLiteral("resolved ") + file);
        return nullptr;
    }

private:
    static void record(const QString& line)
    {
        QFile file(qEnvironmentVariable("ZENUB_RECORD_FILE"));
        if (file.open(QIODevice::Append))
            file.write(line.toUtf8() + '\n');
    }
};

#include "recorderplugin.moc"
