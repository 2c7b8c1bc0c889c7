#ifndef ZENUBSHAPE_H
#define ZENUBSHAPE_H

#include "zenubkeyframe.h"

#include <QColor>
#include <QJsonObject>
#include <QString>
#include <QVector>

/*!
    A drawn element of a layer: a rectangle, an ellipse or a line of text, filled with one
    colour and moved by its keyframes. Keyframes are kept in frame order.
*/
class ZenubShape
{
public:
    enum class Type { Rectangle, Ellipse, Text };

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

    const QVector<ZenubKeyframe>& getKeyframes() const { return m_keyframes; }
    /*! Inserts \a keyframe in frame order, replacing one already at its frame. */
    void setKeyframe(const ZenubKeyframe& keyframe);
    bool removeKeyframe(int frame);

    /*! Position, size, rotation and opacity at \a frame; false when there is no keyframe. */
    bool stateAt(double frame, ZenubKeyframe* state) const;

    static QString typeName(Type type);
    static bool typeFromName(const QString& name, Type* type);

    QJsonObject toJson() const;
    static ZenubShape fromJson(const QJsonObject& object, ZenubJsonReader& reader,
                               const QString& path);

    bool operator==(const ZenubShape& other) const;
    bool operator!=(const ZenubShape& other) const { return !(*this == other); }

private:
    Type m_type = Type::Rectangle;
    QString m_name;
    QColor m_fillColor = QColor(0x3d, 0x9b, 0xe9);
    QString m_text;
    QVector<ZenubKeyframe> m_keyframes;
};

#endif
