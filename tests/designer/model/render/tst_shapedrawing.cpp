// SPDX-License-Identifier: MIT
#include <model/edits/shaperef.h>
#include <model/project/zenubproject.h>
#include <model/render/framerenderer.h>
#include <model/render/hittest.h>
#include <model/render/paintbrush.h>
#include <model/render/shapegeometry.h>
#include <model/render/shapepainter.h>
#include <model/render/textlayout.h>

#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QPicture>
#include <QtTest>

Q_DECLARE_METATYPE(ZenubShape)

namespace {

ZenubShape shapeIn(ZenubShape::Type type, const QRectF& box, double rotation = 0)
{
    ZenubShape shape(type, QStringLiteral("S"));
    ZenubKeyframe keyframe(0, box.x(), box.y(), box.width(), box.height());
    keyframe.setRotation(rotation);
    shape.setKeyframe(keyframe);
    return shape;
}

ZenubShape pathIn(const QRectF& box, const QVector<QPointF>& corners, bool closed,
                  double stroke = 0, bool filled = true, double rotation = 0)
{
    ZenubShape shape = shapeIn(ZenubShape::Type::Path, box, rotation);
    QVector<ZenubPathNode> nodes;
    for (const QPointF& corner : corners)
        nodes.append(ZenubPathNode(corner));
    ZenubPath path;
    path.addSubpath(nodes, closed);
    shape.setPath(path);
    shape.setStrokeWidth(stroke);
    shape.setFillColor(filled ? QColor(Qt::red) : QColor(0, 0, 0, 0));
    return shape;
}

bool near(const QPointF& a, const QPointF& b)
{
    return std::abs(a.x() - b.x()) < 1e-6 && std::abs(a.y() - b.y()) < 1e-6;
}

// A box of \a size painted white, then with \a paint through a rectangle filling it.
QImage painted(const ZenubPaint& paint, const QSize& size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    const QRectF box(QPointF(0, 0), size);
    painter.fillRect(box, PaintBrush::brush(paint, box));
    return image;
}

} // namespace

// Geometry, picking, gradients and text layout: the rules every output draws by.
class tst_ShapeDrawing : public QObject
{
    Q_OBJECT
private slots:
    void polygonCorners_data()
    {
        QTest::addColumn<int>("points");
        QTest::addColumn<double>("inner");
        QTest::addColumn<double>("roundness");
        QTest::addColumn<bool>("star");
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("node");
        QTest::addColumn<QPointF>("point");
        QTest::addColumn<QPointF>("out");
        QTest::newRow("square, first up")
            << 4 << 1.0 << 0.0 << false << 4 << 0 << QPointF(0.5, 0) << QPointF(0.5, 0);
        QTest::newRow("square, then clockwise")
            << 4 << 1.0 << 0.0 << false << 4 << 1 << QPointF(1, 0.5) << QPointF(1, 0.5);
        QTest::newRow("five-point star, first inner corner")
            << 5 << 0.5 << 0.0 << true << 10 << 1 << QPointF(0.6469463130731183, 0.2977457514062631)
            << QPointF(0.6469463130731183, 0.2977457514062631);
        QTest::newRow("square, half round: cut a quarter along each edge")
            << 4 << 1.0 << 0.5 << false << 8 << 0 << QPointF(0.375, 0.125)
            << QPointF(0.375 + 0.125 * ShapeGeometry::kappa(),
                       0.125 - 0.125 * ShapeGeometry::kappa());
        QTest::newRow("triangle, fully round: cuts meet mid-edge")
            << 3 << 1.0 << 1.0 << false << 3 << 0 << QPointF(0.2834936490538903, 0.375)
            << QPointF(0.2834936490538903 + 0.2165063509461097 * ShapeGeometry::kappa(),
                       0.375 - 0.375 * ShapeGeometry::kappa());
        QTest::newRow("two points are three")
            << 2 << 1.0 << 0.0 << false << 3 << 0 << QPointF(0.5, 0) << QPointF(0.5, 0);
    }
    void polygonCorners()
    {
        QFETCH(int, points);
        QFETCH(double, inner);
        QFETCH(double, roundness);
        QFETCH(bool, star);
        QFETCH(int, count);
        QFETCH(int, node);
        QFETCH(QPointF, point);
        QFETCH(QPointF, out);
        const ZenubPath path = ShapeGeometry::polygon(points, inner, roundness, star);
        QCOMPARE(path.getSubpaths().size(), 1);
        QVERIFY(path.getSubpaths()[0].closed);
        QCOMPARE(path.getSubpaths()[0].nodes.size(), count);
        const ZenubPathNode& each = path.getSubpaths()[0].nodes.at(node);
        QVERIFY2(near(each.point, point),
                 qPrintable(QStringLiteral("%1 %2").arg(each.point.x()).arg(each.point.y())));
        QVERIFY2(near(each.out, out),
                 qPrintable(QStringLiteral("%1 %2").arg(each.out.x()).arg(each.out.y())));
        QCOMPARE(bool(each.smooth), roundness >= 1);
    }

    void hitsAtBoundaries_data()
    {
        QTest::addColumn<ZenubShape>("shape");
        QTest::addColumn<QPointF>("point");
        QTest::addColumn<double>("tolerance");
        QTest::addColumn<bool>("hit");
        const QRectF box(0, 0, 100, 100);
        const ZenubShape triangle = pathIn(box, {{0, 0}, {1, 0}, {0, 1}}, true);
        QTest::newRow("inside the fill") << triangle << QPointF(10, 10) << 0.0 << true;
        QTest::newRow("on the edge") << triangle << QPointF(50, 50) << 0.0 << true;
        QTest::newRow("just off the edge") << triangle << QPointF(50.5, 50.5) << 0.0 << false;
        QTest::newRow("off the edge, within tolerance")
            << triangle << QPointF(50.5, 50.5) << 1.0 << true;
        const ZenubShape stroked = pathIn(box, {{0, 0}, {1, 0}, {0, 1}}, true, 10);
        QTest::newRow("half the stroke out") << stroked << QPointF(-5, 50) << 0.0 << true;
        QTest::newRow("past the stroke") << stroked << QPointF(-5.01, 50) << 0.0 << false;
        const ZenubShape corner = pathIn(box, {{0, 0}, {1, 0}, {1, 1}}, false, 4, false);
        QTest::newRow("open, unfilled: inside is nothing")
            << corner << QPointF(90, 10) << 0.0 << false;
        QTest::newRow("open: on its line") << corner << QPointF(50, 2) << 0.0 << true;
        QTest::newRow("open: the side the fill closes is no line")
            << corner << QPointF(50, 50) << 0.0 << false;
        QTest::newRow("open, filled: filled as if closed")
            << pathIn(box, {{0, 0}, {1, 0}, {1, 1}}, false, 4, true) << QPointF(90, 10) << 0.0
            << true;
        ZenubShape ring = triangle;
        ZenubPath squares;
        squares.addSubpath({ZenubPathNode({0, 0}), ZenubPathNode({1, 0}), ZenubPathNode({1, 1}),
                            ZenubPathNode({0, 1})},
                           true);
        squares.addSubpath({ZenubPathNode({0.25, 0.25}), ZenubPathNode({0.75, 0.25}),
                            ZenubPathNode({0.75, 0.75}), ZenubPathNode({0.25, 0.75})},
                           true);
        ring.setPath(squares);
        QTest::newRow("non-zero: the inner square is inside")
            << ring << QPointF(50, 50) << 0.0 << true;
        squares.setFillRule(ZenubPath::FillRule::EvenOdd);
        ring.setPath(squares);
        QTest::newRow("even-odd: the inner square is a hole")
            << ring << QPointF(50, 50) << 0.0 << false;
        const ZenubShape turned =
            pathIn(QRectF(0, 0, 100, 50), {{0, 0}, {1, 0}, {1, 1}, {0, 1}}, true, 0, true, 90);
        QTest::newRow("turned: where the turn put it") << turned << QPointF(50, -20) << 0.0 << true;
        QTest::newRow("turned: not where it was") << turned << QPointF(10, 25) << 0.0 << false;
        QTest::newRow("a rectangle: its box")
            << shapeIn(ZenubShape::Type::Rectangle, box) << QPointF(100, 100) << 0.0 << true;
        ZenubShape group = shapeIn(ZenubShape::Type::Group, QRectF(100, 100, 200, 200));
        group.setContentSize(QSizeF(100, 100));
        group.setMembers({triangle});
        QTest::newRow("group: a member, scaled") << group << QPointF(120, 120) << 0.0 << true;
        QTest::newRow("group: beside its member") << group << QPointF(230, 230) << 0.0 << false;
        // One stage pixel is half a pixel of the members': 0.85 pixels off the edge is within,
        // 1.41 not, though 0.71 of the members' pixels would be.
        QTest::newRow("group: within the tolerance")
            << group << QPointF(200.6, 200.6) << 1.0 << true;
        QTest::newRow("group: tolerance scales") << group << QPointF(201, 201) << 1.0 << false;
    }
    void hitsAtBoundaries()
    {
        QFETCH(ZenubShape, shape);
        QFETCH(QPointF, point);
        QFETCH(double, tolerance);
        QFETCH(bool, hit);
        QCOMPARE(HitTest::hits(shape, 0, point, tolerance), hit);
    }

    void groupTransforms()
    {
        // A group turned a quarter, its content squeezed into a box twice as wide as high.
        ZenubShape member = shapeIn(ZenubShape::Type::Rectangle, QRectF(0, 0, 100, 100));
        ZenubShape group = shapeIn(ZenubShape::Type::Group, QRectF(100, 50, 200, 100), 90);
        group.setContentSize(QSizeF(100, 100));
        group.setMembers({member});
        ZenubShapeState state;
        QVERIFY(group.stateAt(0, &state));
        const QTransform toParent = ShapeGeometry::transform(group, state);
        QVERIFY(near(toParent.map(QPointF(0, 0)), QPointF(250, 0)));
        QVERIFY(near(toParent.map(QPointF(100, 100)), QPointF(150, 200)));
        QCOMPARE(ShapeGeometry::bounds(group, 0), QRectF(150, 0, 100, 200));

        // Nested in an outer group that doubles: members' coordinates reach the stage through
        // both, and picking inside the inner group finds the member.
        ZenubShape outer = shapeIn(ZenubShape::Type::Group, QRectF(0, 0, 800, 400));
        outer.setContentSize(QSizeF(400, 200));
        outer.setMembers({group});
        ZenubProject project = ZenubProject::createNew(QStringLiteral("P"), 800, 400, 10);
        project.scenes()[0].layers()[0].addShape(outer);
        const ShapeRef inner{0, 0, 0, {0}};
        const QTransform toStage =
            ShapeGeometry::parentToStage(project.getScenes()[0], inner.member(0), 0);
        QVERIFY(near(toStage.map(QPointF(0, 0)), QPointF(500, 0)));
        const FrameRenderer renderer(project);
        QCOMPARE(renderer.pick(0, 0, QPointF(400, 200), 0, inner), inner.member(0));
        QCOMPARE(renderer.pick(0, 0, QPointF(100, 200), 0, inner), ShapeRef());
        QCOMPARE(renderer.pick(0, 0, QPointF(400, 200)), (ShapeRef{0, 0, 0, {}}));
    }

    void gradientStops_data()
    {
        QTest::addColumn<ZenubPaint>("paint");
        QTest::addColumn<QPoint>("pixel");
        QTest::addColumn<QColor>("color");
        const QPointF left(0, 0.5);
        const QPointF right(1, 0.5);
        const ZenubPaint sharp = ZenubPaint::linear(
            {{0, Qt::red}, {0.5, Qt::red}, {0.5, Qt::blue}, {1, Qt::blue}}, left, right);
        QTest::newRow("two stops on one offset: before")
            << sharp << QPoint(48, 5) << QColor(Qt::red);
        QTest::newRow("two stops on one offset: after")
            << sharp << QPoint(52, 5) << QColor(Qt::blue);
        ZenubPaint faded = ZenubPaint::linear({{0, Qt::red}, {1, Qt::red}}, left, right);
        faded.setOpacity(0.5);
        QTest::newRow("the paint's opacity") << faded << QPoint(50, 5) << QColor(255, 127, 127);
        // Between a clear and a blue stop, colours mix premultiplied as on web pages: no red.
        QTest::newRow("premultiplied between stops")
            << ZenubPaint::linear({{0, QColor(255, 0, 0, 0)}, {1, Qt::blue}}, left, right)
            << QPoint(49, 5) << QColor(128, 128, 255);
        // A circle in pixels about the centre through the right edge's middle: 50 pixels, so the
        // top edge's middle (25 pixels away) is half way.
        const ZenubPaint radial =
            ZenubPaint::radial({{0, Qt::black}, {1, Qt::white}}, QPointF(0.5, 0.5), right);
        QTest::newRow("radial: a circle, not the box's ellipse")
            << radial << QPoint(50, 0) << QColor(126, 126, 126);
        QTest::newRow("ends that meet paint nothing")
            << ZenubPaint::linear({{0, Qt::red}}, left, left) << QPoint(50, 5) << QColor(Qt::white);
        QTest::newRow("no stops paint nothing")
            << ZenubPaint::linear({}, left, right) << QPoint(50, 5) << QColor(Qt::white);
    }
    void gradientStops()
    {
        QFETCH(ZenubPaint, paint);
        QFETCH(QPoint, pixel);
        QFETCH(QColor, color);
        const QColor drawn = painted(paint, QSize(100, 50)).pixelColor(pixel);
        QVERIFY2(std::abs(drawn.red() - color.red()) <= 3 &&
                     std::abs(drawn.green() - color.green()) <= 3 &&
                     std::abs(drawn.blue() - color.blue()) <= 3,
                 qPrintable(drawn.name()));
    }

    void textLayout_data()
    {
        QTest::addColumn<QString>("words");
        QTest::addColumn<double>("spare");
        QTest::addColumn<int>("lines");
        // The box is as wide as "aaa aaa" (as the layout measures it) plus spare.
        QTest::newRow("two words just fit") << "aaa aaa aaa" << 0.0 << 2;
        QTest::newRow("a hair less: each on its own") << "aaa aaa aaa" << -0.01 << 3;
        QTest::newRow("a word wider than the box stays") << "aaaaaaaaaaaa" << -0.01 << 1;
        QTest::newRow("paragraphs break too") << "aaa aaa\n\naaa" << 0.0 << 3;
    }
    void textLayout()
    {
        QFETCH(QString, words);
        QFETCH(double, spare);
        QFETCH(int, lines);
        ZenubText text;
        text.setPlainText(words);
        text.setFontSize(20);
        text.setBoxMode(ZenubText::BoxMode::Wrap);
        text.setAlignment(ZenubText::Alignment::Right);
        QFont font(text.getFontFamily());
        font.setStyleHint(QFont::SansSerif);
        font.setPixelSize(20);
        const QFontMetricsF metrics(font);
        const double width = metrics.horizontalAdvance(QStringLiteral("aaa ")) +
                             metrics.horizontalAdvance(QStringLiteral("aaa")) + spare;
        const std::shared_ptr<const TextLayout> layout = TextLayout::of(text, QSizeF(width, 100));
        QCOMPARE(layout->lines().size(), lines);
        const TextLayout::Line& first = layout->lines().constFirst();
        QVERIFY(std::abs(layout->lineX(first, width) - (width - first.width)) < 1e-9);
        // Laid out once per change: the same text in the same box is not laid out again.
        QCOMPARE(TextLayout::of(text, QSizeF(width, 100)).get(), layout.get());
        ZenubText changed = text;
        changed.setLineSpacing(2);
        const std::shared_ptr<const TextLayout> spaced =
            TextLayout::of(changed, QSizeF(width, 100));
        QVERIFY(spaced.get() != layout.get());
        QVERIFY(std::abs(spaced->lines().constFirst().height - 2 * first.height) < 1e-9);
    }

    void fittedTextSize()
    {
        // Without a size of its own a text takes 0.7 of the box's height per paragraph.
        ZenubText text;
        text.setPlainText(QStringLiteral("a\nb"));
        const std::shared_ptr<const TextLayout> layout = TextLayout::of(text, QSizeF(1000, 100));
        QCOMPARE(layout->baseFont().pixelSize(), 35);
        QCOMPARE(layout->lines().size(), 2);
    }

    void growingTextRefitsAsItsFontSizeAnimates_data()
    {
        QTest::addColumn<int>("alignment");
        QTest::addColumn<double>("kept"); // the box's x that stays: left, centre or right
        QTest::newRow("left") << int(ZenubText::Alignment::Left) << 0.0;
        QTest::newRow("centre") << int(ZenubText::Alignment::Center) << 0.5;
        QTest::newRow("right") << int(ZenubText::Alignment::Right) << 1.0;
    }
    void growingTextRefitsAsItsFontSizeAnimates()
    {
        QFETCH(int, alignment);
        QFETCH(double, kept);
        // Typed at 10 px into a box far larger than its line; the size grows to 40 px.
        ZenubShape text = shapeIn(ZenubShape::Type::Text, QRectF(100, 50, 300, 200));
        text.setText(QStringLiteral("Grow"));
        text.textContent().setAlignment(ZenubText::Alignment(alignment));
        text.tracks().fontSize().setKey({0, 10.0, ZenubEasing()});
        text.tracks().fontSize().setKey({10, 40.0, ZenubEasing()});
        double lastWidth = 0;
        for (const int frame : {0, 5, 10}) {
            ZenubShapeState state;
            text.stateAt(frame, &state);
            const QSizeF natural =
                TextLayout::naturalSize(text.textFor(state.fontSize), QSizeF(300, 200));
            QCOMPARE(state.rect().size(), natural);
            QCOMPARE(state.rect().y(), 50.0);
            QCOMPARE(state.rect().x() + kept * natural.width(), 100 + kept * 300);
            QVERIFY(natural.width() > lastWidth);
            lastWidth = natural.width();
        }
        // An edit moves the box as shown by exactly its step, at every frame.
        const double x5 = text.stateAtFrame(5).getX();
        const double x10 = text.stateAtFrame(10).getX();
        text.editAt(5, false, [](ZenubKeyframe& box) { box.setX(box.getX() + 7); });
        QCOMPARE(text.stateAtFrame(5).getX(), x5 + 7);
        QCOMPARE(text.stateAtFrame(10).getX(), x10 + 7);
        // A box given another size (as typing gives it) shows where it was put.
        text.editAt(5, false, [](ZenubKeyframe& box) {
            box.setX(120);
            box.setWidth(50);
        });
        QCOMPARE(text.stateAtFrame(5).getX(), 120.0);
        // A still font size leaves the box as it was drawn.
        text.tracks().fontSize().setValue(40);
        QCOMPARE(text.stateAtFrame(5).getWidth(), 50.0);
    }

    void longTextDrawsOnlyWhatShows()
    {
        // 500,000 lines: laid out once, then a frame draws only the lines inside the stage.
        ZenubProject project = ZenubProject::createNew(QStringLiteral("P"), 320, 240, 10);
        ZenubShape text = shapeIn(ZenubShape::Type::Text, QRectF(0, 0, 320, 240));
        QStringList lines;
        for (int i = 0; i < 500000; ++i)
            lines << QStringLiteral("line %1").arg(i);
        text.setText(lines.join(QLatin1Char('\n')));
        text.setFontSize(12);
        project.scenes()[0].layers()[0].addShape(text);
        const FrameRenderer renderer(project);
        QPicture drawn;
        QPainter painter(&drawn);
        renderer.paint(&painter, 0, 0);
        painter.end();
        QVERIFY2(drawn.size() < 64 * 1024, qPrintable(QString::number(drawn.size())));
        const auto layout = TextLayout::of(text.getTextContent(), QSizeF(320, 240));
        QCOMPARE(layout->lines().size(), 500000);
        QPainter again(&drawn);
        renderer.paint(&again, 0, 5);
        again.end();
        QCOMPARE(TextLayout::of(text.getTextContent(), QSizeF(320, 240)).get(), layout.get());
    }
};

QTEST_MAIN(tst_ShapeDrawing)
#include "tst_shapedrawing.moc"
