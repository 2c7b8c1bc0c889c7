// SPDX-License-Identifier: MIT
#include "svgstyle.h"

#include "model/io/zenub/zenubjsonreader.h"

#include <QRegularExpression>
#include <QStringList>

#include <algorithm>
#include <cmath>

namespace {

const QStringList& inheritedProperties()
{
    static const QStringList names{QStringLiteral("fill"),
                                   QStringLiteral("fill-opacity"),
                                   QStringLiteral("fill-rule"),
                                   QStringLiteral("stroke"),
                                   QStringLiteral("stroke-opacity"),
                                   QStringLiteral("stroke-width"),
                                   QStringLiteral("stroke-linecap"),
                                   QStringLiteral("stroke-linejoin"),
                                   QStringLiteral("stroke-miterlimit"),
                                   QStringLiteral("stroke-dasharray"),
                                   QStringLiteral("stroke-dashoffset"),
                                   QStringLiteral("font-size"),
                                   QStringLiteral("font-family"),
                                   QStringLiteral("font-weight"),
                                   QStringLiteral("font-style"),
                                   QStringLiteral("text-anchor"),
                                   QStringLiteral("visibility"),
                                   QStringLiteral("color"),
                                   QStringLiteral("stop-color"),
                                   QStringLiteral("stop-opacity"),
                                   QStringLiteral("display"),
                                   QStringLiteral("marker-start"),
                                   QStringLiteral("marker-mid"),
                                   QStringLiteral("marker-end")};
    return names;
}

// Properties that draw more than shapes can, unless they are "none".
const QStringList& refusedProperties()
{
    static const QStringList names{QStringLiteral("clip-path"),     QStringLiteral("mask"),
                                   QStringLiteral("filter"),        QStringLiteral("marker-start"),
                                   QStringLiteral("marker-mid"),    QStringLiteral("marker-end"),
                                   QStringLiteral("marker"),        QStringLiteral("transform"),
                                   QStringLiteral("mix-blend-mode")};
    return names;
}

} // namespace

SvgStyle::SvgStyle(const SvgStyle& inherited, const SvgDocument::Element& element)
{
    // Not inherited: a hidden group hides its members by not drawing them.
    m_properties = inherited.m_properties;
    m_properties.remove(QStringLiteral("display"));
    m_properties.remove(QStringLiteral("stop-color"));
    m_properties.remove(QStringLiteral("stop-opacity"));
    QHash<QString, QString> own;
    for (const QString& name : inheritedProperties())
        if (element.has(name))
            own.insert(name, element.attribute(name));
    for (const QString& name : refusedProperties())
        if (name != QLatin1String("transform") && element.has(name))
            own.insert(name, element.attribute(name));
    if (element.has(QStringLiteral("opacity")))
        own.insert(QStringLiteral("opacity"), element.attribute(QStringLiteral("opacity")));
    // The style attribute wins over the presentation attributes.
    const QStringList declarations =
        element.attribute(QStringLiteral("style")).split(QLatin1Char(';'));
    for (const QString& declaration : declarations) {
        const QString name = declaration.section(QLatin1Char(':'), 0, 0).trimmed();
        QString value = declaration.section(QLatin1Char(':'), 1).trimmed();
        if (value.endsWith(QLatin1String("!important")))
            value = value.chopped(10).trimmed();
        if (!name.isEmpty())
            own.insert(name, value);
    }
    for (auto it = own.cbegin(); it != own.cend(); ++it) {
        if (refusedProperties().contains(it.key()))
            m_refused = m_refused || (it.value() != QLatin1String("none") && !it.value().isEmpty());
        else if (it.key() == QLatin1String("opacity"))
            m_opacity = fraction(it.value());
        // A property set to inherit keeps the inherited value.
        else if (it.value() != QLatin1String("inherit"))
            m_properties.insert(it.key(), it.value());
    }
}

QString SvgStyle::value(const char* name, const char* fallback) const
{
    return m_properties.value(QLatin1String(name), QLatin1String(fallback));
}

bool SvgStyle::isHidden() const
{
    return value("display") == QLatin1String("none") ||
           value("visibility", "visible") != QLatin1String("visible");
}

bool SvgStyle::length(const QString& text, double* value)
{
    QString number = text.trimmed();
    if (number.endsWith(QLatin1String("px")))
        number.chop(2);
    bool ok = false;
    *value = number.toDouble(&ok);
    // Beyond what a project file may hold the pasted shapes could not be saved and read back.
    return ok && std::abs(*value) <= ZenubJsonReader::coordinateLimit();
}

double SvgStyle::fraction(const QString& text)
{
    QString number = text.trimmed();
    const bool percent = number.endsWith(QLatin1Char('%'));
    if (percent)
        number.chop(1);
    bool ok = false;
    const double value = number.toDouble(&ok) / (percent ? 100 : 1);
    return ok && std::isfinite(value) ? std::clamp(value, 0.0, 1.0) : 1.0;
}

bool SvgStyle::color(const QString& text, double opacity, const QString& current, QColor* result)
{
    const QString name = text.trimmed();
    if (name == QLatin1String("none") || name == QLatin1String("transparent")) {
        *result = QColor(0, 0, 0, 0);
        return true;
    }
    if (name == QLatin1String("currentColor"))
        return current != name &&
               color(current.isEmpty() ? QStringLiteral("black") : current, opacity, name, result);
    static const QRegularExpression rgb(
        QStringLiteral("^rgba?\\(\\s*([\\d.]+)(%?)\\s*,\\s*([\\d.]+)(%?)\\s*,\\s*([\\d.]+)(%?)\\s*"
                       "(?:,\\s*([\\d.]+)(%?)\\s*)?\\)$"));
    const QRegularExpressionMatch match = rgb.match(name);
    double alpha = 1;
    if (match.hasMatch()) {
        int channels[3];
        for (int i = 0; i < 3; ++i) {
            const double value = match.captured(1 + 2 * i).toDouble();
            const bool percent = !match.captured(2 + 2 * i).isEmpty();
            channels[i] = int(std::lround(std::clamp(percent ? value * 2.55 : value, 0.0, 255.0)));
        }
        *result = QColor(channels[0], channels[1], channels[2]);
        if (!match.captured(7).isEmpty())
            alpha = fraction(match.captured(7) + match.captured(8));
    }
    // "#rrggbbaa" means another thing in SVG than in Qt; only the plain forms are taken.
    else if (QColor::isValidColor(name) &&
             (!name.startsWith(QLatin1Char('#')) || name.size() == 4 || name.size() == 7))
        *result = QColor(name);
    else
        return false;
    // In the steps a project file keeps.
    result->setAlpha(int(std::lround(std::clamp(opacity * alpha, 0.0, 1.0) * 255)));
    return true;
}
