// SPDX-License-Identifier: MIT
#include <model/project/zenubshape.h>

#include <QtTest>

namespace {

// A shape whose properties move on keyframes of their own: the ball of the user walk (x from 0
// at frame 0 to 470 at frame 47, eased in and out; opacity from 0 to 1 over frames 0 to 12,
// linear) and one track of each other kind of value between frames 0 and 10.
ZenubShape animated()
{
    ZenubShape shape(ZenubShape::Type::Star, QStringLiteral("Ball"));
    ZenubShapeTracks& tracks = shape.tracks();
    tracks.position().setKey({0, QPointF(0, 100), ZenubEasing(ZenubEasing::Type::EaseInOut)});
    tracks.position().setKey({47, QPointF(470, 100), ZenubEasing()});
    tracks.opacity().setKey({0, 0.0, ZenubEasing()});
    tracks.opacity().setKey({12, 1.0, ZenubEasing()});
    tracks.rotation().setKey({0, 0.0, ZenubEasing(ZenubEasing::Type::Hold)});
    tracks.rotation().setKey({10, 90.0, ZenubEasing()});
    tracks.fill().setKey({0, ZenubPaint(Qt::red), ZenubEasing()});
    tracks.fill().setKey({10, ZenubPaint(Qt::blue), ZenubEasing()});
    const QVector<ZenubGradientStop> stops{{0, Qt::white}, {1, Qt::black}};
    tracks.stroke().setKey({0, ZenubPaint::linear(stops, QPointF(0, 0), QPointF(1, 0)), {}});
    tracks.stroke().setKey({10, ZenubPaint::radial(stops, QPointF(0, 0), QPointF(1, 0)), {}});
    tracks.strokeWidth().setKey({0, 1.0, ZenubEasing(ZenubEasing::Type::EaseIn)});
    tracks.strokeWidth().setKey({10, 11.0, ZenubEasing()});
    ZenubPath from;
    from.addSubpath({ZenubPathNode(QPointF(0, 0)), ZenubPathNode(QPointF(1, 1))}, false);
    ZenubPath to;
    to.addSubpath({ZenubPathNode(QPointF(1, 0)), ZenubPathNode(QPointF(0, 1))}, false);
    tracks.path().setKey({0, from, ZenubEasing()});
    tracks.path().setKey({10, to, ZenubEasing()});
    tracks.points().setKey({0, 5, ZenubEasing()});
    tracks.points().setKey({10, 8, ZenubEasing()});
    shape.setFontSize(12);
    return shape;
}

// The value of \a property in \a state as text that shows every digit that matters.
QString valueOf(const ZenubShapeState& state, const QString& property)
{
    const auto number = [](double value) {
        return QString::number(value, 'g', 9);
    };
    if (property == QLatin1String("position"))
        return number(state.box.getX()) + QLatin1Char(' ') + number(state.box.getY());
    if (property == QLatin1String("opacity"))
        return number(state.box.getOpacity());
    if (property == QLatin1String("rotation"))
        return number(state.box.getRotation());
    if (property == QLatin1String("fill"))
        return state.fill.getColor().name();
    if (property == QLatin1String("stroke"))
        return ZenubPaint::typeName(state.stroke.getPaint().getType());
    if (property == QLatin1String("strokeWidth"))
        return number(state.stroke.getWidth());
    if (property == QLatin1String("path")) {
        QStringList points;
        for (const ZenubPathNode& node : state.path.getSubpaths().constFirst().nodes)
            points << number(node.point.x()) + QLatin1Char(' ') + number(node.point.y());
        return points.join(QStringLiteral(", "));
    }
    if (property == QLatin1String("points"))
        return QString::number(state.points);
    return number(state.fontSize);
}

// "frame:value" of each keyframe of the fill or of the opacity, or "still:value".
QString keysOf(const ZenubShape& shape, const QString& property)
{
    QStringList keys;
    if (property == QLatin1String("fill")) {
        for (const auto& key : shape.tracks().fill().keys())
            keys << QStringLiteral("%1:%2").arg(key.frame).arg(key.value.getColor().name());
        return keys.isEmpty() ? QLatin1String("still:") + shape.getFillColor().name()
                              : keys.join(QLatin1Char(' '));
    }
    for (const auto& key : shape.tracks().opacity().keys())
        keys << QStringLiteral("%1:%2").arg(key.frame).arg(key.value);
    return keys.join(QLatin1Char(' '));
}

} // namespace

class tst_Tracks : public QObject
{
    Q_OBJECT
private slots:
    void valuesAtFrames_data()
    {
        QTest::addColumn<QString>("property");
        QTest::addColumn<double>("frame");
        QTest::addColumn<QString>("value");
        // Eased references from an independent solution of the curve.
        QTest::newRow("two tracks: x at 0") << "position" << 0.0 << "0 100";
        QTest::newRow("two tracks: x at 6, slow start") << "position" << 6.0 << "15.2676058 100";
        QTest::newRow("two tracks: x at 12") << "position" << 12.0 << "63.3828738 100";
        QTest::newRow("two tracks: x at 24") << "position" << 24.0 << "243.618201 100";
        QTest::newRow("two tracks: x at 47") << "position" << 47.0 << "470 100";
        QTest::newRow("two tracks: opacity at 6, linear") << "opacity" << 6.0 << "0.5";
        QTest::newRow("two tracks: opacity at 12") << "opacity" << 12.0 << "1";
        QTest::newRow("two tracks: opacity held after its last") << "opacity" << 24.0 << "1";
        QTest::newRow("held before the first keyframe") << "opacity" << -3.0 << "0";
        QTest::newRow("hold until the next keyframe") << "rotation" << 9.99 << "0";
        QTest::newRow("hold jumps on the next keyframe") << "rotation" << 10.0 << "90";
        QTest::newRow("colours mix per channel, half up") << "fill" << 5.0 << "#800080";
        QTest::newRow("colours at a quarter") << "fill" << 2.5 << "#bf0040";
        QTest::newRow("paints of two kinds hold") << "stroke" << 9.0 << "linear";
        QTest::newRow("paints of two kinds, next keyframe") << "stroke" << 10.0 << "radial";
        QTest::newRow("ease-in") << "strokeWidth" << 5.0 << "4.15356813";
        QTest::newRow("path nodes move") << "path" << 5.0 << "0.5 0, 0.5 1";
        QTest::newRow("corners round half up") << "points" << 5.0 << "7";
        QTest::newRow("corners below the half") << "points" << 4.9 << "6";
        QTest::newRow("a property without keyframes") << "fontSize" << 30.0 << "12";
    }
    void valuesAtFrames()
    {
        QFETCH(QString, property);
        QFETCH(double, frame);
        QFETCH(QString, value);
        ZenubShapeState state;
        QVERIFY(animated().stateAt(frame, &state));
        QCOMPARE(valueOf(state, property), value);
    }

    void oneEditRule_data()
    {
        QTest::addColumn<QString>("property");
        QTest::addColumn<QString>("before");
        QTest::addColumn<bool>("autoKey");
        QTest::addColumn<int>("frame");
        QTest::addColumn<QString>("after");
        // The shape's box has one keyframe on frame 4; the opacity keyframes given; the fill
        // none. The edit sets the fill to green, or the opacity to 0.5.
        QTest::newRow("still, no keyframes: the value changes")
            << "fill"
            << "" << false << 12 << "still:#00ff00";
        QTest::newRow("still, no keyframes, auto-key: the animation starts at the shape's frame")
            << "fill"
            << "" << true << 12 << "4:#3d9be9 12:#00ff00";
        QTest::newRow("still, no keyframes, auto-key on the shape's frame")
            << "fill"
            << "" << true << 4 << "still:#00ff00";
        QTest::newRow("still, one keyframe: the value changes") << "opacity"
                                                                << "4" << false << 12 << "4:0.5";
        QTest::newRow("still, one keyframe, auto-key elsewhere starts the animation")
            << "opacity"
            << "4" << true << 12 << "4:1 12:0.5";
        QTest::newRow("still, one keyframe, auto-key on its frame") << "opacity"
                                                                    << "4" << true << 4 << "4:0.5";
        QTest::newRow("animated: a new keyframe between")
            << "opacity"
            << "0 20" << false << 10 << "0:1 10:0.5 20:1";
        QTest::newRow("animated: the keyframe there only") << "opacity"
                                                           << "0 20" << false << 20 << "0:1 20:0.5";
    }
    void oneEditRule()
    {
        QFETCH(QString, property);
        QFETCH(QString, before);
        QFETCH(bool, autoKey);
        QFETCH(int, frame);
        QFETCH(QString, after);
        ZenubShape shape(ZenubShape::Type::Rectangle, QStringLiteral("R"));
        shape.setKeyframe(ZenubKeyframe(4, 10, 20, 30, 40));
        shape.tracks().opacity() = ZenubTrack<double>(1);
        for (const QString& key : before.split(QLatin1Char(' '), Qt::SkipEmptyParts))
            shape.tracks().opacity().setKey(
                {key.toInt(), 1.0, ZenubEasing(ZenubEasing::Type::EaseOut)});
        const ZenubShapeTracks untouched = shape.tracks();
        shape.editStateAt(frame, autoKey, [&property](ZenubShapeState& state) {
            if (property == QLatin1String("fill"))
                state.fill.setColor(Qt::green);
            else
                state.box.setOpacity(0.5);
        });
        QCOMPARE(keysOf(shape, property), after);
        // A new keyframe continues the curve it splits.
        if (const auto* key = shape.tracks().opacity().keyAt(frame))
            QCOMPARE(key->easing,
                     before.isEmpty() ? ZenubEasing() : ZenubEasing(ZenubEasing::Type::EaseOut));
        // Only the property the edit changed is keyed.
        ZenubShapeTracks others = shape.tracks();
        others.fill() = untouched.fill();
        others.opacity() = untouched.opacity();
        QVERIFY(others == untouched);
    }

    void boxMapsKeepEachTracksKeyframes()
    {
        // Moving a shape into a group's coordinates touches no frame or easing of its tracks.
        ZenubShape shape = animated();
        const ZenubShapeTracks before = shape.tracks();
        shape.tracks().mapBoxKeys([](ZenubKeyframe box) {
            box.setX(box.getX() * 2 - 10);
            box.setOpacity(box.getOpacity() / 2);
            return box;
        });
        QCOMPARE(shape.tracks().keyFrames(), before.keyFrames());
        QCOMPARE(shape.tracks().position().keys().constLast().value, QPointF(930, 100));
        QCOMPARE(shape.tracks().position().keys().constFirst().easing,
                 ZenubEasing(ZenubEasing::Type::EaseInOut));
        QCOMPARE(shape.tracks().opacity().keys().constLast().value, 0.5);
        QVERIFY(shape.tracks().size() == before.size());
    }
};

QTEST_APPLESS_MAIN(tst_Tracks)
#include "tst_tracks.moc"
