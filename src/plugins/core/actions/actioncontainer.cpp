// SPDX-License-Identifier: MIT
#include "actioncontainer.h"

#include "actions/actionmanager.h"
#include "actions/contextaction.h"
#include "mainwindow/mainwindow.h"
#include "plugin/icore.h"

#include <QAction>
#include <QMenu>

namespace {
// Shared by both separator forms of every container, so separator ids never repeat.
int separatorCounter = 0;

QAction* menuActionOf(ActionContainer* container)
{
    QMenu* menu = container ? container->getMenu() : nullptr;
    return menu ? menu->menuAction() : nullptr;
}

QAction* proxyOf(ContextAction* command)
{
    return command ? command->getAction() : nullptr;
}
} // namespace

ActionContainer::ActionContainer(const QString& id)
{
    Q_UNUSED(id)
}

void ActionContainer::setMenu(QMenu* menu)
{
    Q_UNUSED(menu)
}

void ActionContainer::setMenuBar(QMenuBar* menuBar)
{
    Q_UNUSED(menuBar)
}

QMenu* ActionContainer::getMenu() const
{
    return nullptr;
}

QMenuBar* ActionContainer::getMenuBar() const
{
    return nullptr;
}

void ActionContainer::insertAction(QAction* before, QAction* action)
{
    Q_UNUSED(before)
    Q_UNUSED(action)
}

void ActionContainer::insertAction(ContextAction* action, ContextAction* before)
{
    if (!action) {
        qWarning("ActionContainer: cannot insert a null command.");
        return;
    }
    m_items.append(action);
    connect(action, &ContextAction::activeStateChanged, this, &ActionContainer::scheduleUpdate);
    connect(action, &QObject::destroyed, this, &ActionContainer::itemDestroyed);
    insertAction(proxyOf(before), action->getAction());
}

void ActionContainer::insertMenu(QAction* before, QMenu* menu)
{
    Q_UNUSED(before)
    Q_UNUSED(menu)
}

void ActionContainer::insertMenu(ActionContainer* menu, ActionContainer* before)
{
    if (!menu || !menu->getMenu() || menu == this) {
        qWarning("ActionContainer: only another menu container can be inserted as a sub-menu.");
        return;
    }
    m_items.append(menu);
    connect(menu, &QObject::destroyed, this, &ActionContainer::itemDestroyed);
    insertMenu(menuActionOf(before), menu->getMenu());
}

void ActionContainer::insertMenu(ActionContainer* menu, ContextAction* before)
{
    if (!menu || !menu->getMenu() || menu == this) {
        qWarning("ActionContainer: only another menu container can be inserted as a sub-menu.");
        return;
    }
    m_items.append(menu);
    connect(menu, &QObject::destroyed, this, &ActionContainer::itemDestroyed);
    insertMenu(proxyOf(before), menu->getMenu());
}

ContextAction* ActionContainer::insertSeparator(ActionContainer* before, QAction** separator)
{
    return addSeparator(menuActionOf(before), separator);
}

ContextAction* ActionContainer::insertSeparator(ContextAction* before, QAction** separator)
{
    return addSeparator(proxyOf(before), separator);
}

ContextAction* ActionContainer::addSeparator(QAction* before, QAction** separator)
{
    auto* separatorAction = new QAction(this);
    separatorAction->setSeparator(true);
    const QString id = QStringLiteral("Separator.") + QString::number(separatorCounter++);
    ContextAction* command =
        ActionManager::registerAction(separatorAction, id, ICore::getMainWindow(), false);
    if (!command) {
        delete separatorAction;
        return nullptr;
    }
    insertAction(before, command->getAction());
    if (separator)
        *separator = separatorAction;
    return command;
}

void ActionContainer::removeMenu(QMenu* menu)
{
    Q_UNUSED(menu)
}

void ActionContainer::removeAction(QAction* action)
{
    Q_UNUSED(action)
}

void ActionContainer::clear()
{
    for (const QPointer<QObject>& item : qAsConst(m_items)) {
        if (auto* command = qobject_cast<ContextAction*>(item.data())) {
            removeAction(command->getAction());
            disconnect(command, &ContextAction::activeStateChanged, this,
                       &ActionContainer::scheduleUpdate);
            disconnect(command, &QObject::destroyed, this, &ActionContainer::itemDestroyed);
        } else if (auto* container = qobject_cast<ActionContainer*>(item.data())) {
            container->clear();
            disconnect(container, &QObject::destroyed, this, &ActionContainer::itemDestroyed);
            if (QMenu* menu = container->getMenu())
                removeMenu(menu);
        }
    }
    m_items.clear();
}

ActionContainer::OnAllDisabledBehavior ActionContainer::onAllDisabledBehavior() const
{
    return m_onAllDisabledBehavior;
}

void ActionContainer::setOnAllDisabledBehavior(OnAllDisabledBehavior behavior)
{
    m_onAllDisabledBehavior = behavior;
}

void ActionContainer::scheduleUpdate()
{}

void ActionContainer::update()
{}

void ActionContainer::itemDestroyed()
{
    // The guarded item list already reads null for the destroyed entry; clear() skips it.
}
