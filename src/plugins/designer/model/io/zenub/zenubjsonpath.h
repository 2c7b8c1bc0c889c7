// SPDX-License-Identifier: MIT
#ifndef ZENUBJSONPATH_H
#define ZENUBJSONPATH_H

#include <QLatin1String>
#include <QString>

/*!
    Where a value sits in a project document ("project.scenes[1].name"), kept as a chain of
    stack frames so that the text is built only when an error names it: a large project has
    hundreds of thousands of fields and almost never an error.

    A path refers to its parent and root text without copying them; it must not outlive them.
*/
class ZenubJsonPath
{
public:
    explicit ZenubJsonPath(const QString& root)
        : m_root(&root)
    {}
    ZenubJsonPath(const ZenubJsonPath& parent, QLatin1String key)
        : m_parent(&parent)
        , m_key(key)
    {}
    ZenubJsonPath(const ZenubJsonPath& parent, int index)
        : m_parent(&parent)
        , m_index(index)
    {}

    QString toString() const;
    /*! Text of \a key below this path. */
    QString child(QLatin1String key) const;

private:
    const ZenubJsonPath* m_parent = nullptr;
    const QString* m_root = nullptr;
    QLatin1String m_key;
    int m_index = -1;
};

#endif
