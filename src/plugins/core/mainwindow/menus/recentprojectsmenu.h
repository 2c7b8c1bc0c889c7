// SPDX-License-Identifier: MIT
#ifndef RECENTPROJECTSMENU_H
#define RECENTPROJECTSMENU_H

#include <QList>
#include <QObject>
#include <QString>

class ActionContainer;
class MainWindow;
class QAction;
class WorkspaceCommands;

/*!
    File > Recent Projects: one command slot per entry the stored list can hold, filled from
    the list whenever it changes, and the messages for an entry that can no longer be opened.
*/
class RecentProjectsMenu : public QObject
{
    Q_OBJECT
public:
    explicit RecentProjectsMenu(MainWindow* window);

    /*! Builds the menu with its slots and \a workspace's Clear entry; the caller inserts it. */
    ActionContainer* create(WorkspaceCommands* workspace);
    /*! Refills the slots from the stored list. */
    void update();
    /*! Puts \a path first in the stored list and shows it at once. */
    void add(const QString& path);
    /*! Opens the entry \a path, or explains why it cannot be opened and offers to forget it. */
    void open(const QString& path);

private:
    MainWindow* m_pWindow;
    WorkspaceCommands* m_pWorkspace = nullptr;
    QList<QAction*> m_actions;
};

#endif
