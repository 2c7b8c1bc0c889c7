// SPDX-License-Identifier: MIT
#ifndef ACTIONCONTAINER_H
#define ACTIONCONTAINER_H

#include "core_export.h"

#include <QList>
#include <QObject>
#include <QPointer>

#include <cstddef>

class QAction;
class QMenu;
class QMenuBar;
class ContextAction;

/*!
    The command-level view of a menu or of the menu bar. Plugins fill menus through containers:
    they insert commands, sub-menus and separators, each optionally in front of an existing entry,
    and the container places the commands' proxy actions into its widget. Containers are created
    and found by id through the ActionManager, so several plugins can add to one menu. A container
    does not own its widget.
*/
class CORE_EXPORT ActionContainer : public QObject
{
    Q_OBJECT
public:
    enum OnAllDisabledBehavior { Disable = 0, Hide, Show };

    // The order of the virtual operations is part of the interface.
    virtual void setMenu(QMenu* menu);
    virtual void setMenuBar(QMenuBar* menuBar);
    virtual QMenu* getMenu() const;
    virtual QMenuBar* getMenuBar() const;

protected:
    virtual void insertAction(QAction* before, QAction* action);

public:
    /*! Places \a action's proxy in front of \a before's, or at the end when \a before is null. */
    virtual void insertAction(ContextAction* action, ContextAction* before);

protected:
    virtual void insertMenu(QAction* before, QMenu* menu);

public:
    /*! Inserts the menu of the menu container \a menu as a sub-menu; null \a before appends. */
    virtual void insertMenu(ActionContainer* menu, ActionContainer* before);
    virtual void insertMenu(ActionContainer* menu, ContextAction* before);
    /*! Appends the sub-menu; spares callers a cast to pick one of the two forms above. */
    void insertMenu(ActionContainer* menu, std::nullptr_t)
    {
        insertMenu(menu, static_cast<ActionContainer*>(nullptr));
    }
    /*!
        Inserts a separator in front of \a before, registered as the command "Separator.<n>" of
        the global context, and returns that command. The concrete separator action is stored
        through \a separator when it is not null.
    */
    virtual ContextAction* insertSeparator(ActionContainer* before, QAction** separator = nullptr);
    virtual ContextAction* insertSeparator(ContextAction* before, QAction** separator = nullptr);

protected:
    virtual void removeMenu(QMenu* menu);
    virtual void removeAction(QAction* action);
    virtual bool updateInternal() = 0;

public:
    /*!
        Takes every inserted command and sub-menu out of the widget, empties the sub-menus
        recursively and forgets them. Separators stay in the widget.
    */
    void clear();
    OnAllDisabledBehavior onAllDisabledBehavior() const;
    void setOnAllDisabledBehavior(OnAllDisabledBehavior behavior);

protected:
    explicit ActionContainer(const QString& id);

    // The order of the slots is part of the interface.
private slots:
    void scheduleUpdate();
    void update();
    void itemDestroyed();

private:
    ContextAction* addSeparator(QAction* before, QAction** separator);

    // Guarded, so that an item destroyed while listed is skipped rather than touched.
    QList<QPointer<QObject>> m_items;
    OnAllDisabledBehavior m_onAllDisabledBehavior = Disable;
};

#endif
