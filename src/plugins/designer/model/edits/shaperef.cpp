// SPDX-License-Identifier: MIT
#include "shaperef.h"

#include "model/project/zenubproject.h"

ZenubShape* ShapeRef::find(ZenubProject& project) const
{
    if (!isValid() || scene >= project.getScenes().size())
        return nullptr;
    ZenubScene& inScene = project.scenes()[scene];
    if (layer >= inScene.getLayers().size())
        return nullptr;
    ZenubLayer& inLayer = inScene.layers()[layer];
    if (shape >= inLayer.getShapes().size())
        return nullptr;
    ZenubShape* found = &inLayer.shapes()[shape];
    for (const int index : members) {
        if (found->getType() != ZenubShape::Type::Group || index < 0 ||
            index >= found->getMembers().size())
            return nullptr;
        found = &found->members()[index];
    }
    return found;
}

const ZenubShape* ShapeRef::find(const ZenubProject& project) const
{
    return find(const_cast<ZenubProject&>(project));
}
