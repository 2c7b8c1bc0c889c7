#include "zenubjsonreader.h"

#include <QColor>
#include <QStringList>

#include <algorithm>
#include <cmath>

QString ZenubJsonReader::readString(const QJsonObject& object, const QString& path,
                                    const QString& key, const QString& fallback)
{
    const QJsonValue value = object.value(key);
    if (value.isUndefined())
        return fallback;
    if (!value.isString()) {
        fail(tr("The field \"%1\" must be text.").arg(child(path, key)));
        return fallback;
    }
    return value.toString();
}

int ZenubJsonReader::readInt(const QJsonObject& object, const QString& path, const QString& key,
                             int fallback, int minimum, int maximum)
{
    const QJsonValue value = object.value(key);
    if (value.isUndefined())
        return fallback;
    const double number = value.toDouble();
    if (!value.isDouble() || std::floor(number) != number) {
        fail(tr("The field \"%1\" must be a whole number.").arg(child(path, key)));
        return fallback;
    }
    if (number < minimum || number > maximum) {
        fail(tr("The field \"%1\" must lie between %2 and %3.")
                 .arg(child(path, key))
                 .arg(minimum)
                 .arg(maximum));
        return fallback;
    }
    return static_cast<int>(number);
}

double ZenubJsonReader::readNumber(const QJsonObject& object, const QString& path,
                                   const QString& key, double fallback, double minimum,
                                   double maximum)
{
    const QJsonValue value = object.value(key);
    if (value.isUndefined())
        return fallback;
    if (!value.isDouble()) {
        fail(tr("The field \"%1\" must be a number.").arg(child(path, key)));
        return fallback;
    }
    const double number = value.toDouble();
    if (!(number >= minimum && number <= maximum)) {
        fail(tr("The field \"%1\" must lie between %2 and %3.")
                 .arg(child(path, key))
                 .arg(minimum)
                 .arg(maximum));
        return fallback;
    }
    return number;
}

bool ZenubJsonReader::readBool(const QJsonObject& object, const QString& path, const QString& key,
                               bool fallback)
{
    const QJsonValue value = object.value(key);
    if (value.isUndefined())
        return fallback;
    if (!value.isBool()) {
        fail(tr("The field \"%1\" must be true or false.").arg(child(path, key)));
        return fallback;
    }
    return value.toBool();
}

QColor ZenubJsonReader::readColor(const QJsonObject& object, const QString& path,
                                  const QString& key, const QColor& fallback)
{
    const QJsonValue value = object.value(key);
    if (value.isUndefined())
        return fallback;
    // Only the hexadecimal forms: colour names would make the file depend on Qt's name table.
    const QString text = value.toString();
    const auto isHexDigit = [](QChar c) {
        return (c >= QLatin1Char('0') && c <= QLatin1Char('9')) ||
               (c >= QLatin1Char('a') && c <= QLatin1Char('f')) ||
               (c >= QLatin1Char('A') && c <= QLatin1Char('F'));
    };
    const bool hex = (text.size() == 7 || text.size() == 9) && text.at(0) == QLatin1Char('#') &&
                     std::all_of(text.begin() + 1, text.end(), isHexDigit);
    if (!value.isString() || !hex) {
        fail(tr("The field \"%1\" must be a colour such as \"#ff8800\".").arg(child(path, key)));
        return fallback;
    }
    return QColor(text);
}

QString ZenubJsonReader::readChoice(const QJsonObject& object, const QString& path,
                                    const QString& key, const QStringList& choices,
                                    const QString& fallback)
{
    const QJsonValue value = object.value(key);
    if (value.isUndefined())
        return fallback;
    if (!value.isString() || !choices.contains(value.toString())) {
        fail(tr("The field \"%1\" must be one of: %2.")
                 .arg(child(path, key), choices.join(QStringLiteral(", "))));
        return fallback;
    }
    return value.toString();
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

QJsonObject ZenubJsonReader::readObject(const QJsonObject& object, const QString& path,
                                        const QString& key)
{
    const QJsonValue value = object.value(key);
    if (value.isUndefined())
        return {};
    if (!value.isObject()) {
        fail(tr("The field \"%1\" must be an object.").arg(child(path, key)));
        return {};
    }
    return value.toObject();
}

QJsonObject ZenubJsonReader::objectAt(const QJsonArray& array, const QString& path, int index)
{
    const QJsonValue value = array.at(index);
    if (!value.isObject()) {
        fail(tr("The field \"%1\" must be an object.").arg(element(path, index)));
        return {};
    }
    return value.toObject();
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
