// SPDX-License-Identifier: MIT
#ifndef ZENUBGUIDES_H
#define ZENUBGUIDES_H

#include <QJsonObject>
#include <QVector>
#include <Qt>

class ZenubJsonPath;
class ZenubJsonReader;
class ZenubJsonWriter;

/*!
    The guide lines the user pulled from the rulers over the stage, in stage pixels: horizontal
    lines at their heights, vertical lines at their distances from the left edge. They help to
    place shapes and never show in an output.
*/
class ZenubGuides
{
public:
    /*! Where the lines running along \a orientation lie. */
    const QVector<double>& positions(Qt::Orientation orientation) const
    {
        return orientation == Qt::Horizontal ? m_horizontal : m_vertical;
    }
    QVector<double>& positions(Qt::Orientation orientation)
    {
        return orientation == Qt::Horizontal ? m_horizontal : m_vertical;
    }
    bool isEmpty() const { return m_horizontal.isEmpty() && m_vertical.isEmpty(); }

    QJsonObject toJson() const;
    void write(ZenubJsonWriter& writer) const;
    static ZenubGuides fromJson(const QJsonValue& value, ZenubJsonReader& reader,
                                const ZenubJsonPath& path);

    bool operator==(const ZenubGuides& other) const
    {
        return m_horizontal == other.m_horizontal && m_vertical == other.m_vertical;
    }
    bool operator!=(const ZenubGuides& other) const { return !(*this == other); }

private:
    QVector<double> m_horizontal;
    QVector<double> m_vertical;
};

#endif
