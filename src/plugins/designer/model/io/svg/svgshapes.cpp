// SPDX-License-Identifier: MIT
#include "svgshapes.h"

#include "model/io/zenub/zenubjsonreader.h"

#include <QFont>
#include <QFontMetricsF>
#include <QHash>
#include <QPointF>
#include <QRegularExpression>
#include <QXmlStreamReader>

#include <algorithm>
#include <cmath>

namespace {

const int kMaximumShapes = 10000;
const int kMaximumDepth = 64;

// What an element inherits from its groups, and the placement of the root's view box.
struct Style
{
    QHash<QString, QString> properties;
    double opacity = 1;
};

const QStringList& inheritedProperties()
{
    static const QStringList names{QStringLiteral("fill"),         QStringLiteral("fill-opacity"),
                                   QStringLiteral("stroke"),       QStringLiteral("stroke-opacity"),
                                   QStringLiteral("stroke-width"), QStringLiteral("font-size"),
                                   QStringLiteral("font-family"),  QStringLiteral("text-anchor"),
                                   QStringLiteral("visibility"),   QStringLiteral("display")};
    return names;
}

// A plain number or pixels; anything relative or in other units is refused.
bool length(const QString& text, double* value)
{
    QString number = text.trimmed();
    if (number.endsWith(QLatin1String("px")))
        number.chop(2);
    bool ok = false;
    *value = number.toDouble(&ok);
    // Beyond what a project file may hold the pasted shapes could not be saved and read back.
    return ok && std::abs(*value) <= ZenubJsonReader::coordinateLimit();
}

// An opacity: what is missing or no number is opaque.
double fraction(const QString& text)
{
    bool ok = false;
    const double value = text.toDouble(&ok);
    return ok && std::isfinite(value) ? std::clamp(value, 0.0, 1.0) : 1.0;
}

bool color(const QString& text, double opacity, QColor* result)
{
    const QString name = text.trimmed();
    if (name == QLatin1String("none") || name == QLatin1String("transparent")) {
        *result = QColor(0, 0, 0, 0);
        return true;
    }
    static const QRegularExpression rgb(
        QStringLiteral("^rgb\\(\\s*(\\d+)\\s*,\\s*(\\d+)\\s*,\\s*(\\d+)\\s*\\)$"));
    const QRegularExpressionMatch match = rgb.match(name);
    if (match.hasMatch())
        *result = QColor(std::min(255, match.captured(1).toInt()),
                         std::min(255, match.captured(2).toInt()),
                         std::min(255, match.captured(3).toInt()));
    // "#rrggbbaa" means another thing in SVG than in Qt; only the plain forms are taken.
    else if (QColor::isValidColor(name) &&
             (!name.startsWith(QLatin1Char('#')) || name.size() == 4 || name.size() == 7))
        *result = QColor(name);
    else
        return false;
    result->setAlphaF(opacity);
    return true;
}

class Reader
{
public:
    explicit Reader(const QByteArray& svg)
        : m_xml(svg)
    {}
    bool read(QVector<ZenubShape>* shapes);

private:
    bool readRoot();
    bool readElement(const Style& inherited, int depth);
    bool readShape(const QString& kind, const Style& style);
    bool readText(ZenubShape* shape, const Style& style, double x, double y);
    Style styleOf(const Style& inherited) const;
    double number(const QString& name, bool* ok) const;

    QXmlStreamReader m_xml;
    QVector<ZenubShape> m_shapes;
    double m_scaleX = 1;
    double m_scaleY = 1;
    QPointF m_origin;
};

double Reader::number(const QString& name, bool* ok) const
{
    const QStringRef text = m_xml.attributes().value(name);
    double value = 0;
    if (!text.isNull() && !length(text.toString(), &value))
        *ok = false;
    return value;
}

Style Reader::styleOf(const Style& inherited) const
{
    Style style = inherited;
    const QXmlStreamAttributes attributes = m_xml.attributes();
    for (const QString& name : inheritedProperties())
        if (attributes.hasAttribute(name))
            style.properties.insert(name, attributes.value(name).toString());
    // The style attribute wins over the presentation attributes.
    const QStringList declarations =
        attributes.value(QStringLiteral("style")).toString().split(QLatin1Char(';'));
    double opacity = fraction(attributes.value(QStringLiteral("opacity")).toString());
    for (const QString& declaration : declarations) {
        const QString name = declaration.section(QLatin1Char(':'), 0, 0).trimmed();
        const QString value = declaration.section(QLatin1Char(':'), 1).trimmed();
        if (name == QLatin1String("opacity"))
            opacity = fraction(value);
        else if (!name.isEmpty())
            style.properties.insert(name, value);
    }
    style.opacity *= opacity;
    return style;
}

bool Reader::read(QVector<ZenubShape>* shapes)
{
    if (!m_xml.readNextStartElement() || m_xml.name() != QLatin1String("svg") || !readRoot())
        return false;
    const Style root = styleOf(Style());
    while (m_xml.readNextStartElement()) {
        if (!readElement(root, 1))
            return false;
    }
    if (m_xml.hasError() || m_shapes.isEmpty())
        return false;
    *shapes = m_shapes;
    return true;
}

bool Reader::readRoot()
{
    const QXmlStreamAttributes attributes = m_xml.attributes();
    const QStringList box =
        attributes.value(QStringLiteral("viewBox"))
            .toString()
            .split(QRegularExpression(QStringLiteral("[\\s,]+")), Qt::SkipEmptyParts);
    if (box.size() != 4)
        return attributes.value(QStringLiteral("transform")).isNull();
    double width = 0;
    double height = 0;
    const double boxWidth = box.at(2).toDouble();
    const double boxHeight = box.at(3).toDouble();
    if (boxWidth <= 0 || boxHeight <= 0)
        return false;
    // A size in other units (mm, %) says nothing about pixels; the view box's units are used.
    if (length(attributes.value(QStringLiteral("width")).toString(), &width) &&
        length(attributes.value(QStringLiteral("height")).toString(), &height) && width > 0 &&
        height > 0) {
        m_scaleX = width / boxWidth;
        m_scaleY = height / boxHeight;
    }
    m_origin = QPointF(-box.at(0).toDouble() * m_scaleX, -box.at(1).toDouble() * m_scaleY);
    return true;
}

bool Reader::readElement(const Style& inherited, int depth)
{
    // Groups in groups without end would exhaust the stack; no drawing nests this deep.
    if (depth > kMaximumDepth)
        return false;
    // Editors' own data (another namespace) and descriptions draw nothing.
    const QString kind = m_xml.name().toString();
    const QStringRef space = m_xml.namespaceUri();
    if ((!space.isEmpty() && space != QLatin1String("http://www.w3.org/2000/svg")) ||
        kind == QLatin1String("title") || kind == QLatin1String("desc") ||
        kind == QLatin1String("metadata")) {
        m_xml.skipCurrentElement();
        return true;
    }
    if (!m_xml.attributes().value(QStringLiteral("transform")).isNull())
        return false;
    const Style style = styleOf(inherited);
    const bool hidden = style.properties.value(QStringLiteral("display")) == QLatin1String("none");
    if (kind == QLatin1String("g")) {
        while (m_xml.readNextStartElement())
            if (!readElement(style, depth + 1))
                return false;
        return true;
    }
    // Editors write an empty one; anything in it (gradients, patterns) we cannot show.
    if (kind == QLatin1String("defs"))
        return !m_xml.readNextStartElement();
    if (hidden) {
        m_xml.skipCurrentElement();
        return true;
    }
    if (kind == QLatin1String("rect") || kind == QLatin1String("circle") ||
        kind == QLatin1String("ellipse") || kind == QLatin1String("text"))
        return m_shapes.size() < kMaximumShapes && readShape(kind, style);
    return false;
}

bool Reader::readShape(const QString& kind, const Style& style)
{
    bool ok = true;
    const QString id = m_xml.attributes().value(QStringLiteral("id")).toString();
    QRectF box;
    ZenubShape shape;
    double radius = 0;
    if (kind == QLatin1String("rect")) {
        shape = ZenubShape(ZenubShape::Type::Rectangle, SvgShapes::tr("Rectangle"));
        box = QRectF(number(QStringLiteral("x"), &ok), number(QStringLiteral("y"), &ok),
                     number(QStringLiteral("width"), &ok), number(QStringLiteral("height"), &ok));
        const double rx = number(QStringLiteral("rx"), &ok);
        const double ry = number(QStringLiteral("ry"), &ok);
        radius = rx > 0 && ry > 0 ? std::min(rx, ry) : std::max(rx, ry);
    } else if (kind == QLatin1String("text")) {
        shape = ZenubShape(ZenubShape::Type::Text, SvgShapes::tr("Text"));
        // A list of positions places each letter; the first one places the words.
        const auto first = [this, &ok](const char* name) {
            const QString list = m_xml.attributes().value(QLatin1String(name)).toString();
            double value = 0;
            if (!list.isEmpty() && !length(list.section(QLatin1Char(' '), 0, 0), &value))
                ok = false;
            return value;
        };
        const double x = first("x");
        const double y = first("y");
        if (!readText(&shape, style, x, y))
            return false;
        box = QRectF(shape.getKeyframes().constFirst().getX(),
                     shape.getKeyframes().constFirst().getY(),
                     shape.getKeyframes().constFirst().getWidth(),
                     shape.getKeyframes().constFirst().getHeight());
    } else {
        shape = ZenubShape(ZenubShape::Type::Ellipse, SvgShapes::tr("Ellipse"));
        const double r = number(QStringLiteral("r"), &ok);
        const double rx = kind == QLatin1String("circle") ? r : number(QStringLiteral("rx"), &ok);
        const double ry = kind == QLatin1String("circle") ? r : number(QStringLiteral("ry"), &ok);
        box = QRectF(number(QStringLiteral("cx"), &ok) - rx, number(QStringLiteral("cy"), &ok) - ry,
                     2 * rx, 2 * ry);
    }
    if (kind != QLatin1String("text"))
        m_xml.skipCurrentElement();
    if (!id.isEmpty())
        shape.setName(id);

    QColor fill;
    QColor stroke;
    double strokeWidth = 1;
    const auto value = [&style](const char* name, const char* fallback) {
        return style.properties.value(QLatin1String(name), QLatin1String(fallback));
    };
    if (!ok || box.width() < 0 || box.height() < 0 ||
        !color(value("fill", "black"), fraction(value("fill-opacity", "1")), &fill) ||
        !color(value("stroke", "none"), fraction(value("stroke-opacity", "1")), &stroke) ||
        !length(value("stroke-width", "1"), &strokeWidth))
        return false;
    if (value("visibility", "visible") != QLatin1String("visible") || box.isEmpty())
        return true;
    shape.setFillColor(fill);
    // An outline that is not drawn keeps the default colour, as a saved file would give back.
    if (stroke.alpha() > 0 && strokeWidth > 0) {
        shape.setStrokeColor(stroke);
        shape.setStrokeWidth(strokeWidth * m_scaleY);
    }
    shape.setCornerRadius(radius * std::min(m_scaleX, m_scaleY));
    shape.setFontSize(shape.getFontSize() * m_scaleY);
    ZenubKeyframe keyframe(0, m_origin.x() + box.x() * m_scaleX, m_origin.y() + box.y() * m_scaleY,
                           box.width() * m_scaleX, box.height() * m_scaleY);
    const double limit = ZenubJsonReader::coordinateLimit();
    for (const double value : {keyframe.getX(), keyframe.getY(), keyframe.getWidth(),
                               keyframe.getHeight(), shape.getStrokeWidth(), shape.getFontSize()})
        if (!(std::abs(value) <= limit))
            return false;
    keyframe.setOpacity(style.opacity);
    shape.setKeyframe(keyframe);
    m_shapes.append(shape);
    return true;
}

// SVG places text on its baseline from x on; our texts are centred in their box, so the box
// is made to fit the words exactly.
bool Reader::readText(ZenubShape* shape, const Style& style, double x, double y)
{
    QString text;
    while (!m_xml.atEnd()) {
        const QXmlStreamReader::TokenType token = m_xml.readNext();
        if (token == QXmlStreamReader::Characters)
            text += m_xml.text();
        else if (token == QXmlStreamReader::EndElement && m_xml.name() == QLatin1String("text"))
            break;
        // Spans may restyle or move part of the words, which one shape cannot show.
        else if (token == QXmlStreamReader::StartElement)
            return false;
    }
    double size = 16;
    if (!length(style.properties.value(QStringLiteral("font-size"), QStringLiteral("16")), &size) ||
        size <= 0)
        return false;
    QString family = style.properties.value(QStringLiteral("font-family"))
                         .section(QLatin1Char(','), 0, 0)
                         .trimmed()
                         .remove(QLatin1Char('"'))
                         .remove(QLatin1Char('\''));
    if (!family.isEmpty())
        shape->setFontFamily(family);
    shape->setText(text.simplified());
    shape->setFontSize(size);
    QFont font(shape->getFontFamily());
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(std::max(1, int(size)));
    const QFontMetricsF metrics(font);
    const double width = metrics.horizontalAdvance(shape->getText());
    const QString anchor = style.properties.value(QStringLiteral("text-anchor"));
    const double start = anchor == QLatin1String("middle") ? x - width / 2
                         : anchor == QLatin1String("end")  ? x - width
                                                           : x;
    shape->setKeyframe(ZenubKeyframe(0, start, y - metrics.ascent(), width, metrics.height()));
    return true;
}

} // namespace

bool SvgShapes::convert(const QByteArray& svg, QVector<ZenubShape>* shapes)
{
    return Reader(svg).read(shapes);
}
