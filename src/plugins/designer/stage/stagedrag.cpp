// SPDX-License-Identifier: MIT
#include "stagedrag.h"

#include "model/edits/groupedits.h"
#include "model/render/framerenderer.h"
#include "model/render/shapegeometry.h"
#include "stagesnapper.h"

#include <QTransform>

#include <algorithm>
#include <cmath>

namespace {

// How near, in screen pixels, a dragged edge must come to a target to snap to it.
const double kSnapDistance = 6.0;

} // namespace

StageDrag::StageDrag() = default;

StageDrag::~StageDrag() = default;

void StageDrag::beginMove(const ZenubProject& project, int scene, int frame,
                          const QVector<ShapeRef>& shapes, const QPointF& press,
                          std::unique_ptr<StageSnapper> snapper)
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
    m_pSnapper = std::move(snapper);
}

bool StageDrag::handleBox(const ZenubProject& project, int frame, const QVector<ShapeRef>& shapes,
                          ZenubKeyframe* box)
{
    QRectF bounds;
    for (const ShapeRef& ref : shapes) {
        const ZenubShape* shape = ref.find(project);
        if (!shape)
            return false;
        // A member's box as the stage shows it, through its groups.
        const QTransform toStage =
            ShapeGeometry::parentToStage(project.getScenes().at(ref.scene), ref, frame);
        if (shapes.size() == 1) {
            *box = ref.isMember() ? GroupEdits::mapped(shape->stateAtFrame(frame), toStage)
                                  : shape->stateAtFrame(frame);
            return true;
        }
        bounds |= toStage.mapRect(StageSnapper::boundsOf(*shape, frame));
    }
    if (shapes.isEmpty())
        return false;
    *box = ZenubKeyframe(frame, bounds.x(), bounds.y(), bounds.width(), bounds.height());
    return true;
}

void StageDrag::beginHandle(const ZenubProject& project, int frame, const QVector<ShapeRef>& shapes,
                            StageHandles::Handle handle, const QPointF& press,
                            std::unique_ptr<StageSnapper> snapper)
{
    end();
    if (!handleBox(project, frame, shapes, &m_start))
        return;
    m_kind = handle == StageHandles::Rotate ? Kind::Rotate : Kind::Resize;
    m_bGroup = shapes.size() > 1;
    m_handle = handle;
    m_press = press;
    m_point = press;
    m_pSnapper = std::move(snapper);
}

void StageDrag::end()
{
    m_kind = Kind::None;
    m_bStarted = false;
    m_bGroup = false;
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
        return m_bStarted && applied(m_start) != m_start;
    case Kind::None:
        break;
    }
    return false;
}

ZenubKeyframe StageDrag::applied(const ZenubKeyframe& state) const
{
    if (m_bGroup)
        return appliedToGroup(state);
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

ZenubKeyframe StageDrag::appliedToGroup(const ZenubKeyframe& state) const
{
    // Each shape keeps its place in the box: its middle goes where the box takes it.
    const QRectF before = FrameRenderer::shapeRect(m_start);
    const QPointF middle = FrameRenderer::shapeRect(state).center();
    ZenubKeyframe result = state;
    if (m_kind == Kind::Resize) {
        const QRectF after = FrameRenderer::shapeRect(
            StageHandles::resized(m_start, m_handle, m_point, m_modifiers & Qt::ShiftModifier));
        const double sx = before.width() > 0 ? after.width() / before.width() : 1.0;
        const double sy = before.height() > 0 ? after.height() / before.height() : 1.0;
        const QPointF moved = after.topLeft() + QPointF((middle.x() - before.left()) * sx,
                                                        (middle.y() - before.top()) * sy);
        result.setWidth(state.getWidth() * sx);
        result.setHeight(state.getHeight() * sy);
        result.setX(moved.x() - result.getWidth() / 2);
        result.setY(moved.y() - result.getHeight() / 2);
    } else if (m_kind == Kind::Rotate) {
        const double turn =
            StageHandles::rotated(m_start, m_press, m_point, m_modifiers & Qt::ShiftModifier)
                .getRotation();
        QTransform about;
        about.translate(before.center().x(), before.center().y());
        about.rotate(turn);
        about.translate(-before.center().x(), -before.center().y());
        const QPointF moved = about.map(middle);
        result.setX(moved.x() - state.getWidth() / 2);
        result.setY(moved.y() - state.getHeight() / 2);
        result.setRotation(state.getRotation() + turn);
    }
    return result;
}
