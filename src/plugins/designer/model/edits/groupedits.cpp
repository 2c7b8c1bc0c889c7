// SPDX-License-Identifier: MIT
#include "groupedits.h"

#include "boxedits.h"
#include "model/project/zenubproject.h"
#include "model/project/zenubscene.h"
#include "model/render/shapegeometry.h"
#include "nameedits.h"
#include "newcontent.h"

#include <QTransform>
#include <QtMath>

#include <algorithm>
#include <cmath>

namespace {

// The list a shape of \a ref's parent lives in: a layer's shapes or a group's members.
QVector<ZenubShape>* siblings(ZenubScene& scene, const ShapeRef& ref, int layer)
{
    if (layer < 0 || layer >= scene.getLayers().size())
        return nullptr;
    QVector<ZenubShape>* list = &scene.layers()[layer].shapes();
    ZenubShape* holder = nullptr;
    for (int i = 0; i < ref.members.size(); ++i) {
        const int index = i == 0 ? ref.shape : ref.members.at(i - 1);
        if (index < 0 || index >= list->size())
            return nullptr;
        holder = &(*list)[index];
        if (holder->getType() != ZenubShape::Type::Group)
            return nullptr;
        list = &holder->members();
    }
    return list;
}

int indexOf(const ShapeRef& ref)
{
    return ref.members.isEmpty() ? ref.shape : ref.members.constLast();
}

ShapeRef withIndex(ShapeRef ref, int index)
{
    if (ref.members.isEmpty())
        ref.shape = index;
    else
        ref.members.last() = index;
    return ref;
}

double normalisedDegrees(double degrees)
{
    degrees = std::fmod(degrees, 360.0);
    if (degrees > 180)
        degrees -= 360;
    else if (degrees <= -180)
        degrees += 360;
    return degrees;
}

} // namespace

namespace GroupEdits {

ZenubKeyframe mapped(const ZenubKeyframe& keyframe, const QTransform& transform)
{
    const double turn = qDegreesToRadians(keyframe.getRotation());
    const QPointF across(std::cos(turn), std::sin(turn));
    const QPointF down(-std::sin(turn), std::cos(turn));
    const auto linear = [&](const QPointF& v) {
        return QPointF(transform.m11() * v.x() + transform.m21() * v.y(),
                       transform.m12() * v.x() + transform.m22() * v.y());
    };
    const QPointF newAcross = linear(across);
    const QPointF newDown = linear(down);
    const QPointF centre = transform.map(QPointF(keyframe.getX() + keyframe.getWidth() / 2,
                                                 keyframe.getY() + keyframe.getHeight() / 2));
    const double width = keyframe.getWidth() * std::hypot(newAcross.x(), newAcross.y());
    const double height = keyframe.getHeight() * std::hypot(newDown.x(), newDown.y());
    // The group's turn is added as such, so that a member turning through whole circles keeps
    // doing so; the rest is what stretching changed.
    const double groupTurn = qRadiansToDegrees(std::atan2(transform.m12(), transform.m11()));
    const double drawn = qRadiansToDegrees(std::atan2(newAcross.y(), newAcross.x()));
    const double rotation = keyframe.getRotation() + groupTurn +
                            normalisedDegrees(drawn - keyframe.getRotation() - groupTurn);
    ZenubKeyframe result = keyframe;
    result.setX(centre.x() - width / 2);
    result.setY(centre.y() - height / 2);
    result.setWidth(width);
    result.setHeight(height);
    result.setRotation(rotation);
    return result;
}

bool group(ZenubScene& scene, const QVector<ShapeRef>& refs, double frame, const QString& name,
           ShapeRef* made)
{
    if (refs.isEmpty())
        return false;
    QVector<ShapeRef> ordered = refs;
    const ShapeRef parent = refs.constFirst().parent();
    const bool topLevel = !refs.constFirst().isMember();
    for (const ShapeRef& ref : refs) {
        if (ref.isMember() == topLevel || ref.scene != parent.scene ||
            (!topLevel && ref.parent() != parent))
            return false;
        const QVector<ZenubShape>* list = siblings(scene, ref, ref.layer);
        if (!list || indexOf(ref) < 0 || indexOf(ref) >= list->size())
            return false;
    }
    // Drawing order: layer by layer, then by place in the list.
    std::sort(ordered.begin(), ordered.end(), [](const ShapeRef& a, const ShapeRef& b) {
        return a.layer != b.layer ? a.layer < b.layer : indexOf(a) < indexOf(b);
    });
    ordered.erase(std::unique(ordered.begin(), ordered.end()), ordered.end());

    QVector<ZenubShape> members;
    QRectF bounds;
    for (const ShapeRef& ref : qAsConst(ordered)) {
        const ZenubShape& shape = siblings(scene, ref, ref.layer)->at(indexOf(ref));
        members.append(shape);
        bounds = bounds.united(ShapeGeometry::bounds(shape, frame));
    }
    for (ZenubShape& member : members)
        member.tracks().translate(-bounds.topLeft());
    ZenubShape grouped(ZenubShape::Type::Group,
                       name.isEmpty()
                           ? NameEdits::numbered(NameEdits::namesIn(scene),
                                                 NewContent::baseName(ZenubShape::Type::Group))
                           : name);
    grouped.setContentSize(bounds.size());
    grouped.setMembers(members);
    grouped.setKeyframe(ZenubKeyframe(0, bounds.x(), bounds.y(), bounds.width(), bounds.height()));

    // The group goes where the topmost was, counted after the others have left.
    const ShapeRef top = ordered.constLast();
    int place = indexOf(top);
    for (auto it = ordered.crbegin(); it != ordered.crend(); ++it) {
        siblings(scene, *it, it->layer)->removeAt(indexOf(*it));
        if (it->layer == top.layer && indexOf(*it) < indexOf(top))
            --place;
    }
    siblings(scene, top, top.layer)->insert(place, grouped);
    if (made)
        *made = withIndex(top, place);
    return true;
}

bool ungroup(ZenubScene& scene, const ShapeRef& ref, double frame, QVector<ShapeRef>* placed)
{
    QVector<ZenubShape>* list = siblings(scene, ref, ref.layer);
    const int index = indexOf(ref);
    if (!list || index < 0 || index >= list->size() ||
        list->at(index).getType() != ZenubShape::Type::Group)
        return false;
    const ZenubShape group = list->at(index);
    ZenubShapeState state;
    if (!group.stateAt(frame, &state))
        return false;
    const QTransform transform = ShapeGeometry::transform(group, state);
    QVector<ZenubShape> members = group.getMembers();
    for (ZenubShape& member : members) {
        member.tracks().mapBoxKeys([&](const ZenubKeyframe& keyframe) {
            ZenubKeyframe moved = mapped(keyframe, transform);
            moved.setOpacity(keyframe.getOpacity() * state.box.getOpacity());
            return moved;
        });
    }
    list->removeAt(index);
    QVector<ShapeRef> refs;
    for (int i = 0; i < members.size(); ++i) {
        list->insert(index + i, members.at(i));
        refs.append(withIndex(ref, index + i));
    }
    if (placed)
        *placed = refs;
    return true;
}

bool fitBox(ZenubShape& group)
{
    const QSizeF size = group.getContentSize();
    if (group.getType() != ZenubShape::Type::Group || group.getMembers().isEmpty() ||
        !(size.width() > 0) || !(size.height() > 0))
        return false;
    QRectF content;
    for (const ZenubShape& member : group.getMembers()) {
        content = content.united(ShapeGeometry::bounds(member, 0));
        for (const ZenubKeyframe& key : member.getKeyframes())
            content = content.united(ShapeGeometry::bounds(member, key.getFrame()));
    }
    // A box without width or height could not map its members back.
    const double tolerance = 1e-9 * std::max(size.width(), size.height());
    if (!(content.width() > 0) || !(content.height() > 0) ||
        (std::abs(content.left()) <= tolerance && std::abs(content.top()) <= tolerance &&
         std::abs(content.width() - size.width()) <= tolerance &&
         std::abs(content.height() - size.height()) <= tolerance))
        return false;
    const QPointF centre(content.center().x() / size.width(), content.center().y() / size.height());
    const double sx = content.width() / size.width();
    const double sy = content.height() / size.height();
    group.tracks().mapBoxKeys([&](const ZenubKeyframe& key) {
        return BoxEdits::refit(key, QSizeF(key.getWidth() * sx, key.getHeight() * sy), centre,
                               QPointF(0.5, 0.5));
    });
    for (ZenubShape& member : group.members())
        member.tracks().translate(-content.topLeft());
    group.setContentSize(content.size());
    return true;
}

void fitGroupsOf(ZenubProject& project, const QVector<ShapeRef>& refs)
{
    QVector<ShapeRef> groups;
    for (const ShapeRef& ref : refs)
        for (ShapeRef up = ref; up.isMember();) {
            up = up.parent();
            if (!groups.contains(up))
                groups.append(up);
        }
    // Inner groups first: their new boxes are what the outer ones cover.
    std::stable_sort(groups.begin(), groups.end(), [](const ShapeRef& a, const ShapeRef& b) {
        return a.members.size() > b.members.size();
    });
    for (const ShapeRef& ref : groups)
        if (ZenubShape* group = ref.find(project))
            fitBox(*group);
}

} // namespace GroupEdits
