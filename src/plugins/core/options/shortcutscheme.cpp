// SPDX-License-Identifier: MIT
#include "shortcutscheme.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>

namespace {

const char formatName[] = "zenub-shortcuts";
const int formatVersion = 1;
// A scheme holds a few hundred short lines; anything far larger is not one.
const qint64 maxFileSize = 1024 * 1024;

bool isKey(const QKeySequence& sequence)
{
    if (sequence.isEmpty())
        return false;
    for (int i = 0; i < sequence.count(); ++i) {
        if ((sequence[i] & ~Qt::KeyboardModifierMask) == Qt::Key_unknown)
            return false;
    }
    return true;
}

} // namespace

QByteArray ShortcutScheme::toJson(const QMap<QString, QKeySequence>& shortcuts)
{
    QJsonObject keys;
    for (auto it = shortcuts.constBegin(); it != shortcuts.constEnd(); ++it)
        keys.insert(it.key(), it.value().toString(QKeySequence::PortableText));
    QJsonObject root;
    root.insert(QStringLiteral("format"), QLatin1String(formatName));
    root.insert(QStringLiteral("version"), formatVersion);
    root.insert(QStringLiteral("shortcuts"), keys);
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

bool ShortcutScheme::fromJson(const QByteArray& data, QString* errorString)
{
    shortcuts.clear();
    invalid.clear();
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(data, &parseError);
    const QJsonObject root = document.object();
    if (document.isNull() || !document.isObject() ||
        root.value(QStringLiteral("format")).toString() != QLatin1String(formatName) ||
        !root.value(QStringLiteral("shortcuts")).isObject()) {
        *errorString = tr("The file is not a shortcut scheme of Zenub Animate.");
        return false;
    }
    const int version = root.value(QStringLiteral("version")).toInt();
    if (version > formatVersion) {
        *errorString = tr("The scheme was written by a newer version of Zenub Animate (format %1).")
                           .arg(version);
        return false;
    }
    const QJsonObject keys = root.value(QStringLiteral("shortcuts")).toObject();
    for (auto it = keys.constBegin(); it != keys.constEnd(); ++it) {
        const QString text = it.value().toString();
        const QKeySequence sequence(text, QKeySequence::PortableText);
        if (!it.value().isString() || (!text.trimmed().isEmpty() && !isKey(sequence))) {
            invalid.append(QStringLiteral("%1: %2").arg(
                it.key(), it.value().isString() ? text : QStringLiteral("?")));
            continue;
        }
        shortcuts.insert(it.key(), sequence);
    }
    return true;
}

bool ShortcutScheme::save(const QString& fileName, QString* errorString) const
{
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly) || file.write(toJson(shortcuts)) < 0 || !file.commit()) {
        *errorString = tr("\"%1\" could not be written: %2")
                           .arg(QDir::toNativeSeparators(fileName), file.errorString());
        return false;
    }
    return true;
}

bool ShortcutScheme::load(const QString& fileName, QString* errorString)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        *errorString = tr("\"%1\" could not be read: %2")
                           .arg(QDir::toNativeSeparators(fileName), file.errorString());
        return false;
    }
    // Read with a limit: a device or pipe reports no size to check first.
    const QByteArray data = file.read(maxFileSize + 1);
    if (data.size() > maxFileSize) {
        *errorString = tr("\"%1\" is too large to be a shortcut scheme.")
                           .arg(QDir::toNativeSeparators(fileName));
        return false;
    }
    return fromJson(data, errorString);
}
