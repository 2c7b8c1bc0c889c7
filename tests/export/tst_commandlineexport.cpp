#include "exportproject.h"
#include "videodecoder.h"

#include <project/zenubprojectfile.h>
#include <testfiles.h>

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

/*! The command-line exports through the real executable, as a build script would run them. */
class tst_CommandLineExport : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void exportsPageAndVideoWithoutWindow();
    void missingProjectFails_data();
    void missingProjectFails();

private:
    /*! Runs the application with no display at all; returns its exit code. */
    int run(const QStringList& arguments, QByteArray* errors);

    QString m_executable;
    QTemporaryDir m_folder;
};

void tst_CommandLineExport::initTestCase()
{
    m_executable = qEnvironmentVariable("ZENUB_BUILD_DIR") + "/bin/zenub-animate";
    QVERIFY2(QFile::exists(m_executable), qPrintable(m_executable));
    QVERIFY(ZenubProjectFile(m_folder.filePath("export.zenub")).save(exportProject()));
}

int tst_CommandLineExport::run(const QStringList& arguments, QByteArray* errors)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove("DISPLAY");
    environment.remove("WAYLAND_DISPLAY");
    process.setProcessEnvironment(environment);
    process.start(m_executable,
                  QStringList{"-settingspath", m_folder.filePath("settings")} + arguments);
    if (!process.waitForFinished(120000))
        return -1;
    *errors = process.readAllStandardError();
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

void tst_CommandLineExport::exportsPageAndVideoWithoutWindow()
{
    QByteArray errors;
    QCOMPARE(run({"--export-html5", m_folder.filePath("export.zenub"), m_folder.filePath("web")},
                 &errors),
             0);
    // The page carries the project it plays; read it back as the player would.
    const QByteArray page = readFile(m_folder.filePath("web/index.html"));
    const int start = page.indexOf('>', page.indexOf("id=\"zenub-project\"")) + 1;
    QVERIFY2(start > 0, page.left(400).constData());
    ZenubProject project;
    ZenubProjectFile reader(QString{});
    QVERIFY2(reader.parse(page.mid(start, page.indexOf("</script>", start) - start), &project),
             qPrintable(reader.getErrorString()));
    QCOMPARE(project, exportProject());

    QCOMPARE(
        run({"--export-video", m_folder.filePath("export.zenub"), m_folder.filePath("all.webm")},
            &errors),
        0);
    QVERIFY2(errors.contains("Frame 18 of 18 (100 %)"), errors.constData());
    // Every scene, one after the other.
    const DecodedVideo video = decodeVideo(m_folder.filePath("all.webm"));
    QCOMPARE(video.frames.size(), 18);
    QCOMPARE(video.size, QSize(161, 90));
}

void tst_CommandLineExport::missingProjectFails_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("message");
    QTest::newRow("html5") << QStringList{"--export-html5", "missing.zenub", "out"}
                           << "does not exist";
    QTest::newRow("video") << QStringList{"--export-video", "missing.zenub", "out.mp4"}
                           << "does not exist";
    QTest::newRow("no target") << QStringList{"--export-video", "missing.zenub"}
                               << "needs a project file and a video file";
}

void tst_CommandLineExport::missingProjectFails()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, message);
    QByteArray errors;
    QCOMPARE(run(arguments, &errors), 1);
    QVERIFY2(errors.contains(message.toUtf8()), errors.constData());
    QVERIFY(!QFile::exists("out.mp4") && !QFile::exists("out"));
}

QTEST_MAIN(tst_CommandLineExport)
#include "tst_commandlineexport.moc"
