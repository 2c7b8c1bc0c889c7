// SPDX-License-Identifier: MIT
#include "zenubguides.h"

#include "model/io/zenub/zenubjsonkeys.h"
#include "model/io/zenub/zenubjsonpath.h"
#include "model/io/zenub/zenubjsonreader.h"
#include "model/io/zenub/zenubjsonwriter.h"

#include <QJsonArray>

namespace {

const QLatin1String kHorizontal("horizontal");
const QLatin1String kVertical("vertical");

QJsonArray numbers(const QVector<double>& values)
{
    QJsonArray array;
    for (const double value : values)
        array.append(value);
    return array;
}

} // namespace

QJsonObject ZenubGuides::toJson() const
{
    return QJsonObject{{kHorizontal, numbers(m_horizontal)}, {kVertical, numbers(m_vertical)}};
}

void ZenubGuides::write(ZenubJsonWriter& writer) const
{
    writer.beginObject();
    for (const auto& list :
         {qMakePair(kHorizontal, &m_horizontal), qMakePair(kVertical, &m_vertical)}) {
        writer.key(list.first);
        writer.beginArray();
        for (const double value : *list.second)
            writer.value(value);
        writer.endArray();
    }
    writer.endObject();
}

ZenubGuides ZenubGuides::fromJson(const QJsonValue& value, ZenubJsonReader& reader,
                                  const ZenubJsonPath& path)
{
    static const ZenubJsonKeys keys{kHorizontal, kVertical};
    const ZenubJsonKeys::Found values =
        keys.find(reader.readObject(value, path, QLatin1String("guides")));
    const ZenubJsonPath own(path, QLatin1String("guides"));
    ZenubGuides guides;
    const double limit = ZenubJsonReader::coordinateLimit();
    for (int i = 0; i < keys.size(); ++i) {
        QVector<double>& positions = i == 0 ? guides.m_horizontal : guides.m_vertical;
        for (const QJsonValue& each : reader.readArray(values(i), own, keys[i]))
            positions.append(reader.readNumber(each, own, keys[i], 0, -limit, limit));
    }
    return guides;
}
