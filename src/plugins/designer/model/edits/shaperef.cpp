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
    return &inLayer.shapes()[shape];
}

const ZenubShape* ShapeRef::find(const ZenubProject& project) const
{
    return find(const_cast<ZenubProject&>(project));
}
