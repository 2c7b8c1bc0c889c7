// SPDX-License-Identifier: MIT
#include "zenubpicturetable.h"

#include "model/project/zenubproject.h"
#include "zenubjsonkeys.h"
#include "zenubjsonreader.h"
#include "zenubjsonwriter.h"

#include <QCryptographicHash>
#include <QJsonObject>

#include <algorithm>

ZenubPictureTable ZenubPictureTable::of(const ZenubProject& project)
{
    ZenubPictureTable table;
    for (const ZenubScene& scene : project.getScenes())
        for (const ZenubLayer& layer : scene.getLayers())
            table.addPictures(layer.getShapes());
    table.index();
    return table;
}

void ZenubPictureTable::addPictures(const QVector<ZenubShape>& shapes)
{
    for (const ZenubShape& shape : shapes) {
        if (shape.getType() == ZenubShape::Type::Image)
            add(shape.getImageData(), shape.getImageFormat(), shape.getName());
        // Pictures inside groups are named from the table as well.
        addPictures(shape.getMembers());
    }
}

void ZenubPictureTable::add(const QByteArray& data, const QString& format, const QString& shapeName)
{
    if (!idOf(data, format).isEmpty())
        return;
    // SHA-1 reads several times faster than SHA-256 here, and the id needs no secrecy: two
    // pictures that meet on one are told apart below.
    const QString hash = QString::fromLatin1(
        QCryptographicHash::hash(data, QCryptographicHash::Sha1).toHex().left(16));
    QString id = hash;
    for (int n = 2; m_byId.contains(id); ++n)
        id = hash + QLatin1Char('-') + QString::number(n);
    const int index = m_pictures.size();
    m_pictures.append(Picture{id, format, data, shapeName});
    m_byId.insert(id, index);
    m_byAddress.insert(data.constData(), index);
    m_byContent.insert(data, index);
}

void ZenubPictureTable::index()
{
    std::sort(m_pictures.begin(), m_pictures.end(),
              [](const Picture& a, const Picture& b) { return a.id < b.id; });
    m_byId.clear();
    m_byAddress.clear();
    m_byContent.clear();
    for (int i = 0; i < m_pictures.size(); ++i) {
        m_byId.insert(m_pictures.at(i).id, i);
        m_byAddress.insert(m_pictures.at(i).data.constData(), i);
        m_byContent.insert(m_pictures.at(i).data, i);
    }
}

QString ZenubPictureTable::idOf(const QByteArray& data, const QString& format) const
{
    const auto matches = [&](int index) {
        const Picture& picture = m_pictures.at(index);
        return picture.format == format && picture.data.size() == data.size() &&
               (picture.data.constData() == data.constData() || picture.data == data);
    };
    for (auto it = m_byAddress.constFind(data.constData());
         it != m_byAddress.constEnd() && it.key() == data.constData(); ++it)
        if (matches(it.value()))
            return m_pictures.at(it.value()).id;
    for (auto it = m_byContent.constFind(data); it != m_byContent.constEnd() && it.key() == data;
         ++it)
        if (matches(it.value()))
            return m_pictures.at(it.value()).id;
    return QString();
}

const ZenubPictureTable::Picture* ZenubPictureTable::find(const QString& id) const
{
    const auto it = m_byId.constFind(id);
    return it == m_byId.constEnd() ? nullptr : &m_pictures.at(it.value());
}

void ZenubPictureTable::write(ZenubJsonWriter& writer) const
{
    // Ids are kept as Latin-1 while the writer checks the order of the keys it is given.
    QVector<QByteArray> ids;
    ids.reserve(m_pictures.size());
    writer.beginObject();
    for (const Picture& picture : m_pictures) {
        ids.append(picture.id.toLatin1());
        writer.key(QLatin1String(ids.constLast()));
        writer.beginObject();
        writer.key(QLatin1String("data"));
        writer.base64(picture.data);
        writer.member(QLatin1String("format"), picture.format);
        writer.endObject();
    }
    writer.endObject();
}

ZenubPictureTable ZenubPictureTable::fromJson(const QJsonValue& value, ZenubJsonReader& reader,
                                              const ZenubJsonPath& path)
{
    enum { Data, Format };
    static const ZenubJsonKeys keys{QLatin1String("data"), QLatin1String("format")};
    const QLatin1String name("pictures");
    const QJsonObject object = reader.readObject(value, path, name);
    const ZenubJsonPath picturesPath(path, name);
    ZenubPictureTable table;
    for (auto it = object.constBegin(); it != object.constEnd() && !reader.hasError(); ++it) {
        const QByteArray id = it.key().toLatin1();
        const ZenubJsonPath picturePath(picturesPath, QLatin1String(id));
        const ZenubJsonKeys::Found entry =
            keys.find(reader.readObject(it.value(), picturesPath, QLatin1String(id)));
        Picture picture;
        picture.id = it.key();
        picture.format = reader.readChoice(entry(Format), picturePath, keys[Format],
                                           ZenubShape::imageFormats(), QStringLiteral("png"));
        picture.data = QByteArray::fromBase64(
            reader.readString(entry(Data), picturePath, keys[Data], QString()).toLatin1());
        table.m_pictures.append(picture);
    }
    table.index();
    return table;
}
