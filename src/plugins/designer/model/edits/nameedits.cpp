// SPDX-License-Identifier: MIT
#include "nameedits.h"

#include "model/project/zenubscene.h"

#include <QRegularExpression>

#include <algorithm>

namespace {

void collect(const QVector<ZenubShape>& shapes, QSet<QString>* names)
{
    for (const ZenubShape& shape : shapes) {
        names->insert(shape.getName());
        collect(shape.getMembers(), names);
    }
}

// The translated pattern as a regular expression: %1 the name, %2 the number.
QRegularExpression patternOf(const QString& pattern)
{
    static const QRegularExpression placeholder(QStringLiteral("%([12])"));
    QString expression;
    int from = 0;
    QRegularExpressionMatchIterator it = placeholder.globalMatch(pattern);
    while (it.hasNext()) {
        const QRegularExpressionMatch match = it.next();
        expression += QRegularExpression::escape(pattern.mid(from, match.capturedStart() - from));
        expression += match.captured(1) == QLatin1String("1") ? QStringLiteral("(.*)")
                                                              : QStringLiteral("([0-9]+)");
        from = match.capturedEnd();
    }
    expression += QRegularExpression::escape(pattern.mid(from));
    return QRegularExpression(QLatin1Char('^') + expression + QLatin1Char('$'));
}

} // namespace

QSet<QString> NameEdits::namesIn(const ZenubScene& scene)
{
    QSet<QString> names;
    for (const ZenubLayer& layer : scene.getLayers())
        collect(layer.getShapes(), &names);
    return names;
}

QString NameEdits::numbered(const QSet<QString>& taken, const QString& base, int from)
{
    for (int n = std::max(1, from);; ++n) {
        const QString name = tr("%1 %2").arg(base, QString::number(n));
        if (!taken.contains(name))
            return name;
    }
}

QString NameEdits::copyName(const QSet<QString>& taken, const QString& name)
{
    const QString single = tr("%1 copy");
    const QString counted = tr("%1 copy %2");
    QString base = name;
    QRegularExpressionMatch match = patternOf(counted).match(name);
    if (match.hasMatch()) {
        base = match.captured(1);
    } else {
        match = patternOf(single).match(name);
        if (match.hasMatch())
            base = match.captured(1);
    }
    const QString first = single.arg(base);
    if (!taken.contains(first))
        return first;
    for (int n = 2;; ++n) {
        const QString next = counted.arg(base, QString::number(n));
        if (!taken.contains(next))
            return next;
    }
}

void NameEdits::makeUnique(const ZenubScene& scene, QVector<ZenubShape>& shapes, bool always)
{
    QSet<QString> taken = namesIn(scene);
    for (ZenubShape& shape : shapes) {
        if (always || taken.contains(shape.getName()))
            shape.setName(copyName(taken, shape.getName()));
        taken.insert(shape.getName());
    }
}
