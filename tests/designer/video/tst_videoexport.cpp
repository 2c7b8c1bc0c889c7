// SPDX-License-Identifier: MIT
#include <dialogs/exportprogressdialog.h>
#include <dialogs/exportsettingsdialog.h>
#include <model/project/zenubproject.h>
#include <model/render/framerenderer.h>
#include <testfiles.h>
#include <video/videoexportjob.h>

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QtTest>

class tst_VideoExport : public QObject
{
    Q_OBJECT
private slots:
    void escapeCancelsAndKeepsTheOldFile();
    void settingsFollowTheFormat_data();
    void settingsFollowTheFormat();
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

void tst_VideoExport::settingsFollowTheFormat_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<bool>("quality");
    QTest::addColumn<bool>("animated");
    QTest::addColumn<bool>("exportable");
    QTest::newRow("mp4") << "a.mp4" << true << false << true;
    QTest::newRow("gif") << "a.GIF" << true << true << true;
    QTest::newRow("apng is lossless") << "a.apng" << false << true << true;
    QTest::newRow("unknown") << "a.avi" << true << false << false;
}

void tst_VideoExport::settingsFollowTheFormat()
{
    QFETCH(QString, file);
    QFETCH(bool, quality);
    QFETCH(bool, animated);
    QFETCH(bool, exportable);
    ZenubProject project = ZenubProject::createNew("Two", 100, 50, 10);
    project.addScene(ZenubScene("Second", 5));
    ExportSettings last;
    last.sceneName = "Second";
    last.bTransparent = true;
    last.plays = 2;
    ExportSettingsDialog dialog(ExportSettingsDialog::Target::VideoFile, project, file, last);
    QCOMPARE(dialog.findChild<QCheckBox*>("transparent")->isEnabled(), animated);
    QCOMPARE(dialog.findChild<QSpinBox*>("quality")->isEnabled(), quality);
    QCOMPARE(dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->isEnabled(),
             exportable);
    // The remembered scene, its whole range, and transparency only where it can be had.
    const ExportSettings settings = dialog.settings();
    QCOMPARE(settings.sceneName, QString("Second"));
    QCOMPARE(settings.lastFrame, -1);
    QCOMPARE(settings.plays, 2);
    QCOMPARE(settings.bTransparent, animated);
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
