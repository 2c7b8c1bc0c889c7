#include "zenubjsonreader.h"

#include <QColor>
#include <QStringList>

#include <algorithm>
#include <cmath>

void ZenubJsonReader::collect(const QJsonObject& object, const QLatin1String* keys, int* positions,
                              int count)
{
    std::fill(positions, positions + count, -1);
    // Compared here rather than with QString's operator==: a large project has hundreds of
    // thousands of keys, almost all short.
    const auto equal = [](const QString& key, QLatin1String candidate) {
        if (key.size() != candidate.size())
            return false;
        const QChar* text = key.constData();
        for (int i = 0; i < candidate.size(); ++i) {
            if (text[i].unicode() != uchar(candidate.data()[i]))
                return false;
        }
        return true;
    };
    int position = 0;
    for (auto it = object.constBegin(), end = object.constEnd(); it != end; ++it, ++position) {
        const QString key = it.key();
        for (int i = 0; i < count; ++i) {
            if (equal(key, keys[i])) {
                positions[i] = position;
                break;
            }
        }
    }
}

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
    if (value.isUndefined())
        return fallback;
    const double number = value.toDouble();
    if (!value.isDouble() || std::floor(number) != number) {
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
    if (value.isUndefined())
        return fallback;
    if (!value.isDouble()) {
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
    const auto isHexDigit = [](QChar c) {
        return (c >= QLatin1Char('0') && c <= QLatin1Char('9')) ||
               (c >= QLatin1Char('a') && c <= QLatin1Char('f')) ||
               (c >= QLatin1Char('A') && c <= QLatin1Char('F'));
    };
    const bool hex = (text.size() == 7 || text.size() == 9) && text.at(0) == QLatin1Char('#') &&
                     std::all_of(text.begin() + 1, text.end(), isHexDigit);
    if (!value.isString() || !hex) {
        fail(tr("The field \"%1\" must be a colour such as \"#ff8800\".").arg(path.child(key)));
        return fallback;
    }
    return QColor(text);
}

QString ZenubJsonReader::readChoice(const QJsonValue& value, const ZenubJsonPath& path,
                                    QLatin1String key, const QStringList& choices,
                                    const QString& fallback)
{
    if (value.isUndefined())
        return fallback;
    if (!value.isString() || !choices.contains(value.toString())) {
        fail(tr("The field \"%1\" must be one of: %2.")
                 .arg(path.child(key), choices.join(QStringLiteral(", "))));
        return fallback;
    }
    return value.toString();
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
