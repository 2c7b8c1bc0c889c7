// SPDX-License-Identifier: MIT
#include "zenubstroke.h"

#include <numeric>

bool ZenubStroke::isDashed() const
{
    return std::accumulate(m_dashes.cbegin(), m_dashes.cend(), 0.0) >= minimumDashPattern();
}

bool ZenubStroke::isPlain() const
{
    const ZenubStroke defaults;
    return m_paint.isPlainColor() && m_cap == defaults.m_cap && m_join == defaults.m_join &&
           m_miterLimit == defaults.m_miterLimit && m_dashes.isEmpty() &&
           m_dashOffset == defaults.m_dashOffset;
}

QString ZenubStroke::capName(Cap cap)
{
    switch (cap) {
    case Cap::Flat:
        return QStringLiteral("flat");
    case Cap::Square:
        return QStringLiteral("square");
    case Cap::Round:
        return QStringLiteral("round");
    }
    return QString();
}

QString ZenubStroke::joinName(Join join)
{
    switch (join) {
    case Join::Miter:
        return QStringLiteral("miter");
    case Join::Bevel:
        return QStringLiteral("bevel");
    case Join::Round:
        return QStringLiteral("round");
    }
    return QString();
}

bool ZenubStroke::operator==(const ZenubStroke& other) const
{
    return m_paint == other.m_paint && m_width == other.m_width && m_cap == other.m_cap &&
           m_join == other.m_join && m_miterLimit == other.m_miterLimit &&
           m_dashes == other.m_dashes && m_dashOffset == other.m_dashOffset;
}
