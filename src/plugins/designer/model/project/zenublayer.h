// SPDX-License-Identifier: MIT
#ifndef ZENUBLAYER_H
#define ZENUBLAYER_H

#include "zenubshape.h"

#include <QJsonObject>
#include <QString>
#include <QVector>

/*!
    One level of a scene's drawing order. Layers later in the scene's list are drawn on top,
    and so are shapes later in a layer's list. A hidden layer is kept but not drawn.
*/
class ZenubLayer
{
public:
    ZenubLayer() = default;
    explicit ZenubLayer(const QString& name);

    QString getName() const { return m_name; }
    void setName(const QString& name) { m_name = name; }
    bool isVisible() const { return m_bVisible; }
    void setVisible(bool bVisible) { m_bVisible = bVisible; }
    /*! A locked layer is drawn but its shapes cannot be picked on the stage. */
    bool isLocked() const { return m_bLocked; }
    void setLocked(bool bLocked) { m_bLocked = bLocked; }

    const QVector<ZenubShape>& getShapes() const { return m_shapes; }
    QVector<ZenubShape>& shapes() { return m_shapes; }
    void addShape(const ZenubShape& shape) { m_shapes.append(shape); }

    QJsonObject toJson() const;
    /*! Writes the same members as toJson() gives. */
    void write(ZenubJsonWriter& writer) const;
    static ZenubLayer fromJson(const QJsonObject& object, ZenubJsonReader& reader,
                               const ZenubJsonPath& path);

    bool operator==(const ZenubLayer& other) const;
    bool operator!=(const ZenubLayer& other) const { return !(*this == other); }

private:
    QString m_name;
    bool m_bVisible = true;
    bool m_bLocked = false;
    QVector<ZenubShape> m_shapes;
};

#endif
