// SPDX-License-Identifier: MIT
#include "stagepainter.h"

#include "model/render/framerenderer.h"
#include "stage/motionpath.h"
#include "stage/stageoverlay.h"
#include "stage/stagetexteditor.h"
#include "stage/stagewidget.h"

#include <QPainter>

StagePainter::StagePainter(StageWidget* stage, const StageViewport& viewport)
    : m_pStage(stage)
    , m_viewport(viewport)
{}

void StagePainter::paint(QPainter* painter)
{
    StageWidget* stage = m_pStage;
    painter->fillRect(stage->rect(), stage->palette().color(QPalette::Window).darker(125));
    const DesignerDocument* document = stage->getDocument();
    if (!document)
        return;
    const StageTool* tool = stage->tool(stage->getTool());
    const StageTextEditor* editor = stage->textEditor();
    ZenubProject edited;
    if (editor->isEditing()) {
        edited = document->getProject();
        editor->hideEdited(edited);
    }
    const ZenubProject& project = tool && tool->preview() ? *tool->preview()
                                  : editor->isEditing()   ? edited
                                                          : document->getProject();
    const int scene = stage->getScene();
    const int frame = stage->getFrame();
    const QVector<ShapeRef> selection = stage->getSelectedShapes();
    FrameRenderer renderer(project);
    QVector<FrameRenderer::ShapeIndex> selected;
    for (const ShapeRef& ref : selection) {
        // A text being typed shows its own box, which grows as its lines do.
        if (ref.scene == scene && !ref.isMember() && ref != editor->editedShape())
            selected.append({ref.layer, ref.shape});
    }
    renderer.setSelection(selected);
    painter->save();
    painter->translate(m_viewport.origin());
    painter->scale(stage->getZoom(), stage->getZoom());
    renderer.paintBackground(painter);
    stage->onionSkin().paint(painter, project, scene, frame);
    renderer.paintShapes(painter, scene, frame);
    painter->restore();

    StageOverlay overlay(painter, m_viewport);
    if (stage->isGridVisible())
        overlay.paintGrid(QSizeF(project.getStageWidth(), project.getStageHeight()));
    overlay.paintAnimatedMarks(project, scene, frame);
    if (stage->areMotionPathsVisible())
        MotionPath::paintAll(painter, m_viewport, project, selection, scene, frame);
    stage->groupScope().paint(overlay, project, selection, frame);
    if (stage->areGuidesVisible())
        overlay.paintUserGuides(stage->guideDrag().shown(project.getGuides()));
    stage->guideDrag().paint(overlay);
    if (tool)
        tool->paintOverlay(overlay, project);
}
