#ifndef ACTIONMANAGER_P_H
#define ACTIONMANAGER_P_H

#include "core_export.h"

#include <QMap>
#include <QObject>
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

    void addContainer(const QString& id, ActionContainer* container);

private slots:
    void containerDestroyed();
};

#endif
