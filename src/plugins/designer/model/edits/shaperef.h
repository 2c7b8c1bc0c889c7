// SPDX-License-Identifier: MIT
#ifndef SHAPEREF_H
#define SHAPEREF_H

class ZenubProject;
class ZenubShape;

/*! Addresses one shape of a project: scene, layer and shape index. */
struct ShapeRef
{
    int scene = -1;
    int layer = -1;
    int shape = -1;
    bool isValid() const { return scene >= 0 && layer >= 0 && shape >= 0; }
    bool operator==(const ShapeRef& other) const
    {
        return scene == other.scene && layer == other.layer && shape == other.shape;
    }
    /*! The shape this addresses in \a project, or null when \a project has no such shape. */
    ZenubShape* find(ZenubProject& project) const;
    const ZenubShape* find(const ZenubProject& project) const;
};

#endif
