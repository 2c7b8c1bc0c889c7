// SPDX-License-Identifier: MIT
#ifndef ZENUBSHAPETRACKS_H
#define ZENUBSHAPETRACKS_H

#include "zenubkeyframe.h"
#include "zenubpaint.h"
#include "zenubpath.h"
#include "zenubproperty.h"
#include "zenubtrack.h"

#include <QPointF>
#include <QSizeF>
#include <QVariant>
#include <QVector>

#include <functional>
#include <tuple>

struct ZenubShapeState;

/*!
    Every property of a shape that changes over time, each on its own track (see
    ZenubProperty). Paints are kept at full opacity: their opacities are tracks of their own,
    and the state at a frame multiplies them back in.

    Walk the tracks with forEach() (every property with its typed track) or visit() (one), or
    address single keys by property and frame; the value of such a key is a QVariant of the
    track's type (QPointF, QSizeF, double, int, ZenubPaint, ZenubPath).
*/
class ZenubShapeTracks
{
public:
    ZenubShapeTracks();

    ZenubTrack<QPointF>& position() { return m_position; }
    const ZenubTrack<QPointF>& position() const { return m_position; }
    ZenubTrack<QSizeF>& size() { return m_size; }
    const ZenubTrack<QSizeF>& size() const { return m_size; }
    ZenubTrack<double>& rotation() { return m_rotation; }
    const ZenubTrack<double>& rotation() const { return m_rotation; }
    ZenubTrack<double>& opacity() { return m_opacity; }
    const ZenubTrack<double>& opacity() const { return m_opacity; }
    ZenubTrack<ZenubPaint>& fill() { return m_fill; }
    const ZenubTrack<ZenubPaint>& fill() const { return m_fill; }
    ZenubTrack<double>& fillOpacity() { return m_fillOpacity; }
    const ZenubTrack<double>& fillOpacity() const { return m_fillOpacity; }
    ZenubTrack<ZenubPaint>& stroke() { return m_stroke; }
    const ZenubTrack<ZenubPaint>& stroke() const { return m_stroke; }
    ZenubTrack<double>& strokeOpacity() { return m_strokeOpacity; }
    const ZenubTrack<double>& strokeOpacity() const { return m_strokeOpacity; }
    ZenubTrack<double>& strokeWidth() { return m_strokeWidth; }
    const ZenubTrack<double>& strokeWidth() const { return m_strokeWidth; }
    ZenubTrack<double>& cornerRadius() { return m_cornerRadius; }
    const ZenubTrack<double>& cornerRadius() const { return m_cornerRadius; }
    ZenubTrack<ZenubPath>& path() { return m_path; }
    const ZenubTrack<ZenubPath>& path() const { return m_path; }
    ZenubTrack<int>& points() { return m_points; }
    const ZenubTrack<int>& points() const { return m_points; }
    ZenubTrack<double>& innerRadius() { return m_innerRadius; }
    const ZenubTrack<double>& innerRadius() const { return m_innerRadius; }
    ZenubTrack<double>& roundness() { return m_roundness; }
    const ZenubTrack<double>& roundness() const { return m_roundness; }
    ZenubTrack<double>& fontSize() { return m_fontSize; }
    const ZenubTrack<double>& fontSize() const { return m_fontSize; }

    /*! Calls \a visitor(track) with the track of \a property and returns what it returns. */
    template<typename Visitor>
    decltype(auto) visit(ZenubProperty property, Visitor&& visitor)
    {
        return visitTracks(*this, property, visitor);
    }
    template<typename Visitor>
    decltype(auto) visit(ZenubProperty property, Visitor&& visitor) const
    {
        return visitTracks(*this, property, visitor);
    }
    /*! Calls \a visitor(property, track) for every property, in ZenubProperties::all() order. */
    template<typename Visitor>
    void forEach(Visitor&& visitor) const
    {
        for (const ZenubProperty property : ZenubProperties::all())
            visit(property, [&](const auto& track) { visitor(property, track); });
    }

    /*! Fills in everything of \a state the tracks hold, as it is at \a frame. */
    void stateAt(double frame, ZenubShapeState* state) const;
    ZenubKeyframe boxAt(double frame) const;
    /*!
        Keys on \a frame what \a after changes against \a before (the state there) by the one
        edit rule of ZenubTrack::edit(); every other property stays as it is.
    */
    void edit(int frame, bool autoKey, const ZenubShapeState& before, const ZenubShapeState& after);

    /*! Whether any property changes over time. */
    bool isAnimated() const;
    /*! The frames with a key on any track (or on \a property's), in order, each once. */
    QVector<int> keyFrames() const;
    QVector<int> keyFrames(ZenubProperty property) const;
    /*!
        The frames from \a first to \a last with a key on any track, in order, each once. Keys
        are searched, not walked, so a short range stays quick however many there are.
    */
    QVector<int> keyFramesIn(int first, int last) const;
    /*! The first and the last frame with a key on any track; false without keys. */
    bool keySpan(int* first, int* last) const;
    /*! Where the shape's still properties would have their key: its first key, or frame 0. */
    int homeFrame() const;

    /*! Keys each of \a properties on \a frame with its value there (see ZenubTrack::setKey()). */
    void keyAt(int frame, const QVector<ZenubProperty>& properties);
    /*! Keys position, size, rotation and opacity on \a box's frame, with its easing. */
    void setBoxKey(const ZenubKeyframe& box);
    /*!
        Replaces the value of every key of the box's tracks by what \a map makes of the whole
        box at that key's frame. Keys keep their frames and easings, and no track gains a key.
    */
    void mapBoxKeys(const std::function<ZenubKeyframe(const ZenubKeyframe&)>& map);
    /*! Moves the shape by \a offset at every frame. */
    void translate(const QPointF& offset);

    bool hasKey(ZenubProperty property, int frame) const;
    /*! The easing of the key of \a property on \a frame (linear where there is none). */
    ZenubEasing easing(ZenubProperty property, int frame) const;
    bool setEasing(ZenubProperty property, int frame, const ZenubEasing& easing);
    /*! Removes the key unless it is its track's last. */
    bool removeKey(ZenubProperty property, int frame);
    /*! See ZenubTrack::removeKeys(). */
    bool removeKeys(ZenubProperty property, const QVector<int>& frames);
    /*! See ZenubTrack::moveKeys(). */
    bool moveKeys(ZenubProperty property, const QVector<int>& frames, int delta);
    /*! The value of the key of \a property on \a frame; invalid where there is none. */
    QVariant keyValue(ZenubProperty property, int frame) const;
    /*! Keys \a value on \a frame; false when \a value is not of the track's type. */
    bool setKey(ZenubProperty property, int frame, const QVariant& value,
                const ZenubEasing& easing);
    /*!
        Keys the values of \a keys (frame, value, easing) at once, as ZenubTrack::setKeys();
        those whose value is not of the track's type are left out. Gives how many were keyed.
    */
    int setKeys(ZenubProperty property,
                const QVector<std::tuple<int, QVariant, ZenubEasing>>& keys);

    bool operator==(const ZenubShapeTracks& other) const;
    bool operator!=(const ZenubShapeTracks& other) const { return !(*this == other); }

private:
    template<typename Tracks, typename Visitor>
    static decltype(auto) visitTracks(Tracks& tracks, ZenubProperty property, Visitor& visitor)
    {
        switch (property) {
        case ZenubProperty::Size:
            return visitor(tracks.m_size);
        case ZenubProperty::Rotation:
            return visitor(tracks.m_rotation);
        case ZenubProperty::Opacity:
            return visitor(tracks.m_opacity);
        case ZenubProperty::Fill:
            return visitor(tracks.m_fill);
        case ZenubProperty::FillOpacity:
            return visitor(tracks.m_fillOpacity);
        case ZenubProperty::Stroke:
            return visitor(tracks.m_stroke);
        case ZenubProperty::StrokeOpacity:
            return visitor(tracks.m_strokeOpacity);
        case ZenubProperty::StrokeWidth:
            return visitor(tracks.m_strokeWidth);
        case ZenubProperty::CornerRadius:
            return visitor(tracks.m_cornerRadius);
        case ZenubProperty::Path:
            return visitor(tracks.m_path);
        case ZenubProperty::Points:
            return visitor(tracks.m_points);
        case ZenubProperty::InnerRadius:
            return visitor(tracks.m_innerRadius);
        case ZenubProperty::Roundness:
            return visitor(tracks.m_roundness);
        case ZenubProperty::FontSize:
            return visitor(tracks.m_fontSize);
        case ZenubProperty::Position:
            break;
        }
        return visitor(tracks.m_position);
    }

    ZenubTrack<QPointF> m_position;
    ZenubTrack<QSizeF> m_size;
    ZenubTrack<double> m_rotation;
    ZenubTrack<double> m_opacity;
    ZenubTrack<ZenubPaint> m_fill;
    ZenubTrack<double> m_fillOpacity;
    ZenubTrack<ZenubPaint> m_stroke;
    ZenubTrack<double> m_strokeOpacity;
    ZenubTrack<double> m_strokeWidth;
    ZenubTrack<double> m_cornerRadius;
    ZenubTrack<ZenubPath> m_path;
    ZenubTrack<int> m_points;
    ZenubTrack<double> m_innerRadius;
    ZenubTrack<double> m_roundness;
    ZenubTrack<double> m_fontSize;
};

#endif
