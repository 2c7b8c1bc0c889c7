// SPDX-License-Identifier: MIT
#include "menuactioncontainer.h"

#include <QAction>
#include <QMenu>

MenuActionContainer::MenuActionContainer(const QString& id)
    : ActionContainer(id)
{}

void MenuActionContainer::setMenu(QMenu* menu)
{
    m_menu = menu;
}

QMenu* MenuActionContainer::getMenu() const
{
    return m_menu;
}

void MenuActionContainer::insertAction(QAction* before, QAction* action)
{
    if (m_menu && action)
        m_menu->insertAction(before, action);
}

void MenuActionContainer::insertMenu(QAction* before, QMenu* menu)
{
    if (m_menu && menu)
        m_menu->insertMenu(before, menu);
}

void MenuActionContainer::removeMenu(QMenu* menu)
{
    if (m_menu && menu)
        m_menu->removeAction(menu->menuAction());
}

void MenuActionContainer::removeAction(QAction* action)
{
    if (m_menu && action)
        m_menu->removeAction(action);
}

bool MenuActionContainer::updateInternal()
{
    if (!m_menu)
        return false;
    bool hasUsableEntry = false;
    for (const QAction* action : m_menu->actions()) {
        if (!action->isSeparator() && action->isEnabled() && action->isVisible()) {
            hasUsableEntry = true;
            break;
        }
    }
    m_menu->menuAction()->setVisible(hasUsableEntry);
    return hasUsableEntry;
}
