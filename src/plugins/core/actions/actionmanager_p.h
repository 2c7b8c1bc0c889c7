// SPDX-License-Identifier: MIT
#ifndef ACTIONMANAGER_P_H
#define ACTIONMANAGER_P_H

#include "core_export.h"

#include <QHash>
#include <QMap>
#include <QObject>
#include <QSet>
#include <QString>

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
    QSettings* m_settings = nullptr;
    /*!
        The ids of the commands that have (or had) an action for a context. Only those can point
        elsewhere after a switch; ids of commands since unregistered are skipped on lookup.
    */
    QHash<QWidget*, QSet<QString>> m_commandsByContext;
    /*! Commands registered since the last switch, which point at their own context. */
    QSet<QString> m_unswitched;

    void addContainer(const QString& id, ActionContainer* container);
    /*! Points the commands that a switch from \a previous to \a context can change. */
    void switchContext(QWidget* previous, QWidget* context);

private slots:
    void containerDestroyed();
};

#endif
