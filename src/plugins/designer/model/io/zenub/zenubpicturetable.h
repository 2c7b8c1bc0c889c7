// SPDX-License-Identifier: MIT
#ifndef ZENUBPICTURETABLE_H
#define ZENUBPICTURETABLE_H

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QVector>

class QJsonValue;
class ZenubJsonPath;
class ZenubJsonReader;
class ZenubJsonWriter;
class ZenubProject;
class ZenubShape;

/*!
    The pictures of a project file, each stored once however many image shapes show it
    (duplicates, pastes, the same file inserted twice); the shapes name their picture by id.

    An id is taken from the picture's content, so that saving again, or adding other pictures,
    leaves the ids of the pictures already there as they were.
*/
class ZenubPictureTable
{
public:
    struct Picture
    {
        QString id;
        QString format;
        QByteArray data;
        /*! The first image shape that shows it, to name the picture in messages. */
        QString shapeName;
    };

    /*! Every distinct picture the image shapes of \a project show. */
    static ZenubPictureTable of(const ZenubProject& project);

    bool isEmpty() const { return m_pictures.isEmpty(); }
    /*! In the order of their ids. */
    const QVector<Picture>& pictures() const { return m_pictures; }
    /*! The id of the picture \a data of \a format; empty when the table does not hold it. */
    QString idOf(const QByteArray& data, const QString& format) const;
    /*! The picture named \a id, or null. */
    const Picture* find(const QString& id) const;

    void write(ZenubJsonWriter& writer) const;
    static ZenubPictureTable fromJson(const QJsonValue& value, ZenubJsonReader& reader,
                                      const ZenubJsonPath& path);

private:
    void add(const QByteArray& data, const QString& format, const QString& shapeName);
    void addPictures(const QVector<ZenubShape>& shapes);
    void index();

    QVector<Picture> m_pictures;
    QHash<QString, int> m_byId;
    // Shapes copied from one another share their bytes, so most look-ups end at the address.
    QMultiHash<const char*, int> m_byAddress;
    QMultiHash<QByteArray, int> m_byContent;
};

#endif
