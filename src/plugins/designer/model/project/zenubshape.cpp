// SPDX-License-Identifier: MIT
#include "zenubshape.h"

#include "model/io/zenub/zenubjsonpath.h"
#include "model/io/zenub/zenubjsonwriter.h"
#include "model/io/zenub/zenubshapejson.h"
#include "model/render/textlayout.h"

#include <QJsonDocument>
#include <QStringList>

#include <algorithm>

namespace {

ZenubPaint opaque(ZenubPaint paint)
{
    paint.setOpacity(1);
    return paint;
}

} // namespace

ZenubStroke ZenubShape::styleOf(ZenubStroke stroke)
{
    stroke.setPaint(ZenubPaint());
    stroke.setWidth(0);
    return stroke;
}

ZenubShape::ZenubShape(Type type, const QString& name)
    : m_type(type)
    , m_name(name)
{}

ZenubPaint ZenubShape::getFill() const
{
    ZenubPaint fill = m_tracks.fill().value();
    fill.setOpacity(m_tracks.fillOpacity().value());
    return fill;
}

void ZenubShape::setFill(const ZenubPaint& paint)
{
    m_tracks.fill().setValue(opaque(paint));
    m_tracks.fillOpacity().setValue(paint.getOpacity());
}

void ZenubShape::setFillColor(const QColor& color)
{
    m_tracks.fill().setValue(ZenubPaint(color));
}

ZenubStroke ZenubShape::getStroke() const
{
    ZenubStroke stroke = m_strokeStyle;
    ZenubPaint paint = m_tracks.stroke().value();
    paint.setOpacity(m_tracks.strokeOpacity().value());
    stroke.setPaint(paint);
    stroke.setWidth(m_tracks.strokeWidth().value());
    return stroke;
}

void ZenubShape::setStroke(const ZenubStroke& stroke)
{
    m_strokeStyle = styleOf(stroke);
    m_tracks.stroke().setValue(opaque(stroke.getPaint()));
    m_tracks.strokeOpacity().setValue(stroke.getPaint().getOpacity());
    m_tracks.strokeWidth().setValue(stroke.getWidth());
}

void ZenubShape::setStrokeColor(const QColor& color)
{
    m_tracks.stroke().setValue(ZenubPaint(color));
}

void ZenubShape::setTextContent(const ZenubText& text)
{
    m_text = text;
    if (text.getFontSize() != getFontSize())
        m_tracks.fontSize().setValue(text.getFontSize());
}

ZenubText ZenubShape::textFor(double fontSize) const
{
    if (m_text.getFontSize() == fontSize)
        return m_text;
    ZenubText text = m_text;
    text.setFontSize(fontSize);
    return text;
}

void ZenubShape::setFontSize(double pixels)
{
    m_tracks.fontSize().setValue(pixels);
    m_text.setFontSize(pixels);
}

QStringList ZenubShape::imageFormats()
{
    return {QStringLiteral("png"), QStringLiteral("jpeg"), QStringLiteral("svg")};
}

QVector<ZenubKeyframe> ZenubShape::getKeyframes() const
{
    QVector<int> frames;
    for (const ZenubProperty property : ZenubProperties::box())
        frames += m_tracks.keyFrames(property);
    std::sort(frames.begin(), frames.end());
    frames.erase(std::unique(frames.begin(), frames.end()), frames.end());
    if (frames.isEmpty())
        frames.append(0);
    QVector<ZenubKeyframe> keyframes;
    keyframes.reserve(frames.size());
    for (const int frame : qAsConst(frames)) {
        ZenubKeyframe keyframe = m_tracks.boxAt(frame);
        for (const ZenubProperty property : ZenubProperties::box()) {
            if (m_tracks.hasKey(property, frame)) {
                keyframe.setEasing(m_tracks.easing(property, frame));
                break;
            }
        }
        keyframes.append(keyframe);
    }
    return keyframes;
}

bool ZenubShape::removeKeyframe(int frame)
{
    bool removed = false;
    for (const ZenubProperty property : ZenubProperties::all())
        removed = m_tracks.removeKey(property, frame) || removed;
    return removed;
}

void ZenubShape::editStateAt(int frame, bool autoKey,
                             const std::function<void(ZenubShapeState&)>& change)
{
    ZenubShapeState before;
    stateAt(frame, &before);
    ZenubShapeState after = before;
    change(after);
    if (refitsText()) {
        // The change is made to the box as shown; what is kept is the box it is fitted from,
        // placed so that its fitted form lands where the change put it. A box moved keeps its
        // kept size; one given another size takes that size.
        const ZenubKeyframe shown = before.box;
        const ZenubKeyframe kept = m_tracks.boxAt(frame);
        before.box = kept;
        ZenubKeyframe placed = after.box;
        if (placed.getWidth() == shown.getWidth() && placed.getHeight() == shown.getHeight()) {
            placed.setWidth(kept.getWidth());
            placed.setHeight(kept.getHeight());
        }
        placed.setX(0);
        placed.setX(after.box.getX() - fitted(placed, after.fontSize).getX());
        after.box = placed;
    }
    m_tracks.edit(frame, autoKey, before, after);
    m_strokeStyle = styleOf(after.stroke);
    if (m_text.getFontSize() != getFontSize())
        m_text.setFontSize(getFontSize());
}

void ZenubShape::editAt(int frame, bool autoKey, const std::function<void(ZenubKeyframe&)>& change)
{
    editStateAt(frame, autoKey, [&change](ZenubShapeState& state) { change(state.box); });
}

ZenubKeyframe ZenubShape::stateAtFrame(int frame) const
{
    ZenubKeyframe box = fitted(m_tracks.boxAt(frame), m_tracks.fontSize().valueAt(frame));
    box.setEasing(m_tracks.position().easingAt(frame));
    return box;
}

bool ZenubShape::stateAt(double frame, ZenubKeyframe* state) const
{
    *state = fitted(m_tracks.boxAt(frame), m_tracks.fontSize().valueAt(frame));
    return true;
}

bool ZenubShape::stateAt(double frame, ZenubShapeState* state) const
{
    state->stroke = m_strokeStyle;
    m_tracks.stateAt(frame, state);
    state->box = fitted(state->box, state->fontSize);
    return true;
}

bool ZenubShape::refitsText() const
{
    // A still font size leaves the box as typed: older files' texts keep their boxes.
    return m_type == Type::Text && m_text.getBoxMode() == ZenubText::BoxMode::Grow &&
           m_tracks.fontSize().isAnimated();
}

ZenubKeyframe ZenubShape::fitted(const ZenubKeyframe& box, double fontSize) const
{
    if (fontSize <= 0 || !refitsText())
        return box;
    const QSizeF size =
        TextLayout::naturalSize(textFor(fontSize), QSizeF(box.getWidth(), box.getHeight()));
    const double across = m_text.getAlignment() == ZenubText::Alignment::Left    ? 0.0
                          : m_text.getAlignment() == ZenubText::Alignment::Right ? 1.0
                                                                                 : 0.5;
    ZenubKeyframe shown = box;
    shown.setX(box.getX() + across * (box.getWidth() - size.width()));
    shown.setWidth(size.width());
    shown.setHeight(size.height());
    return shown;
}

QString ZenubShape::typeName(Type type)
{
    switch (type) {
    case Type::Rectangle:
        return QStringLiteral("rectangle");
    case Type::Ellipse:
        return QStringLiteral("ellipse");
    case Type::Text:
        return QStringLiteral("text");
    case Type::Image:
        return QStringLiteral("image");
    case Type::Path:
        return QStringLiteral("path");
    case Type::Polygon:
        return QStringLiteral("polygon");
    case Type::Star:
        return QStringLiteral("star");
    case Type::Group:
        return QStringLiteral("group");
    }
    return QString();
}

bool ZenubShape::typeFromName(const QString& name, Type* type)
{
    for (const Type candidate : {Type::Rectangle, Type::Ellipse, Type::Text, Type::Image,
                                 Type::Path, Type::Polygon, Type::Star, Type::Group}) {
        if (typeName(candidate) == name) {
            *type = candidate;
            return true;
        }
    }
    return false;
}

QJsonObject ZenubShape::toJson() const
{
    // One writer for both forms, so that they cannot drift apart.
    ZenubJsonWriter writer;
    write(writer);
    return QJsonDocument::fromJson(writer.takeBytes()).object();
}

void ZenubShape::write(ZenubJsonWriter& writer) const
{
    ZenubShapeJson::write(*this, writer);
}

ZenubShape ZenubShape::fromJson(const QJsonObject& object, ZenubJsonReader& reader,
                                const QString& path)
{
    return fromJson(object, reader, ZenubJsonPath(path));
}

ZenubShape ZenubShape::fromJson(const QJsonObject& object, ZenubJsonReader& reader,
                                const ZenubJsonPath& path)
{
    return ZenubShapeJson::read(object, reader, path);
}

bool ZenubShape::operator==(const ZenubShape& other) const
{
    // The text's own font size only mirrors the track's.
    const bool sameText = m_text.getFontSize() == other.m_text.getFontSize()
                              ? m_text == other.m_text
                              : m_text == other.textFor(m_text.getFontSize());
    return m_type == other.m_type && m_name == other.m_name && m_tracks == other.m_tracks &&
           m_strokeStyle == other.m_strokeStyle && sameText && m_imageData == other.m_imageData &&
           m_imageFormat == other.m_imageFormat && m_members == other.m_members &&
           m_contentSize == other.m_contentSize;
}
