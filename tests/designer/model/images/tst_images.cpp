// SPDX-License-Identifier: MIT
#include "editor/designereditorwidget.h"
#include "editor/imageinsertion.h"
#include "editor/shapecommands.h"
#include "model/edits/pathedits.h"
#include "model/io/clipboard/shapeclipboard.h"
#include "model/io/clipboard/shapesvgwriter.h"
#include "model/io/svg/svgshapes.h"
#include "model/io/zenub/zenubprojectfile.h"
#include "model/render/framerenderer.h"
#include "model/render/shapepainter.h"
#include "stage/stagewidget.h"

#include <modalanswerer.h>
#include <testfiles.h>

#include <QBuffer>
#include <QClipboard>
#include <QImage>
#include <QImageWriter>
#include <QMimeData>
#include <QPainter>
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

QString figure(double value)
{
    return QString::number(std::abs(value) < 1e-9 ? 0 : value, 'g', 6);
}

QString figures(const QPointF& point)
{
    return figure(point.x()) + QLatin1Char(',') + figure(point.y());
}

// A pasted shape in short: kind, box, turn, a path's nodes on the stage ("in<point>out" where
// handles leave the point; "z" closes), a gradient's ends, a stroke's style, a group's members.
QString described(const ZenubShape& shape)
{
    ZenubShapeState state;
    shape.stateAt(0, &state);
    // A text's box depends on the fonts at hand: its words and layout instead.
    if (shape.getType() == ZenubShape::Type::Text)
        return QStringList{ZenubShape::typeName(shape.getType()),
                           shape.getText().replace(QLatin1Char('\n'), QStringLiteral("\\n")),
                           ZenubText::alignmentName(shape.getTextContent().getAlignment())}
            .join(QStringLiteral(" | "));
    QStringList parts{ZenubShape::typeName(shape.getType()),
                      figures(state.rect().topLeft()) + QLatin1Char(' ') +
                          figure(state.rect().width()) + QLatin1Char('x') +
                          figure(state.rect().height())};
    if (state.box.getRotation() != 0)
        parts << QStringLiteral("turn ") + figure(state.box.getRotation());
    if (state.box.getOpacity() != 1)
        parts << QStringLiteral("opacity ") + figure(state.box.getOpacity());
    const ZenubPath onStage = PathEdits::toStage(shape, state);
    for (const ZenubPath::Subpath& subpath : onStage.getSubpaths()) {
        QStringList nodes;
        for (const ZenubPathNode& node : subpath.nodes)
            nodes << (node.in != node.point ? figures(node.in) + QLatin1Char('<') : QString()) +
                         figures(node.point) +
                         (node.out != node.point ? QLatin1Char('>') + figures(node.out)
                                                 : QString());
        parts << nodes.join(QLatin1Char(' ')) + (subpath.closed ? QStringLiteral(" z") : QString());
    }
    if (state.path.getFillRule() == ZenubPath::FillRule::EvenOdd)
        parts << QStringLiteral("evenodd");
    for (const ZenubPaint& paint : {state.fill, state.stroke.getPaint()})
        if (paint.isGradient()) {
            QStringList stops;
            for (const ZenubGradientStop& stop : paint.getStops())
                stops << figure(stop.offset) + QLatin1Char(' ') + stop.color.name(QColor::HexArgb);
            parts << ZenubPaint::typeName(paint.getType()) + QLatin1Char(' ') +
                         figures(paint.getStart()) + QLatin1Char(' ') + figures(paint.getEnd()) +
                         QLatin1Char(' ') + stops.join(QLatin1Char(' '));
        }
    if (state.stroke.isVisible()) {
        QStringList dashes;
        for (const double dash : state.stroke.getDashes())
            dashes << figure(dash);
        parts << QStringLiteral("stroke %1 %2 %3 %4 %5")
                     .arg(figure(state.stroke.getWidth()),
                          ZenubStroke::capName(state.stroke.getCap()),
                          ZenubStroke::joinName(state.stroke.getJoin()),
                          figure(state.stroke.getMiterLimit()), dashes.join(QLatin1Char(',')));
    }
    QStringList members;
    for (const ZenubShape& member : shape.getMembers())
        members << described(member);
    if (!members.isEmpty())
        parts << QLatin1Char('[') + members.join(QStringLiteral("; ")) + QLatin1Char(']');
    return parts.join(QStringLiteral(" | "));
}

QImage drawn(const QVector<ZenubShape>& shapes, const QPointF& offset = QPointF())
{
    QImage image(200, 200, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(offset);
    for (const ZenubShape& shape : shapes)
        ShapePainter::paint(&painter, shape, 0);
    return image;
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
        QTest::newRow("svg as shapes") << kShapes << true << 2 << QRectF(10, 20, 50, 40);
        QTest::newRow("svg with a filter: one picture")
            << QByteArray(kShapes).replace("<text", "<path filter='url(#f)' d='M0 0L9 9'/><text")
            << true << 1 << QRectF(110, 80, 100, 80);
        QTest::newRow("svg with a view box, scaled")
            << QByteArray(kShapes).replace("width='100'", "viewBox='0 0 50 40' width='100'") << true
            << 2 << QRectF(20, 40, 100, 80);
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

    // What another program's SVG becomes, exactly; "picture" where it is pasted whole.
    void svgShapes_data()
    {
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<QString>("shapes");
        const auto row = [](const char* name, const char* body, const char* shapes) {
            QTest::newRow(name) << QByteArray(body) << QString::fromUtf8(shapes);
        };
        row("lines, repeated, relative, closed", "<path d='M10 10h20v20H10z m5 5 l1 0 1 1'/>",
            "path | 10,10 20x20 | 10,10 30,10 30,30 10,30 z | 15,15 16,15 17,16");
        row("quadratic and its reflection", "<path d='M0 0Q30 30 60 0T120 0' fill='none'/>",
            "path | 0,-15 120x30 | 0,0>20,20 40,20<60,0>80,-20 100,-20<120,0");
        row("cubic and its reflection", "<path d='M0 0C0 10 10 10 10 0s10-10 10 0'/>",
            "path | 0,-7.5 20x15 | 0,0>0,10 10,10<10,0>10,-10 20,-10<20,0");
        row("half circle arc in two quarters", "<path d='M0 0A10 10 0 0 1 20 0'/>",
            "path | 0,-10 20x10 | 0,0>0,-5.52285 4.47715,-10<10,-10>15.5228,-10 "
            "20,-5.52285<20,0");
        row("arc too small grows, flags unspaced, then another",
            "<path d='M0 0a1 1 0 0020 0a10 10 0 0 0-20 0'/>",
            "path | 0,-10 20x20 | 0,0>0,5.52285 4.47715,10<10,10>15.5228,10 20,5.52285<20,0>20,"
            "-5.52285 15.5228,-10<10,-10>4.47715,-10 0,-5.52285<0,0");
        row("arc without radius is a line", "<path d='M0 0A0 5 0 0 1 20 10'/>",
            "path | 0,0 20x10 | 0,0 20,10");
        row("error keeps what came before", "<path d='M0 0L10 0L5'/>",
            "path | 0,0 10x0 | 0,0 10,0");
        row("polygon, polyline with a lone number, line",
            "<polygon points='0,0 10,0 10,10'/><polyline points='0 0 10 0 10'/>"
            "<line x1='0' y1='0' x2='0' y2='5' stroke='red'/>",
            "path | 0,0 10x10 | 0,0 10,0 10,10 z\npath | 0,0 10x0 | 0,0 10,0\n"
            "path | 0,0 0x5 | 0,0 0,5 | stroke 1 flat miter 4 ");
        row("stroke style, dashes and even-odd",
            "<path d='M0 0L10 0' fill-rule='evenodd' style='stroke:#000;stroke-width:2;"
            "stroke-linecap:round;stroke-linejoin:bevel;stroke-dasharray:4,2 1'/>",
            "path | 0,0 10x0 | 0,0 10,0 | evenodd | stroke 2 round bevel 4 4,2,1");
        row("group moved, scaled, faded",
            "<g transform='translate(10 20) scale(2)' opacity='0.5'><rect width='5' height='5'/>"
            "<circle cx='10' cy='10' r='2'/></g>",
            "group | 10,20 24x24 | opacity 0.5 | [rectangle | 0,0 5x5; ellipse | 8,8 4x4]");
        row("group turned a quarter about a point",
            "<g transform='rotate(90 5 5)'><rect width='10' height='4' rx='1'/></g>",
            "group | 3,3 10x4 | turn 90 | [rectangle | 0,0 10x4]");
        row("sheared group: outlines take the shear",
            "<g transform='skewX(45)'><rect x='0' y='0' width='10' height='10'/></g>",
            "group | 0,0 20x10 | [path | 0,0 20x10 | 0,0 10,0 20,10 10,10 z]");
        row("linear gradient across the box, stops from a reference",
            "<defs><linearGradient id='s'><stop offset='0' stop-color='red'/><stop offset='50%' "
            "style='stop-color:blue;stop-opacity:0.5'/><stop offset='0.2' stop-color='lime'/>"
            "</linearGradient><linearGradient id='g' href='#s' x2='1' y2='1'/></defs>"
            "<rect width='100' height='50' fill='url(#g)'/>",
            "rectangle | 0,0 100x50 | linear 0,0 0.4,1.6 0 #ffff0000 0.5 #800000ff 0.5 #ff00ff00");
        row("radial gradient in user space, moved and scaled",
            "<radialGradient id='r' gradientUnits='userSpaceOnUse' cx='10' cy='10' r='10' "
            "gradientTransform='translate(10) scale(2)'><stop stop-color='#fff'/>"
            "<stop offset='1'/></radialGradient><circle cx='30' cy='20' r='20' fill='url(#r)'/>",
            "ellipse | 10,0 40x40 | radial 0.5,0.5 1,0.5 0 #ffffffff 1 #ff000000");
        row("radial gradient with a focus: picture",
            "<radialGradient id='r' fx='0.2'><stop/><stop offset='1'/></radialGradient>"
            "<rect width='9' height='9' fill='url(#r)'/>",
            "picture");
        row("repeating gradient: picture",
            "<linearGradient id='r' spreadMethod='repeat'><stop/><stop offset='1'/>"
            "</linearGradient><rect width='9' height='9' fill='url(#r)'/>",
            "picture");
        row("gradients referring in a circle: nothing painted",
            "<linearGradient id='a' href='#b'/><linearGradient id='b' href='#a'/>"
            "<rect width='9' height='9' fill='url(#a)' stroke='red'/>",
            "rectangle | 0,0 9x9 | stroke 1 flat miter 4 ");
        row("stroke under an uneven scale: picture",
            "<rect width='9' height='9' stroke='red' transform='scale(2 1)'/>", "picture");
        row("clipping: picture", "<rect width='9' height='9' clip-path='url(#c)'/>", "picture");
        row("groups nested too deep: picture",
            "<g><g><g><g><g><g><g><g><g><g><g><g><g><g><g><g><g><g><g><g><g><g><g><g><g><g><g>"
            "<g><g><g><g><g><g><rect width='1' height='1'/></g></g></g></g></g></g></g></g></g>"
            "</g></g></g></g></g></g></g></g></g></g></g></g></g></g></g></g></g></g></g></g></g>"
            "</g></g></g>",
            "picture");
        row("unclosed element: picture", "<rect width='9' height='9'>", "picture");
        row("text in lines of spans, as editors write it",
            "<text x='5' y='20' font-size='10'><tspan x='5' y='20'>One</tspan>"
            "<tspan x='5' y='35'>Two</tspan></text>",
            "text | One\\nTwo | left");
        row("span in a style of its own: picture",
            "<text x='5' y='20'>One <tspan font-weight='bold'>two</tspan></text>", "picture");
    }
    void svgShapes()
    {
        QFETCH(QByteArray, body);
        QFETCH(QString, shapes);
        QVector<ZenubShape> read;
        QStringList found;
        if (SvgShapes::convert("<svg xmlns='http://www.w3.org/2000/svg'>" + body + "</svg>", &read))
            for (const ZenubShape& shape : qAsConst(read))
                found << described(shape);
        else
            found << QStringLiteral("picture");
        QCOMPARE(found.join(QLatin1Char('\n')), shapes);
    }
    // Copied out as SVG and read back, paths, groups and gradients draw as before.
    void svgRoundTrip()
    {
        ZenubShape path(ZenubShape::Type::Path, QStringLiteral("Wave"));
        ZenubPath wave;
        wave.addSubpath({ZenubPathNode({0, 0.5}, {0, 0.5}, {0.3, -0.2}, false),
                         ZenubPathNode({1, 0.5}, {0.7, 1.2}, {1, 0.5})},
                        true);
        path.setPath(wave);
        path.setFill(
            ZenubPaint::linear({{0, Qt::red}, {1, QColor(0, 0, 255, 128)}}, {0, 0}, {1, 1}));
        ZenubStroke stroke;
        stroke.setPaint(ZenubPaint(QColor(Qt::darkGreen)));
        stroke.setWidth(3);
        stroke.setCap(ZenubStroke::Cap::Round);
        stroke.setDashes({6, 3});
        path.setStroke(stroke);
        path.setKeyframe(ZenubKeyframe(0, 10, 10, 80, 40));
        ZenubShape star(ZenubShape::Type::Star, QStringLiteral("Star"));
        star.setFill(ZenubPaint::radial({{0, Qt::yellow}, {1, Qt::darkRed}}, {0.5, 0.5}, {1, 0.5}));
        star.setKeyframe(ZenubKeyframe(0, 0, 0, 40, 40));
        ZenubShape ellipse(ZenubShape::Type::Ellipse, QStringLiteral("Ellipse"));
        ellipse.setKeyframe(ZenubKeyframe(0, 50, 10, 30, 20));
        ZenubShape group(ZenubShape::Type::Group, QStringLiteral("Group"));
        group.setMembers({star, ellipse});
        group.setContentSize({80, 40});
        ZenubKeyframe box(0, 40, 80, 120, 80);
        box.setRotation(30);
        group.setKeyframe(box);
        const QVector<ZenubShape> shapes{path, group};
        QVector<ZenubShape> read;
        QVERIFY(SvgShapes::convert(ShapeSvgWriter::toSvg(shapes, 0), &read));
        QCOMPARE(read.size(), 2);
        QCOMPARE(read.at(0).getType(), ZenubShape::Type::Path);
        QCOMPARE(read.at(0).getFill().getType(), ZenubPaint::Type::LinearGradient);
        QCOMPARE(read.at(0).getStroke().getDashes(), QVector<double>({6, 3}));
        QCOMPARE(read.at(1).getType(), ZenubShape::Type::Group);
        QCOMPARE(read.at(1).getMembers().size(), 2);
        QCOMPARE(read.at(1).getMembers().at(0).getFill().getType(),
                 ZenubPaint::Type::RadialGradient);
        const QImage before = drawn(shapes);
        // The picture starts where the shapes' bounds did.
        const QImage after = drawn(read, {10, 10});
        int differing = 0;
        for (int y = 0; y < before.height(); ++y)
            for (int x = 0; x < before.width(); ++x) {
                const QColor a = before.pixelColor(x, y);
                const QColor b = after.pixelColor(x, y);
                differing += std::max({std::abs(a.red() - b.red()), std::abs(a.green() - b.green()),
                                       std::abs(a.blue() - b.blue())}) > 8;
            }
        QVERIFY2(differing < 40, qPrintable(QString::number(differing)));
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
