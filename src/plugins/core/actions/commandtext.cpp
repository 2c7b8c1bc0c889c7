// SPDX-License-Identifier: MIT
#include "commandtext.h"

#include "actions/actioncontainer.h"
#include "actions/actionmanager.h"
#include "actions/contextaction.h"

#include <QAction>
#include <QMenu>

bool CommandText::isInMenu(ContextAction* command)
{
    const QAction* proxy = command ? command->getAction() : nullptr;
    if (!proxy)
        return false;
    for (const QWidget* widget : proxy->associatedWidgets()) {
        if (qobject_cast<const QMenu*>(widget))
            return true;
    }
    return false;
}

QString CommandText::path(ContextAction* command)
{
    if (!command)
        return QString();
    const QString text = command->getAction()->text().remove(QLatin1Char('&'));
    const bool bInMenu = isInMenu(command);
    if (!bInMenu && !command->getPanelName().isEmpty())
        return command->getPanelName() + QStringLiteral(" > ") + text;
    // Sub-menus get their titles ("Save As" rather than the id's "SaveAs"), which the registry's
    // full text leaves to the top-level menus.
    QStringList segments = ActionManager::getActionFullText(command).split(QStringLiteral(" > "));
    const QStringList parts = command->getId().split(QLatin1Char('.'), Qt::SkipEmptyParts);
    for (int i = 1; i < segments.size() - 1 && i < parts.size(); ++i) {
        const ActionContainer* container =
            ActionManager::getActionContainer(parts.mid(0, i + 1).join(QLatin1Char('.')));
        if (container && container->getMenu())
            segments[i] = container->getMenu()->title().remove(QLatin1Char('&'));
        else
            segments[i].replace(QLatin1Char('_'), QLatin1Char(' '));
    }
    const QString path = segments.join(QStringLiteral(" > "));
    // Two commands of the same name, one of them only on a tool bar, can be told apart.
    return bInMenu ? path : tr("%1 (tool bar)").arg(path);
}
