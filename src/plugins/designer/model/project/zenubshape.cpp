// SPDX-License-Identifier: MIT
#include "zenubshape.h"

#include "model/io/zenub/zenubjsonkeys.h"
#include "model/io/zenub/zenubjsonreader.h"
#include "model/io/zenub/zenubjsonwriter.h"
#include "model/io/zenub/zenubpicturetable.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QStringList>

#include <algorithm>

ZenubShape::ZenubShape(Type type, const QString& name)
    : m_type(type)
    , m_name(name)
{}

void ZenubShape::setFillColor(const QColor& color)
{
    m_fill.setType(ZenubPaint::Type::Solid);
    m_fill.setColor(color);
}

void ZenubShape::setStrokeColor(const QColor& color)
{
    m_stroke.paint().setType(ZenubPaint::Type::Solid);
    m_stroke.paint().setColor(color);
}

void ZenubShape::setKeyframe(const ZenubKeyframe& keyframe)
{
    const auto at = std::lower_bound(
        m_keyframes.begin(), m_keyframes.end(), keyframe.getFrame(),
        [](const ZenubKeyframe& existing, int frame) { return existing.getFrame() < frame; });
    if (at != m_keyframes.end() && at->getFrame() == keyframe.getFrame())
        *at = keyframe;
    else
        m_keyframes.insert(at, keyframe);
}

void ZenubShape::setKeyframes(const QVector<ZenubKeyframe>& keyframes)
{
    m_keyframes = keyframes;
    const auto byFrame = [](const ZenubKeyframe& a, const ZenubKeyframe& b) {
        return a.getFrame() < b.getFrame();
    };
    if (std::is_sorted(m_keyframes.cbegin(), m_keyframes.cend(), byFrame) &&
        std::adjacent_find(m_keyframes.cbegin(), m_keyframes.cend(),
                           [](const ZenubKeyframe& a, const ZenubKeyframe& b) {
                               return a.getFrame() == b.getFrame();
                           }) == m_keyframes.cend())
        return;
    std::stable_sort(m_keyframes.begin(), m_keyframes.end(), byFrame);
    // Reversed, unique keeps the first of equal frames: the later one of the original order.
    std::reverse(m_keyframes.begin(), m_keyframes.end());
    m_keyframes.erase(std::unique(m_keyframes.begin(), m_keyframes.end(),
                                  [](const ZenubKeyframe& a, const ZenubKeyframe& b) {
                                      return a.getFrame() == b.getFrame();
                                  }),
                      m_keyframes.end());
    std::reverse(m_keyframes.begin(), m_keyframes.end());
}

bool ZenubShape::removeKeyframe(int frame)
{
    const auto at = std::lower_bound(
        m_keyframes.begin(), m_keyframes.end(), frame,
        [](const ZenubKeyframe& existing, int wanted) { return existing.getFrame() < wanted; });
    if (at == m_keyframes.end() || at->getFrame() != frame)
        return false;
    m_keyframes.erase(at);
    return true;
}

ZenubKeyframe ZenubShape::stateAtFrame(int frame) const
{
    ZenubKeyframe state;
    if (!stateAt(frame, &state))
        state = ZenubKeyframe(frame, 0, 0, 100, 100);
    // A keyframe already on this frame keeps its easing; a new one continues the curve it
    // splits.
    state.setFrame(frame);
    return state;
}

QStringList ZenubShape::imageFormats()
{
    return {QStringLiteral("png"), QStringLiteral("jpeg"), QStringLiteral("svg")};
}

bool ZenubShape::stateAt(double frame, ZenubKeyframe* state) const
{
    if (m_keyframes.isEmpty())
        return false;
    if (frame <= m_keyframes.constFirst().getFrame()) {
        *state = m_keyframes.constFirst();
    } else if (frame >= m_keyframes.constLast().getFrame()) {
        *state = m_keyframes.constLast();
    } else {
        const auto next = std::upper_bound(
            m_keyframes.cbegin(), m_keyframes.cend(), frame,
            [](double at, const ZenubKeyframe& keyframe) { return at < keyframe.getFrame(); });
        const ZenubKeyframe& from = *(next - 1);
        const ZenubKeyframe& to = *next;
        const double t = (frame - from.getFrame()) / double(to.getFrame() - from.getFrame());
        *state = ZenubKeyframe::interpolate(from, to, t);
    }
    return true;
}

bool ZenubShape::stateAt(double frame, ZenubShapeState* state) const
{
    if (!stateAt(frame, &state->box))
        return false;
    state->fill = m_fill;
    state->stroke = m_stroke;
    state->cornerRadius = m_cornerRadius;
    state->points = m_points;
    state->innerRadius = m_innerRadius;
    state->roundness = m_roundness;
    return true;
}

int ZenubShape::requiredFormatVersion() const
{
    const bool newKind = m_type == Type::Path || m_type == Type::Polygon || m_type == Type::Star ||
                         m_type == Type::Group;
    return newKind || !m_fill.isPlainColor() || !m_stroke.isPlain() || !m_text.isPlain() ? 3 : 2;
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
    // Only what differs from the defaults, so older projects are saved as they were; members
    // in the order of their names.
    const ZenubShape defaults;
    const bool group = m_type == Type::Group;
    const bool polygon = m_type == Type::Polygon || m_type == Type::Star;
    const bool stroked = m_stroke.getWidth() != 0 || !m_stroke.isPlain();
    // A project file names its pictures from its table; elsewhere a shape carries its own.
    const ZenubPictureTable* pictures = writer.pictures();
    const QString pictureId =
        m_type == Type::Image && pictures ? pictures->idOf(m_imageData, m_imageFormat) : QString();
    writer.requireFormatVersion(requiredFormatVersion());
    writer.beginObject();
    if (group) {
        writer.member(QLatin1String("contentHeight"), m_contentSize.height());
        writer.member(QLatin1String("contentWidth"), m_contentSize.width());
    }
    if (m_cornerRadius != defaults.m_cornerRadius)
        writer.member(QLatin1String("cornerRadius"), m_cornerRadius);
    writer.key(QLatin1String("fill"));
    m_fill.write(writer);
    if (m_text.getFontFamily() != defaults.m_text.getFontFamily())
        writer.member(QLatin1String("fontFamily"), m_text.getFontFamily());
    if (m_text.getFontSize() != defaults.m_text.getFontSize())
        writer.member(QLatin1String("fontSize"), m_text.getFontSize());
    if (m_type == Type::Image && pictureId.isEmpty()) {
        writer.key(QLatin1String("image"));
        writer.base64(m_imageData);
        writer.member(QLatin1String("imageFormat"), m_imageFormat);
    }
    if (m_type == Type::Star)
        writer.member(QLatin1String("innerRadius"), m_innerRadius);
    writer.key(QLatin1String("keyframes"));
    writer.beginArray();
    for (const ZenubKeyframe& keyframe : m_keyframes)
        keyframe.write(writer);
    writer.endArray();
    if (m_text.getLineSpacing() != defaults.m_text.getLineSpacing())
        writer.member(QLatin1String("lineSpacing"), m_text.getLineSpacing());
    if (group) {
        writer.key(QLatin1String("members"));
        writer.beginArray();
        for (const ZenubShape& member : m_members)
            member.write(writer);
        writer.endArray();
    }
    writer.member(QLatin1String("name"), m_name);
    if (m_type == Type::Path) {
        writer.key(QLatin1String("path"));
        m_path.write(writer);
    }
    if (!pictureId.isEmpty())
        writer.member(QLatin1String("picture"), pictureId);
    if (polygon) {
        writer.member(QLatin1String("points"), m_points);
        writer.member(QLatin1String("roundness"), m_roundness);
    }
    if (m_text.isRich()) {
        writer.key(QLatin1String("runs"));
        m_text.writeRuns(writer);
    }
    if (stroked) {
        const ZenubStroke plain;
        writer.key(QLatin1String("stroke"));
        m_stroke.getPaint().write(writer);
        if (m_stroke.getCap() != plain.getCap())
            writer.member(QLatin1String("strokeCap"), ZenubStroke::capName(m_stroke.getCap()));
        if (m_stroke.getDashOffset() != plain.getDashOffset())
            writer.member(QLatin1String("strokeDashOffset"), m_stroke.getDashOffset());
        if (!m_stroke.getDashes().isEmpty()) {
            writer.key(QLatin1String("strokeDashes"));
            writer.beginArray();
            for (const double dash : m_stroke.getDashes())
                writer.value(dash);
            writer.endArray();
        }
        if (m_stroke.getJoin() != plain.getJoin())
            writer.member(QLatin1String("strokeJoin"), ZenubStroke::joinName(m_stroke.getJoin()));
        if (m_stroke.getMiterLimit() != plain.getMiterLimit())
            writer.member(QLatin1String("strokeMiterLimit"), m_stroke.getMiterLimit());
        writer.member(QLatin1String("strokeWidth"), m_stroke.getWidth());
    }
    if (!m_text.isRich() && !m_text.getPlainText().isEmpty())
        writer.member(QLatin1String("text"), m_text.getPlainText());
    if (m_text.getAlignment() != defaults.m_text.getAlignment())
        writer.member(QLatin1String("textAlign"), ZenubText::alignmentName(m_text.getAlignment()));
    if (m_text.getBoxMode() != defaults.m_text.getBoxMode())
        writer.member(QLatin1String("textBox"), ZenubText::boxModeName(m_text.getBoxMode()));
    writer.member(QLatin1String("type"), typeName(m_type));
    writer.endObject();
}

ZenubShape ZenubShape::fromJson(const QJsonObject& object, ZenubJsonReader& reader,
                                const QString& path)
{
    return fromJson(object, reader, ZenubJsonPath(path));
}

ZenubShape ZenubShape::fromJson(const QJsonObject& object, ZenubJsonReader& reader,
                                const ZenubJsonPath& path)
{
    return read(object, reader, path, 0);
}

ZenubShape ZenubShape::read(const QJsonObject& object, ZenubJsonReader& reader,
                            const ZenubJsonPath& path, int depth)
{
    enum {
        TypeKey,
        Name,
        Fill,
        Text,
        Stroke,
        StrokeWidth,
        CornerRadius,
        FontFamily,
        FontSize,
        ImageFormat,
        Image,
        Picture,
        Keyframes,
        StrokeCap,
        StrokeJoin,
        StrokeMiterLimit,
        StrokeDashes,
        StrokeDashOffset,
        PathKey,
        Points,
        InnerRadius,
        Roundness,
        Members,
        ContentWidth,
        ContentHeight,
        Runs,
        TextAlign,
        TextBox,
        LineSpacing
    };
    static const ZenubJsonKeys keys{
        QLatin1String("type"),          QLatin1String("name"),
        QLatin1String("fill"),          QLatin1String("text"),
        QLatin1String("stroke"),        QLatin1String("strokeWidth"),
        QLatin1String("cornerRadius"),  QLatin1String("fontFamily"),
        QLatin1String("fontSize"),      QLatin1String("imageFormat"),
        QLatin1String("image"),         QLatin1String("picture"),
        QLatin1String("keyframes"),     QLatin1String("strokeCap"),
        QLatin1String("strokeJoin"),    QLatin1String("strokeMiterLimit"),
        QLatin1String("strokeDashes"),  QLatin1String("strokeDashOffset"),
        QLatin1String("path"),          QLatin1String("points"),
        QLatin1String("innerRadius"),   QLatin1String("roundness"),
        QLatin1String("members"),       QLatin1String("contentWidth"),
        QLatin1String("contentHeight"), QLatin1String("runs"),
        QLatin1String("textAlign"),     QLatin1String("textBox"),
        QLatin1String("lineSpacing")};
    const ZenubJsonKeys::Found values = keys.find(object);

    ZenubShape shape;
    // An unknown kind is refused rather than dropped, so that saving cannot lose it.
    static const QStringList types{typeName(Type::Rectangle), typeName(Type::Ellipse),
                                   typeName(Type::Text),      typeName(Type::Image),
                                   typeName(Type::Path),      typeName(Type::Polygon),
                                   typeName(Type::Star),      typeName(Type::Group)};
    typeFromName(
        reader.readChoice(values(TypeKey), path, keys[TypeKey], types, typeName(shape.m_type)),
        &shape.m_type);
    shape.m_name = reader.readString(values(Name), path, keys[Name], QString());
    shape.m_fill = ZenubPaint::read(values(Fill), reader, path, keys[Fill], shape.m_fill);
    const double limit = ZenubJsonReader::coordinateLimit();

    ZenubStroke& stroke = shape.m_stroke;
    stroke.setPaint(
        ZenubPaint::read(values(Stroke), reader, path, keys[Stroke], stroke.getPaint()));
    stroke.setWidth(reader.readNumber(values(StrokeWidth), path, keys[StrokeWidth],
                                      stroke.getWidth(), 0, limit));
    static const QStringList caps{ZenubStroke::capName(ZenubStroke::Cap::Flat),
                                  ZenubStroke::capName(ZenubStroke::Cap::Square),
                                  ZenubStroke::capName(ZenubStroke::Cap::Round)};
    stroke.setCap(ZenubStroke::Cap(caps.indexOf(reader.readChoice(
        values(StrokeCap), path, keys[StrokeCap], caps, ZenubStroke::capName(stroke.getCap())))));
    static const QStringList joins{ZenubStroke::joinName(ZenubStroke::Join::Miter),
                                   ZenubStroke::joinName(ZenubStroke::Join::Bevel),
                                   ZenubStroke::joinName(ZenubStroke::Join::Round)};
    stroke.setJoin(ZenubStroke::Join(
        joins.indexOf(reader.readChoice(values(StrokeJoin), path, keys[StrokeJoin], joins,
                                        ZenubStroke::joinName(stroke.getJoin())))));
    stroke.setMiterLimit(reader.readNumber(values(StrokeMiterLimit), path, keys[StrokeMiterLimit],
                                           stroke.getMiterLimit(), 1, 1000));
    stroke.setDashOffset(reader.readNumber(values(StrokeDashOffset), path, keys[StrokeDashOffset],
                                           0, -limit, limit));
    const QJsonArray dashes = reader.readArray(values(StrokeDashes), path, keys[StrokeDashes]);
    const ZenubJsonPath dashesPath(path, keys[StrokeDashes]);
    if (dashes.size() > ZenubStroke::maximumDashes()) {
        reader.fail(ZenubJsonReader::tr("The field \"%1\" holds more than %2 entries.")
                        .arg(dashesPath.toString())
                        .arg(ZenubStroke::maximumDashes()));
    }
    QVector<double> pattern;
    for (int i = 0; i < dashes.size() && !reader.hasError(); ++i) {
        const double dash = dashes.at(i).toDouble(-1);
        if (!(dash >= 0 && dash <= limit)) {
            reader.fail(ZenubJsonReader::tr("The field \"%1\" must lie between %2 and %3.")
                            .arg(ZenubJsonReader::element(dashesPath.toString(), i))
                            .arg(0)
                            .arg(limit));
        }
        pattern.append(dash);
    }
    stroke.setDashes(pattern);

    shape.m_cornerRadius = reader.readNumber(values(CornerRadius), path, keys[CornerRadius],
                                             shape.m_cornerRadius, 0, limit);

    ZenubText& text = shape.m_text;
    const QJsonValue runs = values(Runs);
    if (runs.isUndefined())
        text.setPlainText(reader.readString(values(Text), path, keys[Text], QString()));
    else
        text.setRuns(ZenubText::readRuns(reader.readArray(runs, path, keys[Runs]), reader,
                                         ZenubJsonPath(path, keys[Runs])));
    text.setFontFamily(
        reader.readString(values(FontFamily), path, keys[FontFamily], text.getFontFamily()));
    text.setFontSize(
        reader.readNumber(values(FontSize), path, keys[FontSize], text.getFontSize(), 0, limit));
    static const QStringList alignments{ZenubText::alignmentName(ZenubText::Alignment::Left),
                                        ZenubText::alignmentName(ZenubText::Alignment::Center),
                                        ZenubText::alignmentName(ZenubText::Alignment::Right)};
    text.setAlignment(ZenubText::Alignment(
        alignments.indexOf(reader.readChoice(values(TextAlign), path, keys[TextAlign], alignments,
                                             ZenubText::alignmentName(text.getAlignment())))));
    static const QStringList boxModes{ZenubText::boxModeName(ZenubText::BoxMode::Grow),
                                      ZenubText::boxModeName(ZenubText::BoxMode::Wrap)};
    text.setBoxMode(ZenubText::BoxMode(
        boxModes.indexOf(reader.readChoice(values(TextBox), path, keys[TextBox], boxModes,
                                           ZenubText::boxModeName(text.getBoxMode())))));
    text.setLineSpacing(reader.readNumber(values(LineSpacing), path, keys[LineSpacing],
                                          text.getLineSpacing(), 0.1, 100));

    if (shape.m_type == Type::Image && !values(Picture).isUndefined()) {
        const QString id = reader.readString(values(Picture), path, keys[Picture], QString());
        const ZenubPictureTable* pictures = reader.pictures();
        const ZenubPictureTable::Picture* picture = pictures ? pictures->find(id) : nullptr;
        if (picture) {
            shape.m_imageFormat = picture->format;
            shape.m_imageData = picture->data;
        } else {
            reader.fail(ZenubJsonReader::tr("The field \"%1\" names no image of the project.")
                            .arg(path.child(keys[Picture])));
        }
    } else if (shape.m_type == Type::Image) {
        shape.m_imageFormat = reader.readChoice(values(ImageFormat), path, keys[ImageFormat],
                                                imageFormats(), QStringLiteral("png"));
        shape.m_imageData = QByteArray::fromBase64(
            reader.readString(values(Image), path, keys[Image], QString()).toLatin1());
    }
    if (shape.m_type == Type::Path) {
        shape.m_path = ZenubPath::fromJson(reader.readObject(values(PathKey), path, keys[PathKey]),
                                           reader, ZenubJsonPath(path, keys[PathKey]));
    }
    shape.m_points =
        reader.readInt(values(Points), path, keys[Points], shape.m_points, 3, maximumPoints());
    shape.m_innerRadius =
        reader.readNumber(values(InnerRadius), path, keys[InnerRadius], shape.m_innerRadius, 0, 1);
    shape.m_roundness =
        reader.readNumber(values(Roundness), path, keys[Roundness], shape.m_roundness, 0, 1);

    if (shape.m_type == Type::Group) {
        shape.m_contentSize = QSizeF(
            reader.readNumber(values(ContentWidth), path, keys[ContentWidth], 0, 0, limit),
            reader.readNumber(values(ContentHeight), path, keys[ContentHeight], 0, 0, limit));
        const ZenubJsonPath membersPath(path, keys[Members]);
        const QJsonArray members = reader.readArray(values(Members), path, keys[Members]);
        // Groups inside groups without end would exhaust the stack.
        if (!members.isEmpty() && depth >= maximumGroupDepth()) {
            reader.fail(ZenubJsonReader::tr("The field \"%1\" nests groups more than %2 deep.")
                            .arg(membersPath.toString())
                            .arg(maximumGroupDepth()));
        }
        for (int i = 0; i < members.size() && !reader.hasError(); ++i) {
            shape.m_members.append(read(reader.objectAt(members, membersPath, i), reader,
                                        ZenubJsonPath(membersPath, i), depth + 1));
        }
    }

    const ZenubJsonPath keyframesPath(path, keys[Keyframes]);
    const QJsonArray keyframes = reader.readArray(values(Keyframes), path, keys[Keyframes]);
    shape.m_keyframes.reserve(keyframes.size());
    for (int i = 0; i < keyframes.size(); ++i) {
        const ZenubJsonPath keyframePath(keyframesPath, i);
        const ZenubKeyframe keyframe = ZenubKeyframe::fromJson(
            reader.objectAt(keyframes, keyframesPath, i), reader, keyframePath);
        if (reader.hasError())
            break;
        // Two keyframes on one frame cannot both be kept; refuse instead of picking one.
        const int before = shape.m_keyframes.size();
        shape.setKeyframe(keyframe);
        if (shape.m_keyframes.size() == before) {
            reader.fail(ZenubJsonReader::tr("The field \"%1\" repeats frame %2.")
                            .arg(keyframePath.toString())
                            .arg(keyframe.getFrame()));
            break;
        }
    }
    return shape;
}

bool ZenubShape::operator==(const ZenubShape& other) const
{
    return m_type == other.m_type && m_name == other.m_name && m_fill == other.m_fill &&
           m_stroke == other.m_stroke && m_cornerRadius == other.m_cornerRadius &&
           m_text == other.m_text && m_imageData == other.m_imageData &&
           m_imageFormat == other.m_imageFormat && m_path == other.m_path &&
           m_points == other.m_points && m_innerRadius == other.m_innerRadius &&
           m_roundness == other.m_roundness && m_members == other.m_members &&
           m_contentSize == other.m_contentSize && m_keyframes == other.m_keyframes;
}
