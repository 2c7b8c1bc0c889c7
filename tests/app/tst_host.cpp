// SPDX-License-Identifier: MIT
#include <QDirIterator>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

/*! Runs the real application executable, as a user would. */
class tst_Host : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        m_executable = qEnvironmentVariable("ZENUB_BUILD_DIR") + "/bin/zenub-animate";
        QVERIFY2(QFile::exists(m_executable), qPrintable(m_executable));
    }
    void secondStartHandsOverFiles()
    {
        QTemporaryDir settings;
        QTemporaryDir work;
        const QString record = settings.filePath("record.txt");
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("ZENUB_RECORD_FILE", record);

        QProcess first;
        first.setProcessEnvironment(environment);
        first.setProcessChannelMode(QProcess::ForwardedChannels);
        first.start(m_executable, {"-settingspath", settings.path(), "-pluginpath",
                                   QCoreApplication::applicationDirPath() + "/plugins/recorder"});
        auto recorded = [&record] {
            QFile file(record);
            return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
        };
        QTRY_VERIFY_WITH_TIMEOUT(recorded().contains("ready\n"), 30000);

        QProcess second;
        second.setWorkingDirectory(work.path());
        second.start(m_executable, {"-settingspath", settings.path(), "a/b.zenub"});
        QVERIFY(second.waitForFinished(20000));
        QCOMPARE(second.exitStatus(), QProcess::NormalExit);
        QCOMPARE(second.exitCode(), 0);

        const QString expected = QDir(work.path()).absoluteFilePath("a/b.zenub");
        QTRY_VERIFY_WITH_TIMEOUT(recorded().contains("resolved " + expected + "\n"), 20000);
        // The running instance handed it to the project type, which said the file is missing.
        QTRY_VERIFY_WITH_TIMEOUT(
            recorded().contains("box The project file " + expected + " does not exist.\n"), 20000);
        QVERIFY2(
            first.state() == QProcess::Running,
            qPrintable(QStringLiteral("the first instance ended with %1 (%2)")
                           .arg(first.exitCode())
                           .arg(first.exitStatus() == QProcess::CrashExit ? "crash" : "exit")));
        first.kill();
        first.waitForFinished(5000);
    }
    void settingsFoldersShareNoWebData()
    {
        // Two instances at once, each with its own settings folder, in one home folder: each
        // shows its welcome page, and neither leaves web engine data (cookies, caches, storage)
        // anywhere for the other to open.
        QTemporaryDir home;
        QTemporaryDir settings[2];
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("HOME", home.path());
        for (const char* name : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME"})
            environment.remove(name);
        QProcess instances[2];
        for (int i = 0; i < 2; ++i) {
            environment.insert("ZENUB_RECORD_FILE", settings[i].filePath("record.txt"));
            instances[i].setProcessEnvironment(environment);
            instances[i].setProcessChannelMode(QProcess::ForwardedChannels);
            instances[i].start(m_executable,
                               {"-settingspath", settings[i].path(), "-pluginpath",
                                QCoreApplication::applicationDirPath() + "/plugins/recorder"});
        }
        for (int i = 0; i < 2; ++i) {
            const auto recorded = [&] {
                QFile record(settings[i].filePath("record.txt"));
                return record.open(QIODevice::ReadOnly) ? record.readAll() : QByteArray();
            };
            QTRY_VERIFY_WITH_TIMEOUT(recorded().contains("page connected\n"), 30000);
            QCOMPARE(instances[i].state(), QProcess::Running);
        }
        for (QProcess& instance : instances) {
            instance.terminate();
            QVERIFY(instance.waitForFinished(10000));
        }
        QStringList webData;
        for (const QString& root : {home.path(), settings[0].path(), settings[1].path()}) {
            QDirIterator it(root, {"QtWebEngine", "Cookies", "GPUCache"},
                            QDir::AllEntries | QDir::Hidden, QDirIterator::Subdirectories);
            while (it.hasNext())
                webData << it.next();
        }
        QVERIFY2(webData.isEmpty(), qPrintable(webData.join(", ")));
    }
    void settingsFolderThatCannotBeCreated()
    {
        QTemporaryDir folder;
        QFile blocker(folder.filePath("file"));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        QProcess process;
        process.start(m_executable, {"-settingspath", folder.filePath("file/settings")});
        QVERIFY(process.waitForFinished(20000));
        QCOMPARE(process.exitCode(), 1);
        QVERIFY(process.readAllStandardError().contains("cannot create the settings folder"));
    }

private:
    QString m_executable;
};

QTEST_GUILESS_MAIN(tst_Host)
#include "tst_host.moc"
