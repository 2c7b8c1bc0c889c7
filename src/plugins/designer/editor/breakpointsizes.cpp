// SPDX-License-Identifier: MIT
#include "breakpointsizes.h"

#include <documents/documentmanager.h>

#include <QCoreApplication>

#include <algorithm>
#include <cmath>

namespace {

QVector<int> checked(const BreakpointSizes::Breakpoints& breakpoints)
{
    QVector<int> values;
    for (const auto& breakpoint : breakpoints)
        if (breakpoint.second && breakpoint.first > 0 && !values.contains(breakpoint.first))
            values.append(breakpoint.first);
    std::sort(values.begin(), values.end());
    return values;
}

int proportional(int value, int numerator, int denominator)
{
    return std::max(1, int(std::lround(double(value) * numerator / denominator)));
}

} // namespace

QVector<QSize> BreakpointSizes::sizes(const Breakpoints& horizontal, const Breakpoints& vertical,
                                      const QSize& aspect)
{
    const QVector<int> widths = checked(horizontal);
    const QVector<int> heights = checked(vertical);
    const QSize shape = aspect.isEmpty() ? QSize(16, 9) : aspect;
    QVector<QSize> result;
    if (!widths.isEmpty() && !heights.isEmpty()) {
        for (int width : widths)
            for (int height : heights)
                result.append(QSize(width, height));
    } else {
        for (int width : widths)
            result.append(QSize(width, proportional(width, shape.height(), shape.width())));
        for (int height : heights)
            result.append(QSize(proportional(height, shape.width(), shape.height()), height));
    }
    return result;
}

QVector<QSize> BreakpointSizes::current(const QSize& aspect)
{
    DocumentManager::Breakpoints horizontal;
    DocumentManager::Breakpoints vertical;
    if (DocumentManager::getInstance())
        DocumentManager::initBreakpoints(horizontal, vertical, false);
    return sizes(horizontal, vertical, aspect);
}

QString BreakpointSizes::label(const QSize& size)
{
    return QCoreApplication::translate("BreakpointSizes", "%1 × %2")
        .arg(size.width())
        .arg(size.height());
}
