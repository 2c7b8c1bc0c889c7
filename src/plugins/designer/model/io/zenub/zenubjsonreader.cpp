// SPDX-License-Identifier: MIT
#include "zenubjsonreader.h"

#include <QColor>
#include <QStringList>

#include <cmath>

QString ZenubJsonReader::readString(const QJsonValue& value, const ZenubJsonPath& path,
                                    QLatin1String key, const QString& fallback)
{
    if (value.isUndefined())
        return fallback;
    if (!value.isString()) {
        fail(tr("The field \"%1\" must be text.").arg(path.child(key)));
        return fallback;
    }
    return value.toString();
}

int ZenubJsonReader::readInt(const QJsonValue& value, const ZenubJsonPath& path, QLatin1String key,
                             int fallback, int minimum, int maximum)
{
    const QJsonValue::Type type = value.type();
    if (type == QJsonValue::Undefined)
        return fallback;
    const double number = value.toDouble();
    if (type != QJsonValue::Double || std::floor(number) != number) {
        fail(tr("The field \"%1\" must be a whole number.").arg(path.child(key)));
        return fallback;
    }
    if (number < minimum || number > maximum) {
        fail(tr("The field \"%1\" must lie between %2 and %3.")
                 .arg(path.child(key))
                 .arg(minimum)
                 .arg(maximum));
        return fallback;
    }
    return static_cast<int>(number);
}

double ZenubJsonReader::readNumber(const QJsonValue& value, const ZenubJsonPath& path,
                                   QLatin1String key, double fallback, double minimum,
                                   double maximum)
{
    const QJsonValue::Type type = value.type();
    if (type == QJsonValue::Undefined)
        return fallback;
    if (type != QJsonValue::Double) {
        fail(tr("The field \"%1\" must be a number.").arg(path.child(key)));
        return fallback;
    }
    const double number = value.toDouble();
    if (!(number >= minimum && number <= maximum)) {
        fail(tr("The field \"%1\" must lie between %2 and %3.")
                 .arg(path.child(key))
                 .arg(minimum)
                 .arg(maximum));
        return fallback;
    }
    return number;
}

bool ZenubJsonReader::readBool(const QJsonValue& value, const ZenubJsonPath& path,
                               QLatin1String key, bool fallback)
{
    if (value.isUndefined())
        return fallback;
    if (!value.isBool()) {
        fail(tr("The field \"%1\" must be true or false.").arg(path.child(key)));
        return fallback;
    }
    return value.toBool();
}

QColor ZenubJsonReader::readColor(const QJsonValue& value, const ZenubJsonPath& path,
                                  QLatin1String key, const QColor& fallback)
{
    if (value.isUndefined())
        return fallback;
    // Only the hexadecimal forms: colour names would make the file depend on Qt's name table.
    const QString text = value.toString();
    bool hex = (text.size() == 7 || text.size() == 9) && text.at(0) == QLatin1Char('#');
    // Read here rather than by QColor's name parser, which a large project calls thousands of
    // times.
    QRgb rgba = 0;
    for (int i = 1; hex && i < text.size(); ++i) {
        const ushort c = text.at(i).unicode();
        const int digit = c >= '0' && c <= '9'   ? c - '0'
                          : c >= 'a' && c <= 'f' ? c - 'a' + 10
                          : c >= 'A' && c <= 'F' ? c - 'A' + 10
                                                 : -1;
        hex = digit >= 0;
        rgba = rgba << 4 | QRgb(digit);
    }
    if (!value.isString() || !hex) {
        fail(tr("The field \"%1\" must be a colour such as \"#ff8800\".").arg(path.child(key)));
        return fallback;
    }
    return text.size() == 7 ? QColor(rgba) : QColor::fromRgba(rgba);
}

QString ZenubJsonReader::readChoice(const QJsonValue& value, const ZenubJsonPath& path,
                                    QLatin1String key, const QStringList& choices,
                                    const QString& fallback)
{
    if (value.isUndefined())
        return fallback;
    const QString text = value.toString();
    if (!value.isString() || !choices.contains(text)) {
        fail(tr("The field \"%1\" must be one of: %2.")
                 .arg(path.child(key), choices.join(QStringLiteral(", "))));
        return fallback;
    }
    return text;
}

QJsonArray ZenubJsonReader::readArray(const QJsonValue& value, const ZenubJsonPath& path,
                                      QLatin1String key)
{
    if (value.isUndefined())
        return {};
    if (!value.isArray()) {
        fail(tr("The field \"%1\" must be a list.").arg(path.child(key)));
        return {};
    }
    return value.toArray();
}

QJsonObject ZenubJsonReader::readObject(const QJsonValue& value, const ZenubJsonPath& path,
                                        QLatin1String key)
{
    if (value.isUndefined())
        return {};
    if (!value.isObject()) {
        fail(tr("The field \"%1\" must be an object.").arg(path.child(key)));
        return {};
    }
    return value.toObject();
}

QJsonObject ZenubJsonReader::objectAt(const QJsonArray& array, const ZenubJsonPath& path, int index)
{
    const QJsonValue value = array.at(index);
    if (!value.isObject()) {
        fail(tr("The field \"%1\" must be an object.").arg(element(path.toString(), index)));
        return {};
    }
    return value.toObject();
}

QJsonArray ZenubJsonReader::readArray(const QJsonObject& object, const QString& path,
                                      const QString& key)
{
    const QJsonValue value = object.value(key);
    if (value.isUndefined())
        return {};
    if (!value.isArray()) {
        fail(tr("The field \"%1\" must be a list.").arg(child(path, key)));
        return {};
    }
    return value.toArray();
}

QJsonObject ZenubJsonReader::objectAt(const QJsonArray& array, const QString& path, int index)
{
    return objectAt(array, ZenubJsonPath(path), index);
}

QString ZenubJsonReader::child(const QString& path, const QString& key)
{
    return path.isEmpty() ? key : path + QLatin1Char('.') + key;
}

QString ZenubJsonReader::element(const QString& path, int index)
{
    return path + QLatin1Char('[') + QString::number(index) + QLatin1Char(']');
}

QString ZenubJsonReader::colorName(const QColor& color)
{
    return color.name(color.alpha() == 255 ? QColor::HexRgb : QColor::HexArgb);
}

void ZenubJsonReader::fail(const QString& message)
{
    if (m_error.isEmpty())
        m_error = message;
}
