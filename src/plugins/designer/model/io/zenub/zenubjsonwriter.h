// SPDX-License-Identifier: MIT
#ifndef ZENUBJSONWRITER_H
#define ZENUBJSONWRITER_H

#include <QByteArray>
#include <QLatin1String>
#include <QString>
#include <QVarLengthArray>
#include <QtGlobal>

class QIODevice;
class QJsonValue;
class ZenubPictureTable;

/*!
    Writes JSON as it goes, with the same bytes as QJsonDocument::toJson(QJsonDocument::Indented)
    gives for the same document, so that saving a project needs no QJsonObject tree first and
    saved files do not change. Like QJsonObject, the output has an object's members in ascending
    order of their keys: callers give them in that order.

    With a device the bytes are written to it in large blocks as they grow; without one they are
    kept for takeBytes(). Compact writers give the bytes of QJsonDocument::Compact instead.
*/
class ZenubJsonWriter
{
public:
    enum class Layout { Indented, Compact };

    explicit ZenubJsonWriter(QIODevice* device = nullptr, Layout layout = Layout::Indented);

    void beginObject();
    void endObject();
    void beginArray();
    void endArray();
    /*! Starts the member \a name of the current object; its value follows. */
    void key(QLatin1String name);
    template<int N>
    void key(const char (&name)[N])
    {
        key(QLatin1String(name, N - 1));
    }

    void value(const QString& text);
    void value(double number);
    void value(int number) { value(double(number)); }
    void value(bool flag);
    /*! A string literal (plain ASCII, the usual case, goes in as it is). */
    template<int N>
    void value(const char (&name)[N])
    {
        value(QLatin1String(name, N - 1));
    }
    void value(QLatin1String text);
    /*! A value held as a tree, written as QJsonDocument writes it. */
    void value(const QJsonValue& json);
    /*! JSON text of one value (a writer's of the same layout), written as it is. */
    void raw(const QByteArray& json);
    /*! \a data as a string in base 64. */
    void base64(const QByteArray& data);

    template<typename T>
    void member(QLatin1String name, const T& value)
    {
        key(name);
        this->value(value);
    }
    template<int N, typename T>
    void member(const char (&name)[N], const T& value)
    {
        key(QLatin1String(name, N - 1));
        this->value(value);
    }

    /*! The pictures image shapes name instead of carrying their own; null: they carry them. */
    const ZenubPictureTable* pictures() const { return m_pictures; }
    void setPictures(const ZenubPictureTable* pictures) { m_pictures = pictures; }
    /*! Writes what is still held to the device; false if any write to it failed. */
    bool finish();
    QByteArray takeBytes();

private:
    void beginValue();
    void beginMember();
    void open(char bracket);
    void close(char bracket);
    void indent(int depth);
    void writeInteger(qint64 number);
    void writeEscaped(const QString& text);
    void append(const char* data, int size) { m_buffer.append(data, size); }
    void append(char c) { m_buffer.append(c); }

    QIODevice* m_device = nullptr;
    QByteArray m_buffer;
    // Whether each open container has an element yet, innermost last.
    QVarLengthArray<bool, 16> m_open;
    bool m_afterKey = false;
    bool m_compact = false;
    bool m_failed = false;
    const ZenubPictureTable* m_pictures = nullptr;
#ifndef QT_NO_DEBUG
    QVarLengthArray<QLatin1String, 16> m_lastKey;
#endif
};

#endif
