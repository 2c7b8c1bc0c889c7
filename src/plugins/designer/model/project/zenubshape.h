// SPDX-License-Identifier: MIT
#ifndef ZENUBSHAPE_H
#define ZENUBSHAPE_H

#include "zenubkeyframe.h"

#include <QByteArray>
#include <QColor>
#include <QJsonObject>
#include <QString>
#include <QStringList>
#include <QVector>

/*!
    A drawn element of a layer: a rectangle, an ellipse, a line of text or an image, filled
    with one colour, optionally outlined, and moved by its keyframes. Keyframes are kept in
    frame order. A shape with fewer than two keyframes is static: it holds its one state for
    the whole scene.
*/
class ZenubShape
{
public:
    enum class Type { Rectangle, Ellipse, Text, Image };

    ZenubShape() = default;
    ZenubShape(Type type, const QString& name);

    Type getType() const { return m_type; }
    void setType(Type type) { m_type = type; }
    QString getName() const { return m_name; }
    void setName(const QString& name) { m_name = name; }
    QColor getFillColor() const { return m_fillColor; }
    void setFillColor(const QColor& color) { m_fillColor = color; }
    /*! The words a text shape shows; other shapes ignore it. */
    QString getText() const { return m_text; }
    void setText(const QString& text) { m_text = text; }
    /*! An outline of width 0 is not drawn. */
    QColor getStrokeColor() const { return m_strokeColor; }
    void setStrokeColor(const QColor& color) { m_strokeColor = color; }
    double getStrokeWidth() const { return m_strokeWidth; }
    void setStrokeWidth(double pixels) { m_strokeWidth = pixels; }
    /*! Rounds the corners of rectangles; other shapes ignore it. */
    double getCornerRadius() const { return m_cornerRadius; }
    void setCornerRadius(double pixels) { m_cornerRadius = pixels; }
    QString getFontFamily() const { return m_fontFamily; }
    void setFontFamily(const QString& family) { m_fontFamily = family; }
    /*! In stage pixels; 0 sizes the text to fit its box. */
    double getFontSize() const { return m_fontSize; }
    void setFontSize(double pixels) { m_fontSize = pixels; }
    /*! The encoded picture of an image shape (PNG, JPEG or SVG), kept in the project file. */
    QByteArray getImageData() const { return m_imageData; }
    void setImageData(const QByteArray& data) { m_imageData = data; }
    /*! "png", "jpeg" or "svg". */
    QString getImageFormat() const { return m_imageFormat; }
    void setImageFormat(const QString& format) { m_imageFormat = format; }
    static QStringList imageFormats();

    const QVector<ZenubKeyframe>& getKeyframes() const { return m_keyframes; }
    /*! Inserts \a keyframe in frame order, replacing one already at its frame. */
    void setKeyframe(const ZenubKeyframe& keyframe);
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

    static QString typeName(Type type);
    static bool typeFromName(const QString& name, Type* type);

    QJsonObject toJson() const;
    /*! Writes the same members as toJson() gives. */
    void write(ZenubJsonWriter& writer) const;
    static ZenubShape fromJson(const QJsonObject& object, ZenubJsonReader& reader,
                               const QString& path);
    static ZenubShape fromJson(const QJsonObject& object, ZenubJsonReader& reader,
                               const ZenubJsonPath& path);

    bool operator==(const ZenubShape& other) const;
    bool operator!=(const ZenubShape& other) const { return !(*this == other); }

private:
    Type m_type = Type::Rectangle;
    QString m_name;
    QColor m_fillColor = QColor(0x3d, 0x9b, 0xe9);
    QString m_text;
    QColor m_strokeColor = QColor(Qt::black);
    double m_strokeWidth = 0;
    double m_cornerRadius = 0;
    QString m_fontFamily = QStringLiteral("sans-serif");
    double m_fontSize = 0;
    QByteArray m_imageData;
    QString m_imageFormat;
    QVector<ZenubKeyframe> m_keyframes;
};

#endif
