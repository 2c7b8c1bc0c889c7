// SPDX-License-Identifier: MIT
#include "zenubshapetracks.h"

#include "zenubshapestate.h"

#include <algorithm>

namespace {

// Paints live on their tracks at full opacity; their opacity has a track of its own.
ZenubPaint opaque(ZenubPaint paint)
{
    paint.setOpacity(1);
    return paint;
}

template<typename T>
void editTrack(ZenubTrack<T>& track, int frame, int home, bool autoKey, const T& before,
               const T& after)
{
    if (!ZenubInterpolation::same(before, after))
        track.edit(frame, home, autoKey, after);
}

template<typename T>
bool holds(const QVariant& value)
{
    return value.userType() == qMetaTypeId<T>();
}

} // namespace

ZenubShapeTracks::ZenubShapeTracks()
    : m_position(QPointF(0, 0))
    , m_size(QSizeF(100, 100))
    , m_rotation(0)
    , m_opacity(1)
    , m_fill(ZenubPaint(QColor(0x3d, 0x9b, 0xe9)))
    , m_fillOpacity(1)
    , m_stroke(ZenubPaint(QColor(Qt::black)))
    , m_strokeOpacity(1)
    , m_strokeWidth(0)
    , m_cornerRadius(0)
    , m_points(5)
    , m_innerRadius(0.5)
    , m_roundness(0)
    , m_fontSize(0)
{}

void ZenubShapeTracks::stateAt(double frame, ZenubShapeState* state) const
{
    state->box = boxAt(frame);
    state->fill = m_fill.valueAt(frame);
    state->fill.setOpacity(m_fillOpacity.valueAt(frame));
    ZenubPaint stroke = m_stroke.valueAt(frame);
    stroke.setOpacity(m_strokeOpacity.valueAt(frame));
    state->stroke.setPaint(stroke);
    state->stroke.setWidth(m_strokeWidth.valueAt(frame));
    state->cornerRadius = m_cornerRadius.valueAt(frame);
    state->path = m_path.valueAt(frame);
    state->points = m_points.valueAt(frame);
    state->innerRadius = m_innerRadius.valueAt(frame);
    state->roundness = m_roundness.valueAt(frame);
    state->fontSize = m_fontSize.valueAt(frame);
}

ZenubKeyframe ZenubShapeTracks::boxAt(double frame) const
{
    const QPointF position = m_position.valueAt(frame);
    const QSizeF size = m_size.valueAt(frame);
    ZenubKeyframe box(qRound(frame), position.x(), position.y(), size.width(), size.height());
    box.setRotation(m_rotation.valueAt(frame));
    box.setOpacity(m_opacity.valueAt(frame));
    return box;
}

void ZenubShapeTracks::edit(int frame, bool autoKey, const ZenubShapeState& before,
                            const ZenubShapeState& after)
{
    const int home = homeFrame();
    const ZenubKeyframe& was = before.box;
    const ZenubKeyframe& is = after.box;
    editTrack(m_position, frame, home, autoKey, QPointF(was.getX(), was.getY()),
              QPointF(is.getX(), is.getY()));
    editTrack(m_size, frame, home, autoKey, QSizeF(was.getWidth(), was.getHeight()),
              QSizeF(is.getWidth(), is.getHeight()));
    editTrack(m_rotation, frame, home, autoKey, was.getRotation(), is.getRotation());
    editTrack(m_opacity, frame, home, autoKey, was.getOpacity(), is.getOpacity());
    editTrack(m_fill, frame, home, autoKey, opaque(before.fill), opaque(after.fill));
    editTrack(m_fillOpacity, frame, home, autoKey, before.fill.getOpacity(),
              after.fill.getOpacity());
    editTrack(m_stroke, frame, home, autoKey, opaque(before.stroke.getPaint()),
              opaque(after.stroke.getPaint()));
    editTrack(m_strokeOpacity, frame, home, autoKey, before.stroke.getPaint().getOpacity(),
              after.stroke.getPaint().getOpacity());
    editTrack(m_strokeWidth, frame, home, autoKey, before.stroke.getWidth(),
              after.stroke.getWidth());
    editTrack(m_cornerRadius, frame, home, autoKey, before.cornerRadius, after.cornerRadius);
    editTrack(m_path, frame, home, autoKey, before.path, after.path);
    editTrack(m_points, frame, home, autoKey, before.points, after.points);
    editTrack(m_innerRadius, frame, home, autoKey, before.innerRadius, after.innerRadius);
    editTrack(m_roundness, frame, home, autoKey, before.roundness, after.roundness);
    editTrack(m_fontSize, frame, home, autoKey, before.fontSize, after.fontSize);
}

bool ZenubShapeTracks::isAnimated() const
{
    bool animated = false;
    forEach([&animated](ZenubProperty, const auto& track) {
        animated = animated || track.isAnimated();
    });
    return animated;
}

QVector<int> ZenubShapeTracks::keyFrames() const
{
    QVector<int> frames;
    forEach([&frames](ZenubProperty, const auto& track) {
        for (const auto& key : track.keys())
            frames.append(key.frame);
    });
    std::sort(frames.begin(), frames.end());
    frames.erase(std::unique(frames.begin(), frames.end()), frames.end());
    return frames;
}

QVector<int> ZenubShapeTracks::keyFrames(ZenubProperty property) const
{
    return visit(property, [](const auto& track) {
        QVector<int> frames;
        frames.reserve(track.keys().size());
        for (const auto& key : track.keys())
            frames.append(key.frame);
        return frames;
    });
}

QVector<int> ZenubShapeTracks::keyFramesIn(int first, int last) const
{
    QVector<int> frames;
    forEach([&frames, first, last](ZenubProperty, const auto& track) {
        const auto& keys = track.keys();
        auto it = std::lower_bound(keys.cbegin(), keys.cend(), first,
                                   [](const auto& key, int frame) { return key.frame < frame; });
        for (; it != keys.cend() && it->frame <= last; ++it)
            frames.append(it->frame);
    });
    std::sort(frames.begin(), frames.end());
    frames.erase(std::unique(frames.begin(), frames.end()), frames.end());
    return frames;
}

bool ZenubShapeTracks::keySpan(int* first, int* last) const
{
    bool keyed = false;
    forEach([&](ZenubProperty, const auto& track) {
        if (!track.isKeyed())
            return;
        *first = keyed ? std::min(*first, track.keys().constFirst().frame)
                       : track.keys().constFirst().frame;
        *last = keyed ? std::max(*last, track.keys().constLast().frame)
                      : track.keys().constLast().frame;
        keyed = true;
    });
    return keyed;
}

int ZenubShapeTracks::homeFrame() const
{
    int first = -1;
    forEach([&first](ZenubProperty, const auto& track) {
        if (track.isKeyed() && (first < 0 || track.keys().constFirst().frame < first))
            first = track.keys().constFirst().frame;
    });
    return std::max(first, 0);
}

void ZenubShapeTracks::keyAt(int frame, const QVector<ZenubProperty>& properties)
{
    for (const ZenubProperty property : properties)
        visit(property, [frame](auto& track) { track.setKey(frame, track.valueAt(frame)); });
}

void ZenubShapeTracks::setBoxKey(const ZenubKeyframe& box)
{
    const int frame = box.getFrame();
    const ZenubEasing& easing = box.getEasing();
    m_position.setKey({frame, QPointF(box.getX(), box.getY()), easing});
    m_size.setKey({frame, QSizeF(box.getWidth(), box.getHeight()), easing});
    m_rotation.setKey({frame, box.getRotation(), easing});
    m_opacity.setKey({frame, box.getOpacity(), easing});
}

void ZenubShapeTracks::mapBoxKeys(const std::function<ZenubKeyframe(const ZenubKeyframe&)>& map)
{
    // Each key reads the box mapped at its own frame, from the tracks as they were.
    const ZenubShapeTracks before = *this;
    const auto apply = [&before, &map](auto& track, const auto& take) {
        if (!track.isKeyed()) {
            track.setValue(take(map(before.boxAt(before.homeFrame()))));
            return;
        }
        auto keys = track.keys();
        for (auto& key : keys)
            key.value = take(map(before.boxAt(key.frame)));
        for (const auto& key : qAsConst(keys))
            track.setKey(key);
    };
    apply(m_position, [](const ZenubKeyframe& box) { return QPointF(box.getX(), box.getY()); });
    apply(m_size, [](const ZenubKeyframe& box) { return QSizeF(box.getWidth(), box.getHeight()); });
    apply(m_rotation, [](const ZenubKeyframe& box) { return box.getRotation(); });
    apply(m_opacity, [](const ZenubKeyframe& box) { return box.getOpacity(); });
}

void ZenubShapeTracks::translate(const QPointF& offset)
{
    m_position.mapValues([&offset](const QPointF& point) { return point + offset; });
}

bool ZenubShapeTracks::hasKey(ZenubProperty property, int frame) const
{
    return visit(property, [frame](const auto& track) { return track.indexOf(frame) >= 0; });
}

ZenubEasing ZenubShapeTracks::easing(ZenubProperty property, int frame) const
{
    return visit(property, [frame](const auto& track) {
        const auto* key = track.keyAt(frame);
        return key ? key->easing : ZenubEasing();
    });
}

bool ZenubShapeTracks::setEasing(ZenubProperty property, int frame, const ZenubEasing& easing)
{
    return visit(property, [&](auto& track) { return track.setEasing(frame, easing); });
}

bool ZenubShapeTracks::removeKey(ZenubProperty property, int frame)
{
    return visit(property, [frame](auto& track) { return track.removeKey(frame); });
}

bool ZenubShapeTracks::removeKeys(ZenubProperty property, const QVector<int>& frames)
{
    return visit(property, [&frames](auto& track) { return track.removeKeys(frames); });
}

bool ZenubShapeTracks::moveKeys(ZenubProperty property, const QVector<int>& frames, int delta)
{
    return visit(property, [&](auto& track) { return track.moveKeys(frames, delta); });
}

QVariant ZenubShapeTracks::keyValue(ZenubProperty property, int frame) const
{
    return visit(property, [frame](const auto& track) {
        const auto* key = track.keyAt(frame);
        return key ? QVariant::fromValue(key->value) : QVariant();
    });
}

bool ZenubShapeTracks::setKey(ZenubProperty property, int frame, const QVariant& value,
                              const ZenubEasing& easing)
{
    return visit(property, [&](auto& track) {
        using Value = std::decay_t<decltype(track.value())>;
        if (!holds<Value>(value))
            return false;
        track.setKey({frame, value.value<Value>(), easing});
        return true;
    });
}

bool ZenubShapeTracks::operator==(const ZenubShapeTracks& other) const
{
    return m_position == other.m_position && m_size == other.m_size &&
           m_rotation == other.m_rotation && m_opacity == other.m_opacity &&
           m_fill == other.m_fill && m_fillOpacity == other.m_fillOpacity &&
           m_stroke == other.m_stroke && m_strokeOpacity == other.m_strokeOpacity &&
           m_strokeWidth == other.m_strokeWidth && m_cornerRadius == other.m_cornerRadius &&
           m_path == other.m_path && m_points == other.m_points &&
           m_innerRadius == other.m_innerRadius && m_roundness == other.m_roundness &&
           m_fontSize == other.m_fontSize;
}

int ZenubShapeTracks::setKeys(ZenubProperty property,
                              const QVector<std::tuple<int, QVariant, ZenubEasing>>& keys)
{
    return visit(property, [&keys](auto& track) {
        using Track = std::decay_t<decltype(track)>;
        using Value = std::decay_t<decltype(track.value())>;
        QVector<typename Track::Key> typed;
        typed.reserve(keys.size());
        for (const auto& key : keys)
            if (holds<Value>(std::get<1>(key)))
                typed.append(
                    {std::get<0>(key), std::get<1>(key).template value<Value>(), std::get<2>(key)});
        track.setKeys(typed);
        return int(typed.size());
    });
}
