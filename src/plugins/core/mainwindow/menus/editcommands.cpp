// SPDX-License-Identifier: MIT
#include "editcommands.h"

#include "actions/actioncontainer.h"
#include "actions/actionmanager.h"
#include "actions/contextaction.h"
#include "actions/proxyaction.h"
#include "documents/documentmanager.h"

#include <QAction>
#include <QMenu>
#include <QUndoGroup>

namespace {

QList<QKeySequence> standardKeys(QKeySequence::StandardKey key)
{
    return QKeySequence::keyBindings(key);
}

} // namespace

EditCommands::EditCommands(QWidget* window, ActionContainer* editMenu)
    : QObject(window)
{
    QUndoGroup* group = DocumentManager::getUndoGroup();
    QList<QKeySequence> redoKeys = standardKeys(QKeySequence::Redo);
    // Ctrl+Y is what most users on every system try first.
    const QKeySequence ctrlY(Qt::CTRL | Qt::Key_Y);
    if (!redoKeys.contains(ctrlY))
        redoKeys.append(ctrlY);
    // No prefix: Qt's own catalogue then words "Undo %1" for each language.
    addCommand(editMenu, group->createUndoAction(window), QStringLiteral("Edit.Undo"),
               standardKeys(QKeySequence::Undo), tr("Take back the last change"));
    addCommand(editMenu, group->createRedoAction(window), QStringLiteral("Edit.Redo"), redoKeys,
               tr("Make the change taken back again"));
    editMenu->getMenu()->addSeparator();

    const struct
    {
        const char* id;
        QString text;
        QList<QKeySequence> keys;
        QString description;
    } placeholders[] = {
        {"Edit.Cut", tr("Cu&t"), standardKeys(QKeySequence::Cut),
         tr("Move the selection to the clipboard")},
        {"Edit.Copy", tr("&Copy"), standardKeys(QKeySequence::Copy),
         tr("Copy the selection to the clipboard")},
        {"Edit.Paste", tr("&Paste"), standardKeys(QKeySequence::Paste),
         tr("Insert what the clipboard holds")},
        {"Edit.Duplicate",
         tr("D&uplicate"),
         {QKeySequence(Qt::CTRL | Qt::Key_D)},
         tr("Make a copy of the selection")},
        // The standard Delete binding also holds Ctrl+D on X11, which Duplicate has.
        {"Edit.Delete",
         tr("&Delete"),
         {QKeySequence(QKeySequence::Delete).isEmpty() ? QKeySequence(Qt::Key_Delete)
                                                       : QKeySequence(QKeySequence::Delete)},
         tr("Remove the selection")},
        {"Edit.Select_All", tr("Select &All"), standardKeys(QKeySequence::SelectAll),
         tr("Select everything where you are working")},
    };
    for (const auto& entry : placeholders) {
        // Outside an editor there is nothing to act on; the editors register the working ones.
        auto* action = new QAction(entry.text, window);
        action->setEnabled(false);
        addCommand(editMenu, action, QString::fromLatin1(entry.id), entry.keys, entry.description);
        if (qstrcmp(entry.id, "Edit.Delete") == 0)
            editMenu->getMenu()->addSeparator();
    }
    editMenu->getMenu()->addSeparator();
}

QStringList EditCommands::editorCommandIds()
{
    return {QStringLiteral("Edit.Cut"),    QStringLiteral("Edit.Copy"),
            QStringLiteral("Edit.Paste"),  QStringLiteral("Edit.Duplicate"),
            QStringLiteral("Edit.Delete"), QStringLiteral("Edit.Select_All")};
}

QAction* EditCommands::addCommand(ActionContainer* menu, QAction* action, const QString& id,
                                  const QList<QKeySequence>& keys, const QString& description)
{
    // The command's proxy carries the keys; a second copy here would be a second claim.
    action->setShortcuts(QList<QKeySequence>());
    ContextAction* command =
        ActionManager::registerAction(action, id, qobject_cast<QWidget*>(parent()), false);
    if (!command)
        return action;
    command->setDescription(description);
    if (!keys.isEmpty()) {
        const QKeySequence stored = command->getKeySequence();
        command->setDefaultKeySequence(keys.first());
        // Further standard keys come along only while the user has not chosen another one; a
        // stored key equal to the default is no other choice.
        if ((stored.isEmpty() || stored == keys.first()) && keys.size() > 1)
            command->getAction()->setShortcuts(keys);
    }
    // Undo and Redo name the step they act on, and that text changes with every edit.
    if (auto* proxy = qobject_cast<ProxyAction*>(command->getAction()))
        proxy->setAttribute(ProxyAction::MirrorText);
    menu->insertAction(command, static_cast<ContextAction*>(nullptr));
    return action;
}
