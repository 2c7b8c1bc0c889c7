#include "stagedrag.h"

#include "stagesnapper.h"

#include <algorithm>
#include <cmath>

namespace {

// How near, in screen pixels, a dragged edge must come to a target to snap to it.
const double kSnapDistance = 6.0;

} // namespace

StageDrag::StageDrag() = default;

StageDrag::~StageDrag() = default;

void StageDrag::beginMove(const ZenubProject& project, int scene, int frame,
                          const QVector<ShapeRef>& shapes, const QPointF& press, double grid)
{
    end();
    m_kind = Kind::Move;
    m_press = press;
    m_point = press;
    for (const ShapeRef& ref : shapes) {
        if (ref.scene != scene || ref.layer >= project.getScenes().at(scene).getLayers().size())
            continue;
        const QVector<ZenubShape>& layer =
            project.getScenes().at(scene).getLayers().at(ref.layer).getShapes();
        if (ref.shape < layer.size() && !layer.at(ref.shape).getKeyframes().isEmpty())
            m_startBounds |= StageSnapper::boundsOf(layer.at(ref.shape), frame);
    }
    m_pSnapper.reset(new StageSnapper(project, scene, frame, shapes, grid));
}

void StageDrag::beginHandle(const ZenubProject& project, int scene, int frame,
                            const ShapeRef& shape, StageHandles::Handle handle,
                            const QPointF& press, double grid)
{
    end();
    m_kind = handle == StageHandles::Rotate ? Kind::Rotate : Kind::Resize;
    m_handle = handle;
    m_press = press;
    m_point = press;
    m_start = project.getScenes()
                  .at(shape.scene)
                  .getLayers()
                  .at(shape.layer)
                  .getShapes()
                  .at(shape.shape)
                  .stateAtFrame(frame);
    m_pSnapper.reset(new StageSnapper(project, scene, frame, {shape}, grid));
}

void StageDrag::end()
{
    m_kind = Kind::None;
    m_bStarted = false;
    m_handle = StageHandles::None;
    m_startBounds = QRectF();
    m_offset = QPointF();
    m_modifiers = Qt::NoModifier;
    m_pSnapper.reset();
    m_guides.clear();
}

void StageDrag::dragTo(const QPointF& point, Qt::KeyboardModifiers modifiers, double zoom)
{
    m_modifiers = modifiers;
    m_guides.clear();
    // A click, or a hand that shakes by a pixel, must not nudge or snap anything.
    m_bStarted = m_bStarted || QLineF(point, m_press).length() * zoom >= 3.0;
    if (!m_bStarted)
        return;
    m_point = point;
    const double tolerance = kSnapDistance / zoom;
    // Alt lets the shape go where the pointer is, as in other drawing programs.
    const bool bSnap = !(modifiers & Qt::AltModifier) && m_pSnapper;
    const bool bShift = modifiers & Qt::ShiftModifier;
    if (m_kind == Kind::Move) {
        QPointF offset = point - m_press;
        // Shift keeps the move on the nearer of the two axes.
        const bool bFreeX = !bShift || std::abs(offset.x()) >= std::abs(offset.y());
        const bool bFreeY = !bShift || !bFreeX;
        offset = QPointF(bFreeX ? offset.x() : 0, bFreeY ? offset.y() : 0);
        if (bSnap) {
            const QPointF snapped =
                m_pSnapper->snapBox(m_startBounds, offset, tolerance, &m_guides);
            offset = QPointF(bFreeX ? snapped.x() : 0, bFreeY ? snapped.y() : 0);
            // A move held to one axis snaps only along it.
            const auto held = [bFreeX, bFreeY](const QLineF& guide) {
                return guide.dx() == 0 ? !bFreeX : !bFreeY;
            };
            m_guides.erase(std::remove_if(m_guides.begin(), m_guides.end(), held), m_guides.end());
        }
        m_offset = offset;
    } else if (m_kind == Kind::Resize && bSnap && std::fmod(m_start.getRotation(), 180.0) == 0.0) {
        // Edges of a turned shape do not run along the stage's lines, so only upright ones snap.
        m_point = m_pSnapper->snapPoint(
            point, m_handle != StageHandles::Top && m_handle != StageHandles::Bottom,
            m_handle != StageHandles::Left && m_handle != StageHandles::Right, tolerance,
            &m_guides);
    }
}

bool StageDrag::hasChanged() const
{
    switch (m_kind) {
    case Kind::Move:
        return !m_offset.isNull();
    case Kind::Resize:
    case Kind::Rotate:
        return applied(m_start) != m_start;
    case Kind::None:
        break;
    }
    return false;
}

ZenubKeyframe StageDrag::applied(const ZenubKeyframe& state) const
{
    ZenubKeyframe result = state;
    const bool bShift = m_modifiers & Qt::ShiftModifier;
    switch (m_kind) {
    case Kind::Move:
        result.setX(state.getX() + m_offset.x());
        result.setY(state.getY() + m_offset.y());
        break;
    case Kind::Resize: {
        const ZenubKeyframe sized = StageHandles::resized(m_start, m_handle, m_point, bShift);
        result.setX(sized.getX());
        result.setY(sized.getY());
        result.setWidth(sized.getWidth());
        result.setHeight(sized.getHeight());
        break;
    }
    case Kind::Rotate:
        result.setRotation(StageHandles::rotated(m_start, m_press, m_point, bShift).getRotation());
        break;
    case Kind::None:
        break;
    }
    return result;
}
