// SPDX-License-Identifier: MIT
#include "zenubjsonpath.h"

#include "zenubjsonreader.h"

QString ZenubJsonPath::toString() const
{
    if (m_root)
        return *m_root;
    if (m_index >= 0)
        return ZenubJsonReader::element(m_parent->toString(), m_index);
    return m_parent->child(m_key);
}

QString ZenubJsonPath::child(QLatin1String key) const
{
    return ZenubJsonReader::child(toString(), QString(key));
}
