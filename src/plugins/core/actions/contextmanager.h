// SPDX-License-Identifier: MIT
#ifndef CONTEXTMANAGER_H
#define CONTEXTMANAGER_H

#include "actions/context.h"
#include "core_export.h"

#include <QList>
#include <QObject>

/*!
    The process-wide registry of user-interface contexts. Plugins register the widgets that own
    command behaviour; getActiveContext() tells which context a focused widget belongs to. Widgets
    in no registered context belong to the global context, the main window.

    The main window creates the one instance. The registry does not watch the widgets: an owner
    unregisters its context before the widget goes away.
*/
class CORE_EXPORT ContextManager : public QObject
{
    Q_OBJECT
public:
    ContextManager();
    ~ContextManager() override;

    static ContextManager* getInstance();

    /*!
        Appends a copy of \a context unless a record with the same widget and id exists already,
        in which case the first record stays unchanged. Returns a copy of the argument.
    */
    static Context registerContext(Context& context);
    static Context registerContext(QWidget* widget, const QString& id, const QString& name);
    static void unregisterContext(QWidget* widget, const QString& id);

    /*!
        The context of the innermost registered ancestor of \a widget (the widget itself
        included); among several records of one widget the first registered. The global context
        when no ancestor is registered or \a widget is null.
    */
    static Context getActiveContext(QWidget* widget);
    static QString getContextId(QWidget* widget);
    static QString getContextName(QWidget* widget);
    static QString getContextName(const QString& id);
    static QWidget* getContextWidget(const QString& id);
    /*! The registered contexts in registration order. */
    static QList<Context> getContexts();

    /*! The main window under the id and name "Global", built afresh on each call. */
    static Context getGlobalContext();
    /*! True for every record whose id is "Global", whatever its widget and name. */
    static bool isGlobalContext(const Context& context);

private:
    static ContextManager* m_instance;
    static QList<Context>* m_contexts;
};

#endif
