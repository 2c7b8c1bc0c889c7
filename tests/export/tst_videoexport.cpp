#include "exportproject.h"
#include "videodecoder.h"

#include <export/videoexportjob.h>
#include <render/framerenderer.h>
#include <testfiles.h>

#include <QPainter>
#include <QTemporaryDir>
#include <QtTest>

class tst_VideoExport : public QObject
{
    Q_OBJECT
private slots:
    void sceneDecodesToTheRenderedFrames_data();
    void sceneDecodesToTheRenderedFrames();
    void cancelKeepsTheOldFileAndLeavesNoOther();
    void failuresSayWhy_data();
    void failuresSayWhy();
    void selectionOutlineShowsOnEveryFill_data();
    void selectionOutlineShowsOnEveryFill();
};

void tst_VideoExport::sceneDecodesToTheRenderedFrames_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("codec");
    QTest::addColumn<QSize>("size");
    // H.264 needs even sides: the odd column is padded with the background.
    QTest::newRow("mp4") << "scene.mp4"
                         << "h264" << QSize(162, 90);
    QTest::newRow("webm") << "scene.webm"
                          << "vp9" << QSize(161, 90);
}

void tst_VideoExport::sceneDecodesToTheRenderedFrames()
{
    QFETCH(QString, name);
    QFETCH(QString, codec);
    QFETCH(QSize, size);
    QTemporaryDir folder;
    const ZenubProject project = exportProject();
    VideoExportJob job(project, folder.filePath(name), {0});
    QList<qint64> reported;
    QVERIFY2(job.run([&reported](qint64 done, qint64) { reported << done; }),
             qPrintable(job.errorString()));
    QCOMPARE(reported.size(), 12);
    QCOMPARE(reported.last(), qint64(12));

    const DecodedVideo video = decodeVideo(folder.filePath(name));
    QVERIFY2(video.error.isEmpty(), qPrintable(video.error));
    QCOMPARE(video.codec, codec);
    QCOMPARE(video.size, size);
    QCOMPARE(video.frames.size(), 12);
    // One second at 12 frames a second, give or take a frame.
    QVERIFY2(qAbs(video.seconds - 1.0) <= 1.0 / 12, qPrintable(QString::number(video.seconds)));

    // Frame 5, with the square half way: lossy coding and halved colour planes blur the edges,
    // so the mean difference is small but not zero; a shifted or missing square is 10 and more.
    QImage rendered(size, QImage::Format_RGB32);
    rendered.fill(project.getBackgroundColor());
    QPainter painter(&rendered);
    FrameRenderer(project).paint(&painter, 0, 5);
    painter.end();
    const double difference = meanDifference(video.frames.at(5), rendered);
    QVERIFY2(difference < 3.0, qPrintable(QString::number(difference)));
    QVERIFY(meanDifference(video.frames.at(4), rendered) > difference);
}

void tst_VideoExport::cancelKeepsTheOldFileAndLeavesNoOther()
{
    QTemporaryDir folder;
    const QString name = folder.filePath("old.webm");
    QVERIFY(writeFile(name, "old video"));
    std::atomic_bool cancelled{false};
    VideoExportJob job(exportProject(), name);
    QVERIFY(!job.run([&cancelled](qint64 done, qint64) { cancelled = done == 3; }, &cancelled));
    QVERIFY(job.wasCancelled());
    QCOMPARE(readFile(name), QByteArray("old video"));
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList("old.webm"));
}

void tst_VideoExport::failuresSayWhy_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("message");
    QTest::newRow("suffix") << "video.avi"
                            << "must end in \".mp4\" or \".webm\"";
    QTest::newRow("folder") << "missing/video.mp4"
                            << "cannot be written";
}

void tst_VideoExport::failuresSayWhy()
{
    QFETCH(QString, name);
    QFETCH(QString, message);
    QTemporaryDir folder;
    VideoExportJob job(exportProject(), folder.filePath(name));
    QVERIFY(!job.run());
    QVERIFY2(job.errorString().contains(message), qPrintable(job.errorString()));
    QCOMPARE(QDir(folder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
             QStringList());
}

void tst_VideoExport::selectionOutlineShowsOnEveryFill_data()
{
    QTest::addColumn<QColor>("fill");
    for (const QColor& color : {QColor(Qt::black), QColor(Qt::white), QColor(0xff, 0x8c, 0x00),
                                QColor(0x10, 0x10, 0x10), QColor(Qt::darkGray)})
        QTest::newRow(qPrintable(color.name())) << color;
}

void tst_VideoExport::selectionOutlineShowsOnEveryFill()
{
    QFETCH(QColor, fill);
    ZenubProject project = ZenubProject::createNew(QStringLiteral("Fill"), 100, 100, 12);
    project.setBackgroundColor(fill);
    ZenubShape shape(ZenubShape::Type::Rectangle, QStringLiteral("Shape"));
    shape.setFillColor(fill);
    shape.setKeyframe(ZenubKeyframe(0, 20, 20, 60, 60));
    project.scenes()[0].layers()[0].addShape(shape);
    FrameRenderer renderer(project);
    renderer.setSelection(0, 0);
    const QImage image = renderer.render(0, 0, QSize(100, 100));
    // Along the top edge, the outline must stand well apart from the fill it lies on.
    int contrast = 0;
    for (int x = 25; x < 75; ++x) {
        const QColor pixel = image.pixelColor(x, 20);
        contrast =
            std::max(contrast, qAbs(pixel.red() - fill.red()) + qAbs(pixel.green() - fill.green()) +
                                   qAbs(pixel.blue() - fill.blue()));
    }
    QVERIFY2(contrast >= 200, qPrintable(QString::number(contrast)));
}

QTEST_MAIN(tst_VideoExport)
#include "tst_videoexport.moc"
