// SPDX-License-Identifier: MIT
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
