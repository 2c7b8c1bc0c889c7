// SPDX-License-Identifier: MIT
#include <model/edits/groupedits.h>
#include <model/edits/nameedits.h>
#include <model/edits/pathedits.h>
#include <model/edits/textedits.h>
#include <model/project/zenubscene.h>
#include <model/render/shapegeometry.h>

#include <QPainterPath>
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

// Where a path-like shape's outline is drawn on the stage, sampled.
QVector<QPointF> drawn(const ZenubShape& shape, double frame = 0)
{
    ZenubShapeState state;
    shape.stateAt(frame, &state);
    const QPainterPath outline = state.transform().map(ShapeGeometry::painterPath(shape, state));
    QVector<QPointF> points;
    for (int i = 0; i <= 40; ++i)
        points.append(outline.pointAtPercent(i / 40.0));
    return points;
}

bool same(const QVector<QPointF>& a, const QVector<QPointF>& b)
{
    for (int i = 0; i < a.size(); ++i)
        if (std::hypot(a.at(i).x() - b.at(i).x(), a.at(i).y() - b.at(i).y()) > 1e-6)
            return false;
    return a.size() == b.size();
}

} // namespace

// The edits the Object menu and the pen and node tools run on the model.
class tst_DrawingEdits : public QObject
{
    Q_OBJECT
private slots:
    void convertsToPath_data()
    {
        QTest::addColumn<ZenubShape>("shape");
        QTest::addColumn<int>("nodes");
        ZenubShape rounded = shapeIn(ZenubShape::Type::Rectangle, QRectF(10, 20, 200, 100), 30);
        rounded.setCornerRadius(20);
        rounded.setStrokeWidth(3);
        QTest::newRow("rectangle, rounded and turned") << rounded << 8;
        QTest::newRow("ellipse") << shapeIn(ZenubShape::Type::Ellipse, QRectF(0, 0, 80, 40)) << 4;
        ZenubShape star = shapeIn(ZenubShape::Type::Star, QRectF(0, 0, 100, 100));
        star.setPoints(6);
        star.setRoundness(0.3);
        QTest::newRow("rounded star") << star << 24;
        QTest::newRow("polygon") << shapeIn(ZenubShape::Type::Polygon, QRectF(5, 5, 50, 60)) << 5;
    }
    void convertsToPath()
    {
        QFETCH(ZenubShape, shape);
        QFETCH(int, nodes);
        ZenubShape path = shape;
        QVERIFY(PathEdits::toPath(path, 0));
        QCOMPARE(path.getType(), ZenubShape::Type::Path);
        QCOMPARE(path.getPath().nodeCount(), nodes);
        // The same outline where it was, with the same paint and keyframes.
        QVERIFY(same(drawn(path), drawn(shape)));
        QCOMPARE(path.getStroke(), shape.getStroke());
        QCOMPARE(path.getKeyframes(), shape.getKeyframes());
        QVERIFY(!PathEdits::toPath(path, 0));
    }

    void convertsTextToGlyphs()
    {
        ZenubShape text = shapeIn(ZenubShape::Type::Text, QRectF(0, 0, 300, 100));
        text.setFontSize(40);
        text.setStrokeWidth(2);
        ZenubShape one = text;
        one.setText(QStringLiteral("Hello"));
        QVERIFY(PathEdits::toPath(one, 0));
        QCOMPARE(one.getType(), ZenubShape::Type::Path);
        QCOMPARE(one.getStrokeWidth(), 0.0);
        // "H", "e", "l", "l", "o" and the holes of "e" and "o".
        QCOMPARE(one.getPath().getSubpaths().size(), 7);
        // The box now fits the glyphs, inside the text's box.
        const ZenubKeyframe box = one.getKeyframes().constFirst();
        QVERIFY(box.getX() > 0 && box.getX() + box.getWidth() < 300);
        QVERIFY(box.getHeight() < 40);

        ZenubTextRun red(QStringLiteral("red"));
        red.color = QColor(Qt::red);
        text.textContent().setRuns({ZenubTextRun(QStringLiteral("plain ")), red});
        QVERIFY(PathEdits::toPath(text, 0));
        QCOMPARE(text.getType(), ZenubShape::Type::Group);
        QCOMPARE(text.getMembers().size(), 2);
        QCOMPARE(text.getMembers().at(1).getFillColor(), QColor(Qt::red));
        QCOMPARE(text.getContentSize(), QSizeF(300, 100));
    }

    void nodesEditedOnTheStage()
    {
        // A turned, animated path: moving a node on the stage moves only that node, and the
        // box fits the outline again in every keyframe.
        ZenubShape path = shapeIn(ZenubShape::Type::Path, QRectF(0, 0, 200, 100), 90);
        ZenubKeyframe later(10, 50, 50, 400, 100);
        later.setRotation(90);
        path.setKeyframe(later);
        ZenubPath triangle;
        triangle.addSubpath({ZenubPathNode({0, 0}), ZenubPathNode({1, 0}), ZenubPathNode({0, 1})},
                            true);
        path.setPath(triangle);
        ZenubShapeState state;
        QVERIFY(path.stateAt(0, &state));
        ZenubPath stage = PathEdits::toStage(path, state);
        QVERIFY(std::abs(stage.getSubpaths()[0].nodes[1].point.x() - 150) < 1e-9);
        stage.subpaths()[0].nodes[1] = ZenubPathNode(QPointF(200, 0));
        PathEdits::setFromStage(path, 0, stage);
        QVERIFY(path.stateAt(0, &state));
        const ZenubPath after = PathEdits::toStage(path, state);
        for (int i = 0; i < 3; ++i) {
            const QPointF a = after.getSubpaths()[0].nodes[i].point;
            const QPointF b = stage.getSubpaths()[0].nodes[i].point;
            QVERIFY2(std::hypot(a.x() - b.x(), a.y() - b.y()) < 1e-9,
                     qPrintable(QStringLiteral("node %1: %2,%3").arg(i).arg(a.x()).arg(a.y())));
        }
        // The nodes span their box again.
        const QRectF unit = path.getPath().toPainterPath(QRectF(0, 0, 1, 1)).boundingRect();
        QVERIFY(std::abs(unit.width() - 1) < 1e-9 && std::abs(unit.height() - 1) < 1e-9);
        QCOMPARE(path.getKeyframes().size(), 2);

        // An animated outline is keyed where it is edited, its other keys kept.
        path.editStateAt(10, true, [](ZenubShapeState& each) {
            each.path.subpaths()[0].nodes[2].point = QPointF(0, 0.5);
        });
        QVERIFY(path.stateAt(5, &state));
        ZenubPath between = PathEdits::toStage(path, state);
        between.subpaths()[0].nodes[0].point += QPointF(1, 1);
        PathEdits::setFromStage(path, 5, between);
        QCOMPARE(path.tracks().path().keys().size(), 3);
        QVERIFY(path.stateAt(5, &state));
        const QPointF moved = PathEdits::toStage(path, state).getSubpaths()[0].nodes[0].point;
        QVERIFY(QLineF(moved, between.getSubpaths()[0].nodes[0].point).length() < 1e-9);
    }

    void lineGainsAHeight()
    {
        // A flat line has no height to place a node off it by; the node still goes there.
        ZenubShape line = shapeIn(ZenubShape::Type::Path, QRectF(0, 50, 100, 0));
        ZenubPath flat;
        flat.addSubpath({ZenubPathNode({0, 0}), ZenubPathNode({1, 0})}, false);
        line.setPath(flat);
        ZenubPath stage;
        stage.addSubpath({ZenubPathNode({0, 50}), ZenubPathNode({100, 80})}, false);
        PathEdits::setFromStage(line, 0, stage);
        QCOMPARE(line.getKeyframes().constFirst().getHeight(), 30.0);
        QCOMPARE(line.getPath().getSubpaths()[0].nodes[1].point, QPointF(1, 1));
    }

    void splitKeepsTheCurve_data()
    {
        QTest::addColumn<bool>("curved");
        QTest::addColumn<bool>("smooth");
        QTest::newRow("curve") << true << true;
        QTest::newRow("straight") << false << false;
    }
    void splitKeepsTheCurve()
    {
        QFETCH(bool, curved);
        QFETCH(bool, smooth);
        ZenubPath path;
        path.addSubpath({ZenubPathNode({0, 0}, {0, 0}, curved ? QPointF(0, 1) : QPointF(0, 0)),
                         ZenubPathNode({1, 0}, curved ? QPointF(1, 1) : QPointF(1, 0), {1, 0})},
                        false);
        const ZenubPath before = path;
        const NodeRef added = PathEdits::insertNode(path, {0, 0}, 0.25);
        QCOMPARE(added, (NodeRef{0, 1}));
        QCOMPARE(path.nodeCount(), 3);
        QCOMPARE(bool(path.getSubpaths()[0].nodes[1].smooth), smooth);
        // Half way along each half is a quarter and five eighths of the way along the whole.
        const auto at = [](const ZenubPath& p, int segment, double t) {
            const ZenubPathNode& a = p.getSubpaths()[0].nodes[segment];
            const ZenubPathNode& b = p.getSubpaths()[0].nodes[segment + 1];
            const double r = 1 - t;
            return a.point * (r * r * r) + a.out * (3 * r * r * t) + b.in * (3 * r * t * t) +
                   b.point * (t * t * t);
        };
        const auto close = [](const QPointF& a, const QPointF& b) {
            return std::hypot(a.x() - b.x(), a.y() - b.y()) < 1e-12;
        };
        QVERIFY(close(path.getSubpaths()[0].nodes[1].point, at(before, 0, 0.25)));
        QVERIFY(!curved || close(at(path, 0, 0.5), at(before, 0, 0.125)));
        QVERIFY(!curved || close(at(path, 1, 0.5), at(before, 0, 0.625)));
        NodeRef from;
        double t = -1;
        QVERIFY(PathEdits::nearestSegment(path, QTransform(), path.getSubpaths()[0].nodes[1].point,
                                          1e-6, &from, &t));
        QVERIFY((from.node == 0 && std::abs(t - 1) < 1e-6) || (from.node == 1 && t < 1e-6));
    }

    void smoothNodes()
    {
        ZenubPath path;
        path.addSubpath({ZenubPathNode({0, 0}), ZenubPathNode({3, 3}), ZenubPathNode({6, 0})},
                        false);
        QVERIFY(PathEdits::setSmooth(path, {{0, 1}}, true));
        const ZenubPathNode node = path.getSubpaths()[0].nodes[1];
        // Along the line from neighbour to neighbour, a third of the way to each.
        QCOMPARE(node.in, QPointF(3 - std::sqrt(2.0), 3));
        QCOMPARE(node.out, QPointF(3 + std::sqrt(2.0), 3));
        QVERIFY(PathEdits::moveHandle(path, {0, 1}, true, QPointF(3, 5)));
        QCOMPARE(path.getSubpaths()[0].nodes[1].in, QPointF(3, 3 - std::sqrt(2.0)));
        // A line left with one node goes.
        QVERIFY(PathEdits::deleteNodes(path, {{0, 0}, {0, 2}}));
        QCOMPARE(path.nodeCount(), 0);
    }

    void groupAndUngroup()
    {
        ZenubScene scene(QStringLiteral("S"), 10);
        ZenubLayer layer(QStringLiteral("L"));
        layer.addShape(shapeIn(ZenubShape::Type::Rectangle, QRectF(10, 10, 20, 20)));
        ZenubShape turned = shapeIn(ZenubShape::Type::Ellipse, QRectF(100, 50, 40, 20), 90);
        turned.setKeyframe(ZenubKeyframe(5, 100, 60, 40, 20));
        layer.addShape(turned);
        layer.addShape(shapeIn(ZenubShape::Type::Star, QRectF(0, 0, 5, 5)));
        scene.addLayer(layer);
        const ZenubScene before = scene;

        ShapeRef group;
        QVERIFY(GroupEdits::group(scene, {{0, 0, 1, {}}, {0, 0, 0, {}}}, 0, QString(), &group));
        // In the topmost's place, below the star that was above both.
        QCOMPARE(group, (ShapeRef{0, 0, 0, {}}));
        const ZenubShape& made = scene.getLayers()[0].getShapes()[0];
        QCOMPARE(made.getName(), QStringLiteral("Group 1"));
        // The turned ellipse covers 110..130 across, 40..80 down at frame 0.
        QCOMPARE(ShapeGeometry::bounds(made, 0), QRectF(10, 10, 120, 70));
        QCOMPARE(made.getMembers().at(1).getKeyframes().at(1).getY(), 50.0);

        QVERIFY(GroupEdits::ungroup(scene, group, 3));
        QVERIFY(scene == before);

        // Moved, doubled and turned as a group, then ungrouped: the members land where drawn.
        QVERIFY(GroupEdits::group(scene, {{0, 0, 0, {}}, {0, 0, 1, {}}}, 0, QString(), &group));
        ZenubShape& moved = scene.layers()[0].shapes()[group.shape];
        ZenubKeyframe box(0, 10, 10, 240, 140);
        box.setRotation(90);
        box.setOpacity(0.5);
        moved.setKeyframe(box);
        QVERIFY(GroupEdits::ungroup(scene, group, 0));
        const ZenubKeyframe square = scene.getLayers()[0].getShapes()[0].getKeyframes()[0];
        // Its centre (20, 20) in the group's own coordinates is (30, 30) doubled, turned about
        // (130, 80): (180, -20); doubled to 40 x 40, turned a quarter, half as opaque.
        QCOMPARE(square.getX(), 160.0);
        QCOMPARE(square.getY(), -40.0);
        QCOMPARE(square.getWidth(), 40.0);
        QCOMPARE(square.getRotation(), 90.0);
        QCOMPARE(square.getOpacity(), 0.5);
        QCOMPARE(scene.getLayers()[0].getShapes()[1].getKeyframes()[1].getRotation(), 90.0);
    }

    // A member moved out of its group's box: the box grows over it in each of its own keys,
    // and everything is drawn where it was, at frames with keys and between them (while the
    // group keeps its turn: a turning one keeps its members in place at its keys only).
    void groupBoxFollowsItsMembers()
    {
        ZenubShape turned = shapeIn(ZenubShape::Type::Ellipse, QRectF(40, 10, 40, 20), 90);
        turned.setKeyframe(ZenubKeyframe(5, 40, 20, 40, 20));
        ZenubShape group = shapeIn(ZenubShape::Type::Group, QRectF(10, 10, 160, 80), 30);
        group.setMembers({shapeIn(ZenubShape::Type::Rectangle, QRectF(0, 0, 20, 20)), turned});
        group.setContentSize({80, 40});
        ZenubKeyframe later(10, 50, 20, 80, 80);
        later.setRotation(30);
        group.setKeyframe(later);
        group.members()[0].tracks().translate({-30, 50});
        const auto onStage = [&group](int member, double frame) {
            ZenubShapeState state;
            group.stateAt(frame, &state);
            QVector<QPointF> points = drawn(group.getMembers().at(member), frame);
            for (QPointF& point : points)
                point = ShapeGeometry::transform(group, state).map(point);
            return points;
        };
        QVector<QVector<QPointF>> before;
        for (const double frame : {0.0, 2.5, 5.0, 10.0})
            before << onStage(0, frame) << onStage(1, frame);
        QVERIFY(GroupEdits::fitBox(group));
        // Member 0 covers -30..-10 across; the ellipse 0..40 down turned at frame 0, and
        // 40..80 across unturned at frame 5.
        QCOMPARE(group.getContentSize(), QSizeF(110, 70));
        ZenubKeyframe first = group.getKeyframes().constFirst();
        QCOMPARE(QSizeF(first.getWidth(), first.getHeight()), QSizeF(220, 140));
        QCOMPARE(group.getKeyframes().size(), 2);
        QCOMPARE(group.getMembers().at(1).getKeyframes().size(), 2);
        QVector<QVector<QPointF>> after;
        for (const double frame : {0.0, 2.5, 5.0, 10.0})
            after << onStage(0, frame) << onStage(1, frame);
        for (int i = 0; i < before.size(); ++i)
            QVERIFY2(same(before.at(i), after.at(i)), qPrintable(QString::number(i)));
        QVERIFY(!GroupEdits::fitBox(group));
    }

    void groupOnlySiblings()
    {
        ZenubScene scene(QStringLiteral("S"), 10);
        scene.addLayer(ZenubLayer(QStringLiteral("L")));
        scene.layers()[0].addShape(shapeIn(ZenubShape::Type::Rectangle, QRectF(0, 0, 1, 1)));
        const ZenubScene before = scene;
        QVERIFY(!GroupEdits::group(scene, {{0, 0, 0, {}}, {0, 0, 0, {0}}}, 0, QString()));
        QVERIFY(!GroupEdits::group(scene, {{0, 0, 4, {}}}, 0, QString()));
        QVERIFY(!GroupEdits::ungroup(scene, {0, 0, 0, {}}, 0));
        QVERIFY(scene == before);
    }

    void growingTextFitsItsWords()
    {
        ZenubShape text = shapeIn(ZenubShape::Type::Text, QRectF(100, 100, 10, 10), 180);
        text.setText(QStringLiteral("Wide words"));
        text.setFontSize(20);
        text.textContent().setAlignment(ZenubText::Alignment::Right);
        QVERIFY(TextEdits::fitBox(text));
        const ZenubKeyframe box = text.getKeyframes().constFirst();
        QVERIFY(box.getWidth() > 50);
        // Turned half round, the right edge drawn at 100 stays there, as does the top at 110.
        QCOMPARE(box.getX(), 100.0);
        QVERIFY(std::abs(box.getY() + box.getHeight() - 110) < 1e-9);
        QVERIFY(!TextEdits::fitBox(text));
    }

    void uniqueNames_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("taken");
        QTest::addColumn<QString>("copy");
        QTest::newRow("first copy") << "Ball" << QStringList{"Ball"} << "Ball copy";
        QTest::newRow("second copy") << "Ball" << QStringList{"Ball", "Ball copy"} << "Ball copy 2";
        QTest::newRow("copy of a copy")
            << "Ball copy" << QStringList{"Ball", "Ball copy", "Ball copy 2"} << "Ball copy 3";
        QTest::newRow("placeholders stay")
            << "50%2" << QStringList{"50%2", "50%2 copy"} << "50%2 copy 2";
    }
    void uniqueNames()
    {
        QFETCH(QString, name);
        QFETCH(QStringList, taken);
        QFETCH(QString, copy);
        const QSet<QString> names(taken.cbegin(), taken.cend());
        QCOMPARE(NameEdits::copyName(names, name), copy);
        QCOMPARE(NameEdits::numbered(names + QSet<QString>{"Star 2"}, QStringLiteral("Star"), 2),
                 QStringLiteral("Star 3"));
    }
};

QTEST_MAIN(tst_DrawingEdits)
#include "tst_drawingedits.moc"
