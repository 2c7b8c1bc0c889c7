// SPDX-License-Identifier: MIT
#ifndef ZENUBSHAPE_H
#define ZENUBSHAPE_H

#include "zenubkeyframe.h"
#include "zenubpaint.h"
#include "zenubpath.h"
#include "zenubshapestate.h"
#include "zenubshapetracks.h"
#include "zenubstroke.h"
#include "zenubtext.h"

#include <QByteArray>
#include <QColor>
#include <QJsonObject>
#include <QSizeF>
#include <QString>
#include <QStringList>
#include <QVector>

#include <functional>

/*!
    A drawn element of a layer. Every property that may change over time has its own track of
    keyframes (tracks()): position, size, rotation, opacity, fill, stroke, corner radius, path,
    polygon and star corners, font size. What cannot change over time (kind, name, words and
    their styles, picture, stroke caps, joins and dashes, group members) belongs to the shape.

    Every kind is drawn into its box (x, y, width, height, turned about its centre):
    rectangles and ellipses fill it; a path's nodes, a polygon's and a star's corners are
    relative to it; a text lays its lines out in it; a group maps its members' coordinates
    (0,0 to its content size) onto it. Rectangles, ellipses, paths, polygons and stars are
    filled with a paint and outlined by a stroke; a text's words are painted with the fill; an
    image shows its picture and may be outlined; a group's members paint themselves.

    The plain getters and setters read and set still values: a setter makes its property still
    (keeping its first keyframe, if it has any). Edits at a frame go through editStateAt(),
    which follows the one rule for keyframes; stateAt() gives everything at a frame.
*/
class ZenubShape
{
public:
    enum class Type { Rectangle, Ellipse, Text, Image, Path, Polygon, Star, Group };

    ZenubShape() = default;
    ZenubShape(Type type, const QString& name);

    Type getType() const { return m_type; }
    void setType(Type type) { m_type = type; }
    QString getName() const { return m_name; }
    void setName(const QString& name) { m_name = name; }

    /*! The properties that change over time; see ZenubShapeTracks. */
    const ZenubShapeTracks& tracks() const { return m_tracks; }
    ZenubShapeTracks& tracks() { return m_tracks; }

    /*! The fill with its opacity. */
    ZenubPaint getFill() const;
    void setFill(const ZenubPaint& paint);
    /*! The fill's colour; setting it makes the fill that solid colour (its opacity kept). */
    QColor getFillColor() const { return m_tracks.fill().value().getColor(); }
    void setFillColor(const QColor& color);
    /*! The stroke: its paint with its opacity, its width and its style. */
    ZenubStroke getStroke() const;
    void setStroke(const ZenubStroke& stroke);
    /*! Takes the caps, joins, miter limit and dashes of \a stroke; paint and width stay. */
    void setStrokeStyle(const ZenubStroke& stroke) { m_strokeStyle = styleOf(stroke); }
    /*! The stroke's colour; setting it makes the stroke's paint that solid colour. */
    QColor getStrokeColor() const { return m_tracks.stroke().value().getColor(); }
    void setStrokeColor(const QColor& color);
    /*! An outline of width 0 is not drawn. */
    double getStrokeWidth() const { return m_tracks.strokeWidth().value(); }
    void setStrokeWidth(double pixels) { m_tracks.strokeWidth().setValue(pixels); }
    /*! Rounds the corners of rectangles; other shapes ignore it. */
    double getCornerRadius() const { return m_tracks.cornerRadius().value(); }
    void setCornerRadius(double pixels) { m_tracks.cornerRadius().setValue(pixels); }

    /*! A text shape's words and their layout, at the still font size; others ignore it. */
    ZenubText getTextContent() const { return textFor(getFontSize()); }
    /*! Also makes \a text's font size the still one, when it differs. */
    void setTextContent(const ZenubText& text);
    /*! For the words and their layout; the font size is the track's (see setFontSize()). */
    ZenubText& textContent() { return m_text; }
    /*! The text at \a fontSize (a frame's, from stateAt()), shared while it is unchanged. */
    ZenubText textFor(double fontSize) const;
    /*! The words a text shape shows, without their styles. */
    QString getText() const { return m_text.getPlainText(); }
    /*! Replaces the words by \a text in the text's own style. */
    void setText(const QString& text) { m_text.setPlainText(text); }
    QString getFontFamily() const { return m_text.getFontFamily(); }
    void setFontFamily(const QString& family) { m_text.setFontFamily(family); }
    /*! In stage pixels; 0 sizes the text to fit its box. */
    double getFontSize() const { return m_tracks.fontSize().value(); }
    void setFontSize(double pixels);

    /*! The encoded picture of an image shape (PNG, JPEG or SVG), kept in the project file. */
    QByteArray getImageData() const { return m_imageData; }
    void setImageData(const QByteArray& data) { m_imageData = data; }
    /*! "png", "jpeg" or "svg". */
    QString getImageFormat() const { return m_imageFormat; }
    void setImageFormat(const QString& format) { m_imageFormat = format; }
    static QStringList imageFormats();

    /*! A path shape's outline, relative to its box. */
    const ZenubPath& getPath() const { return m_tracks.path().value(); }
    void setPath(const ZenubPath& path) { m_tracks.path().setValue(path); }

    /*! The corners of a polygon, the outer corners of a star (at least 3). */
    int getPoints() const { return m_tracks.points().value(); }
    void setPoints(int points) { m_tracks.points().setValue(points); }
    /*! A star's inner corners' distance from the centre, as a part (0..1) of the outer one's. */
    double getInnerRadius() const { return m_tracks.innerRadius().value(); }
    void setInnerRadius(double ratio) { m_tracks.innerRadius().setValue(ratio); }
    /*! How round a polygon's or star's corners are: 0 sharp, 1 as round as they can be. */
    double getRoundness() const { return m_tracks.roundness().value(); }
    void setRoundness(double roundness) { m_tracks.roundness().setValue(roundness); }

    /*! A group's members, in the group's own coordinates; drawn in this order. */
    const QVector<ZenubShape>& getMembers() const { return m_members; }
    QVector<ZenubShape>& members() { return m_members; }
    void setMembers(const QVector<ZenubShape>& members) { m_members = members; }
    /*! The size of the group's own coordinates that its box shows. */
    QSizeF getContentSize() const { return m_contentSize; }
    void setContentSize(const QSizeF& size) { m_contentSize = size; }

    /*!
        The box at every frame where position, size, rotation or opacity has a keyframe (the
        still box at frame 0 when none has): what keyframes held before each property had its
        own track. Each carries the easing of the first of those keyframes on its frame.
    */
    QVector<ZenubKeyframe> getKeyframes() const;
    /*! Keys position, size, rotation and opacity on \a keyframe's frame, with its easing. */
    void setKeyframe(const ZenubKeyframe& keyframe) { m_tracks.setBoxKey(keyframe); }
    /*! Removes every track's keyframe on \a frame, but never a track's last one. */
    bool removeKeyframe(int frame);
    /*! Some property changes during the scene. */
    bool isAnimated() const { return m_tracks.isAnimated(); }

    /*!
        Applies \a change to the shape's state at \a frame, and keys only the properties it
        changes: a still property takes the new value, an animated one gets it keyed on \a
        frame (a keyframe there is updated, a new one continues the curve it splits), and so
        does a still one when \a autoKey is on and \a frame is not its keyframe's. Stroke
        caps, joins and dashes do not change over time: they change for the whole scene.
    */
    void editStateAt(int frame, bool autoKey, const std::function<void(ZenubShapeState&)>& change);
    /*! editStateAt() for position, size, rotation and opacity. */
    void editAt(int frame, bool autoKey, const std::function<void(ZenubKeyframe&)>& change);
    /*!
        The box at \a frame, as a keyframe on that frame with the easing the position's
        keyframe there has or would take.
    */
    ZenubKeyframe stateAtFrame(int frame) const;

    /*! Position, size, rotation and opacity at \a frame. Every shape has a state: true. */
    bool stateAt(double frame, ZenubKeyframe* state) const;
    /*! Everything that may change between frames, at \a frame; true. */
    bool stateAt(double frame, ZenubShapeState* state) const;
    /*!
        Whether the shape is a text whose box grows with its words while its font size is
        animated. Its box at each frame is then the size its lines take at that frame's font
        size, about the side they align to and the box's top; the kept box gives the place.
    */
    bool refitsText() const;

    static QString typeName(Type type);
    static bool typeFromName(const QString& name, Type* type);

    QJsonObject toJson() const;
    /*! Writes the same members as toJson() gives. */
    void write(ZenubJsonWriter& writer) const;
    static ZenubShape fromJson(const QJsonObject& object, ZenubJsonReader& reader,
                               const QString& path);
    static ZenubShape fromJson(const QJsonObject& object, ZenubJsonReader& reader,
                               const ZenubJsonPath& path);

    // Limits of a valid file: groups nest no deeper, polygons have no more corners.
    static constexpr int maximumGroupDepth() { return 32; }
    static constexpr int maximumPoints() { return 1000; }

    bool operator==(const ZenubShape& other) const;
    bool operator!=(const ZenubShape& other) const { return !(*this == other); }

private:
    friend class ZenubShapeJson;

    /*! What of a stroke stays the same all scene long. */
    static ZenubStroke styleOf(ZenubStroke stroke);
    /*! \a box as a text that refitsText() shows it at \a fontSize. */
    ZenubKeyframe fitted(const ZenubKeyframe& box, double fontSize) const;

    Type m_type = Type::Rectangle;
    QString m_name;
    ZenubShapeTracks m_tracks;
    // Caps, joins and dashes; the paint and width live on tracks and stay default here.
    ZenubStroke m_strokeStyle;
    // Its font size follows the still one of the track, so that texts are not copied to draw.
    ZenubText m_text;
    QByteArray m_imageData;
    QString m_imageFormat;
    QVector<ZenubShape> m_members;
    QSizeF m_contentSize;
};

#endif
