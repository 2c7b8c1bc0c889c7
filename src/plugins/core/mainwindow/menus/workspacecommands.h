// SPDX-License-Identifier: MIT
#ifndef WORKSPACECOMMANDS_H
#define WORKSPACECOMMANDS_H

#include <QObject>

class ActionContainer;
class MainWindow;
class QAction;

/*!
    The commands that act on the whole workspace rather than on one project: File > Save All,
    File > Recent Projects > Clear Recent Projects and View > Welcome Page.
*/
class WorkspaceCommands : public QObject
{
    Q_OBJECT
public:
    explicit WorkspaceCommands(MainWindow* window);

    /*! Each appends its command to the menu. */
    void addSaveAll(ActionContainer* fileMenu);
    void addClearRecent(ActionContainer* recentMenu);
    void addWelcomePage(ActionContainer* viewMenu);

    /*! Follows the welcome page's visibility. */
    void setWelcomeShown(bool bShown);
    /*! Shows Clear Recent Projects while the list has entries. */
    void updateClearRecent();
    /*! Enables Save All exactly while an open project has unsaved changes. */
    void updateSaveAll();

    /*! Saves every project with changes; false when one of them was not saved. */
    bool saveAll();
    void clearRecentProjects();

private:
    void toggleWelcomePage(bool bShow);

    MainWindow* m_pWindow;
    QAction* m_pSaveAll = nullptr;
    QAction* m_pWelcome = nullptr;
    QAction* m_pClearRecent = nullptr;
    QAction* m_pClearSeparator = nullptr;
};

#endif
