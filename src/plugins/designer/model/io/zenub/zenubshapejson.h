// SPDX-License-Identifier: MIT
#ifndef ZENUBSHAPEJSON_H
#define ZENUBSHAPEJSON_H

#include <QJsonObject>

class ZenubJsonPath;
class ZenubJsonReader;
class ZenubJsonWriter;
class ZenubShape;

/*!
    A shape in a project file. Only what differs from the defaults is written. A property
    without keyframes is a member of its own, as files before version 4 held it ("fill",
    "strokeWidth"; the box as "x", "y", "width", "height", "rotation", "opacity"); the
    keyframes of the others are in "tracks" (ZenubTrackJson). Files before version 4 kept the
    box in "keyframes": each becomes a keyframe of position, size, rotation and opacity.
*/
class ZenubShapeJson
{
public:
    static void write(const ZenubShape& shape, ZenubJsonWriter& writer);
    static ZenubShape read(const QJsonObject& object, ZenubJsonReader& reader,
                           const ZenubJsonPath& path, int depth = 0);

private:
    static void readBox(const QJsonObject& object, ZenubJsonReader& reader,
                        const ZenubJsonPath& path, ZenubShape* shape);
};

#endif
