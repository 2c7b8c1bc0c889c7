// SPDX-License-Identifier: MIT
#include <dialogs/exportprogressdialog.h>
#include <model/project/zenubproject.h>
#include <model/render/framerenderer.h>
#include <testfiles.h>
#include <video/videoexportjob.h>

#include <QProgressBar>
#include <QTemporaryDir>
#include <QtTest>

class tst_VideoExport : public QObject
{
    Q_OBJECT
private slots:
    void escapeCancelsAndKeepsTheOldFile();
    void selectionOutlineShowsOnEveryFill_data();
    void selectionOutlineShowsOnEveryFill();
};

void tst_VideoExport::escapeCancelsAndKeepsTheOldFile()
{
    QTemporaryDir folder;
    const QString name = folder.filePath("old.webm");
    QVERIFY(writeFile(name, "old video"));
    // 1280 x 720 for 48 frames: seconds of work, so Escape comes while frames are encoded.
    ExportProgressDialog dialog(
        std::make_unique<VideoExportJob>(ZenubProject::createNew("Long", 1280, 720, 24), name),
        "old.webm");
    QTimer escape;
    connect(&escape, &QTimer::timeout, &dialog, [&dialog] {
        if (dialog.isVisible() && dialog.value() > 0)
            QTest::keyClick(&dialog, Qt::Key_Escape);
    });
    escape.start(20);
    QVERIFY(!dialog.run());
    QVERIFY(dialog.wasCancelled());
    QVERIFY2(dialog.errorString().isEmpty(), qPrintable(dialog.errorString()));
    QVERIFY(dialog.value() < dialog.maximum());
    QCOMPARE(readFile(name), QByteArray("old video"));
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList("old.webm"));
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
    renderer.setSelection({{0, 0}});
    const QImage image = renderer.render(0, 0, QSize(100, 100));
    // Along the top edge the outline must stand well apart from the colour it lies on.
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
