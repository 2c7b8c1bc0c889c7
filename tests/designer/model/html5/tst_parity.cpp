// SPDX-License-Identifier: MIT
#include "runscript.h"

#include <model/html5/zenubhtmlexporter.h>
#include <model/io/zenub/zenubprojectfile.h>
#include <model/project/zenubproject.h>
#include <model/render/framerenderer.h>

#include <QImage>
#include <QTemporaryDir>
#include <QWebEngineView>
#include <QtTest>

// Antialiased edges and glyphs differ a little between Qt's and the browser's rasterisers,
// so pixels are compared in blocks of 8 x 8: the mean of each channel of a block may differ by
// at most 16 (of 255); the frames here differ by 13 at most, at turned text and outlines. Each
// rule the player could get wrong (a curve, a corner, an outline, a font family, the text's
// fitting, baseline or line spacing, a picture) moves or recolours whole blocks: by 17 to 238.
static const int kBlock = 8;
static const int kBlockTolerance = 16;

class tst_Parity : public QObject
{
    Q_OBJECT
private slots:
    void sameFrames_data()
    {
        // parity.zenub holds the first rules: named and overshooting curves, outlines,
        // rounded corners, fitted and sized fonts, text on two lines, a translucent fill, PNG
        // and SVG pictures, a locked layer (drawn) and a hidden one (not drawn).
        // parity_drawing.zenub holds the drawing: a smooth closed path, a dashed open one with
        // caps and joins, a polygon, a rounded star, a turned group, linear and radial
        // gradients on fills and a stroke, paint opacity and a centred text with a bold word.
        // A ball scene follows each project's own: two tracks of their own, the ball's way and
        // its fading in, and a text growing with its font size.
        QTest::addColumn<QString>("project");
        QTest::addColumn<int>("scene");
        QTest::addColumn<int>("frame");
        for (const char* name : {"parity.zenub", "parity_drawing.zenub"}) {
            for (const int frame : {0, 3, 9, 14, 20})
                QTest::addRow("%s frame %d", name, frame)
                    << QStringLiteral(PARITY_DIR "/") + QLatin1String(name) << 0 << frame;
        }
        for (const int frame : {6, 12, 24, 47})
            QTest::addRow("ball, frame %d", frame)
                << QStringLiteral(PARITY_DIR "/parity_drawing.zenub") << 1 << frame;
    }
    void sameFrames()
    {
        QFETCH(QString, project);
        QFETCH(int, scene);
        QFETCH(int, frame);
        if (project != m_path)
            open(project);
        if (QTest::currentTestFailed())
            return;
        const QImage editor = FrameRenderer(m_project).render(scene, frame, QSize(320, 240));
        const int start = scene == 0 ? 0 : m_project.getScenes().constFirst().getDuration();
        run(QStringLiteral("window.zenubPlayer.seek(%1)").arg(start + frame));
        const QString url =
            run(QStringLiteral("document.getElementById('stage').toDataURL()")).toString();
        const QImage page =
            QImage::fromData(QByteArray::fromBase64(url.section(QLatin1Char(','), 1).toLatin1()),
                             "PNG")
                .convertToFormat(QImage::Format_RGB32);
        QCOMPARE(page.size(), editor.size());
        int worst = 0;
        QPoint where;
        for (int y = 0; y + kBlock <= editor.height(); y += kBlock) {
            for (int x = 0; x + kBlock <= editor.width(); x += kBlock) {
                for (const int shift : {16, 8, 0}) {
                    int sum = 0;
                    for (int i = 0; i < kBlock * kBlock; ++i) {
                        const QPoint at(x + i % kBlock, y + i / kBlock);
                        sum += int((editor.pixel(at) >> shift) & 0xff) -
                               int((page.pixel(at) >> shift) & 0xff);
                    }
                    if (std::abs(sum) / (kBlock * kBlock) > worst) {
                        worst = std::abs(sum) / (kBlock * kBlock);
                        where = QPoint(x, y);
                    }
                }
            }
        }
        if (worst > kBlockTolerance) {
            m_dir.setAutoRemove(false);
            editor.save(
                m_dir.filePath(QStringLiteral("editor-%1.png").arg(QTest::currentDataTag())));
            page.save(m_dir.filePath(QStringLiteral("page-%1.png").arg(QTest::currentDataTag())));
        }
        QVERIFY2(worst <= kBlockTolerance,
                 qPrintable(QStringLiteral("block at %1,%2 differs by %3; pictures in %4")
                                .arg(where.x())
                                .arg(where.y())
                                .arg(worst)
                                .arg(m_dir.path())));
    }

private:
    // Rows come grouped by project, so each page is exported and loaded once.
    void open(const QString& path)
    {
        m_path.clear();
        m_project = ZenubProject();
        ZenubProjectFile file(path);
        QVERIFY2(file.load(&m_project), qPrintable(file.getErrorString()));
        m_project.addScene(ballScene());
        QString error;
        QVERIFY2(ZenubHtmlExporter::exportHtml5(m_project, m_dir.path(), &error),
                 qPrintable(error));
        if (!m_view.isVisible()) {
            m_view.resize(400, 300);
            m_view.show();
            QVERIFY(QTest::qWaitForWindowExposed(&m_view));
        }
        QSignalSpy loaded(&m_view, &QWebEngineView::loadFinished);
        m_view.load(QUrl::fromLocalFile(m_dir.filePath(ZenubHtmlExporter::indexFileName())));
        QVERIFY(loaded.wait(20000));
        QTRY_VERIFY_WITH_TIMEOUT(run(QStringLiteral("window.zenubPlayer.isReady()")).toBool(),
                                 10000);
        m_path = path;
    }
    // A ball crossing the stage in 48 frames, eased in and out, while it fades in over the
    // first 12, linearly.
    static ZenubScene ballScene()
    {
        ZenubShape ball(ZenubShape::Type::Ellipse, QStringLiteral("Ball"));
        ball.setFillColor(QColor(0xe0, 0x40, 0x20));
        ball.tracks().size().setValue(QSizeF(60, 60));
        ZenubShapeTracks& tracks = ball.tracks();
        tracks.position().setKey({0, QPointF(10, 90), ZenubEasing(ZenubEasing::Type::EaseInOut)});
        tracks.position().setKey({47, QPointF(250, 90), ZenubEasing()});
        tracks.opacity().setKey({0, 0.0, ZenubEasing()});
        tracks.opacity().setKey({12, 1.0, ZenubEasing()});
        // A growing text whose font size animates keeps its top while its box follows it.
        ZenubShape text(ZenubShape::Type::Text, QStringLiteral("Title"));
        text.setText(QStringLiteral("Grow"));
        text.setFillColor(QColor(0x10, 0x30, 0x90));
        text.textContent().setAlignment(ZenubText::Alignment::Left);
        text.setKeyframe(ZenubKeyframe(0, 20, 150, 200, 80));
        text.tracks().fontSize().setKey({0, 10.0, ZenubEasing()});
        text.tracks().fontSize().setKey({47, 40.0, ZenubEasing()});
        ZenubLayer layer(QStringLiteral("Ball"));
        layer.addShape(ball);
        layer.addShape(text);
        ZenubScene scene(QStringLiteral("Ball"), 48);
        scene.addLayer(layer);
        return scene;
    }

    QVariant run(const QString& script) { return runScript(m_view.page(), script); }

    QString m_path;
    ZenubProject m_project;
    QTemporaryDir m_dir;
    QWebEngineView m_view;
};

QTEST_MAIN(tst_Parity)
#include "tst_parity.moc"
