// SPDX-License-Identifier: MIT
#include "gradientdrag.h"

#include "stagehandles.h"
#include "stagewidget.h"

GradientDrag::GradientDrag(StageWidget* stage)
    : m_pStage(stage)
{}

ShapeRef GradientDrag::shape() const
{
    const QVector<ShapeRef> selected = m_pStage->getSelectedShapes();
    return selected.size() == 1 ? selected.constFirst() : ShapeRef();
}

bool GradientDrag::handleAt(const QPointF& point, GradientHandles::Handle* handle) const
{
    const DesignerDocument* document = m_pStage->getDocument();
    return document &&
           GradientHandles::handleAt(document->getProject(), shape(), m_pStage->getFrame(), point,
                                     StageHandles::kGripSize / m_pStage->getZoom(), handle);
}

bool GradientDrag::isAt(const QPointF& point) const
{
    GradientHandles::Handle handle;
    return handleAt(point, &handle);
}

bool GradientDrag::press(const QPointF& point)
{
    cancel();
    if (!handleAt(point, &m_handle))
        return false;
    m_bActive = true;
    m_ref = shape();
    m_point = point;
    return true;
}

void GradientDrag::dragTo(const QPointF& point)
{
    if (!m_bActive)
        return;
    m_point = point;
    m_preview = m_pStage->getDocument()->getProject();
    m_bPreview = GradientHandles::moved(m_preview, m_ref, m_pStage->getFrame(), m_handle, m_point);
    m_pStage->update();
}

void GradientDrag::finish()
{
    DesignerDocument* document = m_pStage->getDocument();
    if (m_bPreview && document) {
        const ShapeRef ref = m_ref;
        const int frame = m_pStage->getFrame();
        const GradientHandles::Handle handle = m_handle;
        const QPointF point = m_point;
        cancel();
        document->editProject(tr("Move Gradient Point"), [&](ZenubProject& project) {
            return GradientHandles::moved(project, ref, frame, handle, point);
        });
        return;
    }
    cancel();
}

void GradientDrag::cancel()
{
    const bool bHadPreview = m_bPreview;
    m_bActive = false;
    m_bPreview = false;
    m_preview = ZenubProject();
    if (bHadPreview)
        m_pStage->update();
}

void GradientDrag::paint(StageOverlay& overlay, const ZenubProject& shown) const
{
    GradientHandles::paint(overlay, shown, shape(), m_pStage->getFrame());
}
