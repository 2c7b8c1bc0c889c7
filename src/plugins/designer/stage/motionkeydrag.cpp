// SPDX-License-Identifier: MIT
#include "motionkeydrag.h"

#include "motionpath.h"
#include "stagewidget.h"

MotionKeyDrag::MotionKeyDrag(StageWidget* stage)
    : m_pStage(stage)
{}

bool MotionKeyDrag::keyAt(const QPointF& point, ShapeRef* ref, int* frame) const
{
    const DesignerDocument* document = m_pStage->getDocument();
    if (!document || !m_pStage->areMotionPathsVisible())
        return false;
    const double reach = MotionPath::kReach / m_pStage->getZoom();
    // The shape picked last lies on top of the others' paths.
    const QVector<ShapeRef> selected = m_pStage->getSelectedShapes();
    for (auto each = selected.crbegin(); each != selected.crend(); ++each) {
        MotionPath path;
        if (each->scene != m_pStage->getScene() ||
            !MotionPath::of(document->getProject(), *each, &path))
            continue;
        const int found = path.keyNear(point, reach, m_pStage->getFrame());
        if (found >= 0) {
            *ref = *each;
            *frame = found;
            return true;
        }
    }
    return false;
}

bool MotionKeyDrag::isOverKey(const QPointF& point) const
{
    ShapeRef ref;
    int frame = -1;
    return keyAt(point, &ref, &frame);
}

bool MotionKeyDrag::begin(const QPointF& point)
{
    end();
    if (!keyAt(point, &m_ref, &m_frame))
        return false;
    m_pressed = point;
    return true;
}

void MotionKeyDrag::dragTo(const QPointF& point)
{
    if (!isActive())
        return;
    m_offset = point - m_pressed;
    m_preview = m_pStage->getDocument()->getProject();
    m_bMoved = MotionPath::moveKey(m_preview, m_ref, m_frame, m_offset);
    m_pStage->update();
    emit m_pStage->previewChanged();
}

void MotionKeyDrag::finish()
{
    DesignerDocument* document = m_pStage->getDocument();
    if (isActive() && m_bMoved && document) {
        const ShapeRef ref = m_ref;
        const int frame = m_frame;
        const QPointF offset = m_offset;
        document->editProject(tr("Move Motion Key"), [&](ZenubProject& project) {
            return MotionPath::moveKey(project, ref, frame, offset);
        });
    }
    end();
}

void MotionKeyDrag::end()
{
    const bool bHadPreview = m_bMoved;
    m_ref = ShapeRef();
    m_frame = -1;
    m_offset = QPointF();
    m_bMoved = false;
    m_preview = ZenubProject();
    if (bHadPreview) {
        m_pStage->update();
        emit m_pStage->previewChanged();
    }
}
