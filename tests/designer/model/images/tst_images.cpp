// SPDX-License-Identifier: MIT
#include "editor/designereditorwidget.h"
#include "editor/imageinsertion.h"
#include "editor/shapecommands.h"
#include "model/io/clipboard/shapeclipboard.h"
#include "model/io/zenub/zenubprojectfile.h"
#include "model/render/framerenderer.h"
#include "stage/stagewidget.h"

#include <modalanswerer.h>
#include <testfiles.h>

#include <QBuffer>
#include <QClipboard>
#include <QImage>
#include <QImageWriter>
#include <QMimeData>
#include <QTemporaryDir>
#include <QUndoStack>
#include <QtTest>

#include <atomic>
#include <chrono>
#include <thread>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QByteArray encoded(const QSize& size, const char* format,
                   QImage::Format pixels = QImage::Format_RGB32, const QColor& color = Qt::darkCyan)
{
    QImage image(size, pixels);
    image.fill(color);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

// A photo-like picture that does not compress, stored without compression so it is quick to make.
QByteArray noisePng(const QSize& size)
{
    QImage image(size, QImage::Format_RGB32);
    quint32 state = 1;
    for (int y = 0; y < size.height(); ++y) {
        auto* line = reinterpret_cast<quint32*>(image.scanLine(y));
        for (int x = 0; x < size.width(); ++x)
            line[x] = (state = state * 1664525u + 1013904223u) >> 8;
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    writer.setQuality(100);
    writer.write(image);
    return bytes;
}

// A picture that fills a 100 x 100 SVG, given by its address.
QByteArray svgShowing(const QString& address)
{
    return "<svg xmlns='http://www.w3.org/2000/svg' xmlns:xlink='http://www.w3.org/1999/xlink' "
           "width='100' height='100'><image width='100' height='100' xlink:href='" +
           address.toUtf8() + "'/></svg>";
}

// Tells whether anything opened the FIFO \a path to read it: a reader waiting there lets the
// watcher's writer in, whose closing then ends that read, so a fault cannot hang the test.
class FifoWatcher
{
public:
    explicit FifoWatcher(const QString& path)
        : m_path(QFile::encodeName(path))
        , m_thread([this] {
            while (!m_stop) {
                const int fd = ::open(m_path.constData(), O_WRONLY | O_NONBLOCK);
                if (fd >= 0) {
                    m_opened = true;
                    ::close(fd);
                }
                std::this_thread::sleep_for(std::chrono::milliseconds(5));
            }
        })
    {}
    ~FifoWatcher()
    {
        m_stop = true;
        m_thread.join();
    }
    bool wasOpened() const { return m_opened; }

private:
    const QByteArray m_path;
    std::atomic<bool> m_stop{false};
    std::atomic<bool> m_opened{false};
    std::thread m_thread;
};

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
    void initTestCase()
    {
        m_widget.setDocument(&m_document);
        // What crafted pictures point at: a red picture and a pipe nobody writes to.
        QVERIFY(writeFile(m_folder.filePath(QStringLiteral("red.png")),
                          encoded({10, 10}, "PNG", QImage::Format_RGB32, Qt::red)));
        QCOMPARE(::mkfifo(QFile::encodeName(m_folder.filePath(QStringLiteral("fifo"))), 0600), 0);
    }
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

    void bigPictureUsedNineTimesIsSavedOnce()
    {
        // About 9.5 MB: nine copies of it in the file could not be opened again.
        QTemporaryDir dir;
        const QString picture = dir.filePath(QStringLiteral("photo.png"));
        QVERIFY(writeFile(picture, noisePng({1780, 1780})));
        QString error;
        for (int i = 0; i < 2; ++i)
            QVERIFY2(ImageInsertion::insertFile(m_widget.getStage(), picture, &error),
                     qPrintable(error));
        ShapeCommands* commands = m_widget.getShapeCommands();
        for (int i = 0; i < 6; ++i)
            commands->duplicate();
        commands->copy();
        QTRY_VERIFY(commands->canPaste());
        commands->paste();
        const QString path = dir.filePath(QStringLiteral("Banner.zenub"));
        QVERIFY(m_document.save(path));
        QVERIFY(QFileInfo(path).size() < 2 * QFileInfo(picture).size());

        DesignerDocument reopened;
        reopened.setFileName(path);
        QVERIFY(reopened.open());
        const QVector<ZenubShape>& shapes =
            reopened.getProject().getScenes().at(0).getLayers().at(0).getShapes();
        QCOMPARE(shapes.size(), 9);
        QCOMPARE(shapes.constLast().getImageData(), readFile(picture));
    }
    void newPicturesStayWithinTheProjectLimit_data()
    {
        QTest::addColumn<bool>("paste");
        QTest::newRow("insert") << false;
        QTest::newRow("paste") << true;
    }
    void newPicturesStayWithinTheProjectLimit()
    {
        QFETCH(bool, paste);
        // Pictures the project holds already bring it close to the limit.
        QVERIFY(m_document.editProject({}, [](ZenubProject& project) {
            for (char c : {'a', 'b', 'c'}) {
                ZenubShape held(ZenubShape::Type::Image, QStringLiteral("Held"));
                held.setImageFormat(QStringLiteral("png"));
                held.setImageData(QByteArray(15 << 20, c));
                project.scenes()[0].layers()[0].addShape(held);
            }
            return true;
        }));
        const int steps = m_document.getUndoStack()->count();
        QTemporaryDir dir;
        const QString picture = dir.filePath(QStringLiteral("photo.png"));
        QVERIFY(writeFile(picture, noisePng({1300, 1300})));
        QString error;
        if (paste) {
            auto* mime = new QMimeData();
            mime->setData(QStringLiteral("image/png"), readFile(picture));
            QApplication::clipboard()->setMimeData(mime);
            QTRY_VERIFY(m_widget.getShapeCommands()->canPaste());
            ModalAnswerer answerer;
            answerer.answer(QMessageBox::Ok);
            m_widget.getShapeCommands()->paste();
            error = answerer.texts().value(0);
        } else {
            QVERIFY(!ImageInsertion::insertFile(m_widget.getStage(), picture, &error));
        }
        QVERIFY2(error.contains(QLatin1String("cannot be added")) &&
                     error.contains(QLocale().formattedDataSize(64 << 20, 0)),
                 qPrintable(error));
        QCOMPARE(m_document.getUndoStack()->count(), steps);
    }

    // Each way an untrusted picture arrives: the header decides before any pixel is decoded,
    // and an SVG never reads a file or a pipe it names.
    void untrustedPictures_data()
    {
        QTest::addColumn<QString>("route");
        QTest::addColumn<QByteArray>("picture");
        QTest::addColumn<QString>("outcome"); // a part of the message, or how the box is drawn
        // 9000 x 9000 in 80 KB: 81 MB of pixels, 324 MB once in colour.
        const QByteArray bomb = encoded({9000, 9000}, "PNG", QImage::Format_Grayscale8, Qt::black);
        const QByteArray bombInSvg =
            svgShowing(QStringLiteral("data:image/png;base64,") + bomb.toBase64());
        const QByteArray local = svgShowing(m_folder.filePath(QStringLiteral("red.png")));
        const QByteArray fifo = svgShowing(m_folder.filePath(QStringLiteral("fifo")));
        QTest::newRow("project, too many pixels") << "project" << bomb << "marked";
        QTest::newRow("project, data: svg") << "project" << bombInSvg << "empty";
        QTest::newRow("project, svg naming a file") << "project" << local << "empty";
        QTest::newRow("project, svg naming a fifo") << "project" << fifo << "empty";
        QTest::newRow("insert, svg naming a file")
            << "insert" << local << m_folder.filePath(QStringLiteral("red.png"));
        QTest::newRow("insert, svg naming a fifo")
            << "insert" << fifo << m_folder.filePath(QStringLiteral("fifo"));
        QTest::newRow("paste, data: svg") << "paste" << bombInSvg << "9000 × 9000 pixels";
        QTest::newRow("paste, clipboard shapes") << "shapes" << bomb << "9000 × 9000 pixels";
        QTest::newRow("paste, inside a group") << "group" << bomb << "9000 × 9000 pixels";
    }
    void untrustedPictures()
    {
        QFETCH(QString, route);
        QFETCH(QByteArray, picture);
        QFETCH(QString, outcome);
        FifoWatcher fifo(m_folder.filePath(QStringLiteral("fifo")));
        const int steps = m_document.getUndoStack()->count();
        ZenubShape shape(ZenubShape::Type::Image, QStringLiteral("Crafted"));
        shape.setImageFormat(picture.startsWith("<svg") ? QStringLiteral("svg")
                                                        : QStringLiteral("png"));
        shape.setImageData(picture);
        shape.setKeyframe(ZenubKeyframe(0, 0, 0, 100, 100));
        QString message;
        if (route == QLatin1String("project")) {
            ZenubProject project = ZenubProject::createNew(QStringLiteral("Crafted"), 100, 100, 24);
            project.scenes()[0].layers()[0].addShape(shape);
            const QString path = m_folder.filePath(QStringLiteral("crafted.zenub"));
            QVERIFY(ZenubProjectFile(path).save(project));
            ZenubProject opened;
            QVERIFY(ZenubProjectFile(path).load(&opened));
            const QColor drawn = FrameRenderer(opened).render(0, 0, {100, 100}).pixelColor(20, 4);
            QCOMPARE(outcome == QLatin1String("marked") ? drawn.red() > drawn.green() + 20
                                                        : drawn == Qt::white,
                     true);
        } else if (route == QLatin1String("insert")) {
            const QString path = m_folder.filePath(QStringLiteral("crafted.svg"));
            QVERIFY(writeFile(path, picture));
            QVERIFY(!ImageInsertion::insertFile(m_widget.getStage(), path, &message));
        } else {
            ZenubShape group(ZenubShape::Type::Group, QStringLiteral("Group"));
            group.setMembers({shape});
            group.setContentSize({100, 100});
            group.setKeyframe(ZenubKeyframe(0, 0, 0, 100, 100));
            QMimeData* mime = route == QLatin1String("paste")
                                  ? new QMimeData()
                                  : ShapeClipboard::toMimeData(
                                        {route == QLatin1String("group") ? group : shape}, 0);
            if (route == QLatin1String("paste"))
                mime->setData(ShapeClipboard::svgMimeType(), picture);
            QApplication::clipboard()->setMimeData(mime);
            QTRY_VERIFY(m_widget.getShapeCommands()->canPaste());
            ModalAnswerer answerer;
            answerer.answer(QMessageBox::Ok);
            m_widget.getShapeCommands()->paste();
            message = answerer.texts().value(0);
        }
        QVERIFY2(route == QLatin1String("project") || message.contains(outcome),
                 qPrintable(message));
        QCOMPARE(m_document.getUndoStack()->count(), steps);
        QVERIFY(!fifo.wasOpened());
    }

private:
    QTemporaryDir m_folder;
    DesignerDocument m_document;
    DesignerEditorWidget m_widget;
};

QTEST_MAIN(tst_Images)
#include "tst_images.moc"
