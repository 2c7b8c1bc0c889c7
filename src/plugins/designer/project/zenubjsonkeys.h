#ifndef ZENUBJSONKEYS_H
#define ZENUBJSONKEYS_H

#include <QCborValue>
#include <QLatin1String>
#include <QVector>

#include <atomic>
#include <initializer_list>
#include <memory>

class QJsonObject;

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

    /*!
        Finds the members of \a object named here in one pass over its members: each entry of
        \a positions (size() of them) gets the member's position in \a object, or -1 when it is
        absent.
    */
    void find(const QJsonObject& object, int* positions) const;

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
