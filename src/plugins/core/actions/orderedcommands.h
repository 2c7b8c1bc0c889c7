// SPDX-License-Identifier: MIT
#ifndef ORDEREDCOMMANDS_H
#define ORDEREDCOMMANDS_H

#include <QtGlobal>

#include <vector>

class ContextAction;

/*!
    Commands kept in the order of their first registration, in one flat array, so that a focus
    switch walks them without chasing tree nodes. A removed command leaves a hole (a null
    command) until holes are half the array.
*/
class OrderedCommands
{
public:
    struct Entry
    {
        quint64 order;
        ContextAction* command;
    };

    void insert(quint64 order, ContextAction* command);
    void remove(quint64 order);
    void clear();
    bool isEmpty() const { return int(m_entries.size()) == m_holes; }
    /*! The entries by order; skip those whose command is null. */
    const std::vector<Entry>& entries() const { return m_entries; }

private:
    std::vector<Entry>::iterator find(quint64 order);

    std::vector<Entry> m_entries;
    int m_holes = 0;
};

#endif
