// SPDX-License-Identifier: MIT
#ifndef EDITCOMMANDS_H
#define EDITCOMMANDS_H

#include "core_export.h"

#include <QObject>
#include <QStringList>

class ActionContainer;
class QAction;
class QWidget;

/*!
    The Edit menu's editing commands. Undo and Redo act on the shared undo group's active stack
    and carry its text ("Undo Move"); Cut, Copy, Paste, Duplicate, Delete and Select All are
    served by the editors for their own contexts and stay disabled where no editor serves them.
    All carry the platform's standard shortcuts, Redo also Ctrl+Y.
*/
class CORE_EXPORT EditCommands : public QObject
{
    Q_OBJECT
public:
    /*! Registers the commands and appends them to \a editMenu, with separators between groups. */
    EditCommands(QWidget* window, ActionContainer* editMenu);

    /*! The ids an editor registers its own actions under, in menu order. */
    static QStringList editorCommandIds();

private:
    QAction* addCommand(ActionContainer* menu, QAction* action, const QString& id,
                        const QList<QKeySequence>& keys, const QString& description);
};

#endif
