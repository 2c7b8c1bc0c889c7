#ifndef EXPORTPROJECT_H
#define EXPORTPROJECT_H

#include <project/zenubproject.h>

/*!
    A 161 x 90 dark stage at 12 frames a second. Scene 1 (12 frames): a red square moving from
    the left edge to the right one over a white "Hi". Scene 2 (6 frames): a green ellipse. The
    odd width is what an H.264 file cannot hold as it is.
*/
inline ZenubProject exportProject()
{
    ZenubProject project = ZenubProject::createNew(QStringLiteral("Export"), 161, 90, 12);
    project.setBackgroundColor(QColor(0x20, 0x30, 0x40));
    ZenubScene& first = project.scenes()[0];
    first.setDuration(12);
    ZenubShape text(ZenubShape::Type::Text, QStringLiteral("Text"));
    text.setText(QStringLiteral("Hi"));
    text.setFillColor(Qt::white);
    text.setKeyframe(ZenubKeyframe(0, 40, 20, 80, 50));
    first.layers()[0].addShape(text);
    ZenubShape square(ZenubShape::Type::Rectangle, QStringLiteral("Square"));
    square.setFillColor(Qt::red);
    square.setKeyframe(ZenubKeyframe(0, 0, 20, 40, 40));
    square.setKeyframe(ZenubKeyframe(11, 121, 20, 40, 40));
    first.layers()[0].addShape(square);

    ZenubScene second(QStringLiteral("Second"), 6);
    ZenubLayer layer(QStringLiteral("Layer"));
    ZenubShape ellipse(ZenubShape::Type::Ellipse, QStringLiteral("Ellipse"));
    ellipse.setFillColor(Qt::green);
    ellipse.setKeyframe(ZenubKeyframe(0, 20, 10, 120, 70));
    layer.addShape(ellipse);
    second.addLayer(layer);
    project.addScene(second);
    return project;
}

#endif
