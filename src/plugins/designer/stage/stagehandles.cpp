// SPDX-License-Identifier: MIT
#include "stagehandles.h"

#include "model/project/zenubkeyframe.h"
#include "model/render/framerenderer.h"

#include <QLineF>
#include <QRectF>
#include <QTransform>

#include <algorithm>
#include <cmath>

namespace {

// Which side a handle moves: -1 the left (top), +1 the right (bottom), 0 neither.
int horizontalSide(StageHandles::Handle handle)
{
    switch (handle) {
    case StageHandles::TopLeft:
    case StageHandles::Left:
    case StageHandles::BottomLeft:
        return -1;
    case StageHandles::TopRight:
    case StageHandles::Right:
    case StageHandles::BottomRight:
        return 1;
    default:
        return 0;
    }
}

int verticalSide(StageHandles::Handle handle)
{
    switch (handle) {
    case StageHandles::TopLeft:
    case StageHandles::Top:
    case StageHandles::TopRight:
        return -1;
    case StageHandles::BottomLeft:
    case StageHandles::Bottom:
    case StageHandles::BottomRight:
        return 1;
    default:
        return 0;
    }
}

// The handle's place on the unturned shape.
QPointF localPosition(const ZenubKeyframe& state, StageHandles::Handle handle, double scale)
{
    const QRectF box = FrameRenderer::shapeRect(state);
    if (handle == StageHandles::Rotate)
        return QPointF(box.center().x(), box.top() - 24.0 / scale);
    const int h = horizontalSide(handle);
    const int v = verticalSide(handle);
    return QPointF(h < 0   ? box.left()
                   : h > 0 ? box.right()
                           : box.center().x(),
                   v < 0   ? box.top()
                   : v > 0 ? box.bottom()
                           : box.center().y());
}

double sign(double value)
{
    return value < 0 ? -1.0 : 1.0;
}

} // namespace

QPointF StageHandles::position(const ZenubKeyframe& state, Handle handle, double scale)
{
    return FrameRenderer::shapeTransform(state).map(localPosition(state, handle, scale));
}

StageHandles::Handle StageHandles::handleAt(const ZenubKeyframe& state, const QPointF& point,
                                            double scale)
{
    const double reach = (kGripSize / 2 + 2) / scale;
    // The rotate grip first: on a tiny shape the resize grips crowd the space above it.
    for (int i = kCount - 1; i >= 0; --i) {
        const auto handle = Handle(i);
        if (QLineF(position(state, handle, scale), point).length() <= reach)
            return handle;
    }
    return None;
}

ZenubKeyframe StageHandles::resized(const ZenubKeyframe& start, Handle handle, const QPointF& point,
                                    bool keepAspect)
{
    const QTransform turn = FrameRenderer::shapeTransform(start);
    const QPointF local = turn.inverted().map(point);
    const QRectF box = FrameRenderer::shapeRect(start);
    const int h = horizontalSide(handle);
    const int v = verticalSide(handle);
    // Each side is the fixed edge plus a signed extent, so dragging past it flips the box.
    const double anchorX = h < 0 ? box.right() : box.left();
    const double anchorY = v < 0 ? box.bottom() : box.top();
    double width = h != 0 ? local.x() - anchorX : box.width();
    double height = v != 0 ? local.y() - anchorY : box.height();
    if (keepAspect && box.width() > 0 && box.height() > 0) {
        double factor = 1.0;
        if (h != 0 && v != 0)
            factor = std::max(std::abs(width) / box.width(), std::abs(height) / box.height());
        else if (h != 0)
            factor = std::abs(width) / box.width();
        else
            factor = std::abs(height) / box.height();
        width = (h != 0 ? sign(width) : 1.0) * box.width() * factor;
        height = (v != 0 ? sign(height) : 1.0) * box.height() * factor;
    }
    width = sign(width) * std::max(1.0, std::abs(width));
    height = sign(height) * std::max(1.0, std::abs(height));
    const double left =
        h != 0 ? std::min(anchorX, anchorX + width) : box.center().x() - std::abs(width) / 2;
    const double top =
        v != 0 ? std::min(anchorY, anchorY + height) : box.center().y() - std::abs(height) / 2;
    const QRectF sized(left, top, std::abs(width), std::abs(height));
    // The new box turns about its own centre; placing that centre where the old turn puts it
    // keeps the fixed corner still on the stage.
    const QPointF centre = turn.map(sized.center());
    ZenubKeyframe result = start;
    result.setX(centre.x() - sized.width() / 2);
    result.setY(centre.y() - sized.height() / 2);
    result.setWidth(sized.width());
    result.setHeight(sized.height());
    return result;
}

ZenubKeyframe StageHandles::rotated(const ZenubKeyframe& start, const QPointF& from,
                                    const QPointF& to, bool inSteps)
{
    const QPointF centre = FrameRenderer::shapeRect(start).center();
    // Screen angles grow clockwise, as the rotation does.
    double turn = std::atan2(to.y() - centre.y(), to.x() - centre.x()) -
                  std::atan2(from.y() - centre.y(), from.x() - centre.x());
    turn = std::remainder(turn * 180.0 / M_PI, 360.0);
    double rotation = start.getRotation() + turn;
    if (inSteps)
        rotation = std::round(rotation / 15.0) * 15.0;
    ZenubKeyframe result = start;
    result.setRotation(rotation);
    return result;
}

Qt::CursorShape StageHandles::cursor(const ZenubKeyframe& state, Handle handle)
{
    if (handle == None)
        return Qt::ArrowCursor;
    if (handle == Rotate)
        return Qt::CrossCursor;
    // Taken on a square, so that a corner of a long box still shows a diagonal.
    const double degrees =
        std::atan2(double(verticalSide(handle)), double(horizontalSide(handle))) * 180.0 / M_PI +
        state.getRotation();
    const int eighth = int(std::lround(std::remainder(degrees, 180.0) / 45.0) + 4) % 4;
    static const Qt::CursorShape shapes[] = {Qt::SizeHorCursor, Qt::SizeFDiagCursor,
                                             Qt::SizeVerCursor, Qt::SizeBDiagCursor};
    return shapes[eighth];
}
