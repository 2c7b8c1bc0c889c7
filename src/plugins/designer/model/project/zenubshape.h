// SPDX-License-Identifier: MIT
#ifndef ZENUBSHAPE_H
#define ZENUBSHAPE_H

#include "zenubkeyframe.h"
#include "zenubpaint.h"
#include "zenubpath.h"
#include "zenubshapestate.h"
#include "zenubstroke.h"
#include "zenubtext.h"

#include <QByteArray>
#include <QColor>
#include <QJsonObject>
#include <QSizeF>
#include <QString>
#include <QStringList>
#include <QVector>

/*!
    A drawn element of a layer, moved by its keyframes. Keyframes are kept in frame order. A
    shape with fewer than two keyframes is static: it holds its one state for the whole scene.

    Every kind is drawn into its keyframe box (x, y, width, height, turned about its centre):
    rectangles and ellipses fill it; a path's nodes, a polygon's and a star's corners are
    relative to it; a text lays its lines out in it; a group maps its members' coordinates
    (0,0 to its content size) onto it. Rectangles, ellipses, paths, polygons and stars are
    filled with a paint and outlined by a stroke; a text's words are painted with the fill; an
    image shows its picture and may be outlined; a group's members paint themselves.
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

    const ZenubPaint& getFill() const { return m_fill; }
    void setFill(const ZenubPaint& paint) { m_fill = paint; }
    /*! The fill's colour; setting it makes the fill that solid colour (its opacity kept). */
    QColor getFillColor() const { return m_fill.getColor(); }
    void setFillColor(const QColor& color);
    const ZenubStroke& getStroke() const { return m_stroke; }
    ZenubStroke& stroke() { return m_stroke; }
    void setStroke(const ZenubStroke& stroke) { m_stroke = stroke; }
    /*! The stroke's colour; setting it makes the stroke's paint that solid colour. */
    QColor getStrokeColor() const { return m_stroke.getPaint().getColor(); }
    void setStrokeColor(const QColor& color);
    /*! An outline of width 0 is not drawn. */
    double getStrokeWidth() const { return m_stroke.getWidth(); }
    void setStrokeWidth(double pixels) { m_stroke.setWidth(pixels); }
    /*! Rounds the corners of rectangles; other shapes ignore it. */
    double getCornerRadius() const { return m_cornerRadius; }
    void setCornerRadius(double pixels) { m_cornerRadius = pixels; }

    /*! A text shape's words and their layout; other shapes ignore it. */
    const ZenubText& getTextContent() const { return m_text; }
    ZenubText& textContent() { return m_text; }
    void setTextContent(const ZenubText& text) { m_text = text; }
    /*! The words a text shape shows, without their styles. */
    QString getText() const { return m_text.getPlainText(); }
    /*! Replaces the words by \a text in the text's own style. */
    void setText(const QString& text) { m_text.setPlainText(text); }
    QString getFontFamily() const { return m_text.getFontFamily(); }
    void setFontFamily(const QString& family) { m_text.setFontFamily(family); }
    /*! In stage pixels; 0 sizes the text to fit its box. */
    double getFontSize() const { return m_text.getFontSize(); }
    void setFontSize(double pixels) { m_text.setFontSize(pixels); }

    /*! The encoded picture of an image shape (PNG, JPEG or SVG), kept in the project file. */
    QByteArray getImageData() const { return m_imageData; }
    void setImageData(const QByteArray& data) { m_imageData = data; }
    /*! "png", "jpeg" or "svg". */
    QString getImageFormat() const { return m_imageFormat; }
    void setImageFormat(const QString& format) { m_imageFormat = format; }
    static QStringList imageFormats();

    /*! A path shape's outline, relative to its box. */
    const ZenubPath& getPath() const { return m_path; }
    ZenubPath& path() { return m_path; }
    void setPath(const ZenubPath& path) { m_path = path; }

    /*! The corners of a polygon, the outer corners of a star (at least 3). */
    int getPoints() const { return m_points; }
    void setPoints(int points) { m_points = points; }
    /*! A star's inner corners' distance from the centre, as a part (0..1) of the outer one's. */
    double getInnerRadius() const { return m_innerRadius; }
    void setInnerRadius(double ratio) { m_innerRadius = ratio; }
    /*! How round a polygon's or star's corners are: 0 sharp, 1 as round as they can be. */
    double getRoundness() const { return m_roundness; }
    void setRoundness(double roundness) { m_roundness = roundness; }

    /*! A group's members, in the group's own coordinates; drawn in this order. */
    const QVector<ZenubShape>& getMembers() const { return m_members; }
    QVector<ZenubShape>& members() { return m_members; }
    void setMembers(const QVector<ZenubShape>& members) { m_members = members; }
    /*! The size of the group's own coordinates that its box shows. */
    QSizeF getContentSize() const { return m_contentSize; }
    void setContentSize(const QSizeF& size) { m_contentSize = size; }

    const QVector<ZenubKeyframe>& getKeyframes() const { return m_keyframes; }
    /*! Inserts \a keyframe in frame order, replacing one already at its frame. */
    void setKeyframe(const ZenubKeyframe& keyframe);
    /*!
        Replaces every keyframe at once, as edits of many keyframes do: one at a time, each
        would move the rest. Put in frame order; of two on one frame the later one stays.
    */
    void setKeyframes(const QVector<ZenubKeyframe>& keyframes);
    bool removeKeyframe(int frame);
    /*! Two or more keyframes: the shape moves or changes during its scene. */
    bool isAnimated() const { return m_keyframes.size() > 1; }

    /*!
        Applies \a change to the shape as seen at \a frame. On an animated shape it creates or
        updates the keyframe at \a frame, starting from the values there, and leaves every other
        keyframe alone. A static shape changes as a whole, unless \a autoKey asks that an edit
        at another frame than its keyframe's starts the animation instead.
    */
    template<typename Change>
    void editAt(int frame, bool autoKey, Change change)
    {
        ZenubKeyframe state = stateAtFrame(frame);
        const bool keyed = isAnimated() || m_keyframes.isEmpty() ||
                           (autoKey && m_keyframes.constFirst().getFrame() != frame);
        if (!keyed)
            state.setFrame(m_keyframes.constFirst().getFrame());
        change(state);
        setKeyframe(state);
    }
    /*! The state at \a frame as a keyframe on that frame (a default box when there is none). */
    ZenubKeyframe stateAtFrame(int frame) const;

    /*! Position, size, rotation and opacity at \a frame; false when there is no keyframe. */
    bool stateAt(double frame, ZenubKeyframe* state) const;
    /*! Everything that may change between frames, at \a frame; false without keyframes. */
    bool stateAt(double frame, ZenubShapeState* state) const;

    /*! The oldest file format version that holds everything this shape uses. */
    int requiredFormatVersion() const;

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
    static ZenubShape read(const QJsonObject& object, ZenubJsonReader& reader,
                           const ZenubJsonPath& path, int depth);

    Type m_type = Type::Rectangle;
    QString m_name;
    ZenubPaint m_fill = ZenubPaint(QColor(0x3d, 0x9b, 0xe9));
    ZenubStroke m_stroke;
    double m_cornerRadius = 0;
    ZenubText m_text;
    QByteArray m_imageData;
    QString m_imageFormat;
    ZenubPath m_path;
    int m_points = 5;
    double m_innerRadius = 0.5;
    double m_roundness = 0;
    QVector<ZenubShape> m_members;
    QSizeF m_contentSize;
    QVector<ZenubKeyframe> m_keyframes;
};

#endif
