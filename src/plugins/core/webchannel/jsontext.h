// SPDX-License-Identifier: MIT
#ifndef JSONTEXT_H
#define JSONTEXT_H

#include "core_export.h"

#include <QString>

class QJsonArray;
class QJsonObject;
class QJsonValue;

/*!
    Compact JSON text of a QJsonObject, written straight into a QString: the same text as
    QJsonDocument::toJson(QJsonDocument::Compact) decoded from UTF-8, at a fraction of its cost.
    A WebSocket text frame is sent from a QString, so the detour through UTF-8 bought nothing.
*/
class CORE_EXPORT JsonText
{
public:
    static QString compact(const QJsonObject& object);

private:
    static void write(QString& out, const QJsonValue& value);
    static void write(QString& out, const QJsonObject& object);
    static void write(QString& out, const QJsonArray& array);
    static void writeString(QString& out, const QString& text);
};

#endif
