// SPDX-License-Identifier: MIT
#include "svgshapes.h"

#include "model/io/zenub/zenubjsonreader.h"
#include "model/render/shapegeometry.h"
#include "svgdocument.h"
#include "svggradients.h"
#include "svgpathdata.h"
#include "svgstyle.h"
#include "svgtext.h"
#include "svgtransform.h"

#include <QPainterPath>
#include <QRegularExpression>

#include <algorithm>
#include <cmath>

namespace {

const int kMaximumShapes = 10000;
// Nodes of all paths together: a pasted drawing, not a map of the world.
const int kMaximumNodes = 200000;

using Element = SvgDocument::Element;

bool finite(double value)
{
    return std::abs(value) <= ZenubJsonReader::coordinateLimit();
}

// The turn of a box of \a state about its centre.
QTransform turnOf(const QRectF& box, double degrees)
{
    QTransform turn;
    turn.translate(box.center().x(), box.center().y());
    turn.rotate(degrees);
    turn.translate(-box.center().x(), -box.center().y());
    return turn;
}

// Whether what a project file holds of \a shape's box and path keeps the values it has.
bool holdable(const ZenubShape& shape)
{
    ZenubShapeState state;
    shape.stateAt(0, &state);
    const ZenubKeyframe& box = state.box;
    for (const double value : {box.getX(), box.getY(), box.getWidth(), box.getHeight(),
                               box.getRotation(), state.stroke.getWidth(), state.fontSize,
                               shape.getContentSize().width(), shape.getContentSize().height()})
        if (!finite(value))
            return false;
    for (const ZenubPath::Subpath& subpath : shape.getPath().getSubpaths())
        for (const ZenubPathNode& node : subpath.nodes)
            for (const double value : {node.point.x(), node.point.y(), node.in.x(), node.in.y(),
                                       node.out.x(), node.out.y()})
                if (!finite(value))
                    return false;
    return true;
}

class Reader
{
public:
    explicit Reader(const SvgDocument& document)
        : m_document(document)
        , m_gradients(document)
    {}
    bool read(QVector<ZenubShape>* shapes);

private:
    bool readRoot();
    bool children(const Element& parent, const SvgStyle& style, const QTransform& toParent,
                  int groups, QVector<ZenubShape>* shapes);
    bool element(const Element& element, const SvgStyle& inherited, const QTransform& toParent,
                 int groups, QVector<ZenubShape>* shapes);
    bool group(const Element& element, const SvgStyle& style, const QTransform& toParent,
               int groups, QVector<ZenubShape>* shapes);
    bool drawn(const Element& element, const SvgStyle& style, const QTransform& toParent,
               QVector<ZenubShape>* shapes);
    bool paint(const QString& value, double opacity, const SvgStyle& style,
               const SvgGradients::Target& target, ZenubPaint* paint) const;
    bool paints(const SvgStyle& style, const QTransform& toParent,
                const SvgGradients::Target& target, ZenubShape* shape) const;
    double number(const Element& element, const char* name, bool* ok) const;

    const SvgDocument& m_document;
    SvgGradients m_gradients;
    QTransform m_root;
    int m_shapes = 0;
    int m_nodes = kMaximumNodes;
};

double Reader::number(const Element& element, const char* name, bool* ok) const
{
    const QString text = element.attribute(QLatin1String(name));
    double value = 0;
    if (!text.isNull() && !SvgStyle::length(text, &value))
        *ok = false;
    return value;
}

bool Reader::read(QVector<ZenubShape>* shapes)
{
    // Style sheets restyle by rules this reader does not follow.
    for (int i = 0; i < m_document.count(); ++i)
        if (m_document.element(i).name == QLatin1String("style"))
            return false;
    const Element& root = m_document.element(0);
    if (!readRoot() || root.has(QStringLiteral("transform")))
        return false;
    const SvgStyle style(SvgStyle(), root);
    QVector<ZenubShape> read;
    if (style.isRefused() || !children(root, style, m_root, 0, &read) || read.isEmpty())
        return false;
    // The picture's own opacity fades each of its shapes.
    for (ZenubShape& shape : read) {
        ZenubKeyframe box;
        shape.stateAt(0, &box);
        box.setOpacity(box.getOpacity() * style.opacity());
        shape.setKeyframe(box);
    }
    *shapes = read;
    return true;
}

bool Reader::readRoot()
{
    const Element& root = m_document.element(0);
    const QStringList box =
        root.attribute(QStringLiteral("viewBox"))
            .split(QRegularExpression(QStringLiteral("[\\s,]+")), Qt::SkipEmptyParts);
    double width = 0;
    double height = 0;
    // A size in other units (mm, %) says nothing about pixels; the view box's units are used.
    const bool sized = SvgStyle::length(root.attribute(QStringLiteral("width")), &width) &&
                       SvgStyle::length(root.attribute(QStringLiteral("height")), &height) &&
                       width > 0 && height > 0;
    if (box.size() != 4) {
        m_gradients.setViewport(sized ? QSizeF(width, height) : QSizeF());
        return root.attribute(QStringLiteral("viewBox")).trimmed().isEmpty();
    }
    double values[4];
    for (int i = 0; i < 4; ++i)
        if (!SvgStyle::length(box.at(i), &values[i]))
            return false;
    if (!(values[2] > 0) || !(values[3] > 0))
        return false;
    m_gradients.setViewport(QSizeF(values[2], values[3]));
    if (!sized) {
        m_root = QTransform::fromTranslate(-values[0], -values[1]);
        return true;
    }
    // The view box fits the size as preserveAspectRatio says: by default whole and centred.
    const QStringList aspect =
        root.attribute(QStringLiteral("preserveAspectRatio")).simplified().split(QLatin1Char(' '));
    const QString align = aspect.value(0).isEmpty() ? QStringLiteral("xMidYMid") : aspect.value(0);
    double sx = width / values[2];
    double sy = height / values[3];
    double ax = 0;
    double ay = 0;
    if (align != QLatin1String("none")) {
        sx = sy = aspect.value(1) == QLatin1String("slice") ? std::max(sx, sy) : std::min(sx, sy);
        ax = align.contains(QLatin1String("xMid"))   ? 0.5
             : align.contains(QLatin1String("xMax")) ? 1
                                                     : 0;
        ay = align.contains(QLatin1String("YMid"))   ? 0.5
             : align.contains(QLatin1String("YMax")) ? 1
                                                     : 0;
    }
    m_root = QTransform(sx, 0, 0, sy, -values[0] * sx + ax * (width - values[2] * sx),
                        -values[1] * sy + ay * (height - values[3] * sy));
    return true;
}

bool Reader::children(const Element& parent, const SvgStyle& style, const QTransform& toParent,
                      int groups, QVector<ZenubShape>* shapes)
{
    for (const int child : parent.children)
        if (!element(m_document.element(child), style, toParent, groups, shapes))
            return false;
    return true;
}

bool Reader::element(const Element& element, const SvgStyle& inherited, const QTransform& toParent,
                     int groups, QVector<ZenubShape>* shapes)
{
    static const QStringList silent{
        QStringLiteral("title"),          QStringLiteral("desc"),
        QStringLiteral("metadata"),       QStringLiteral("defs"),
        QStringLiteral("linearGradient"), QStringLiteral("radialGradient"),
        QStringLiteral("clipPath"),       QStringLiteral("mask"),
        QStringLiteral("marker"),         QStringLiteral("pattern"),
        QStringLiteral("filter"),         QStringLiteral("symbol")};
    // Definitions draw only where they are used, which is refused where it matters.
    if (silent.contains(element.name))
        return true;
    const SvgStyle style(inherited, element);
    if (style.isRefused())
        return false;
    if (style.value("display") == QLatin1String("none"))
        return true;
    QTransform own;
    if (!SvgTransform::parse(element.attribute(QStringLiteral("transform")), &own))
        return false;
    if (element.name == QLatin1String("g"))
        return group(element, style, own * toParent, groups, shapes);
    if (style.isHidden())
        return true;
    if (m_shapes >= kMaximumShapes)
        return false;
    return drawn(element, style, own * toParent, shapes);
}

// A group keeps its members in its own coordinates when its box can hold its transform;
// otherwise (a shear, a mirror) the transform goes into its members' outlines.
bool Reader::group(const Element& element, const SvgStyle& style, const QTransform& toParent,
                   int groups, QVector<ZenubShape>* shapes)
{
    if (groups >= ZenubShape::maximumGroupDepth() || ++m_shapes > kMaximumShapes)
        return false;
    SvgTransform::Boxed boxed;
    const bool holds = SvgTransform::boxed(toParent, &boxed);
    if (!holds)
        boxed = SvgTransform::Boxed();
    const QTransform placed = holds ? toParent : QTransform();
    QVector<ZenubShape> members;
    if (!children(element, style, holds ? QTransform() : toParent, groups + 1, &members))
        return false;
    if (members.isEmpty())
        return true;
    QRectF content;
    for (const ZenubShape& member : qAsConst(members))
        content = content.united(ShapeGeometry::bounds(member, 0));
    // Members start at the content's top-left corner.
    for (ZenubShape& member : members) {
        ZenubKeyframe box;
        member.stateAt(0, &box);
        box.setX(box.getX() - content.x());
        box.setY(box.getY() - content.y());
        member.setKeyframe(box);
    }
    content.setSize(QSizeF(content.width() > 0 ? content.width() : 1,
                           content.height() > 0 ? content.height() : 1));
    const QString id = element.attribute(QStringLiteral("id"));
    ZenubShape group(ZenubShape::Type::Group, id.isEmpty() ? SvgShapes::tr("Group") : id);
    group.setMembers(members);
    group.setContentSize(content.size());
    const QRectF box = SvgTransform::boxOf(content, placed, boxed);
    ZenubKeyframe keyframe(0, box.x(), box.y(), box.width(), box.height());
    keyframe.setRotation(boxed.degrees);
    keyframe.setOpacity(style.opacity());
    group.setKeyframe(keyframe);
    if (!holdable(group))
        return false;
    shapes->append(group);
    return true;
}

bool Reader::drawn(const Element& element, const SvgStyle& style, const QTransform& toParent,
                   QVector<ZenubShape>* shapes)
{
    bool ok = true;
    const QString& kind = element.name;
    ZenubShape shape;
    // The outline in user space, and for rectangles and ellipses the box it fills.
    ZenubPath outline;
    QRectF rect;
    double rx = 0;
    double ry = 0;
    if (kind == QLatin1String("rect")) {
        shape = ZenubShape(ZenubShape::Type::Rectangle, SvgShapes::tr("Rectangle"));
        rect = QRectF(number(element, "x", &ok), number(element, "y", &ok),
                      number(element, "width", &ok), number(element, "height", &ok));
        // One radius given stands for both; each is at most half the side.
        rx = number(element, "rx", &ok);
        ry = number(element, "ry", &ok);
        if (!element.has(QStringLiteral("rx")))
            rx = ry;
        if (!element.has(QStringLiteral("ry")))
            ry = rx;
        if (rx < 0 || ry < 0)
            return false;
        rx = std::min(rx, rect.width() / 2);
        ry = std::min(ry, rect.height() / 2);
    } else if (kind == QLatin1String("circle") || kind == QLatin1String("ellipse")) {
        shape = ZenubShape(ZenubShape::Type::Ellipse, SvgShapes::tr("Ellipse"));
        const bool circle = kind == QLatin1String("circle");
        const double r = number(element, "r", &ok);
        rx = circle ? r : number(element, "rx", &ok);
        ry = circle ? r : number(element, "ry", &ok);
        rect = QRectF(number(element, "cx", &ok) - rx, number(element, "cy", &ok) - ry, 2 * rx,
                      2 * ry);
    } else if (kind == QLatin1String("text")) {
        shape = ZenubShape(ZenubShape::Type::Text, SvgShapes::tr("Text"));
        if (!SvgText::read(m_document, element, style, toParent, &shape))
            return false;
        if (shape.getText().isEmpty())
            return true;
    } else {
        shape = ZenubShape(ZenubShape::Type::Path, SvgShapes::tr("Path"));
        if (kind == QLatin1String("path")) {
            if (!SvgPathData::parse(element.attribute(QStringLiteral("d")), &m_nodes, &outline))
                return false;
        } else if (kind == QLatin1String("line")) {
            const QPointF from(number(element, "x1", &ok), number(element, "y1", &ok));
            const QPointF to(number(element, "x2", &ok), number(element, "y2", &ok));
            outline.addSubpath({ZenubPathNode(from), ZenubPathNode(to)}, false);
            m_nodes -= 2;
        } else if (kind == QLatin1String("polyline") || kind == QLatin1String("polygon")) {
            QVector<ZenubPathNode> nodes;
            for (const QPointF& point :
                 SvgPathData::points(element.attribute(QStringLiteral("points"))))
                nodes.append(ZenubPathNode(point));
            m_nodes -= nodes.size();
            if (nodes.size() > 1)
                outline.addSubpath(nodes, kind == QLatin1String("polygon"));
        } else {
            return false;
        }
        if (m_nodes < 0)
            return false;
        if (style.value("fill-rule") == QLatin1String("evenodd"))
            outline.setFillRule(ZenubPath::FillRule::EvenOdd);
    }
    const QString id = element.attribute(QStringLiteral("id"));
    if (!id.isEmpty())
        shape.setName(id);
    if (!ok || rect.width() < 0 || rect.height() < 0)
        return false;

    SvgGradients::Target target;
    if (shape.getType() == ZenubShape::Type::Rectangle ||
        shape.getType() == ZenubShape::Type::Ellipse) {
        if (rect.isEmpty())
            return true;
        target.bounds = rect;
        SvgTransform::Boxed boxed;
        const bool box = SvgTransform::boxed(toParent, &boxed) &&
                         (shape.getType() == ZenubShape::Type::Ellipse ||
                          std::abs(rx * boxed.scaleX - ry * boxed.scaleY) <= 1e-9 * (rx + ry));
        if (box) {
            target.box = SvgTransform::boxOf(rect, toParent, boxed);
            target.toBox = toParent * turnOf(target.box, boxed.degrees).inverted();
            ZenubKeyframe keyframe(0, target.box.x(), target.box.y(), target.box.width(),
                                   target.box.height());
            keyframe.setRotation(boxed.degrees);
            shape.setKeyframe(keyframe);
            if (shape.getType() == ZenubShape::Type::Rectangle)
                shape.setCornerRadius(rx * boxed.scaleX);
        } else {
            // Sheared, mirrored or with uneven corners: the outline in its place.
            shape.setType(ZenubShape::Type::Path);
            // Elliptical corners are round ones of a rectangle squeezed across.
            outline = kind == QLatin1String("rect")
                          ? ShapeGeometry::rectangle(
                                QSizeF(rx > 0 && ry > 0 ? rect.width() * ry / rx : rect.width(),
                                       rect.height()),
                                rx > 0 && ry > 0 ? ry : 0)
                          : ShapeGeometry::ellipse();
            outline =
                outline.mapped(QTransform(rect.width(), 0, 0, rect.height(), rect.x(), rect.y()));
        }
    }
    if (shape.getType() == ZenubShape::Type::Path) {
        if (outline.isEmpty())
            return true;
        target.bounds = outline.toPainterPath(QTransform()).boundingRect();
        const ZenubPath placed = outline.mapped(toParent);
        target.box = placed.toPainterPath(QTransform()).boundingRect();
        target.toBox = toParent;
        // As fitted boxes are: an axis without extent keeps its nodes at 0.
        const QRectF& box = target.box;
        const double sx = box.width() > 0 ? 1 / box.width() : 0;
        const double sy = box.height() > 0 ? 1 / box.height() : 0;
        shape.setPath(placed.mapped(QTransform(sx, 0, 0, sy, -box.x() * sx, -box.y() * sy)));
        shape.setKeyframe(ZenubKeyframe(0, box.x(), box.y(), box.width(), box.height()));
    } else if (shape.getType() == ZenubShape::Type::Text) {
        const ZenubKeyframe placed = shape.getKeyframes().constFirst();
        target.box = QRectF(placed.getX(), placed.getY(), placed.getWidth(), placed.getHeight());
        target.toBox = toParent * turnOf(target.box, placed.getRotation()).inverted();
    }
    if (!paints(style, toParent, target, &shape))
        return false;
    // A line has no inside.
    if (kind == QLatin1String("line"))
        shape.setFill(ZenubPaint(QColor(0, 0, 0, 0)));
    ZenubKeyframe keyframe;
    shape.stateAt(0, &keyframe);
    keyframe.setOpacity(style.opacity());
    shape.setKeyframe(keyframe);
    if (!holdable(shape))
        return false;
    ++m_shapes;
    shapes->append(shape);
    return true;
}

bool Reader::paint(const QString& value, double opacity, const SvgStyle& style,
                   const SvgGradients::Target& target, ZenubPaint* paint) const
{
    const QString text = value.trimmed();
    if (text.startsWith(QLatin1String("url("))) {
        // A gradient of this picture; a fallback colour after it is not needed then.
        QString id = text.mid(4).section(QLatin1Char(')'), 0, 0).trimmed();
        id.remove(QLatin1Char('"')).remove(QLatin1Char('\''));
        return id.startsWith(QLatin1Char('#')) &&
               m_gradients.paint(id.mid(1), target, opacity, paint);
    }
    QColor color;
    if (!SvgStyle::color(text, opacity, style.value("color"), &color))
        return false;
    *paint = ZenubPaint(color);
    return true;
}

bool Reader::paints(const SvgStyle& style, const QTransform& toParent,
                    const SvgGradients::Target& target, ZenubShape* shape) const
{
    const bool text = shape->getType() == ZenubShape::Type::Text;
    ZenubPaint fill;
    const QString fillValue = style.value("fill", "black");
    if (!paint(fillValue, SvgStyle::fraction(style.value("fill-opacity", "1")), style, target,
               &fill) ||
        (text && fill.isGradient()))
        return false;
    shape->setFill(fill);
    ZenubPaint strokePaint;
    double width = 1;
    if (!paint(style.value("stroke", "none"),
               SvgStyle::fraction(style.value("stroke-opacity", "1")), style, target,
               &strokePaint) ||
        !SvgStyle::length(style.value("stroke-width", "1"), &width) || width < 0)
        return false;
    if (!strokePaint.isVisible() || width == 0)
        return true;
    // Texts draw no outline, and outlines are as wide in every direction.
    if (text || !SvgTransform::uniform(toParent))
        return false;
    const double scale = SvgTransform::scale(toParent);
    ZenubStroke stroke;
    stroke.setPaint(strokePaint);
    stroke.setWidth(width * scale);
    static const QStringList caps{QStringLiteral("butt"), QStringLiteral("square"),
                                  QStringLiteral("round")};
    static const QStringList joins{QStringLiteral("miter"), QStringLiteral("bevel"),
                                   QStringLiteral("round")};
    const int cap = caps.indexOf(style.value("stroke-linecap", "butt"));
    const int join = joins.indexOf(style.value("stroke-linejoin", "miter"));
    double limit = 4;
    if (cap < 0 || join < 0 || !SvgStyle::length(style.value("stroke-miterlimit", "4"), &limit) ||
        limit < 1)
        return false;
    stroke.setCap(ZenubStroke::Cap(cap));
    stroke.setJoin(ZenubStroke::Join(join));
    stroke.setMiterLimit(std::min(limit, 1000.0));
    const QString dashText = style.value("stroke-dasharray", "none");
    if (dashText != QLatin1String("none")) {
        QVector<double> dashes;
        double total = 0;
        for (const QString& part :
             dashText.split(QRegularExpression(QStringLiteral("[\\s,]+")), Qt::SkipEmptyParts)) {
            double dash = 0;
            if (!SvgStyle::length(part, &dash))
                return false;
            dashes.append(dash * scale);
            total += dash;
        }
        double offset = 0;
        if (dashes.size() > ZenubStroke::maximumDashes() ||
            !SvgStyle::length(style.value("stroke-dashoffset", "0"), &offset))
            return false;
        // A negative dash makes the pattern void, and one of nothing draws the line whole.
        if (total > 0 &&
            std::all_of(dashes.cbegin(), dashes.cend(), [](double d) { return d >= 0; })) {
            stroke.setDashes(dashes);
            stroke.setDashOffset(offset * scale);
        }
    }
    shape->setStroke(stroke);
    return true;
}

} // namespace

bool SvgShapes::convert(const QByteArray& svg, QVector<ZenubShape>* shapes)
{
    SvgDocument document;
    return document.read(svg) && Reader(document).read(shapes);
}
