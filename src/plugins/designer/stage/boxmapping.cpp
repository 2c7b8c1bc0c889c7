// SPDX-License-Identifier: MIT
#include "boxmapping.h"

#include "model/edits/shaperef.h"
#include "model/project/zenubproject.h"
#include "model/render/framerenderer.h"
#include "model/render/shapegeometry.h"

namespace BoxMapping {

QTransform toStage(const ZenubProject& project, const ShapeRef& ref, int frame)
{
    const ZenubShape* shape = ref.find(project);
    if (!shape || ref.scene < 0 || ref.scene >= project.getScenes().size())
        return QTransform();
    const ZenubKeyframe state = shape->stateAtFrame(frame);
    return QTransform::fromScale(state.getWidth(), state.getHeight()) *
           QTransform::fromTranslate(state.getX(), state.getY()) *
           FrameRenderer::shapeTransform(state) *
           ShapeGeometry::parentToStage(project.getScenes().at(ref.scene), ref, frame);
}

} // namespace BoxMapping
