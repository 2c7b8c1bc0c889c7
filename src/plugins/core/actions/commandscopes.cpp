// SPDX-License-Identifier: MIT
#include "commandscopes.h"

#include "actions/actionmanager.h"
#include "actions/contextaction.h"
#include "actions/contextmanager.h"
#include "mainwindow/mainwindow.h"
#include "plugin/icore.h"

#include <QWidget>

namespace {

const char globalId[] = "Global";

// A widget given as a context without being registered has no name to reason with; it is taken
// to be everywhere, which can only report a clash too many.
QString idOf(QWidget* context, const QWidget* window)
{
    const QString id = context == window ? QString() : ContextManager::getContextId(context);
    return id.isEmpty() ? QString::fromLatin1(globalId) : id;
}

} // namespace

CommandScopes CommandScopes::current()
{
    CommandScopes scopes;
    const QWidget* window = ICore::getMainWindow();
    QSet<QWidget*> contexts;
    for (ContextAction* command : ActionManager::getActions()) {
        QStringList ids;
        for (QWidget* context : command->getContexts()) {
            ids.append(idOf(context, window));
            contexts.insert(context);
        }
        scopes.setContexts(command->getId(), ids);
    }
    // Only widgets that hold a live action are followed: those are alive by their owners' rule.
    for (QWidget* context : qAsConst(contexts)) {
        const QString inner = idOf(context, window);
        for (QWidget* outer = context->parentWidget(); outer && outer != window;
             outer = outer->parentWidget()) {
            const QString id = ContextManager::getContextId(outer);
            if (!id.isEmpty()) {
                scopes.addEnclosing(inner, id);
                break;
            }
        }
    }
    return scopes;
}

void CommandScopes::setContexts(const QString& id, const QStringList& contextIds)
{
    m_contexts.insert(id, contextIds);
}

void CommandScopes::addEnclosing(const QString& inner, const QString& outer)
{
    if (inner != outer)
        m_outer[inner].insert(outer);
}

QStringList CommandScopes::contextsOf(const QString& id) const
{
    const QStringList contexts = m_contexts.value(id);
    return contexts.isEmpty() ? QStringList(QString::fromLatin1(globalId)) : contexts;
}

bool CommandScopes::encloses(const QString& outer, const QString& inner) const
{
    if (outer == inner || outer == QLatin1String(globalId))
        return true;
    // Nesting is shallow and has no cycles by construction (widgets nest); the visited set
    // keeps a hand-made cycle from looping.
    QSet<QString> visited;
    QStringList pending(inner);
    while (!pending.isEmpty()) {
        const QString current = pending.takeLast();
        for (const QString& next : m_outer.value(current)) {
            if (next == outer)
                return true;
            if (!visited.contains(next)) {
                visited.insert(next);
                pending.append(next);
            }
        }
    }
    return false;
}

bool CommandScopes::activeTogether(const QString& a, const QString& b) const
{
    const QStringList first = contextsOf(a);
    const QStringList second = contextsOf(b);
    for (const QString& x : first) {
        for (const QString& y : second) {
            if (encloses(x, y) || encloses(y, x))
                return true;
        }
    }
    return false;
}
