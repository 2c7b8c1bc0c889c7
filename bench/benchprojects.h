// SPDX-License-Identifier: MIT
#ifndef BENCHPROJECTS_H
#define BENCHPROJECTS_H

// The projects several benchmark programs measure, so their rows speak of the same thing.

#include <model/project/zenubproject.h>

#include <QElapsedTimer>

#include <algorithm>
#include <functional>
#include <vector>

namespace bench {

/*! 5,000 shapes in 20 scenes; the keyframes per shape set the file size (about 10 MB at 4). */
inline ZenubProject largeProject(int keyframesPerShape = 4)
{
    ZenubProject project = ZenubProject::createNew(QStringLiteral("Bench"), 1280, 720, 24);
    project.scenes().clear();
    for (int s = 0; s < 20; ++s) {
        ZenubScene scene(QStringLiteral("Scene %1").arg(s + 1), 96);
        ZenubLayer layer(QStringLiteral("Layer"));
        for (int i = 0; i < 250; ++i) {
            ZenubShape shape(i % 3 == 0 ? ZenubShape::Type::Ellipse : ZenubShape::Type::Rectangle,
                             QStringLiteral("Shape %1").arg(i));
            shape.setFillColor(QColor(QColor::fromHsv((i * 37) % 360, 160, 220).rgb()));
            for (int k = 0; k < keyframesPerShape; ++k) {
                ZenubKeyframe keyframe(k * 96 / keyframesPerShape, (i * 53 + k * 17) % 1200,
                                       (i * 31 + k * 11) % 680, 20 + i % 60, 20 + k * 3);
                shape.setKeyframe(keyframe);
            }
            layer.addShape(shape);
        }
        scene.addLayer(layer);
        project.addScene(scene);
    }
    return project;
}

inline double millisecondsOf(const std::function<void()>& work)
{
    QElapsedTimer timer;
    timer.start();
    work();
    return double(timer.nsecsElapsed()) / 1e6;
}

/*!
    Medians of \a turns turns of each, taken in alternation: a single time of a few tens of
    milliseconds moves with whatever else the machine does, and both sides see the same moments.
*/
inline std::pair<double, double> alternatingMedians(const std::function<void()>& ours,
                                                    const std::function<void()>& baseline,
                                                    int turns = 5)
{
    std::vector<double> oursTimes, baselineTimes;
    for (int turn = 0; turn < turns; ++turn) {
        oursTimes.push_back(millisecondsOf(ours));
        baselineTimes.push_back(millisecondsOf(baseline));
    }
    std::sort(oursTimes.begin(), oursTimes.end());
    std::sort(baselineTimes.begin(), baselineTimes.end());
    return {oursTimes[turns / 2], baselineTimes[turns / 2]};
}

} // namespace bench

#endif
