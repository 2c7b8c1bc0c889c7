// SPDX-License-Identifier: MIT
#ifndef ZENUBJSONKEYS_H
#define ZENUBJSONKEYS_H

#include <QCborValue>
#include <QJsonObject>
#include <QJsonValue>
#include <QLatin1String>
#include <QVarLengthArray>
#include <QVector>

#include <atomic>
#include <initializer_list>
#include <memory>

/*!
    The member names one kind of object is read with, kept in a form that matches an object's
    keys without copying each key into a QString: a large project has hundreds of thousands of
    keys, and those copies were most of the time spent on them.
*/
class ZenubJsonKeys
{
public:
    ZenubJsonKeys(std::initializer_list<QLatin1String> names);
    ZenubJsonKeys(const ZenubJsonKeys&) = delete;
    ZenubJsonKeys& operator=(const ZenubJsonKeys&) = delete;

    int size() const { return m_names.size(); }
    QLatin1String operator[](int index) const { return m_names.at(index); }

    /*! The members of one object that these names found, read by the names' index. */
    class Found
    {
    public:
        /*! The member named keys[\a field], undefined when the object has none. */
        QJsonValue operator()(int field) const
        {
            const int position = m_positions[field];
            return position < 0 ? QJsonValue(QJsonValue::Undefined)
                                : (m_object.constBegin() + position).value();
        }

    private:
        friend class ZenubJsonKeys;
        QJsonObject m_object;
        QVarLengthArray<int, 16> m_positions;
    };

    /*! Finds the members of \a object named here, in one pass over its members. */
    Found find(const QJsonObject& object) const;

private:
    QVector<QLatin1String> m_names;
    // The names as CBOR strings, in the order QJsonObject keeps its keys.
    QVector<QCborValue> m_sorted;
    QVector<int> m_sortedIndex;
    // Which name followed which in the last object read (by sorted index; the last entry is for
    // the first member): objects of one kind nearly always have the same members, so a key
    // usually matches the first name tried. Only a guess, so sharing it between threads is safe.
    std::unique_ptr<std::atomic<int>[]> m_follows;
};

#endif
