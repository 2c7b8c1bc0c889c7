// SPDX-License-Identifier: MIT
#include "model/edits/alignedits.h"
#include "model/edits/keyframeedits.h"
#include "model/project/zenubscene.h"

#include <QtTest>

Q_DECLARE_METATYPE(QVector<QRectF>)
Q_DECLARE_METATYPE(QVector<QPointF>)

namespace {

// A 30-frame scene. Shape 0's box has keyframes at 0, 10 and 20 (x equals the frame), its
// opacity its own at 5 (0) and 15 (1); shape 1 stands still at x 5.
ZenubScene keyframeScene()
{
    ZenubLayer layer(QStringLiteral("Layer"));
    ZenubShape moving(ZenubShape::Type::Rectangle, QStringLiteral("Moving"));
    for (const int frame : {0, 10, 20})
        moving.setKeyframe(ZenubKeyframe(frame, frame, 0, 10, 10));
    moving.tracks().opacity() = ZenubTrack<double>(1);
    moving.tracks().opacity().setKey({5, 0.0, ZenubEasing()});
    moving.tracks().opacity().setKey({15, 1.0, ZenubEasing()});
    ZenubShape still(ZenubShape::Type::Ellipse, QStringLiteral("Still"));
    still.setKeyframe(ZenubKeyframe(0, 5, 5, 10, 10));
    layer.addShape(moving);
    layer.addShape(still);
    ZenubScene scene(QStringLiteral("Scene"), 30);
    scene.addLayer(layer);
    return scene;
}

// "frame:x" of a shape's position keyframes, then "|" and "frame:value" of its opacity's.
QString keysOf(const ZenubScene& scene, int index)
{
    const ZenubShapeTracks& tracks = scene.getLayers().at(0).getShapes().at(index).tracks();
    QStringList keys;
    for (const auto& key : tracks.position().keys())
        keys << QStringLiteral("%1:%2").arg(key.frame).arg(key.value.x());
    keys << QStringLiteral("|");
    for (const auto& key : tracks.opacity().keys())
        keys << QStringLiteral("%1:%2").arg(key.frame).arg(key.value);
    return keys.join(QLatin1Char(' '));
}

// "shape:frame" (every keyframe of the shape there) or "shape:frame:property", on layer 0.
KeyframeRefs refs(const QString& text)
{
    KeyframeRefs result;
    for (const QString& item : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        KeyframeRef ref{0, item.section(QLatin1Char(':'), 0, 0).toInt(),
                        item.section(QLatin1Char(':'), 1, 1).toInt()};
        ZenubProperty property;
        if (ZenubProperties::fromName(item.section(QLatin1Char(':'), 2), &property))
            ref.property = int(property);
        result.append(ref);
    }
    return result;
}

} // namespace

// The pure edits the Object menu runs on the selection's boxes.
class tst_Edits : public QObject
{
    Q_OBJECT
private slots:
    void alignAndDistribute_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<QRectF>("reference");
        QTest::addColumn<QVector<QRectF>>("boxes");
        QTest::addColumn<QVector<QPointF>>("moves");
        const QVector<QRectF> three = {{0, 0, 10, 10}, {100, 50, 20, 10}, {30, 20, 40, 40}};
        const QRectF stage(0, 0, 200, 100);
        QTest::newRow("right edge of the stage")
            << "right" << stage << three << QVector<QPointF>{{190, 0}, {80, 0}, {130, 0}};
        QTest::newRow("middles on the stage's middle")
            << "middle" << stage << three << QVector<QPointF>{{0, 45}, {0, -5}, {0, 10}};
        // Ordered by centre, not by the order given: the first box stays left, the last right.
        QTest::newRow("even gaps between the outer ones")
            << "across" << QRectF() << three << QVector<QPointF>{{0, 0}, {0, 0}, {5, 0}};
        QTest::newRow("two boxes keep their places")
            << "across" << QRectF() << QVector<QRectF>{three.at(0), three.at(1)}
            << QVector<QPointF>{{0, 0}, {0, 0}};
        QTest::newRow("one box goes to the middle of the stage")
            << "down" << stage << QVector<QRectF>{three.at(2)} << QVector<QPointF>{{0, 10}};
        QTest::newRow("wider than the stage: gaps turn to overlaps")
            << "across" << QRectF(0, 0, 50, 50) << three
            << QVector<QPointF>{{0, 0}, {-70, 0}, {-30, 0}};
    }
    void alignAndDistribute()
    {
        QFETCH(QString, how);
        QFETCH(QRectF, reference);
        QFETCH(QVector<QRectF>, boxes);
        QFETCH(QVector<QPointF>, moves);
        QVector<QPointF> result;
        if (how == "right")
            result = AlignEdits::align(boxes, AlignEdits::Edge::Right, reference);
        else if (how == "middle")
            result = AlignEdits::align(boxes, AlignEdits::Edge::Middle, reference);
        else
            result = AlignEdits::distribute(boxes, how == "across" ? Qt::Horizontal : Qt::Vertical,
                                            reference);
        QCOMPARE(result, moves);
    }

    void keyframeEdits_data()
    {
        QTest::addColumn<QString>("edit");
        QTest::addColumn<QString>("selected");
        QTest::addColumn<int>("value");
        QTest::addColumn<int>("copiedRate");
        QTest::addColumn<QString>("moving");
        QTest::addColumn<QString>("still");
        QTest::addColumn<int>("outside");
        // The project runs at 24 frames per second; pasting happens at frame "value".
        QTest::newRow("move replaces the keyframe it lands on")
            << "move"
            << "0:10" << 10 << 24 << "0:0 20:10 | 5:0 15:1"
            << "0:5 | 0:1" << 0;
        QTest::newRow("move stops at the scene's end")
            << "move"
            << "0:10 0:20" << 50 << 24 << "0:0 19:10 29:20 | 5:0 15:1"
            << "0:5 | 0:1" << 0;
        QTest::newRow("move onto a moving keyframe's old frame keeps both")
            << "move"
            << "0:0 0:10" << 10 << 24 << "10:0 20:10 | 5:0 15:1"
            << "0:5 | 0:1" << 0;
        QTest::newRow("move one property's keyframe only")
            << "move"
            << "0:5:opacity" << -5 << 24 << "0:0 10:10 20:20 | 0:0 15:1"
            << "0:5 | 0:1" << 0;
        QTest::newRow("delete keeps each track's last keyframe")
            << "delete"
            << "0:0 0:10 0:20 1:0 0:15:opacity" << 0 << 24 << "20:20 | 5:0"
            << "0:5 | 0:1" << 0;
        QTest::newRow("paste leaves out what falls past the end")
            << "paste"
            << "0:10 0:20" << 25 << 24 << "0:0 10:10 20:20 25:10 | 5:0 15:1"
            << "0:5 | 0:1" << 1;
        QTest::newRow("one shape's keyframes paste onto the target")
            << "paste"
            << "1:0" << 7 << 24 << "0:0 7:5 10:10 20:20 | 5:0 7:1 15:1"
            << "0:5 | 0:1" << 0;
        QTest::newRow("one property's keyframes paste onto the target's")
            << "paste"
            << "0:5:opacity 0:15:opacity" << 0 << 24 << "0:0 10:10 20:20 | 0:0 5:0 10:1 15:1"
            << "0:5 | 0:1" << 0;
        QTest::newRow("copied at 12 frames a second, the distances double")
            << "paste"
            << "0:0 0:10" << 2 << 12 << "0:0 2:0 10:10 20:20 22:10 | 5:0 15:1"
            << "0:5 | 0:1" << 0;
        QTest::newRow("copied at 48 frames a second, they halve")
            << "paste"
            << "0:10 0:20" << 25 << 48 << "0:0 10:10 20:20 25:10 | 5:0 15:1"
            << "0:5 | 0:1" << 1;
    }
    void keyframeEdits()
    {
        QFETCH(QString, edit);
        QFETCH(QString, selected);
        QFETCH(int, value);
        QFETCH(int, copiedRate);
        QFETCH(QString, moving);
        QFETCH(QString, still);
        QFETCH(int, outside);
        ZenubScene scene = keyframeScene();
        int left = -1;
        if (edit == QLatin1String("move")) {
            QVERIFY(KeyframeEdits::move(scene, refs(selected), value));
        } else if (edit == QLatin1String("delete")) {
            QVERIFY(KeyframeEdits::remove(scene, refs(selected)));
        } else {
            const KeyframeClip clip = KeyframeEdits::copy(scene, refs(selected), copiedRate);
            QVERIFY(KeyframeEdits::paste(scene, clip, value, 24, refs(QStringLiteral("0:0")),
                                         nullptr, &left));
        }
        QCOMPARE(keysOf(scene, 0), moving);
        QCOMPARE(keysOf(scene, 1), still);
        QCOMPARE(std::max(left, 0), outside);
    }
};

QTEST_APPLESS_MAIN(tst_Edits)
#include "tst_edits.moc"
