// SPDX-License-Identifier: MIT
#ifndef ZENUBJSONREADER_H
#define ZENUBJSONREADER_H

#include "zenubjsonpath.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonObject>
#include <QString>

class QColor;
class ZenubPictureTable;

/*!
    Reads typed fields out of project JSON and remembers the first problem it meets, described
    with the field's full path ("project.scenes[1].name") so the user can find it.

    A missing field gives the fallback; a field of the wrong type or out of range gives the
    fallback as well and records the error, so that the caller can finish the walk and then
    refuse the whole document.
*/
class ZenubJsonReader
{
    Q_DECLARE_TR_FUNCTIONS(ZenubJsonReader)
public:
    bool hasError() const { return !m_error.isEmpty(); }
    QString errorString() const { return m_error; }

    // Each reads \a value, found as \a key below \a path; an undefined value gives the fallback.
    QString readString(const QJsonValue& value, const ZenubJsonPath& path, QLatin1String key,
                       const QString& fallback);
    int readInt(const QJsonValue& value, const ZenubJsonPath& path, QLatin1String key, int fallback,
                int minimum, int maximum);
    double readNumber(const QJsonValue& value, const ZenubJsonPath& path, QLatin1String key,
                      double fallback, double minimum, double maximum);
    bool readBool(const QJsonValue& value, const ZenubJsonPath& path, QLatin1String key,
                  bool fallback);
    /*! Colours are written "#rrggbb", or "#aarrggbb" when not opaque. */
    QColor readColor(const QJsonValue& value, const ZenubJsonPath& path, QLatin1String key,
                     const QColor& fallback);
    /*! A text that must be one of \a choices. */
    QString readChoice(const QJsonValue& value, const ZenubJsonPath& path, QLatin1String key,
                       const QStringList& choices, const QString& fallback);
    QJsonArray readArray(const QJsonValue& value, const ZenubJsonPath& path, QLatin1String key);
    QJsonObject readObject(const QJsonValue& value, const ZenubJsonPath& path, QLatin1String key);
    /*! The element \a index of an array that must hold objects. */
    QJsonObject objectAt(const QJsonArray& array, const ZenubJsonPath& path, int index);

    // For callers that keep their path as text.
    QJsonArray readArray(const QJsonObject& object, const QString& path, const QString& key);
    QJsonObject objectAt(const QJsonArray& array, const QString& path, int index);

    /*! Path of \a key below \a path. */
    static QString child(const QString& path, const QString& key);
    /*! Path of element \a index below \a path. */
    static QString element(const QString& path, int index);

    // Bounds that keep a hand-edited file from asking for absurd canvases or loops.
    static constexpr int frameLimit() { return 1000000; }
    static constexpr double coordinateLimit() { return 1000000.0; }

    static QString colorName(const QColor& color);

    /*! Records \a message unless an earlier problem was recorded. */
    void fail(const QString& message);

    /*!
        The project format version of what is read: shapes of versions before 4 keep their box
        in keyframes, later ones each property on its own track. The newest unless set.
    */
    int formatVersion() const { return m_formatVersion; }
    void setFormatVersion(int version) { m_formatVersion = version; }
    /*! The version that gave every property its own track. */
    static constexpr int tracksVersion() { return 4; }

    /*! The pictures image shapes may name; null when there is no table to name them in. */
    const ZenubPictureTable* pictures() const { return m_pictures; }
    void setPictures(const ZenubPictureTable* pictures) { m_pictures = pictures; }

private:
    QString m_error;
    const ZenubPictureTable* m_pictures = nullptr;
    int m_formatVersion = tracksVersion();
};

#endif
