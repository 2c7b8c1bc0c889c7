// SPDX-License-Identifier: MIT
#include "shapesvgwriter.h"

#include "model/project/zenubshape.h"
#include "model/render/shapegeometry.h"
#include "model/render/textlayout.h"

#include <QPainterPath>
#include <QXmlStreamWriter>

#include <algorithm>
#include <cmath>

namespace {

QString number(double value)
{
    return QString::number(value, 'g', 10);
}

QPointF place(const QPointF& relative, const QRectF& box)
{
    return QPointF(box.x() + relative.x() * box.width(), box.y() + relative.y() * box.height());
}

QString pathData(const QPainterPath& path)
{
    QStringList parts;
    for (int i = 0; i < path.elementCount(); ++i) {
        const QPainterPath::Element element = path.elementAt(i);
        switch (element.type) {
        case QPainterPath::MoveToElement:
            parts << QStringLiteral("M%1 %2").arg(number(element.x), number(element.y));
            break;
        case QPainterPath::LineToElement:
            parts << QStringLiteral("L%1 %2").arg(number(element.x), number(element.y));
            break;
        case QPainterPath::CurveToElement: {
            const QPainterPath::Element second = path.elementAt(i + 1);
            const QPainterPath::Element end = path.elementAt(i + 2);
            parts << QStringLiteral("C%1 %2 %3 %4 %5 %6")
                         .arg(number(element.x), number(element.y), number(second.x),
                              number(second.y), number(end.x), number(end.y));
            i += 2;
            break;
        }
        case QPainterPath::CurveToDataElement:
            break;
        }
    }
    return parts.join(QLatin1Char(' '));
}

// Closed subpaths end with Z, so that their last corner is joined as on the stage.
QString pathData(const ZenubPath& path, const QRectF& box)
{
    QStringList parts;
    for (const ZenubPath::Subpath& subpath : path.getSubpaths()) {
        ZenubPath one;
        one.addSubpath(subpath.nodes, false);
        if (subpath.closed && !subpath.nodes.isEmpty()) {
            // The closing segment is drawn as the others are, then Z joins it.
            one.subpaths()[0].nodes.append(subpath.nodes.constFirst());
        }
        QString data = pathData(one.toPainterPath(box));
        if (subpath.closed)
            data += QStringLiteral(" Z");
        parts << data;
    }
    return parts.join(QLatin1Char(' '));
}

QString capName(ZenubStroke::Cap cap)
{
    switch (cap) {
    case ZenubStroke::Cap::Flat:
        return QStringLiteral("butt");
    case ZenubStroke::Cap::Square:
        return QStringLiteral("square");
    case ZenubStroke::Cap::Round:
        return QStringLiteral("round");
    }
    return QString();
}

class Writer
{
public:
    explicit Writer(double frame)
        : m_frame(frame)
    {}
    QByteArray write(const QVector<ZenubShape>& shapes);

private:
    void walk(const QVector<ZenubShape>& shapes, double opacity);
    void shape(const ZenubShape& shape, const ZenubShapeState& state, double opacity);
    void text(const ZenubShape& shape, const ZenubShapeState& state);
    void definitions();
    // Writes \a property ("fill" or "stroke") for \a paint.
    void paint(const QString& property, const ZenubPaint& paint, const QRectF& box);
    void stroke(const ZenubStroke& stroke, const QRectF& box);

    double m_frame = 0;
    QXmlStreamWriter* m_xml = nullptr;
    // Gradients are found in a first walk and defined before the shapes that use them.
    bool m_collecting = true;
    QVector<QPair<ZenubPaint, QRectF>> m_gradients;
    int m_nextGradient = 0;
};

QByteArray Writer::write(const QVector<ZenubShape>& shapes)
{
    QRectF bounds;
    for (const ZenubShape& each : shapes)
        bounds = bounds.united(ShapeGeometry::bounds(each, m_frame));
    bounds.setSize(bounds.size().expandedTo(QSizeF(1, 1)));

    QByteArray scratch;
    QXmlStreamWriter collector(&scratch);
    m_xml = &collector;
    walk(shapes, 1);

    QByteArray svg;
    QXmlStreamWriter xml(&svg);
    m_xml = &xml;
    m_collecting = false;
    m_nextGradient = 0;
    xml.setAutoFormatting(true);
    xml.writeStartDocument();
    xml.writeStartElement(QStringLiteral("svg"));
    xml.writeDefaultNamespace(QStringLiteral("http://www.w3.org/2000/svg"));
    xml.writeAttribute(QStringLiteral("width"), number(bounds.width()));
    xml.writeAttribute(QStringLiteral("height"), number(bounds.height()));
    xml.writeAttribute(QStringLiteral("viewBox"),
                       QStringLiteral("%1 %2 %3 %4")
                           .arg(number(bounds.x()), number(bounds.y()), number(bounds.width()),
                                number(bounds.height())));
    definitions();
    walk(shapes, 1);
    xml.writeEndElement();
    xml.writeEndDocument();
    return svg;
}

void Writer::definitions()
{
    if (m_gradients.isEmpty())
        return;
    QXmlStreamWriter& xml = *m_xml;
    xml.writeStartElement(QStringLiteral("defs"));
    for (int i = 0; i < m_gradients.size(); ++i) {
        const ZenubPaint& paint = m_gradients.at(i).first;
        const QRectF& box = m_gradients.at(i).second;
        const QPointF start = place(paint.getStart(), box);
        const QPointF end = place(paint.getEnd(), box);
        const bool linear = paint.getType() == ZenubPaint::Type::LinearGradient;
        xml.writeStartElement(linear ? QStringLiteral("linearGradient")
                                     : QStringLiteral("radialGradient"));
        xml.writeAttribute(QStringLiteral("id"), QStringLiteral("gradient%1").arg(i + 1));
        xml.writeAttribute(QStringLiteral("gradientUnits"), QStringLiteral("userSpaceOnUse"));
        if (linear) {
            xml.writeAttribute(QStringLiteral("x1"), number(start.x()));
            xml.writeAttribute(QStringLiteral("y1"), number(start.y()));
            xml.writeAttribute(QStringLiteral("x2"), number(end.x()));
            xml.writeAttribute(QStringLiteral("y2"), number(end.y()));
        } else {
            xml.writeAttribute(QStringLiteral("cx"), number(start.x()));
            xml.writeAttribute(QStringLiteral("cy"), number(start.y()));
            xml.writeAttribute(QStringLiteral("r"),
                               number(std::hypot(end.x() - start.x(), end.y() - start.y())));
        }
        for (const ZenubGradientStop& stop : paint.getStops()) {
            xml.writeEmptyElement(QStringLiteral("stop"));
            xml.writeAttribute(QStringLiteral("offset"), number(stop.offset));
            xml.writeAttribute(QStringLiteral("stop-color"), stop.color.name(QColor::HexRgb));
            if (stop.color.alpha() < 255)
                xml.writeAttribute(QStringLiteral("stop-opacity"), number(stop.color.alphaF()));
        }
        xml.writeEndElement();
    }
    xml.writeEndElement();
}

void Writer::walk(const QVector<ZenubShape>& shapes, double opacity)
{
    for (const ZenubShape& each : shapes) {
        ZenubShapeState state;
        if (each.stateAt(m_frame, &state))
            shape(each, state, opacity);
    }
}

void Writer::paint(const QString& property, const ZenubPaint& paint, const QRectF& box)
{
    QXmlStreamWriter& xml = *m_xml;
    if (!paint.isVisible()) {
        xml.writeAttribute(property, QStringLiteral("none"));
        return;
    }
    double opacity = paint.getOpacity();
    if (paint.isGradient()) {
        if (m_collecting)
            m_gradients.append({paint, box});
        xml.writeAttribute(property, QStringLiteral("url(#gradient%1)").arg(++m_nextGradient));
    } else {
        xml.writeAttribute(property, paint.getColor().name(QColor::HexRgb));
        opacity *= paint.getColor().alphaF();
    }
    if (opacity < 1)
        xml.writeAttribute(property + QStringLiteral("-opacity"), number(opacity));
}

void Writer::stroke(const ZenubStroke& stroke, const QRectF& box)
{
    if (!stroke.isVisible())
        return;
    QXmlStreamWriter& xml = *m_xml;
    paint(QStringLiteral("stroke"), stroke.getPaint(), box);
    xml.writeAttribute(QStringLiteral("stroke-width"), number(stroke.getWidth()));
    if (stroke.getCap() != ZenubStroke::Cap::Flat)
        xml.writeAttribute(QStringLiteral("stroke-linecap"), capName(stroke.getCap()));
    if (stroke.getJoin() != ZenubStroke::Join::Miter)
        xml.writeAttribute(QStringLiteral("stroke-linejoin"),
                           ZenubStroke::joinName(stroke.getJoin()));
    xml.writeAttribute(QStringLiteral("stroke-miterlimit"), number(stroke.getMiterLimit()));
    if (stroke.isDashed()) {
        QStringList dashes;
        for (const double dash : stroke.getDashes())
            dashes << number(dash);
        xml.writeAttribute(QStringLiteral("stroke-dasharray"), dashes.join(QLatin1Char(' ')));
        if (stroke.getDashOffset() != 0)
            xml.writeAttribute(QStringLiteral("stroke-dashoffset"), number(stroke.getDashOffset()));
    }
}

void Writer::shape(const ZenubShape& shape, const ZenubShapeState& state, double opacity)
{
    QXmlStreamWriter& xml = *m_xml;
    const QRectF box = state.rect();
    const double own = opacity * state.box.getOpacity();
    const auto turned = [&] {
        if (state.box.getRotation() != 0.0)
            xml.writeAttribute(QStringLiteral("transform"),
                               QStringLiteral("rotate(%1 %2 %3)")
                                   .arg(number(state.box.getRotation()), number(box.center().x()),
                                        number(box.center().y())));
        if (own < 1.0)
            xml.writeAttribute(QStringLiteral("opacity"), number(own));
    };
    switch (shape.getType()) {
    case ZenubShape::Type::Rectangle: {
        xml.writeStartElement(QStringLiteral("rect"));
        xml.writeAttribute(QStringLiteral("x"), number(box.x()));
        xml.writeAttribute(QStringLiteral("y"), number(box.y()));
        xml.writeAttribute(QStringLiteral("width"), number(box.width()));
        xml.writeAttribute(QStringLiteral("height"), number(box.height()));
        const double radius = std::min(state.cornerRadius, std::min(box.width(), box.height()) / 2);
        if (radius > 0)
            xml.writeAttribute(QStringLiteral("rx"), number(radius));
        break;
    }
    case ZenubShape::Type::Ellipse:
        xml.writeStartElement(QStringLiteral("ellipse"));
        xml.writeAttribute(QStringLiteral("cx"), number(box.center().x()));
        xml.writeAttribute(QStringLiteral("cy"), number(box.center().y()));
        xml.writeAttribute(QStringLiteral("rx"), number(box.width() / 2));
        xml.writeAttribute(QStringLiteral("ry"), number(box.height() / 2));
        break;
    case ZenubShape::Type::Path:
    case ZenubShape::Type::Polygon:
    case ZenubShape::Type::Star: {
        const ZenubPath outline = ShapeGeometry::outline(shape, state);
        xml.writeStartElement(QStringLiteral("path"));
        xml.writeAttribute(QStringLiteral("d"), pathData(outline, box));
        if (outline.getFillRule() == ZenubPath::FillRule::EvenOdd)
            xml.writeAttribute(QStringLiteral("fill-rule"), QStringLiteral("evenodd"));
        break;
    }
    case ZenubShape::Type::Text:
        xml.writeStartElement(QStringLiteral("text"));
        turned();
        text(shape, state);
        xml.writeEndElement();
        return;
    case ZenubShape::Type::Image:
        xml.writeStartElement(QStringLiteral("image"));
        xml.writeAttribute(QStringLiteral("x"), number(box.x()));
        xml.writeAttribute(QStringLiteral("y"), number(box.y()));
        xml.writeAttribute(QStringLiteral("width"), number(box.width()));
        xml.writeAttribute(QStringLiteral("height"), number(box.height()));
        xml.writeAttribute(QStringLiteral("preserveAspectRatio"), QStringLiteral("none"));
        xml.writeAttribute(QStringLiteral("href"),
                           QStringLiteral("data:image/%1;base64,")
                                   .arg(shape.getImageFormat() == QLatin1String("svg")
                                            ? QStringLiteral("svg+xml")
                                            : shape.getImageFormat()) +
                               QString::fromLatin1(shape.getImageData().toBase64()));
        turned();
        xml.writeEndElement();
        if (state.stroke.isVisible()) {
            xml.writeStartElement(QStringLiteral("rect"));
            xml.writeAttribute(QStringLiteral("x"), number(box.x()));
            xml.writeAttribute(QStringLiteral("y"), number(box.y()));
            xml.writeAttribute(QStringLiteral("width"), number(box.width()));
            xml.writeAttribute(QStringLiteral("height"), number(box.height()));
            xml.writeAttribute(QStringLiteral("fill"), QStringLiteral("none"));
            stroke(state.stroke, box);
            turned();
            xml.writeEndElement();
        }
        return;
    case ZenubShape::Type::Group: {
        // The members carry the group's opacity, as the stage draws them.
        const QTransform t = ShapeGeometry::transform(shape, state);
        xml.writeStartElement(QStringLiteral("g"));
        xml.writeAttribute(QStringLiteral("transform"),
                           QStringLiteral("matrix(%1 %2 %3 %4 %5 %6)")
                               .arg(number(t.m11()), number(t.m12()), number(t.m21()),
                                    number(t.m22()), number(t.dx()), number(t.dy())));
        walk(shape.getMembers(), own);
        xml.writeEndElement();
        return;
    }
    }
    paint(QStringLiteral("fill"), state.fill, box);
    stroke(state.stroke, box);
    turned();
    xml.writeEndElement();
}

void Writer::text(const ZenubShape& shape, const ZenubShapeState& state)
{
    QXmlStreamWriter& xml = *m_xml;
    const ZenubText words = shape.textFor(state.fontSize);
    const QRectF box = state.rect();
    const std::shared_ptr<const TextLayout> layout = TextLayout::of(words, box.size());
    xml.writeAttribute(QStringLiteral("xml:space"), QStringLiteral("preserve"));
    paint(QStringLiteral("fill"), state.fill, box);
    const double top = box.y() + layout->blockTop(box.height());
    for (const TextLayout::Line& line : layout->lines()) {
        const double x = box.x() + layout->lineX(line, box.width());
        for (int f = line.first; f < line.first + line.count; ++f) {
            const TextLayout::Fragment& fragment = layout->fragments().at(f);
            const ZenubTextRun& run = words.getRuns().at(fragment.run);
            const QFont& font = layout->fontOf(fragment.run);
            xml.writeStartElement(QStringLiteral("tspan"));
            xml.writeAttribute(QStringLiteral("x"), number(x + fragment.x));
            xml.writeAttribute(QStringLiteral("y"), number(top + line.baseline));
            xml.writeAttribute(QStringLiteral("font-family"), font.family());
            xml.writeAttribute(QStringLiteral("font-size"), number(font.pixelSize()));
            if (run.bold)
                xml.writeAttribute(QStringLiteral("font-weight"), QStringLiteral("bold"));
            if (run.italic)
                xml.writeAttribute(QStringLiteral("font-style"), QStringLiteral("italic"));
            if (run.underline)
                xml.writeAttribute(QStringLiteral("text-decoration"), QStringLiteral("underline"));
            if (run.color.isValid()) {
                ZenubPaint own(run.color);
                own.setOpacity(state.fill.getOpacity());
                paint(QStringLiteral("fill"), own, box);
            }
            xml.writeCharacters(TextLayout::wordsOf(words, fragment));
            xml.writeEndElement();
        }
    }
}

} // namespace

QByteArray ShapeSvgWriter::toSvg(const QVector<ZenubShape>& shapes, double frame)
{
    return Writer(frame).write(shapes);
}
