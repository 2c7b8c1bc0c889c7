// SPDX-License-Identifier: MIT
#ifndef ZENUBKEYFRAME_H
#define ZENUBKEYFRAME_H

#include "zenubeasing.h"

#include <QJsonObject>

class ZenubJsonPath;
class ZenubJsonReader;

/*!
    The box of a shape at one frame: where it is, how large, turned and opaque. Project files
    before version 4 kept a shape's motion as a list of these, each with an easing to the next
    (now every property has its own track: see ZenubShapeTracks); the stage's handles and the
    state at a frame still speak of the box in this form.
    Positions and sizes are stage pixels, the rotation is in degrees clockwise about the shape's
    centre, the opacity runs from 0 (invisible) to 1.
*/
class ZenubKeyframe
{
public:
    ZenubKeyframe() = default;
    ZenubKeyframe(int frame, double x, double y, double width, double height);

    int getFrame() const { return m_frame; }
    void setFrame(int frame) { m_frame = frame; }
    double getX() const { return m_x; }
    void setX(double x) { m_x = x; }
    double getY() const { return m_y; }
    void setY(double y) { m_y = y; }
    double getWidth() const { return m_width; }
    void setWidth(double width) { m_width = width; }
    double getHeight() const { return m_height; }
    void setHeight(double height) { m_height = height; }
    double getRotation() const { return m_rotation; }
    void setRotation(double degrees) { m_rotation = degrees; }
    double getOpacity() const { return m_opacity; }
    void setOpacity(double opacity) { m_opacity = opacity; }
    /*! How the values travel from this keyframe to the next (files before version 4). */
    const ZenubEasing& getEasing() const { return m_easing; }
    void setEasing(const ZenubEasing& easing) { m_easing = easing; }

    /*! Reads a keyframe of a file before version 4. */
    static ZenubKeyframe fromJson(const QJsonObject& object, ZenubJsonReader& reader,
                                  const ZenubJsonPath& path);

    bool operator==(const ZenubKeyframe& other) const;
    bool operator!=(const ZenubKeyframe& other) const { return !(*this == other); }

private:
    int m_frame = 0;
    double m_x = 0;
    double m_y = 0;
    double m_width = 100;
    double m_height = 100;
    double m_rotation = 0;
    double m_opacity = 1;
    ZenubEasing m_easing;
};

#endif
