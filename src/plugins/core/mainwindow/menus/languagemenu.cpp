// SPDX-License-Identifier: MIT
#include "languagemenu.h"

#include "actions/actioncontainer.h"
#include "actions/actionmanager.h"
#include "appearance/ilanguagemanager.h"
#include "mainwindow/mainwindow.h"
#include "plugin/iui.h"

#include <QAction>
#include <QActionGroup>
#include <QIcon>
#include <QMenu>

// The texts belong to the window's catalogue context, where translators have always found them.

LanguageMenu::LanguageMenu(QWidget* window, ActionContainer* viewMenu)
    : QObject(window)
    , m_pWindow(window)
{
    ActionContainer* container = ActionManager::createMenuContainer(
        MainWindow::tr("Language"), QStringLiteral("View.Language"));
    QMenu* menu = container->getMenu();
    menu->setIcon(icon());
    viewMenu->insertMenu(container, nullptr);

    auto* group = new QActionGroup(this);
    group->setExclusive(true);
    const ILanguageManager& languages = ILanguageManager::getInstance();
    // The language the interface runs in, not the system's locale nor a pending choice.
    const QString current = languages.getActiveLangId();
    for (const LanguageInfo* info : languages.getLanguages()) {
        auto* action = new QAction(
            QStringLiteral("%1 (%2)").arg(info->nativeLanguage, info->nativeCountry), window);
        action->setCheckable(true);
        action->setData(info->langId);
        menu->addAction(action);
        group->addAction(action);
        if (info->langId == current) {
            action->setChecked(true);
            m_pChecked = action;
        }
    }
    connect(group, &QActionGroup::triggered, this, &LanguageMenu::choose);
}

QIcon LanguageMenu::icon()
{
    return IUi::getInstance()->getGlyphIcon(QStringLiteral("language"), 2,
                                            QStringLiteral(":/core/images/"));
}

void LanguageMenu::refreshIcon()
{
    // Looked up again: the registry may have let the container go.
    if (ActionContainer* container =
            ActionManager::getActionContainer(QStringLiteral("View.Language"))) {
        if (QMenu* menu = container->getMenu())
            menu->setIcon(icon());
    }
}

void LanguageMenu::choose(QAction* action)
{
    if (!action)
        return;
    ILanguageManager& languages = ILanguageManager::getInstance();
    const QString id = action->data().toString();
    if (id != languages.getCurrentLangId()) {
        const QString message =
            languages.saveLanguage(id)
                ? MainWindow::tr("The language change will take effect from the next run.")
                : MainWindow::tr("Failed to change language.");
        IUi::getInstance()->showInformation(m_pWindow, QStringLiteral("Zenub Animate"), message,
                                            QMessageBox::Ok, QMessageBox::Ok);
    }
    // The language in use changes only at the next start, so its entry keeps the mark.
    action->setChecked(false);
    if (m_pChecked)
        m_pChecked->setChecked(true);
}
