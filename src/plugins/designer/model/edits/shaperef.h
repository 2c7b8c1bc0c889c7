// SPDX-License-Identifier: MIT
#ifndef SHAPEREF_H
#define SHAPEREF_H

#include <QVector>

class ZenubProject;
class ZenubShape;

/*!
    Addresses one shape of a project: scene, layer and shape index, and for a shape inside
    groups the member indices from the outermost group in (empty for a shape of a layer).
*/
struct ShapeRef
{
    int scene = -1;
    int layer = -1;
    int shape = -1;
    QVector<int> members = {};

    bool isValid() const { return scene >= 0 && layer >= 0 && shape >= 0; }
    bool isMember() const { return !members.isEmpty(); }
    /*! The group this member belongs to (the shape itself for a shape of a layer). */
    ShapeRef parent() const
    {
        ShapeRef up = *this;
        if (!up.members.isEmpty())
            up.members.removeLast();
        return up;
    }
    /*! The layer's shape that holds this one (itself when it is not a member). */
    ShapeRef topLevel() const { return ShapeRef{scene, layer, shape, {}}; }
    /*! The member \a index of the group this addresses. */
    ShapeRef member(int index) const
    {
        ShapeRef down = *this;
        down.members.append(index);
        return down;
    }
    bool operator==(const ShapeRef& other) const
    {
        return scene == other.scene && layer == other.layer && shape == other.shape &&
               members == other.members;
    }
    bool operator!=(const ShapeRef& other) const { return !(*this == other); }
    /*! The shape this addresses in \a project, or null when \a project has no such shape. */
    ZenubShape* find(ZenubProject& project) const;
    const ZenubShape* find(const ZenubProject& project) const;
};

#endif
