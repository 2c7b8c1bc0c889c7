// SPDX-License-Identifier: MIT
#include "lottiereader.h"

#include "model/project/zenubpaint.h"
#include "model/project/zenubproject.h"
#include "model/project/zenubshape.h"
#include "model/project/zenubstroke.h"

#include <QJsonArray>
#include <QJsonDocument>

#include <cmath>

namespace {

QString placeOfLayer(const QJsonObject& layer, int index)
{
    const QString name = layer.value(QLatin1String("nm")).toString();
    return name.isEmpty() ? LottieReader::tr("layer %1").arg(index + 1)
                          : LottieReader::tr("layer \"%1\"").arg(name);
}

// Shape elements a project has no place for, by their type.
QString modifierName(const QString& type)
{
    static const QHash<QString, const char*> names = {
        {QStringLiteral("tm"), QT_TRANSLATE_NOOP("LottieReader", "trim paths")},
        {QStringLiteral("rp"), QT_TRANSLATE_NOOP("LottieReader", "repeaters")},
        {QStringLiteral("rd"), QT_TRANSLATE_NOOP("LottieReader", "rounded corners")},
        {QStringLiteral("mm"), QT_TRANSLATE_NOOP("LottieReader", "merged paths")},
        {QStringLiteral("op"), QT_TRANSLATE_NOOP("LottieReader", "offset paths")},
        {QStringLiteral("pb"), QT_TRANSLATE_NOOP("LottieReader", "pucker and bloat")},
        {QStringLiteral("tw"), QT_TRANSLATE_NOOP("LottieReader", "twists")},
        {QStringLiteral("zz"), QT_TRANSLATE_NOOP("LottieReader", "zig zags")},
    };
    const char* name = names.value(type);
    return name ? LottieReader::tr(name) : QString();
}

} // namespace

void LottieReader::leaveOut(const QString& feature, const QString& place)
{
    const QString entry = tr("%1 (%2)").arg(feature, place);
    if (m_named.contains(entry))
        return;
    m_named.insert(entry);
    m_document.unsupported << entry;
}

void LottieReader::checkExpression(const QString& place)
{
    if (m_properties.sawExpression())
        leaveOut(tr("expressions"), place);
    m_properties.clearExpression();
}

bool LottieReader::looksLikeLottie(const QByteArray& data)
{
    const QJsonObject root = QJsonDocument::fromJson(data).object();
    return root.value(QLatin1String("layers")).isArray() && root.contains(QLatin1String("w")) &&
           root.contains(QLatin1String("h")) && root.contains(QLatin1String("fr")) &&
           root.contains(QLatin1String("op"));
}

bool LottieReader::read(const QByteArray& data, LottieDocument* document, QString* errorString)
{
    QJsonParseError parse;
    const QJsonDocument json = QJsonDocument::fromJson(data, &parse);
    if (parse.error != QJsonParseError::NoError) {
        *errorString =
            tr("It is not JSON: %1 at byte %2.").arg(parse.errorString()).arg(parse.offset);
        return false;
    }
    LottieReader reader;
    if (!json.isObject() || !reader.readAnimation(json.object())) {
        *errorString = reader.m_properties.failed()
                           ? reader.m_properties.error()
                           : tr("It is not a Lottie animation: it needs \"layers\", \"w\", "
                                "\"h\", \"fr\", \"ip\" and \"op\".");
        return false;
    }
    *document = reader.m_document;
    return true;
}

bool LottieReader::readAnimation(const QJsonObject& root)
{
    m_root = root;
    const QJsonValue layers = root.value(QLatin1String("layers"));
    if (!layers.isArray() || !root.value(QLatin1String("w")).isDouble() ||
        !root.value(QLatin1String("h")).isDouble() || !root.value(QLatin1String("fr")).isDouble() ||
        !root.value(QLatin1String("op")).isDouble())
        return false;
    LottieDocument& doc = m_document;
    doc.name = root.value(QLatin1String("nm")).toString();
    doc.frameRate = root.value(QLatin1String("fr")).toDouble();
    doc.in = m_properties.number(root.value(QLatin1String("ip")), QStringLiteral("ip"), 0);
    doc.out = root.value(QLatin1String("op")).toDouble();
    const double width = root.value(QLatin1String("w")).toDouble();
    const double height = root.value(QLatin1String("h")).toDouble();
    const int largest = ZenubProject::maximumStageSize();
    if (!(width >= 1 && width <= largest && height >= 1 && height <= largest)) {
        m_properties.fail(
            tr("The size %1 × %2 is outside 1 to %3 pixels.").arg(width).arg(height).arg(largest));
        return false;
    }
    doc.width = qRound(width);
    doc.height = qRound(height);
    if (!(doc.frameRate > 0 && doc.frameRate <= ZenubProject::maximumFrameRate())) {
        m_properties.fail(tr("The frame rate %1 is outside 1 to %2 frames a second.")
                              .arg(doc.frameRate)
                              .arg(ZenubProject::maximumFrameRate()));
        return false;
    }
    if (!(doc.out > doc.in && doc.out - doc.in <= maximumFrames())) {
        m_properties.fail(tr("The animation's frames \"ip\" %1 to \"op\" %2 are not 1 to %3 "
                             "frames long.")
                              .arg(doc.in)
                              .arg(doc.out)
                              .arg(maximumFrames()));
        return false;
    }
    if (std::abs(doc.frameRate - std::round(doc.frameRate)) > 1e-9)
        leaveOut(tr("a frame rate of %1 a second, played at %2")
                     .arg(doc.frameRate)
                     .arg(std::max(1.0, std::round(doc.frameRate))),
                 tr("the animation"));
    const QJsonArray list = layers.toArray();
    if (list.size() > maximumLayers()) {
        m_properties.fail(tr("It has more than %1 layers.").arg(maximumLayers()));
        return false;
    }
    for (int i = 0; i < list.size(); ++i) {
        const QString where = QStringLiteral("layers[%1]").arg(i);
        if (!list.at(i).isObject()) {
            m_properties.fail(tr("\"%1\" must be a layer object.").arg(where));
            return false;
        }
        LottieLayer layer;
        readLayer(list.at(i).toObject(), where, &layer);
        if (m_properties.failed())
            return false;
        doc.layers.append(layer);
    }
    return true;
}

LottieTransform LottieReader::readTransform(const QJsonObject& object, const QString& where,
                                            const QString& place)
{
    LottieTransform transform;
    const auto property = [&](const char* key, int dimensions, const LottieTrack& fallback) {
        return m_properties.read(object.value(QLatin1String(key)),
                                 where + QLatin1Char('.') + QLatin1String(key), dimensions,
                                 fallback);
    };
    transform.anchor = property("a", 2, transform.anchor);
    const QJsonObject position = object.value(QLatin1String("p")).toObject();
    if (position.value(QLatin1String("s")).toBool()) {
        transform.split = true;
        transform.positionX =
            m_properties.read(position.value(QLatin1String("x")), where + QLatin1String(".p.x"), 1,
                              transform.positionX);
        transform.positionY =
            m_properties.read(position.value(QLatin1String("y")), where + QLatin1String(".p.y"), 1,
                              transform.positionY);
    } else {
        transform.position = property("p", 2, transform.position);
    }
    transform.scale = property("s", 2, transform.scale);
    transform.rotation = property("r", 1, transform.rotation);
    transform.opacity = property("o", 1, transform.opacity);
    const LottieTrack skew = property("sk", 1, LottieTrack::still<0>());
    if (skew.isAnimated() || skew.first().value(0) != 0)
        leaveOut(tr("skew"), place);
    for (const char* key : {"rx", "ry", "rz", "or"})
        if (object.contains(QLatin1String(key)))
            leaveOut(tr("3D rotation"), place);
    checkExpression(place);
    return transform;
}

QByteArray LottieReader::picture(const QString& id, const QString& place, QSizeF* size)
{
    for (const QJsonValue& value : m_root.value(QLatin1String("assets")).toArray()) {
        const QJsonObject asset = value.toObject();
        if (asset.value(QLatin1String("id")).toString() != id)
            continue;
        *size = QSizeF(asset.value(QLatin1String("w")).toDouble(),
                       asset.value(QLatin1String("h")).toDouble());
        const QString path = asset.value(QLatin1String("p")).toString();
        const int comma = path.indexOf(QLatin1Char(','));
        if (!path.startsWith(QLatin1String("data:")) || comma < 0 ||
            !path.left(comma).endsWith(QLatin1String(";base64"))) {
            leaveOut(tr("pictures kept in files of their own"), place);
            return QByteArray();
        }
        return QByteArray::fromBase64(path.mid(comma + 1).toLatin1());
    }
    m_properties.fail(
        tr("%1 shows the picture \"%2\", which the file does not hold.").arg(place, id));
    return QByteArray();
}

void LottieReader::readLayer(const QJsonObject& object, const QString& where, LottieLayer* layer)
{
    const int position = where.mid(7, where.size() - 8).toInt();
    const QString place = placeOfLayer(object, position);
    const auto number = [&](const char* key, double fallback) {
        return m_properties.number(object.value(QLatin1String(key)),
                                   where + QLatin1Char('.') + QLatin1String(key), fallback);
    };
    layer->name = object.value(QLatin1String("nm")).toString();
    if (layer->name.isEmpty())
        layer->name = tr("Layer %1").arg(position + 1);
    // Layer numbers only name layers: one beyond any count names none the file could have.
    const auto layerNumber = [&](const char* key) {
        const double value = number(key, -1);
        if (std::abs(value) <= 1e9)
            return int(value);
        m_properties.fail(tr("\"%1.%2\" is not a layer number.").arg(where, QLatin1String(key)));
        return -1;
    };
    layer->index = layerNumber("ind");
    layer->parent = object.contains(QLatin1String("parent")) ? layerNumber("parent") : -1;
    layer->hidden = object.value(QLatin1String("hd")).toBool();
    layer->in = number("ip", m_document.in);
    layer->out = number("op", m_document.out);
    layer->start = number("st", 0);
    layer->stretch = number("sr", 1);
    if (layer->stretch == 0)
        layer->stretch = 1;
    layer->transform = readTransform(object.value(QLatin1String("ks")).toObject(),
                                     where + QLatin1String(".ks"), place);
    if (!object.value(QLatin1String("masksProperties")).toArray().isEmpty())
        leaveOut(tr("masks"), place);
    if (object.value(QLatin1String("tt")).toInt() > 0 || object.contains(QLatin1String("tp")))
        leaveOut(tr("track mattes"), place);
    if (!object.value(QLatin1String("ef")).toArray().isEmpty())
        leaveOut(tr("effects"), place);
    if (!object.value(QLatin1String("sy")).toArray().isEmpty())
        leaveOut(tr("layer styles"), place);
    if (object.value(QLatin1String("ddd")).toInt() == 1)
        leaveOut(tr("3D layers"), place);
    if (object.contains(QLatin1String("tm")))
        leaveOut(tr("time remapping"), place);
    if (object.value(QLatin1String("ao")).toInt() == 1)
        leaveOut(tr("auto-orientation"), place);
    if (object.value(QLatin1String("bm")).toInt() > 0)
        leaveOut(tr("blend modes"), place);

    const int type = object.value(QLatin1String("ty")).toInt(-1);
    // A layer that serves as another's matte is not drawn itself.
    if (object.value(QLatin1String("td")).toInt() == 1) {
        leaveOut(tr("track mattes"), place);
        layer->kind = LottieLayer::Kind::Null;
        return;
    }
    switch (type) {
    case 1: {
        layer->kind = LottieLayer::Kind::Solid;
        layer->solidColor = QColor(object.value(QLatin1String("sc")).toString());
        if (!layer->solidColor.isValid())
            m_properties.fail(tr("\"%1.sc\" must be a colour \"#rrggbb\".").arg(where));
        layer->solidSize = QSizeF(number("sw", 0), number("sh", 0));
        break;
    }
    case 2:
        layer->kind = LottieLayer::Kind::Image;
        layer->picture =
            picture(object.value(QLatin1String("refId")).toString(), place, &layer->pictureSize);
        break;
    case 3:
        layer->kind = LottieLayer::Kind::Null;
        break;
    case 4:
        layer->kind = LottieLayer::Kind::Shape;
        readItems(object.value(QLatin1String("shapes")), where + QLatin1String(".shapes"), place, 0,
                  &layer->shapes);
        break;
    case 5:
        layer->kind = LottieLayer::Kind::Text;
        readText(object.value(QLatin1String("t")).toObject(), where + QLatin1String(".t"), place,
                 layer);
        break;
    case 0:
        leaveOut(tr("precompositions"), place);
        layer->kind = LottieLayer::Kind::Null;
        break;
    default:
        leaveOut(tr("layers of type %1").arg(type), place);
        layer->kind = LottieLayer::Kind::Null;
        break;
    }
}

void LottieReader::readText(const QJsonObject& object, const QString& where, const QString& place,
                            LottieLayer* layer)
{
    const QJsonArray documents =
        object.value(QLatin1String("d")).toObject().value(QLatin1String("k")).toArray();
    const QJsonObject document = documents.first().toObject().value(QLatin1String("s")).toObject();
    if (document.isEmpty()) {
        m_properties.fail(tr("\"%1.d\" must hold the text's words.").arg(where));
        return;
    }
    const auto colourOf = [](const QJsonValue& value) {
        const QJsonArray colour = value.toArray();
        return QColor::fromRgbF(std::clamp(colour.at(0).toDouble(), 0.0, 1.0),
                                std::clamp(colour.at(1).toDouble(), 0.0, 1.0),
                                std::clamp(colour.at(2).toDouble(), 0.0, 1.0));
    };
    // Later documents of the same words change their size or colour by holding keys.
    for (int i = 1; i < documents.size(); ++i) {
        const QJsonObject key = documents.at(i).toObject();
        const QJsonObject later = key.value(QLatin1String("s")).toObject();
        if (later.value(QLatin1String("t")) != document.value(QLatin1String("t")) ||
            later.value(QLatin1String("f")) != document.value(QLatin1String("f"))) {
            leaveOut(tr("words that change (the first are kept)"), place);
            layer->textKeys.clear();
            break;
        }
        const QString at = QStringLiteral("%1.d.k[%2]").arg(where).arg(i);
        if (layer->textKeys.size() >= LottiePropertyReader::maximumKeys()) {
            m_properties.fail(tr("\"%1\" has more than %2 keys.")
                                  .arg(at)
                                  .arg(LottiePropertyReader::maximumKeys()));
            return;
        }
        layer->textKeys.append(
            {m_properties.number(key.value(QLatin1String("t")), at + QLatin1String(".t"), 0),
             m_properties.number(later.value(QLatin1String("s")), at + QLatin1String(".s.s"), 10),
             colourOf(later.value(QLatin1String("fc")))});
    }
    if (!object.value(QLatin1String("a")).toArray().isEmpty())
        leaveOut(tr("text animators"), place);
    if (document.contains(QLatin1String("sz")))
        leaveOut(tr("paragraph boxes (the lines are kept as written)"), place);
    if (document.value(QLatin1String("tr")).toDouble() != 0)
        leaveOut(tr("letter spacing"), place);
    layer->text = document.value(QLatin1String("t")).toString();
    layer->text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    layer->text.replace(QChar(3), QLatin1Char('\n'));
    layer->fontSize =
        m_properties.number(document.value(QLatin1String("s")), where + QLatin1String(".d.s"), 10);
    layer->lineHeight =
        m_properties.number(document.value(QLatin1String("lh")), where + QLatin1String(".d.lh"), 0);
    layer->justify = document.value(QLatin1String("j")).toInt();
    layer->textColor = colourOf(document.value(QLatin1String("fc")));
    const QString font = document.value(QLatin1String("f")).toString();
    layer->fontFamily = font;
    const QJsonArray fonts =
        m_root.value(QLatin1String("fonts")).toObject().value(QLatin1String("list")).toArray();
    for (const QJsonValue& value : fonts) {
        const QJsonObject entry = value.toObject();
        if (entry.value(QLatin1String("fName")).toString() == font) {
            layer->fontFamily = entry.value(QLatin1String("fFamily")).toString(font);
            layer->fontStyle = entry.value(QLatin1String("fStyle")).toString();
        }
    }
    if (layer->fontSize <= 0 || layer->fontSize > 10000)
        m_properties.fail(tr("\"%1.d.s\": the font size %2 is not 1 to 10000 pixels.")
                              .arg(where)
                              .arg(layer->fontSize));
}

void LottieReader::readStyle(const QJsonObject& object, const QString& where, LottieItem* item)
{
    const QString type = object.value(QLatin1String("ty")).toString();
    const auto property = [&](const char* key, int dimensions, const LottieTrack& fallback) {
        return m_properties.read(object.value(QLatin1String(key)),
                                 where + QLatin1Char('.') + QLatin1String(key), dimensions,
                                 fallback);
    };
    item->kind = type.startsWith(QLatin1Char('f')) || type == QLatin1String("gf")
                     ? LottieItem::Kind::Fill
                     : LottieItem::Kind::Stroke;
    item->opacity = property("o", 1, item->opacity);
    item->evenOdd = object.value(QLatin1String("r")).toInt() == 2;
    if (type == QLatin1String("gf") || type == QLatin1String("gs")) {
        item->gradient = object.value(QLatin1String("t")).toInt() == 2 ? 2 : 1;
        const QJsonObject colours = object.value(QLatin1String("g")).toObject();
        const double stops = m_properties.number(colours.value(QLatin1String("p")),
                                                 where + QLatin1String(".g.p"), 0);
        item->stopCount = stops >= 1 && stops <= ZenubPaint::maximumStops() ? int(stops) : 0;
        if (item->stopCount < 1)
            m_properties.fail(tr("\"%1.g.p\" must count 1 to %2 colours.")
                                  .arg(where)
                                  .arg(ZenubPaint::maximumStops()));
        // Colour stops, then perhaps opacity stops: all numbers, as many as there are.
        item->stops = m_properties.read(colours.value(QLatin1String("k")),
                                        where + QLatin1String(".g.k"), 0, LottieTrack());
        const int needed = item->stopCount * 4;
        for (const LottieKey& key : item->stops.keys())
            if (key.value.size() < needed)
                m_properties.fail(
                    tr("\"%1.g.k\" holds fewer than %2 colours.").arg(where).arg(item->stopCount));
        item->start = property("s", 2, item->start);
        item->end = property("e", 2, item->end);
        const LottieTrack highlight = property("h", 1, LottieTrack::still<0>());
        if (item->gradient == 2 && (highlight.isAnimated() || highlight.first().value(0) != 0))
            leaveOut(tr("radial gradients' highlights"), where);
    } else {
        item->color = property("c", 3, item->color);
    }
    if (item->kind == LottieItem::Kind::Stroke) {
        item->width = property("w", 1, item->width);
        item->cap = object.value(QLatin1String("lc")).toInt(2);
        item->join = object.value(QLatin1String("lj")).toInt(2);
        item->miterLimit =
            m_properties.number(object.value(QLatin1String("ml")), where + QLatin1String(".ml"), 4);
        const QJsonArray dashes = object.value(QLatin1String("d")).toArray();
        if (dashes.size() > ZenubStroke::maximumDashes() + 1)
            m_properties.fail(tr("\"%1.d\" has more than %2 dashes.")
                                  .arg(where)
                                  .arg(ZenubStroke::maximumDashes()));
        for (int i = 0; i < dashes.size() && !m_properties.failed(); ++i) {
            const QJsonObject dash = dashes.at(i).toObject();
            const LottieTrack length = m_properties.read(
                dash.value(QLatin1String("v")), QStringLiteral("%1.d[%2].v").arg(where).arg(i), 1,
                LottieTrack::still<0>());
            if (dash.value(QLatin1String("n")).toString() == QLatin1String("o"))
                item->dashOffset = length.first().value(0);
            else
                item->dashes.append(std::max(0.0, length.first().value(0)));
        }
    }
}

bool LottieReader::readItems(const QJsonValue& value, const QString& where, const QString& place,
                             int depth, QVector<LottieItem>* items)
{
    if (depth > ZenubShape::maximumGroupDepth()) {
        m_properties.fail(tr("\"%1\": groups are nested deeper than %2.")
                              .arg(where)
                              .arg(ZenubShape::maximumGroupDepth()));
        return false;
    }
    if (!value.isArray() && !value.isUndefined()) {
        m_properties.fail(tr("\"%1\" must be a list of shapes.").arg(where));
        return false;
    }
    const QJsonArray list = value.toArray();
    for (int i = 0; i < list.size() && !m_properties.failed(); ++i) {
        const QString at = QStringLiteral("%1[%2]").arg(where).arg(i);
        const QJsonObject object = list.at(i).toObject();
        if (++m_items > maximumItems()) {
            m_properties.fail(tr("It has more than %1 shape elements.").arg(maximumItems()));
            return false;
        }
        const QString type = object.value(QLatin1String("ty")).toString();
        // Hidden elements are not drawn.
        if (object.value(QLatin1String("hd")).toBool() || type == QLatin1String("tr"))
            continue;
        LottieItem item;
        item.name = object.value(QLatin1String("nm")).toString();
        const QString here = item.name.isEmpty() ? place : tr("%1, \"%2\"").arg(place, item.name);
        const auto property = [&](const char* key, int dimensions, const LottieTrack& fallback) {
            return m_properties.read(object.value(QLatin1String(key)),
                                     at + QLatin1Char('.') + QLatin1String(key), dimensions,
                                     fallback);
        };
        if (object.value(QLatin1String("bm")).toInt() > 0)
            leaveOut(tr("blend modes"), here);
        if (type == QLatin1String("gr")) {
            item.kind = LottieItem::Kind::Group;
            const QJsonArray inner = object.value(QLatin1String("it")).toArray();
            for (const QJsonValue& entry : inner)
                if (entry.toObject().value(QLatin1String("ty")).toString() == QLatin1String("tr"))
                    item.transform =
                        readTransform(entry.toObject(), at + QLatin1String(".it"), here);
            readItems(inner, at + QLatin1String(".it"), here, depth + 1, &item.items);
        } else if (type == QLatin1String("rc") || type == QLatin1String("el")) {
            item.kind = type == QLatin1String("rc") ? LottieItem::Kind::Rectangle
                                                    : LottieItem::Kind::Ellipse;
            item.position = property("p", 2, item.position);
            item.size = property("s", 2, item.size);
            item.roundness = property("r", 1, item.roundness);
        } else if (type == QLatin1String("sh")) {
            item.kind = LottieItem::Kind::Path;
            item.path =
                m_properties.readPath(object.value(QLatin1String("ks")), at + QLatin1String(".ks"));
        } else if (type == QLatin1String("sr")) {
            item.kind = LottieItem::Kind::PolyStar;
            item.star = object.value(QLatin1String("sy")).toInt(1) != 2;
            item.position = property("p", 2, item.position);
            item.points = property("pt", 1, item.points);
            item.outerRadius = property("or", 1, item.outerRadius);
            item.innerRadius = property("ir", 1, item.innerRadius);
            item.starRotation = property("r", 1, item.starRotation);
            for (const char* key : {"os", "is"}) {
                const LottieTrack round = property(key, 1, LottieTrack::still<0>());
                if (round.isAnimated() || round.first().value(0) != 0)
                    leaveOut(tr("rounded star corners (drawn sharp)"), here);
            }
        } else if (type == QLatin1String("fl") || type == QLatin1String("st") ||
                   type == QLatin1String("gf") || type == QLatin1String("gs")) {
            readStyle(object, at, &item);
        } else {
            const QString modifier = modifierName(type);
            leaveOut(modifier.isEmpty() ? tr("shape elements of type \"%1\"").arg(type) : modifier,
                     here);
            continue;
        }
        checkExpression(here);
        items->append(item);
    }
    return !m_properties.failed();
}
