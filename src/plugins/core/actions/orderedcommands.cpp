// SPDX-License-Identifier: MIT
#include "orderedcommands.h"

#include <algorithm>

std::vector<OrderedCommands::Entry>::iterator OrderedCommands::find(quint64 order)
{
    return std::lower_bound(m_entries.begin(), m_entries.end(), order,
                            [](const Entry& entry, quint64 key) { return entry.order < key; });
}

void OrderedCommands::insert(quint64 order, ContextAction* command)
{
    // Registrations come in order, so this is nearly always an append.
    if (m_entries.empty() || m_entries.back().order < order) {
        m_entries.push_back({order, command});
        return;
    }
    const auto it = find(order);
    if (it != m_entries.end() && it->order == order) {
        if (!it->command)
            --m_holes;
        it->command = command;
    } else {
        m_entries.insert(it, {order, command});
    }
}

void OrderedCommands::remove(quint64 order)
{
    const auto it = find(order);
    if (it == m_entries.end() || it->order != order || !it->command)
        return;
    it->command = nullptr;
    if (++m_holes * 2 < int(m_entries.size()))
        return;
    m_entries.erase(std::remove_if(m_entries.begin(), m_entries.end(),
                                   [](const Entry& entry) { return !entry.command; }),
                    m_entries.end());
    m_holes = 0;
}

void OrderedCommands::clear()
{
    m_entries.clear();
    m_holes = 0;
}
