// SPDX-License-Identifier: MIT
#ifndef MAINMENUS_H
#define MAINMENUS_H

#include <QMap>
#include <QObject>
#include <QString>

class ActionContainer;
class FileCommands;
class HelpMenu;
class IMainMenuWidget;
class LanguageMenu;
class MainWindow;
class QAction;
class QKeySequence;
class QToolBar;
class RecentProjectsMenu;
class SaveCommandState;
class WorkspaceCommands;

/*!
    The main window's menu bar and File tool bar: registers every top-level command, hands each
    to the window's slot or to the class that carries it out, and draws the command icons again
    when the screen density changes.
*/
class MainMenus : public QObject
{
    Q_OBJECT
public:
    explicit MainMenus(MainWindow* window);

    /*! Builds the menus into \a titleBar's menu bar, then the File tool bar. */
    void build(IMainMenuWidget* titleBar);

    QToolBar* fileToolbar() const { return m_pFileToolbar; }
    FileCommands* fileCommands() const { return m_pFileCommands; }
    RecentProjectsMenu* recentProjects() const { return m_pRecentProjects; }
    LanguageMenu* languageMenu() const { return m_pLanguageMenu; }
    WorkspaceCommands* workspaceCommands() const { return m_pWorkspaceCommands; }
    SaveCommandState* saveState() const { return m_pSaveState; }
    HelpMenu* helpMenu() const { return m_pHelpMenu; }

private:
    void buildFileMenu(ActionContainer* menuBar);
    void buildEditMenu(ActionContainer* menuBar);
    void buildViewMenu(ActionContainer* menuBar);
    void buildHelpMenu(ActionContainer* menuBar);
    void createToolBars();
    void refreshCommandIcons();
    QAction* addCommand(ActionContainer* menu, const QString& id, const QString& text,
                        const QKeySequence& key, const QString& description,
                        const QString& iconName = QString());

    MainWindow* m_pWindow;
    QToolBar* m_pFileToolbar = nullptr;
    FileCommands* m_pFileCommands = nullptr;
    RecentProjectsMenu* m_pRecentProjects = nullptr;
    LanguageMenu* m_pLanguageMenu = nullptr;
    WorkspaceCommands* m_pWorkspaceCommands = nullptr;
    SaveCommandState* m_pSaveState = nullptr;
    HelpMenu* m_pHelpMenu = nullptr;
    // Command id to icon name, refreshed when the screen density changes.
    QMap<QString, QString> m_commandIcons;
};

#endif
