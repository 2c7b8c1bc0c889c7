// SPDX-License-Identifier: MIT
#include "zenubshapejson.h"

#include "model/project/zenubshape.h"
#include "zenubjsonkeys.h"
#include "zenubjsonreader.h"
#include "zenubjsonwriter.h"
#include "zenubpicturetable.h"
#include "zenubtrackjson.h"

#include <QJsonArray>

namespace {

template<typename T>
bool stillOther(const ZenubTrack<T>& track, const T& fallback)
{
    return !track.isKeyed() && !ZenubInterpolation::same(track.value(), fallback);
}

} // namespace

void ZenubShapeJson::write(const ZenubShape& shape, ZenubJsonWriter& writer)
{
    // Members in the order of their names.
    const ZenubShapeTracks defaults;
    const ZenubShapeTracks& tracks = shape.m_tracks;
    const ZenubShape::Type type = shape.m_type;
    const ZenubText& text = shape.m_text;
    const ZenubText plainText;
    const ZenubStroke& style = shape.m_strokeStyle;
    const ZenubStroke plain;
    const bool group = type == ZenubShape::Type::Group;
    const bool sized = stillOther(tracks.size(), defaults.size().value());
    const bool placed = stillOther(tracks.position(), defaults.position().value());
    // A project file names its pictures from its table; elsewhere a shape carries its own.
    const ZenubPictureTable* pictures = writer.pictures();
    const QString pictureId = type == ZenubShape::Type::Image && pictures
                                  ? pictures->idOf(shape.m_imageData, shape.m_imageFormat)
                                  : QString();
    writer.beginObject();
    if (group) {
        writer.member(QLatin1String("contentHeight"), shape.m_contentSize.height());
        writer.member(QLatin1String("contentWidth"), shape.m_contentSize.width());
    }
    if (stillOther(tracks.cornerRadius(), defaults.cornerRadius().value()))
        writer.member(QLatin1String("cornerRadius"), tracks.cornerRadius().value());
    if (!tracks.fill().isKeyed()) {
        writer.key(QLatin1String("fill"));
        tracks.fill().value().write(writer);
    }
    if (stillOther(tracks.fillOpacity(), 1.0))
        writer.member(QLatin1String("fillOpacity"), tracks.fillOpacity().value());
    if (text.getFontFamily() != plainText.getFontFamily())
        writer.member(QLatin1String("fontFamily"), text.getFontFamily());
    if (stillOther(tracks.fontSize(), defaults.fontSize().value()))
        writer.member(QLatin1String("fontSize"), tracks.fontSize().value());
    if (sized)
        writer.member(QLatin1String("height"), tracks.size().value().height());
    if (type == ZenubShape::Type::Image && pictureId.isEmpty()) {
        writer.key(QLatin1String("image"));
        writer.base64(shape.m_imageData);
        writer.member(QLatin1String("imageFormat"), shape.m_imageFormat);
    }
    if (stillOther(tracks.innerRadius(), defaults.innerRadius().value()))
        writer.member(QLatin1String("innerRadius"), tracks.innerRadius().value());
    if (text.getLineSpacing() != plainText.getLineSpacing())
        writer.member(QLatin1String("lineSpacing"), text.getLineSpacing());
    if (group) {
        writer.key(QLatin1String("members"));
        writer.beginArray();
        for (const ZenubShape& member : shape.m_members)
            write(member, writer);
        writer.endArray();
    }
    writer.member(QLatin1String("name"), shape.m_name);
    if (stillOther(tracks.opacity(), 1.0))
        writer.member(QLatin1String("opacity"), tracks.opacity().value());
    if (!tracks.path().isKeyed() &&
        (type == ZenubShape::Type::Path || tracks.path().value() != ZenubPath())) {
        writer.key(QLatin1String("path"));
        tracks.path().value().write(writer);
    }
    if (!pictureId.isEmpty())
        writer.member(QLatin1String("picture"), pictureId);
    if (stillOther(tracks.points(), defaults.points().value()))
        writer.member(QLatin1String("points"), tracks.points().value());
    if (stillOther(tracks.rotation(), 0.0))
        writer.member(QLatin1String("rotation"), tracks.rotation().value());
    if (stillOther(tracks.roundness(), defaults.roundness().value()))
        writer.member(QLatin1String("roundness"), tracks.roundness().value());
    if (text.isRich()) {
        writer.key(QLatin1String("runs"));
        text.writeRuns(writer);
    }
    if (stillOther(tracks.stroke(), defaults.stroke().value())) {
        writer.key(QLatin1String("stroke"));
        tracks.stroke().value().write(writer);
    }
    if (style.getCap() != plain.getCap())
        writer.member(QLatin1String("strokeCap"), ZenubStroke::capName(style.getCap()));
    if (style.getDashOffset() != plain.getDashOffset())
        writer.member(QLatin1String("strokeDashOffset"), style.getDashOffset());
    if (!style.getDashes().isEmpty()) {
        writer.key(QLatin1String("strokeDashes"));
        writer.beginArray();
        for (const double dash : style.getDashes())
            writer.value(dash);
        writer.endArray();
    }
    if (style.getJoin() != plain.getJoin())
        writer.member(QLatin1String("strokeJoin"), ZenubStroke::joinName(style.getJoin()));
    if (style.getMiterLimit() != plain.getMiterLimit())
        writer.member(QLatin1String("strokeMiterLimit"), style.getMiterLimit());
    if (stillOther(tracks.strokeOpacity(), 1.0))
        writer.member(QLatin1String("strokeOpacity"), tracks.strokeOpacity().value());
    if (stillOther(tracks.strokeWidth(), defaults.strokeWidth().value()))
        writer.member(QLatin1String("strokeWidth"), tracks.strokeWidth().value());
    if (!text.isRich() && !text.getPlainText().isEmpty())
        writer.member(QLatin1String("text"), text.getPlainText());
    if (text.getAlignment() != plainText.getAlignment())
        writer.member(QLatin1String("textAlign"), ZenubText::alignmentName(text.getAlignment()));
    if (text.getBoxMode() != plainText.getBoxMode())
        writer.member(QLatin1String("textBox"), ZenubText::boxModeName(text.getBoxMode()));
    if (ZenubTrackJson::hasKeys(tracks)) {
        writer.key(QLatin1String("tracks"));
        ZenubTrackJson::write(tracks, writer);
    }
    writer.member(QLatin1String("type"), ZenubShape::typeName(type));
    if (sized)
        writer.member(QLatin1String("width"), tracks.size().value().width());
    if (placed) {
        writer.member(QLatin1String("x"), tracks.position().value().x());
        writer.member(QLatin1String("y"), tracks.position().value().y());
    }
    writer.endObject();
}

ZenubShape ZenubShapeJson::read(const QJsonObject& object, ZenubJsonReader& reader,
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
        LineSpacing,
        FillOpacity,
        StrokeOpacity
    };
    static const ZenubJsonKeys keys{QLatin1String("type"),
                                    QLatin1String("name"),
                                    QLatin1String("fill"),
                                    QLatin1String("text"),
                                    QLatin1String("stroke"),
                                    QLatin1String("strokeWidth"),
                                    QLatin1String("cornerRadius"),
                                    QLatin1String("fontFamily"),
                                    QLatin1String("fontSize"),
                                    QLatin1String("imageFormat"),
                                    QLatin1String("image"),
                                    QLatin1String("picture"),
                                    QLatin1String("strokeCap"),
                                    QLatin1String("strokeJoin"),
                                    QLatin1String("strokeMiterLimit"),
                                    QLatin1String("strokeDashes"),
                                    QLatin1String("strokeDashOffset"),
                                    QLatin1String("path"),
                                    QLatin1String("points"),
                                    QLatin1String("innerRadius"),
                                    QLatin1String("roundness"),
                                    QLatin1String("members"),
                                    QLatin1String("contentWidth"),
                                    QLatin1String("contentHeight"),
                                    QLatin1String("runs"),
                                    QLatin1String("textAlign"),
                                    QLatin1String("textBox"),
                                    QLatin1String("lineSpacing"),
                                    QLatin1String("fillOpacity"),
                                    QLatin1String("strokeOpacity")};
    const ZenubJsonKeys::Found values = keys.find(object);

    using Type = ZenubShape::Type;
    ZenubShape shape;
    // An unknown kind is refused rather than dropped, so that saving cannot lose it.
    static const QStringList types{
        ZenubShape::typeName(Type::Rectangle), ZenubShape::typeName(Type::Ellipse),
        ZenubShape::typeName(Type::Text),      ZenubShape::typeName(Type::Image),
        ZenubShape::typeName(Type::Path),      ZenubShape::typeName(Type::Polygon),
        ZenubShape::typeName(Type::Star),      ZenubShape::typeName(Type::Group)};
    ZenubShape::typeFromName(reader.readChoice(values(TypeKey), path, keys[TypeKey], types,
                                               ZenubShape::typeName(shape.m_type)),
                             &shape.m_type);
    shape.m_name = reader.readString(values(Name), path, keys[Name], QString());
    ZenubShapeTracks& tracks = shape.m_tracks;
    shape.setFill(ZenubPaint::read(values(Fill), reader, path, keys[Fill], shape.getFill()));
    tracks.fillOpacity().setValue(reader.readNumber(values(FillOpacity), path, keys[FillOpacity],
                                                    tracks.fillOpacity().value(), 0, 1));
    const double limit = ZenubJsonReader::coordinateLimit();

    ZenubStroke stroke = shape.getStroke();
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
    shape.setStroke(stroke);
    tracks.strokeOpacity().setValue(reader.readNumber(
        values(StrokeOpacity), path, keys[StrokeOpacity], tracks.strokeOpacity().value(), 0, 1));

    shape.setCornerRadius(reader.readNumber(values(CornerRadius), path, keys[CornerRadius],
                                            shape.getCornerRadius(), 0, limit));

    ZenubText text;
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
    shape.setTextContent(text);

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
                                                ZenubShape::imageFormats(), QStringLiteral("png"));
        shape.m_imageData = QByteArray::fromBase64(
            reader.readString(values(Image), path, keys[Image], QString()).toLatin1());
    }
    if (!values(PathKey).isUndefined()) {
        shape.setPath(ZenubPath::fromJson(reader.readObject(values(PathKey), path, keys[PathKey]),
                                          reader, ZenubJsonPath(path, keys[PathKey])));
    }
    shape.setPoints(reader.readInt(values(Points), path, keys[Points], shape.getPoints(), 3,
                                   ZenubShape::maximumPoints()));
    shape.setInnerRadius(reader.readNumber(values(InnerRadius), path, keys[InnerRadius],
                                           shape.getInnerRadius(), 0, 1));
    shape.setRoundness(
        reader.readNumber(values(Roundness), path, keys[Roundness], shape.getRoundness(), 0, 1));

    if (shape.m_type == Type::Group) {
        shape.m_contentSize = QSizeF(
            reader.readNumber(values(ContentWidth), path, keys[ContentWidth], 0, 0, limit),
            reader.readNumber(values(ContentHeight), path, keys[ContentHeight], 0, 0, limit));
        const ZenubJsonPath membersPath(path, keys[Members]);
        const QJsonArray members = reader.readArray(values(Members), path, keys[Members]);
        // Groups inside groups without end would exhaust the stack.
        if (!members.isEmpty() && depth >= ZenubShape::maximumGroupDepth()) {
            reader.fail(ZenubJsonReader::tr("The field \"%1\" nests groups more than %2 deep.")
                            .arg(membersPath.toString())
                            .arg(ZenubShape::maximumGroupDepth()));
        }
        for (int i = 0; i < members.size() && !reader.hasError(); ++i) {
            shape.m_members.append(read(reader.objectAt(members, membersPath, i), reader,
                                        ZenubJsonPath(membersPath, i), depth + 1));
        }
    }
    readBox(object, reader, path, &shape);
    if (shape.m_text.getFontSize() != shape.getFontSize())
        shape.m_text.setFontSize(shape.getFontSize());
    return shape;
}

void ZenubShapeJson::readBox(const QJsonObject& object, ZenubJsonReader& reader,
                             const ZenubJsonPath& path, ZenubShape* shape)
{
    ZenubShapeTracks& tracks = shape->m_tracks;
    if (reader.formatVersion() < ZenubJsonReader::tracksVersion()) {
        enum { Keyframes };
        static const ZenubJsonKeys keys{QLatin1String("keyframes")};
        const ZenubJsonKeys::Found values = keys.find(object);
        const ZenubJsonPath keyframesPath(path, keys[Keyframes]);
        const QJsonArray keyframes = reader.readArray(values(Keyframes), path, keys[Keyframes]);
        for (int i = 0; i < keyframes.size(); ++i) {
            const ZenubJsonPath keyframePath(keyframesPath, i);
            const ZenubKeyframe keyframe = ZenubKeyframe::fromJson(
                reader.objectAt(keyframes, keyframesPath, i), reader, keyframePath);
            if (reader.hasError())
                break;
            // Two keyframes on one frame cannot both be kept; refuse instead of picking one.
            if (tracks.hasKey(ZenubProperty::Position, keyframe.getFrame())) {
                reader.fail(ZenubJsonReader::tr("The field \"%1\" repeats frame %2.")
                                .arg(keyframePath.toString())
                                .arg(keyframe.getFrame()));
                break;
            }
            tracks.setBoxKey(keyframe);
        }
        return;
    }
    enum { X, Y, Width, Height, Rotation, Opacity, Tracks };
    static const ZenubJsonKeys keys{QLatin1String("x"),        QLatin1String("y"),
                                    QLatin1String("width"),    QLatin1String("height"),
                                    QLatin1String("rotation"), QLatin1String("opacity"),
                                    QLatin1String("tracks")};
    const ZenubJsonKeys::Found values = keys.find(object);
    const double limit = ZenubJsonReader::coordinateLimit();
    const QPointF position = tracks.position().value();
    tracks.position().setValue(
        QPointF(reader.readNumber(values(X), path, keys[X], position.x(), -limit, limit),
                reader.readNumber(values(Y), path, keys[Y], position.y(), -limit, limit)));
    const QSizeF size = tracks.size().value();
    tracks.size().setValue(
        QSizeF(reader.readNumber(values(Width), path, keys[Width], size.width(), 0, limit),
               reader.readNumber(values(Height), path, keys[Height], size.height(), 0, limit)));
    tracks.rotation().setValue(reader.readNumber(values(Rotation), path, keys[Rotation],
                                                 tracks.rotation().value(), -limit, limit));
    tracks.opacity().setValue(
        reader.readNumber(values(Opacity), path, keys[Opacity], tracks.opacity().value(), 0, 1));
    if (!reader.hasError())
        ZenubTrackJson::read(reader.readObject(values(Tracks), path, keys[Tracks]), reader,
                             ZenubJsonPath(path, keys[Tracks]), &tracks);
}
