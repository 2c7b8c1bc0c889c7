// SPDX-License-Identifier: MIT
#ifndef BREAKPOINTSIZES_H
#define BREAKPOINTSIZES_H

#include <QList>
#include <QPair>
#include <QSize>
#include <QVector>

/*!
    The stage sizes the checked breakpoints of the preferences stand for: every checked width
    with every checked height; where only widths (or only heights) are checked, each keeps the
    proportions of \a aspect. New Project offers them as presets and Preview in Browser as sizes.
*/
class BreakpointSizes
{
public:
    using Breakpoints = QList<QPair<int, bool>>;

    static QVector<QSize> sizes(const Breakpoints& horizontal, const Breakpoints& vertical,
                                const QSize& aspect);
    /*! The sizes for the breakpoints stored in the preferences. */
    static QVector<QSize> current(const QSize& aspect);
    /*! "375 × 211", as menus and lists show a size. */
    static QString label(const QSize& size);
};

#endif
