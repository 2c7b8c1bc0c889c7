// SPDX-License-Identifier: MIT
#include "jsontext.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QJsonValue>
#include <QLocale>

#include <cmath>

QString JsonText::compact(const QJsonObject& object)
{
    QString out;
    out.reserve(128);
    write(out, object);
    return out;
}

void JsonText::write(QString& out, const QJsonValue& value)
{
    switch (value.type()) {
    case QJsonValue::Null:
    case QJsonValue::Undefined:
        out += QLatin1String("null");
        break;
    case QJsonValue::Bool:
        out += value.toBool() ? QLatin1String("true") : QLatin1String("false");
        break;
    case QJsonValue::Double: {
        const double number = value.toDouble();
        // JSON has no infinities and no NaN.
        if (!std::isfinite(number))
            out += QLatin1String("null");
        else if (number != std::trunc(number) || std::fabs(number) >= 18446744073709551616.0)
            out += QString::number(number, 'g', QLocale::FloatingPointShortest);
        else if (std::fabs(number) < 9007199254740992.0)
            out += QString::number(qint64(number));
        else // a whole number beyond a double's digits is written out, as Qt does
            out += QString::number(number, 'f', QLocale::FloatingPointShortest);
        break;
    }
    case QJsonValue::String:
        writeString(out, value.toString());
        break;
    case QJsonValue::Array:
        write(out, value.toArray());
        break;
    case QJsonValue::Object:
        write(out, value.toObject());
        break;
    }
}

void JsonText::write(QString& out, const QJsonObject& object)
{
    out += QLatin1Char('{');
    bool first = true;
    for (auto it = object.constBegin(); it != object.constEnd(); ++it) {
        if (!first)
            out += QLatin1Char(',');
        first = false;
        writeString(out, it.key());
        out += QLatin1Char(':');
        write(out, it.value());
    }
    out += QLatin1Char('}');
}

void JsonText::write(QString& out, const QJsonArray& array)
{
    out += QLatin1Char('[');
    bool first = true;
    for (const QJsonValue& value : array) {
        if (!first)
            out += QLatin1Char(',');
        first = false;
        write(out, value);
    }
    out += QLatin1Char(']');
}

void JsonText::writeString(QString& out, const QString& text)
{
    static const char hex[] = "0123456789abcdef";
    out += QLatin1Char('"');
    const QChar* data = text.constData();
    const int size = text.size();
    int run = 0; // start of the characters not yet copied
    for (int i = 0; i < size; ++i) {
        const ushort c = data[i].unicode();
        if (c >= 0x20 && c != '"' && c != '\\')
            continue;
        out.append(data + run, i - run);
        run = i + 1;
        out += QLatin1Char('\\');
        switch (c) {
        case '"':
        case '\\':
            out += QChar(c);
            break;
        case '\b':
            out += QLatin1Char('b');
            break;
        case '\f':
            out += QLatin1Char('f');
            break;
        case '\n':
            out += QLatin1Char('n');
            break;
        case '\r':
            out += QLatin1Char('r');
            break;
        case '\t':
            out += QLatin1Char('t');
            break;
        default:
            out += QLatin1String("u00");
            out += QLatin1Char(hex[c >> 4]);
            out += QLatin1Char(hex[c & 0xf]);
        }
    }
    out.append(data + run, size - run);
    out += QLatin1Char('"');
}
