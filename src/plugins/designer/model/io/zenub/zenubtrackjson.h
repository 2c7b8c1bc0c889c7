// SPDX-License-Identifier: MIT
#ifndef ZENUBTRACKJSON_H
#define ZENUBTRACKJSON_H

#include <QJsonObject>

class ZenubJsonPath;
class ZenubJsonReader;
class ZenubJsonWriter;
class ZenubShapeTracks;

/*!
    The "tracks" member of a shape in project files from version 4 on: an object with a list
    of keyframes for each property that has any, by the property's name, in frame order.
    Each keyframe holds its "frame", its "easing" (omitted when linear) and its value: "x"
    and "y" for the position, "width" and "height" for the size, "value" for everything else
    (a number, a colour or paint as the shape's "fill" member holds one, a path as its "path"
    member does). Paints of keyframes carry no opacity: it has its own track.
*/
class ZenubTrackJson
{
public:
    /*! Whether any track has keyframes, so that the member is written at all. */
    static bool hasKeys(const ZenubShapeTracks& tracks);
    static void write(const ZenubShapeTracks& tracks, ZenubJsonWriter& writer);
    /*! Reads the keyframes of \a object, found at \a path, onto \a tracks. */
    static void read(const QJsonObject& object, ZenubJsonReader& reader, const ZenubJsonPath& path,
                     ZenubShapeTracks* tracks);
};

#endif
