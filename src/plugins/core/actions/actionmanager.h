// SPDX-License-Identifier: MIT
#ifndef ACTIONMANAGER_H
#define ACTIONMANAGER_H

#include "core_export.h"

#include <QList>
#include <QObject>

class QAction;
class QSettings;
class QWidget;
class ActionContainer;
class ActionManagerPrivate;
class ContextAction;

/*!
    The process-wide registry of commands and menu containers, keyed by string ids. Plugins
    register their concrete actions under a command id and a context widget, create or look up
    the menus they fill, and read a command's menu path for display. The registry switches every
    command when the application's context changes and keeps the user's keyboard shortcuts in the
    settings group "Shortcuts".

    The main window creates the one instance; all operations are static.
*/
class CORE_EXPORT ActionManager : public QObject
{
    Q_OBJECT
public:
    static ActionManager* getInstance();
    /*! Reads and writes shortcuts through the host's user settings from now on. */
    static void initialize();
    static void setSettings(QSettings* settings);

    /*!
        Adds \a action as the action of command \a id in \a context, creating the command (with
        its stored shortcut) on first use. The command switches to \a context at once.
    */
    static ContextAction* registerAction(QAction* action, const QString& id, QWidget* context,
                                         bool scriptable);
    /*! Takes \a action out of command \a id and destroys the command once it is empty. */
    static void unregisterAction(QAction* action, const QString& id, const QString& context);

    /*! The container \a id, or a new menu titled \a title under that id. */
    static ActionContainer* createMenuContainer(const QString& title, const QString& id);
    static ActionContainer* createMenuBarContainer(const QString& id);
    static ContextAction* getAction(const QString& id);
    static ActionContainer* getActionContainer(const QString& id);
    /*! Every command, in id order. */
    static QList<ContextAction*> getActions();
    /*!
        The menu path of \a command for display, such as "File > New": the titles of the
        top-level menus "MenuBar.<part>" where they exist, the id's parts elsewhere, and the
        command's text, all without "&".
    */
    static QString getActionFullText(ContextAction* command);
    /*! Points every command at its action for \a context. */
    static void setContext(QWidget* context);

    static void readFromSettings();
    static void saveSettings();
    static void resetToDefault();

    // The order of the signals is part of the interface.
signals:
    void commandListChanged();
    void commandAdded(const QString& strId);

private:
    friend class MainWindow;
    ActionManager();
    ~ActionManager() override;

    ActionManagerPrivate* d;
    static ActionManager* m_instance;
};

#endif
