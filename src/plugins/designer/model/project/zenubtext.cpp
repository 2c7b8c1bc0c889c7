// SPDX-License-Identifier: MIT
#include "zenubtext.h"

#include "model/io/zenub/zenubjsonkeys.h"
#include "model/io/zenub/zenubjsonreader.h"
#include "model/io/zenub/zenubjsonwriter.h"

#include <QSharedData>

#include <algorithm>
#include <atomic>

namespace {

quint64 nextKey()
{
    static std::atomic<quint64> last{0};
    return ++last;
}

} // namespace

class ZenubText::Data : public QSharedData
{
public:
    QVector<ZenubTextRun> runs;
    QString family = QStringLiteral("sans-serif");
    double size = 0;
    Alignment alignment = Alignment::Center;
    double lineSpacing = 1;
    BoxMode boxMode = BoxMode::Grow;
    quint64 key = nextKey();
};

ZenubText::ZenubText()
    : d(new Data)
{}

ZenubText::ZenubText(const ZenubText& other) = default;
ZenubText& ZenubText::operator=(const ZenubText& other) = default;
ZenubText::~ZenubText() = default;

ZenubText::Data* ZenubText::changing()
{
    Data* data = d.data();
    data->key = nextKey();
    return data;
}

const QVector<ZenubTextRun>& ZenubText::getRuns() const
{
    return d->runs;
}

void ZenubText::setRuns(const QVector<ZenubTextRun>& runs)
{
    QVector<ZenubTextRun> merged;
    merged.reserve(runs.size());
    for (const ZenubTextRun& run : runs) {
        if (run.text.isEmpty())
            continue;
        if (!merged.isEmpty() && merged.constLast().sameStyle(run))
            merged.last().text += run.text;
        else
            merged.append(run);
    }
    changing()->runs = merged;
}

QString ZenubText::getPlainText() const
{
    if (d->runs.size() == 1)
        return d->runs.constFirst().text;
    QString text;
    for (const ZenubTextRun& run : d->runs)
        text += run.text;
    return text;
}

void ZenubText::setPlainText(const QString& text)
{
    setRuns({ZenubTextRun(text)});
}

bool ZenubText::isRich() const
{
    return std::any_of(d->runs.cbegin(), d->runs.cend(),
                       [](const ZenubTextRun& run) { return !run.isPlain(); });
}

QString ZenubText::getFontFamily() const
{
    return d->family;
}

void ZenubText::setFontFamily(const QString& family)
{
    if (family != d->family)
        changing()->family = family;
}

double ZenubText::getFontSize() const
{
    return d->size;
}

void ZenubText::setFontSize(double pixels)
{
    if (pixels == d->size)
        return;
    // Layouts are kept by font size as well: a size animated back and forth reuses them.
    const quint64 key = d->key;
    Data* data = changing();
    data->size = pixels;
    data->key = key;
}

ZenubText::Alignment ZenubText::getAlignment() const
{
    return d->alignment;
}

void ZenubText::setAlignment(Alignment alignment)
{
    if (alignment != d->alignment)
        changing()->alignment = alignment;
}

double ZenubText::getLineSpacing() const
{
    return d->lineSpacing;
}

void ZenubText::setLineSpacing(double factor)
{
    if (factor != d->lineSpacing)
        changing()->lineSpacing = factor;
}

ZenubText::BoxMode ZenubText::getBoxMode() const
{
    return d->boxMode;
}

void ZenubText::setBoxMode(BoxMode mode)
{
    if (mode != d->boxMode)
        changing()->boxMode = mode;
}

bool ZenubText::isPlain() const
{
    return !isRich() && d->alignment == Alignment::Center && d->lineSpacing == 1.0 &&
           d->boxMode == BoxMode::Grow;
}

quint64 ZenubText::layoutKey() const
{
    return d->key;
}

QString ZenubText::alignmentName(Alignment alignment)
{
    switch (alignment) {
    case Alignment::Left:
        return QStringLiteral("left");
    case Alignment::Center:
        return QStringLiteral("center");
    case Alignment::Right:
        return QStringLiteral("right");
    }
    return QString();
}

QString ZenubText::boxModeName(BoxMode mode)
{
    return mode == BoxMode::Wrap ? QStringLiteral("wrap") : QStringLiteral("grow");
}

void ZenubText::writeRuns(ZenubJsonWriter& writer) const
{
    writer.beginArray();
    for (const ZenubTextRun& run : d->runs) {
        writer.beginObject();
        if (run.bold)
            writer.member(QLatin1String("bold"), true);
        if (run.color.isValid())
            writer.member(QLatin1String("color"), ZenubJsonReader::colorName(run.color));
        if (!run.family.isEmpty())
            writer.member(QLatin1String("family"), run.family);
        if (run.italic)
            writer.member(QLatin1String("italic"), true);
        if (run.size > 0)
            writer.member(QLatin1String("size"), run.size);
        writer.member(QLatin1String("text"), run.text);
        if (run.underline)
            writer.member(QLatin1String("underline"), true);
        writer.endObject();
    }
    writer.endArray();
}

QVector<ZenubTextRun> ZenubText::readRuns(const QJsonArray& runs, ZenubJsonReader& reader,
                                          const ZenubJsonPath& path)
{
    enum { Text, Bold, Italic, Underline, Color, Size, Family };
    static const ZenubJsonKeys keys{QLatin1String("text"),   QLatin1String("bold"),
                                    QLatin1String("italic"), QLatin1String("underline"),
                                    QLatin1String("color"),  QLatin1String("size"),
                                    QLatin1String("family")};
    QVector<ZenubTextRun> result;
    if (runs.size() > maximumRuns()) {
        reader.fail(ZenubJsonReader::tr("The field \"%1\" holds more than %2 entries.")
                        .arg(path.toString())
                        .arg(maximumRuns()));
        return result;
    }
    result.reserve(runs.size());
    for (int i = 0; i < runs.size() && !reader.hasError(); ++i) {
        const ZenubJsonPath runPath(path, i);
        const ZenubJsonKeys::Found values = keys.find(reader.objectAt(runs, path, i));
        ZenubTextRun run;
        run.text = reader.readString(values(Text), runPath, keys[Text], QString());
        run.bold = reader.readBool(values(Bold), runPath, keys[Bold], false);
        run.italic = reader.readBool(values(Italic), runPath, keys[Italic], false);
        run.underline = reader.readBool(values(Underline), runPath, keys[Underline], false);
        run.color = reader.readColor(values(Color), runPath, keys[Color], QColor());
        run.size = reader.readNumber(values(Size), runPath, keys[Size], 0, 0,
                                     ZenubJsonReader::coordinateLimit());
        run.family = reader.readString(values(Family), runPath, keys[Family], QString());
        result.append(run);
    }
    return result;
}

bool ZenubText::operator==(const ZenubText& other) const
{
    return d == other.d ||
           (d->runs == other.d->runs && d->family == other.d->family && d->size == other.d->size &&
            d->alignment == other.d->alignment && d->lineSpacing == other.d->lineSpacing &&
            d->boxMode == other.d->boxMode);
}
