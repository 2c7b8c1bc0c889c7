// SPDX-License-Identifier: MIT
#include "commandtext.h"

#include "actions/actionmanager.h"
#include "actions/contextaction.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace {

// The titles of the menus from the menu bar down to \a menu; empty when \a menu hangs from no
// menu bar (a context menu, a tool button's drop-down).
QStringList menuBarTitles(const QMenu* menu)
{
    QStringList titles;
    // Menus nest a few levels deep; the bound only guards against a menu placed inside itself.
    for (int depth = 0; menu && depth < 16; ++depth) {
        titles.prepend(menu->title().remove(QLatin1Char('&')));
        const QMenu* parent = nullptr;
        for (const QWidget* widget : menu->menuAction()->associatedWidgets()) {
            if (qobject_cast<const QMenuBar*>(widget))
                return titles;
            if (!parent)
                parent = qobject_cast<const QMenu*>(widget);
        }
        menu = parent;
    }
    return QStringList();
}

QStringList menuPathOf(const QAction* proxy)
{
    for (const QWidget* widget : proxy->associatedWidgets()) {
        if (const auto* menu = qobject_cast<const QMenu*>(widget)) {
            const QStringList titles = menuBarTitles(menu);
            if (!titles.isEmpty())
                return titles;
        }
    }
    return QStringList();
}

} // namespace

bool CommandText::isInMenu(ContextAction* command)
{
    const QAction* proxy = command ? command->getAction() : nullptr;
    return proxy && !menuPathOf(proxy).isEmpty();
}

QString CommandText::path(ContextAction* command)
{
    if (!command)
        return QString();
    const QString text = command->getAction()->text().remove(QLatin1Char('&'));
    // The menus the entry really sits in, whatever its id says ("Text.Bold" in Object > Text).
    QStringList menus = menuPathOf(command->getAction());
    if (!menus.isEmpty())
        return (menus << text).join(QStringLiteral(" > "));
    if (!command->getPanelName().isEmpty())
        return command->getPanelName() + QStringLiteral(" > ") + text;
    QStringList segments = ActionManager::getActionFullText(command).split(QStringLiteral(" > "));
    for (int i = 0; i < segments.size() - 1; ++i)
        segments[i].replace(QLatin1Char('_'), QLatin1Char(' '));
    // Two commands of the same name, one of them only on a tool bar, can be told apart.
    return tr("%1 (tool bar)").arg(segments.join(QStringLiteral(" > ")));
}
