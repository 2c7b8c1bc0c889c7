// SPDX-License-Identifier: MIT
#include "lottieharness.h"

#include <model/io/lottie/lottieexporter.h>
#include <model/io/zenub/zenubprojectfile.h>
#include <model/project/zenubproject.h>

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// Each fixture once: exported projects are checked with the validator and drawn by lottie-web
// beside the editor's frames. Shapes must agree within 1 % of the pixels (pixelmatch's own
// threshold; anti-aliased edge pixels are not counted).
struct Fixture
{
    const char* file;
    QVector<int> frames;
    double tolerance = 0.01;
    bool outlines = false;
};

const QVector<Fixture>& exports()
{
    static const QVector<Fixture> table = {
        {"shapes.zenub", {0}},
        {"paints.zenub", {0}},
        {"groups.zenub", {0}},
        {"texts.zenub", {0}, 0.02},
        {"texts.zenub", {0}, 0.01, true},
        {"images.zenub", {0}},
        {"scenes.zenub", {0, 7, 12, 19, 20, 25, 29}},
    };
    return table;
}

QString fixture(const char* name)
{
    return QDir(QStringLiteral(FIXTURES)).filePath(QLatin1String(name));
}

} // namespace

class tst_Lottie : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void exported_data();
    void exported();
    void cleanupTestCase();

private:
    const LottieHarness::Job* job(const QString& name) const
    {
        for (const LottieHarness::Job& job : m_jobs)
            if (job.name == name)
                return &job;
        return nullptr;
    }

    QTemporaryDir m_folder;
    QVector<LottieHarness::Job> m_jobs;
    // Cases that stopped at a failure, the preparation among them.
    int m_unfinished = 1;
};

void tst_Lottie::initTestCase()
{
    // The pictures stay for a look when something failed.
    m_folder.setAutoRemove(false);
    for (const Fixture& entry : exports()) {
        ZenubProject project;
        ZenubProjectFile file(fixture(entry.file));
        QVERIFY2(file.load(&project), qPrintable(file.getErrorString()));
        LottieExportOptions options;
        options.textAsOutlines = entry.outlines;
        LottieHarness::Job job;
        job.name = QFileInfo(QLatin1String(entry.file)).completeBaseName() +
                   (entry.outlines ? "-outlines" : "");
        job.lottie = m_folder.filePath(job.name + ".json");
        QString error;
        QVERIFY2(LottieExporter(project, options).write(job.lottie, &error), qPrintable(error));
        for (const int frame : entry.frames)
            job.frames.append(
                {double(frame), LottieHarness::editorFrame(project, frame), -1, QString()});
        m_jobs.append(job);
    }
    QString error;
    QVERIFY2(LottieHarness::run(m_jobs, m_folder.path(), &error), qPrintable(error));
    m_unfinished = 0;
}

void tst_Lottie::exported_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<double>("tolerance");
    for (const Fixture& entry : exports()) {
        const QString name = QFileInfo(QLatin1String(entry.file)).completeBaseName() +
                             (entry.outlines ? "-outlines" : "");
        QTest::newRow(qPrintable(name)) << name << entry.tolerance;
    }
}

void tst_Lottie::exported()
{
    QFETCH(QString, name);
    QFETCH(double, tolerance);
    const LottieHarness::Job* exported = job(name);
    QVERIFY(exported);
    ++m_unfinished;
    QVERIFY2(exported->errors.isEmpty(), qPrintable(exported->errors.join('\n')));
    for (const LottieHarness::Frame& frame : exported->frames)
        QVERIFY2(frame.differing >= 0 && frame.differing <= tolerance,
                 qPrintable(QStringLiteral("frame %1 differs in %2 % of its pixels; see %3")
                                .arg(frame.frame)
                                .arg(frame.differing * 100)
                                .arg(frame.drawn)));
    --m_unfinished;
}

void tst_Lottie::cleanupTestCase()
{
    m_folder.setAutoRemove(m_unfinished == 0);
}

QTEST_MAIN(tst_Lottie)
#include "tst_lottie.moc"
