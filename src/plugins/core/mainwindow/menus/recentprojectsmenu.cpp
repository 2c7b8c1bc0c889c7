// SPDX-License-Identifier: MIT
#include "recentprojectsmenu.h"

#include "actions/actioncontainer.h"
#include "actions/actionmanager.h"
#include "actions/contextaction.h"
#include "irecentfilesmanager.h"
#include "mainwindow/imainmdiarea.h"
#include "mainwindow/mainwindow.h"
#include "options/keyboardoptionpage.h"
#include "plugin/dpi.h"
#include "plugin/icore.h"
#include "plugin/iui.h"
#include "recentprojectstatus.h"
#include "workspacecommands.h"

#include <QAction>
#include <QDir>
#include <QMenu>
#include <QTextDocument>

// The texts belong to the window's catalogue context, where translators have always found them.

RecentProjectsMenu::RecentProjectsMenu(MainWindow* window)
    : QObject(window)
    , m_pWindow(window)
{}

ActionContainer* RecentProjectsMenu::create(WorkspaceCommands* workspace)
{
    m_pWorkspace = workspace;
    ActionContainer* menu = ActionManager::createMenuContainer(
        MainWindow::tr("Recent Projects"), QStringLiteral("File.Recent_Projects"));
    const int maxRecent = IRecentFilesManager::getInstance()->getMaxRecentFiles();
    for (int i = 1; i <= maxRecent; ++i) {
        auto* action = new QAction(m_pWindow);
        action->setVisible(false);
        ContextAction* command = ActionManager::registerAction(
            action, QStringLiteral("File.Recent_Projects.Project_%1").arg(i),
            ICore::getMainWindow(), false);
        connect(action, &QAction::triggered, this,
                [this, action] { open(action->data().toString()); });
        m_actions.append(action);
        if (command) {
            // The slots change with the list; a shortcut would open whatever is in them.
            if (QAction* proxy = command->getAction())
                proxy->setProperty(KeyboardOptionPage::fixedShortcutProperty, true);
            menu->insertAction(command, static_cast<ContextAction*>(nullptr));
        }
    }
    if (m_pWorkspace)
        m_pWorkspace->addClearRecent(menu);
    return menu;
}

void RecentProjectsMenu::update()
{
    IRecentFilesManager* recent = IRecentFilesManager::getInstance();
    const QStringList files = recent->getRecentFiles();
    const int count = recent->getRecentFileCount();
    if (ActionContainer* container =
            ActionManager::getActionContainer(QStringLiteral("File.Recent_Projects"))) {
        if (QMenu* menu = container->getMenu())
            menu->setEnabled(count != 0);
    }
    for (int i = 1; i <= count && i <= m_actions.size(); ++i) {
        const QString path = files.value(i - 1);
        // A long path would stretch the menu across the screen; the tool tip keeps it whole.
        QString shown = m_pWindow->fontMetrics().elidedText(
            path, Qt::ElideMiddle, Dpi::scaled(800, m_pWindow->getLogicalDotPerInchX()));
        shown.replace(QLatin1Char('&'), QLatin1String("&&"));
        const QString text = QStringLiteral("%1. %2").arg(i).arg(shown);
        if (ContextAction* command = ActionManager::getAction(
                QStringLiteral("File.Recent_Projects.Project_%1").arg(i))) {
            if (QAction* proxy = command->getAction()) {
                proxy->setText(text);
                // A tool tip that looks like markup would be drawn as such.
                proxy->setToolTip(Qt::convertFromPlainText(path));
                command->setDescription(path);
                proxy->setData(path);
                proxy->setVisible(true);
            }
        }
        QAction* action = m_actions.at(i - 1);
        action->setText(text);
        action->setData(path);
        action->setVisible(true);
    }
    for (int i = count; i < m_actions.size(); ++i)
        m_actions.at(i)->setVisible(false);
    if (m_pWorkspace)
        m_pWorkspace->updateClearRecent();
}

void RecentProjectsMenu::add(const QString& path)
{
    IRecentFilesManager::getInstance()->addRecentFile(path);
    // The menu shows the new entry at once, not only after the next start.
    update();
}

void RecentProjectsMenu::open(const QString& path)
{
    QString folder;
    const RecentProjectStatus status = recentProjectStatus(path, &folder);
    if (status == RecentProjectStatus::Present) {
        m_pWindow->loadFile(path);
        return;
    }
    if (status == RecentProjectStatus::FolderUnreadable) {
        IUi::getInstance()->showWarning(
            m_pWindow, QStringLiteral("Zenub Animate"),
            MainWindow::tr("The project [%1] cannot be opened: you have no permission to open "
                           "the folder [%2].")
                .arg(QDir::toNativeSeparators(path), QDir::toNativeSeparators(folder)),
            QMessageBox::Ok, QMessageBox::Ok);
        return;
    }
    // A folder that is gone may be on a drive that is only not connected, so No is the default.
    const bool bFolderMissing = status == RecentProjectStatus::FolderMissing;
    const QString text =
        bFolderMissing
            ? MainWindow::tr("The folder [%1] of the project cannot be found. It may have been "
                             "removed, or it is on a drive that is not connected.\nDo you want "
                             "to remove this entry from history?")
                  .arg(QDir::toNativeSeparators(folder))
            : MainWindow::tr("The project [%1] no longer exists.\nDo you want to remove this "
                             "entry from history?")
                  .arg(path);
    const QMessageBox::StandardButton answer = IUi::getInstance()->showQuestion(
        m_pWindow, QStringLiteral("Zenub Animate"), text, QMessageBox::Yes | QMessageBox::No,
        bFolderMissing ? QMessageBox::No : QMessageBox::Yes);
    if (answer == QMessageBox::Yes)
        m_pWindow->getMdiArea()->removeFile(path);
}
