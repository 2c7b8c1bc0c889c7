// SPDX-License-Identifier: MIT
#ifndef SHORTCUTSCHEME_H
#define SHORTCUTSCHEME_H

#include "core_export.h"

#include <QCoreApplication>
#include <QKeySequence>
#include <QMap>
#include <QStringList>

/*!
    A set of keyboard shortcuts in a file of its own, to carry one's keys to another computer or
    to share them. The file is JSON:

        { "format": "zenub-shortcuts", "version": 1,
          "shortcuts": { "File.New": "Ctrl+N", "View.Fit": "Ctrl+9", "Help.About": "" } }

    Each entry maps a command id to its key in portable text (an empty text: no key). Entries
    whose text is not a key are reported and left out.
*/
class CORE_EXPORT ShortcutScheme
{
    Q_DECLARE_TR_FUNCTIONS(ShortcutScheme)
public:
    QMap<QString, QKeySequence> shortcuts;
    /*! Entries that could not be read, as "id: text". */
    QStringList invalid;

    static QByteArray toJson(const QMap<QString, QKeySequence>& shortcuts);
    /*! Reads \a data; false with a message in \a errorString when it is no scheme at all. */
    bool fromJson(const QByteArray& data, QString* errorString);

    bool save(const QString& fileName, QString* errorString) const;
    bool load(const QString& fileName, QString* errorString);
};

#endif
