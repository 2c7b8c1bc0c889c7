// SPDX-License-Identifier: MIT
#include "zenubjsonwriter.h"

#include <QIODevice>
#include <QJsonArray>
#include <QJsonObject>
#include <QLocale>

#include <cmath>
#include <cstring>

namespace {

// Large enough that writing costs a few system calls for a whole project.
constexpr int blockSize = 1 << 20;

char hexDigit(uint value)
{
    return char(value < 10 ? '0' + value : 'a' + value - 10);
}

} // namespace

ZenubJsonWriter::ZenubJsonWriter(QIODevice* device, Layout layout)
    : m_device(device)
    , m_compact(layout == Layout::Compact)
{
    m_buffer.reserve(blockSize + 4096);
}

void ZenubJsonWriter::beginObject()
{
    open('{');
#ifndef QT_NO_DEBUG
    m_lastKey.append(QLatin1String());
#endif
}

void ZenubJsonWriter::endObject()
{
#ifndef QT_NO_DEBUG
    m_lastKey.removeLast();
#endif
    close('}');
}

void ZenubJsonWriter::beginArray()
{
    open('[');
}

void ZenubJsonWriter::endArray()
{
    close(']');
}

void ZenubJsonWriter::key(QLatin1String name)
{
#ifndef QT_NO_DEBUG
    Q_ASSERT_X(m_lastKey.last().size() == 0 || m_lastKey.last() < name, "ZenubJsonWriter::key",
               "members must come in ascending order of their keys");
    m_lastKey.last() = name;
#endif
    beginMember();
    append(name.data(), name.size());
    if (m_compact)
        append("\":", 2);
    else
        append("\": ", 3);
    m_afterKey = true;
}

void ZenubJsonWriter::beginMember()
{
    if (m_open.last()) {
        if (m_compact)
            append(',');
        else
            append(",\n", 2);
    }
    m_open.last() = true;
    indent(m_open.size());
    append('"');
}

void ZenubJsonWriter::value(const QString& text)
{
    beginValue();
    append('"');
    writeEscaped(text);
    append('"');
}

void ZenubJsonWriter::value(double number)
{
    beginValue();
    // QJsonValue keeps a whole number that fits 64 bits as an integer and writes it in full;
    // the rest in the shortest form that reads back the same.
    if (number >= -9223372036854775808.0 && number < 9223372036854775808.0 &&
        std::trunc(number) == number) {
        writeInteger(qint64(number));
    } else if (std::isfinite(number)) {
        m_buffer.append(QByteArray::number(number, 'g', QLocale::FloatingPointShortest));
    } else {
        append("null", 4);
    }
}

void ZenubJsonWriter::value(bool flag)
{
    beginValue();
    if (flag)
        append("true", 4);
    else
        append("false", 5);
}

void ZenubJsonWriter::value(QLatin1String text)
{
    for (const char c : text)
        if (c < 0x20 || c == '"' || c == '\\') // also every byte above ASCII
            return value(QString(text));
    beginValue();
    append('"');
    append(text.data(), text.size());
    append('"');
}

void ZenubJsonWriter::value(const QJsonValue& json)
{
    switch (json.type()) {
    case QJsonValue::Object: {
        const QJsonObject object = json.toObject();
        beginObject();
        // QJsonObject keeps its members in the order of their keys.
        for (auto it = object.constBegin(); it != object.constEnd(); ++it) {
            beginMember();
            writeEscaped(it.key());
            if (m_compact)
                append("\":", 2);
            else
                append("\": ", 3);
            m_afterKey = true;
            value(it.value());
        }
        endObject();
        break;
    }
    case QJsonValue::Array:
        beginArray();
        for (const QJsonValue& element : json.toArray())
            value(element);
        endArray();
        break;
    case QJsonValue::String:
        value(json.toString());
        break;
    case QJsonValue::Double:
        value(json.toDouble());
        break;
    case QJsonValue::Bool:
        value(json.toBool());
        break;
    case QJsonValue::Null:
    case QJsonValue::Undefined:
        beginValue();
        append("null", 4);
        break;
    }
}

void ZenubJsonWriter::raw(const QByteArray& json)
{
    beginValue();
    append(json.constData(), json.size());
    if (m_device && m_buffer.size() >= blockSize)
        finish();
}

void ZenubJsonWriter::base64(const QByteArray& data)
{
    beginValue();
    append('"');
    // Pictures are most of a large project: they go in slices of whole base-64 groups, so that
    // no copy of a whole picture is made on the way to the device.
    const int slice = blockSize / 4 * 3;
    for (int at = 0; at < data.size(); at += slice) {
        const QByteArray encoded =
            QByteArray::fromRawData(data.constData() + at, qMin(slice, data.size() - at))
                .toBase64();
        append(encoded.constData(), encoded.size());
        if (m_device && m_buffer.size() >= blockSize)
            finish();
    }
    append('"');
}

bool ZenubJsonWriter::finish()
{
    if (m_device && !m_buffer.isEmpty()) {
        if (m_device->write(m_buffer) != m_buffer.size())
            m_failed = true;
        m_buffer.resize(0);
    }
    return !m_failed;
}

QByteArray ZenubJsonWriter::takeBytes()
{
    QByteArray bytes = m_buffer;
    m_buffer = QByteArray();
    return bytes;
}

void ZenubJsonWriter::beginValue()
{
    if (m_afterKey) {
        m_afterKey = false;
        return;
    }
    if (m_open.isEmpty())
        return;
    if (m_open.last())
        append(m_compact ? "," : ",\n", m_compact ? 1 : 2);
    m_open.last() = true;
    indent(m_open.size());
}

void ZenubJsonWriter::open(char bracket)
{
    beginValue();
    append(bracket);
    if (!m_compact)
        append('\n');
    m_open.append(false);
}

void ZenubJsonWriter::close(char bracket)
{
    if (m_open.last() && !m_compact)
        append('\n');
    m_open.removeLast();
    indent(m_open.size());
    append(bracket);
    if (m_open.isEmpty() && !m_compact)
        append('\n');
    if (m_device && m_buffer.size() >= blockSize)
        finish();
}

void ZenubJsonWriter::indent(int depth)
{
    if (m_compact)
        return;
    static const char spaces[] = "                                                                ";
    int count = depth * 4;
    while (count > 0) {
        const int now = qMin(count, int(sizeof(spaces)) - 1);
        append(spaces, now);
        count -= now;
    }
}

void ZenubJsonWriter::writeInteger(qint64 number)
{
    char digits[24];
    char* end = digits + sizeof(digits);
    char* start = end;
    // Unsigned, so that the smallest qint64 negates without overflow.
    quint64 magnitude = number < 0 ? 0 - quint64(number) : quint64(number);
    do {
        *--start = char('0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude);
    if (number < 0)
        *--start = '-';
    append(start, int(end - start));
}

void ZenubJsonWriter::writeEscaped(const QString& text)
{
    const ushort* source = text.utf16();
    const ushort* const end = source + text.size();
    // Most text is plain ASCII and goes in unchanged.
    const ushort* plain = source;
    while (plain != end && *plain >= 0x20 && *plain < 0x80 && *plain != '"' && *plain != '\\')
        ++plain;
    const int before = m_buffer.size();
    m_buffer.resize(before + int(plain - source));
    char* out = m_buffer.data() + before;
    for (const ushort* c = source; c != plain; ++c)
        *out++ = char(*c);
    for (source = plain; source != end; ++source) {
        const ushort u = *source;
        if (u < 0x80) {
            if (u >= 0x20 && u != '"' && u != '\\') {
                append(char(u));
                continue;
            }
            append('\\');
            switch (u) {
            case '"':
                append('"');
                break;
            case '\\':
                append('\\');
                break;
            case '\b':
                append('b');
                break;
            case '\f':
                append('f');
                break;
            case '\n':
                append('n');
                break;
            case '\r':
                append('r');
                break;
            case '\t':
                append('t');
                break;
            default: {
                const char escape[] = {'u', '0', '0', hexDigit(u >> 4), hexDigit(u & 0xf)};
                append(escape, 5);
            }
            }
        } else if (u < 0x800) {
            const char bytes[] = {char(0xc0 | (u >> 6)), char(0x80 | (u & 0x3f))};
            append(bytes, 2);
        } else if (QChar::isHighSurrogate(u) && source + 1 != end &&
                   QChar::isLowSurrogate(source[1])) {
            const uint code = QChar::surrogateToUcs4(u, source[1]);
            ++source;
            const char bytes[] = {char(0xf0 | (code >> 18)), char(0x80 | ((code >> 12) & 0x3f)),
                                  char(0x80 | ((code >> 6) & 0x3f)), char(0x80 | (code & 0x3f))};
            append(bytes, 4);
        } else if (QChar::isSurrogate(u)) {
            // A lone half of a pair has no UTF-8 form.
            const char escape[] = {'\\',
                                   'u',
                                   hexDigit(u >> 12),
                                   hexDigit((u >> 8) & 0xf),
                                   hexDigit((u >> 4) & 0xf),
                                   hexDigit(u & 0xf)};
            append(escape, 6);
        } else {
            const char bytes[] = {char(0xe0 | (u >> 12)), char(0x80 | ((u >> 6) & 0x3f)),
                                  char(0x80 | (u & 0x3f))};
            append(bytes, 3);
        }
    }
}
