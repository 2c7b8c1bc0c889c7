// SPDX-License-Identifier: MIT
#include "workspacecommands.h"

#include "actions/actioncontainer.h"
#include "actions/actionmanager.h"
#include "actions/contextaction.h"
#include "documents/documentmanager.h"
#include "documents/editormanager.h"
#include "documents/idocument.h"
#include "irecentfilesmanager.h"
#include "mainwindow/imainmdiarea.h"
#include "mainwindow/mainwindow.h"
#include "plugin/iui.h"

#include <QAction>
#include <QMenu>
#include <QPointer>
#include <QTabBar>
#include <QUndoGroup>
#include <QUndoStack>

namespace {

QAction* registerCommand(MainWindow* window, ActionContainer* menu, const QString& id,
                         const QString& text, const QKeySequence& key, const QString& description)
{
    auto* action = new QAction(text, window);
    ContextAction* command = ActionManager::registerAction(action, id, window, false);
    if (command) {
        if (!key.isEmpty())
            command->setDefaultKeySequence(key);
        command->setDescription(description);
        if (menu)
            menu->insertAction(command, static_cast<ContextAction*>(nullptr));
    }
    return action;
}

bool hasUnsavedChanges(const IDocument* document)
{
    return document && (document->isModified() || document->isOpenAsBackup());
}

} // namespace

WorkspaceCommands::WorkspaceCommands(MainWindow* window)
    : QObject(window)
    , m_pWindow(window)
{}

void WorkspaceCommands::addSaveAll(ActionContainer* fileMenu)
{
    m_pSaveAll = registerCommand(m_pWindow, fileMenu, QStringLiteral("File.Save_All"),
                                 tr("Save A&ll"), QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_S),
                                 tr("Save every open project that has changes"));
    connect(m_pSaveAll, &QAction::triggered, this, &WorkspaceCommands::saveAll);
    QUndoGroup* group = DocumentManager::getUndoGroup();
    connect(group, &QUndoGroup::cleanChanged, this, &WorkspaceCommands::updateSaveAll);
    connect(group, &QUndoGroup::activeStackChanged, this, &WorkspaceCommands::updateSaveAll);
    updateSaveAll();
}

void WorkspaceCommands::addClearRecent(ActionContainer* recentMenu)
{
    m_pClearSeparator = recentMenu->getMenu()->addSeparator();
    recentMenu->getMenu()->setToolTipsVisible(true);
    m_pClearRecent = registerCommand(
        m_pWindow, recentMenu, QStringLiteral("File.Recent_Projects.Clear"),
        tr("Clear Recent Projects"), QKeySequence(), tr("Empty the list of recent projects"));
    connect(m_pClearRecent, &QAction::triggered, this, &WorkspaceCommands::clearRecentProjects);
    updateClearRecent();
}

void WorkspaceCommands::updateClearRecent()
{
    // Like the entries, it shows only while there is something to clear.
    const bool bAny = !IRecentFilesManager::getInstance()->getRecentFiles().isEmpty();
    if (m_pClearSeparator)
        m_pClearSeparator->setVisible(bAny);
    if (ContextAction* command =
            ActionManager::getAction(QStringLiteral("File.Recent_Projects.Clear")))
        command->getAction()->setVisible(bAny);
    if (m_pClearRecent)
        m_pClearRecent->setVisible(bAny);
}

void WorkspaceCommands::addWelcomePage(ActionContainer* viewMenu)
{
    m_pWelcome =
        registerCommand(m_pWindow, viewMenu, QStringLiteral("View.Welcome_Page"),
                        tr("&Welcome Page"), QKeySequence(), tr("Show or hide the welcome page"));
    m_pWelcome->setCheckable(true);
    if (ContextAction* command = ActionManager::getAction(QStringLiteral("View.Welcome_Page")))
        command->getAction()->setCheckable(true);
    connect(m_pWelcome, &QAction::triggered, this, &WorkspaceCommands::toggleWelcomePage);
    // Picking a project's tab is the way back from the welcome page to that project.
    if (auto* tabBar =
            m_pWindow->getMdiArea()->findChild<QTabBar*>(QString(), Qt::FindDirectChildrenOnly))
        connect(tabBar, &QTabBar::tabBarClicked, this, [this] {
            if (!EditorManager::getEditors().isEmpty())
                m_pWindow->setVisibleWelcomeWidget(false);
        });
}

void WorkspaceCommands::setWelcomeShown(bool bShown)
{
    if (!m_pWelcome)
        return;
    m_pWelcome->setChecked(bShown);
    if (ContextAction* command = ActionManager::getAction(QStringLiteral("View.Welcome_Page")))
        command->getAction()->setChecked(bShown);
}

void WorkspaceCommands::toggleWelcomePage(bool bShow)
{
    // With no project open there is nothing else to show.
    m_pWindow->setVisibleWelcomeWidget(bShow || EditorManager::getEditors().isEmpty());
}

void WorkspaceCommands::updateSaveAll()
{
    if (!m_pSaveAll)
        return;
    bool bAny = false;
    for (const IDocument* document : DocumentManager::getDocuments())
        bAny = bAny || hasUnsavedChanges(document);
    m_pSaveAll->setEnabled(bAny);
}

bool WorkspaceCommands::saveAll()
{
    bool bAllSaved = true;
    const QList<IDocument*> documents = DocumentManager::getDocuments();
    QList<QPointer<IDocument>> guarded(documents.cbegin(), documents.cend());
    for (const QPointer<IDocument>& document : qAsConst(guarded)) {
        if (!document || !hasUnsavedChanges(document))
            continue;
        const QString oldName = document->getFileName();
        const bool bWasTemporary = document->isTempDocument();
        if (!document->save()) {
            bAllSaved = false;
            continue;
        }
        if (bWasTemporary)
            IRecentFilesManager::getInstance()->removeRecentFile(oldName);
        if (document->getFileName() != oldName)
            IRecentFilesManager::getInstance()->addRecentFile(document->getFileName());
    }
    m_pWindow->updateRecentFileActions();
    updateSaveAll();
    return bAllSaved;
}

void WorkspaceCommands::clearRecentProjects()
{
    if (IUi::getInstance()->showQuestion(
            m_pWindow, QStringLiteral("Zenub Animate"),
            tr("Remove all entries from the list of recent projects?\nThe projects themselves "
               "are not deleted."),
            QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes) != QMessageBox::Yes)
        return;
    IRecentFilesManager* recent = IRecentFilesManager::getInstance();
    for (const QString& path : recent->getRecentFiles())
        recent->removeRecentFile(path);
    m_pWindow->updateRecentFileActions();
    // The welcome page lists the same projects.
    emit m_pWindow->getMdiArea()->resetRecentFiles();
}
