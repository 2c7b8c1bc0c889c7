#include "zenubjsonkeys.h"

#include <QCborMap>
#include <QJsonObject>

#include <algorithm>
#include <numeric>

ZenubJsonKeys::ZenubJsonKeys(std::initializer_list<QLatin1String> names)
    : m_names(names)
{
    m_sortedIndex.resize(m_names.size());
    std::iota(m_sortedIndex.begin(), m_sortedIndex.end(), 0);
    std::sort(m_sortedIndex.begin(), m_sortedIndex.end(),
              [this](int a, int b) { return QString(m_names.at(a)) < QString(m_names.at(b)); });
    for (const int index : qAsConst(m_sortedIndex))
        m_sorted.append(QCborValue(QString(m_names.at(index))));
}

void ZenubJsonKeys::find(const QJsonObject& object, int* positions) const
{
    const int count = m_sorted.size();
    std::fill(positions, positions + count, -1);
    // The map shares the object's data, so its keys compare without being copied.
    const QCborMap map = QCborMap::fromJsonObject(object);
    int next = 0;
    int position = 0;
    for (auto it = map.constBegin(), end = map.constEnd(); it != end; ++it, ++position) {
        const QCborValue key = it.key();
        // Both sides are sorted alike, so the next name expected is nearly always the one.
        for (int tried = 0; tried < count; ++tried) {
            const int candidate = (next + tried) % count;
            if (key == m_sorted.at(candidate)) {
                positions[m_sortedIndex.at(candidate)] = position;
                next = candidate + 1;
                break;
            }
        }
    }
}
