// SPDX-License-Identifier: MIT
#include "zenubjsonkeys.h"

#include <QCborMap>
#include <QJsonObject>

#include <algorithm>
#include <numeric>

ZenubJsonKeys::ZenubJsonKeys(std::initializer_list<QLatin1String> names)
    : m_names(names)
    , m_follows(new std::atomic<int>[names.size() + 1])
{
    m_sortedIndex.resize(m_names.size());
    std::iota(m_sortedIndex.begin(), m_sortedIndex.end(), 0);
    std::sort(m_sortedIndex.begin(), m_sortedIndex.end(),
              [this](int a, int b) { return QString(m_names.at(a)) < QString(m_names.at(b)); });
    for (const int index : qAsConst(m_sortedIndex))
        m_sorted.append(QCborValue(QString(m_names.at(index))));
    // Until objects are seen, the names are expected in order, all present.
    for (int i = 0; i <= m_names.size(); ++i)
        m_follows[i].store(i + 1 < m_names.size() ? i + 1 : 0, std::memory_order_relaxed);
}

ZenubJsonKeys::Found ZenubJsonKeys::find(const QJsonObject& object) const
{
    const int count = m_sorted.size();
    Found found;
    found.m_object = object;
    found.m_positions.resize(count);
    std::fill(found.m_positions.begin(), found.m_positions.end(), -1);
    int* positions = found.m_positions.data();
    // The map shares the object's data, so its keys compare without being copied.
    const QCborMap map = QCborMap::fromJsonObject(object);
    int previous = count;
    int position = 0;
    for (auto it = map.constBegin(), end = map.constEnd(); it != end; ++it, ++position) {
        const QCborValue key = it.key();
        std::atomic<int>& follows = m_follows[previous];
        const int guess = follows.load(std::memory_order_relaxed);
        int candidate = guess;
        for (int tried = 0; tried < count; ++tried) {
            if (key == m_sorted.at(candidate)) {
                positions[m_sortedIndex.at(candidate)] = position;
                if (candidate != guess)
                    follows.store(candidate, std::memory_order_relaxed);
                previous = candidate;
                break;
            }
            if (++candidate == count)
                candidate = 0;
        }
    }
    return found;
}
