// SPDX-License-Identifier: MIT
#include "editor/designereditorwidget.h"
#include "editor/imageinsertion.h"
#include "model/render/framerenderer.h"
#include "model/io/clipboard/shapeclipboard.h"
#include "editor/shapecommands.h"
#include "stage/stagewidget.h"

#include <QBuffer>
#include <QClipboard>
#include <QImage>
#include <QMimeData>
#include <QTemporaryDir>
#include <QUndoStack>
#include <QtTest>

namespace {

QByteArray encoded(const QSize& size, const char* format)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::darkCyan);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

QRectF boxOf(const ZenubShape& shape)
{
    return FrameRenderer::shapeRect(shape.getKeyframes().constFirst());
}

const QByteArray kShapes = "<svg xmlns='http://www.w3.org/2000/svg' width='100' height='80'>"
                           "<g fill='red'><rect x='10' y='20' width='30' height='40' rx='5'/>"
                           "<circle cx='50' cy='50' r='10' stroke='blue'/></g>"
                           "<text x='0' y='70' font-size='12'>Hi</text></svg>";

} // namespace

class tst_Images : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { m_widget.setDocument(&m_document); }
    void init()
    {
        QVERIFY(m_document.initNewDocument(320, 240, 24, false));
        // New shapes must not vanish into a hidden top layer.
        ZenubLayer hidden(QStringLiteral("Hidden"));
        hidden.setVisible(false);
        QVERIFY(m_document.editProject({}, [&](ZenubProject& project) {
            project.scenes()[0].addLayer(hidden);
            return true;
        }));
    }
    // The pictures of a file or of another program's clipboard, with the paste preference.
    void insertAndPaste_data()
    {
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<bool>("freeform");
        QTest::addColumn<int>("shapes");
        QTest::addColumn<QRectF>("box"); // of the first shape; where a picture lands
        QTest::newRow("png, natural size centred")
            << encoded({8, 6}, "PNG") << false << 1 << QRectF(156, 117, 8, 6);
        QTest::newRow("jpeg, shrunk to the stage")
            << encoded({640, 240}, "JPEG") << false << 1 << QRectF(0, 60, 320, 120);
        QTest::newRow("bmp refused") << encoded({8, 8}, "BMP") << false << 0 << QRectF();
        QTest::newRow("too many pixels") << encoded({8193, 2}, "PNG") << false << 0 << QRectF();
        QTest::newRow("over the size cap") << QByteArray(11 << 20, 'x') << false << 0 << QRectF();
        QTest::newRow("svg as one picture") << kShapes << false << 1 << QRectF(110, 80, 100, 80);
        QTest::newRow("svg as shapes") << kShapes << true << 3 << QRectF(10, 20, 30, 40);
        QTest::newRow("svg with a path: one picture")
            << QByteArray(kShapes).replace("<text", "<path d='M0 0L9 9'/><text") << true << 1
            << QRectF(110, 80, 100, 80);
        QTest::newRow("svg with a view box, scaled")
            << QByteArray(kShapes).replace("width='100'", "viewBox='0 0 50 40' width='100'") << true
            << 3 << QRectF(20, 40, 60, 80);
    }
    void insertAndPaste()
    {
        QFETCH(QByteArray, data);
        QFETCH(bool, freeform);
        QFETCH(int, shapes);
        QFETCH(QRectF, box);
        StageWidget* stage = m_widget.getStage();
        const int steps = m_document.getUndoStack()->count();
        QString error;
        if (data.startsWith("<svg")) {
            auto* mime = new QMimeData();
            mime->setData(ShapeClipboard::svgMimeType(), data);
            const QVector<ZenubShape> pasted =
                ShapeClipboard::fromMimeData(mime, {320, 240}, freeform, &error);
            QCOMPARE(pasted.size(), shapes);
            QCOMPARE(boxOf(pasted.constFirst()), box);
            // The preference is on unless a user turned it off: paste as a user would.
            QApplication::clipboard()->setMimeData(mime);
            QTRY_VERIFY(m_widget.getShapeCommands()->canPaste());
            if (!freeform)
                return;
            m_widget.getShapeCommands()->paste();
        } else {
            QTemporaryDir dir;
            QFile file(dir.filePath(QStringLiteral("picture")));
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(data) == data.size());
            file.close();
            QCOMPARE(ImageInsertion::insertFile(stage, file.fileName(), &error), shapes > 0);
            QCOMPARE(error.isEmpty(), shapes > 0);
        }
        QCOMPARE(m_document.getUndoStack()->count(), steps + (shapes > 0 ? 1 : 0));
        if (shapes == 0)
            return;
        QCOMPARE(stage->getSelectedShapes().size(), shapes);
        const ShapeRef first = stage->getSelectedShapes().constFirst();
        QCOMPARE(first.layer, 0);
        QCOMPARE(boxOf(*m_document.shapeAt(first)), box);
        m_document.getUndoStack()->undo();
        QVERIFY(!m_document.shapeAt(first));
    }

private:
    DesignerDocument m_document;
    DesignerEditorWidget m_widget;
};

QTEST_MAIN(tst_Images)
#include "tst_images.moc"
