// SPDX-License-Identifier: MIT
#ifndef ACTIONMANAGER_P_H
#define ACTIONMANAGER_P_H

#include "actions/orderedcommands.h"
#include "core_export.h"

#include <QHash>
#include <QMap>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QVector>

class QSettings;
class QWidget;
class ActionContainer;
class ContextAction;

/*! The state behind the static operations of ActionManager. */
class CORE_EXPORT ActionManagerPrivate : public QObject
{
    Q_OBJECT
public:
    QMap<QString, ContextAction*> m_commands;
    QMap<QString, ActionContainer*> m_containers;
    QWidget* m_context = nullptr;
    // The same, for following up the widget tree: it may go before the focus moves on.
    QPointer<QWidget> m_liveContext;
    /*!
        The contexts with commands from the current one out to the main window, kept as plain
        addresses: they are only looked up, never followed, so one that has gone does no harm.
    */
    QVector<QWidget*> m_contextChain;
    QSettings* m_settings = nullptr;
    /*! The order of each command's first registration, the order a switch visits them in. */
    QHash<ContextAction*, quint64> m_order;
    quint64 m_nextOrder = 0;
    /*!
        The commands that have (or had) an action for a context. Only those can point elsewhere
        after a switch.
    */
    QHash<QWidget*, OrderedCommands> m_commandsByContext;
    /*! Commands registered since the last switch, which point at their own context. */
    OrderedCommands m_unswitched;
    /*! Commands unregistered while a switch walks the commands; deleted when it is done. */
    QVector<ContextAction*> m_dying;
    int m_switching = 0;

    /*! The widget in the main window that holds every command's proxy, for its shortcut. */
    QPointer<QWidget> m_shortcutHolder;

    void addContainer(const QString& id, ActionContainer* container);
    QWidget* shortcutHolder();
    /*! Points the commands that a switch from \a previous to \a context can change. */
    void switchContext(QWidget* previous, QWidget* context);
    /*! \a context and the contexts around it that have commands, innermost first. */
    QVector<QWidget*> contextChain(QWidget* context) const;

private slots:
    void containerDestroyed();
};

#endif
