// SPDX-License-Identifier: MIT
#include "contextmanager.h"

#include "mainwindow/mainwindow.h"
#include "plugin/icore.h"

#include <QWidget>

namespace {
const char globalContextId[] = "Global";
}

ContextManager* ContextManager::m_instance = nullptr;
QList<Context>* ContextManager::m_contexts = nullptr;

ContextManager::ContextManager()
{
    // A later instance (a second main window) starts from an empty registry.
    delete m_contexts;
    m_contexts = new QList<Context>();
    m_instance = this;
}

ContextManager::~ContextManager()
{
    if (m_instance != this)
        return;
    delete m_contexts;
    m_contexts = nullptr;
    m_instance = nullptr;
}

ContextManager* ContextManager::getInstance()
{
    return m_instance;
}

Context ContextManager::registerContext(Context& context)
{
    if (!m_contexts) {
        qWarning("ContextManager: no registry exists; context \"%s\" is not registered.",
                 qPrintable(context.id));
        return context;
    }
    for (const Context& known : qAsConst(*m_contexts)) {
        if (known.widget == context.widget && known.id == context.id)
            return context;
    }
    m_contexts->append(context);
    return context;
}

Context ContextManager::registerContext(QWidget* widget, const QString& id, const QString& name)
{
    Context context(widget, id, name);
    return registerContext(context);
}

void ContextManager::unregisterContext(QWidget* widget, const QString& id)
{
    if (!m_contexts)
        return;
    for (int i = 0; i < m_contexts->size(); ++i) {
        if (m_contexts->at(i).widget == widget && m_contexts->at(i).id == id) {
            m_contexts->removeAt(i);
            return;
        }
    }
}

Context ContextManager::getActiveContext(QWidget* widget)
{
    if (m_contexts) {
        for (QWidget* w = widget; w; w = w->parentWidget()) {
            for (const Context& context : qAsConst(*m_contexts)) {
                if (context.widget == w)
                    return context;
            }
        }
    }
    return getGlobalContext();
}

QString ContextManager::getContextId(QWidget* widget)
{
    if (m_contexts) {
        for (const Context& context : qAsConst(*m_contexts)) {
            if (context.widget == widget)
                return context.id;
        }
    }
    return QString();
}

QString ContextManager::getContextName(QWidget* widget)
{
    if (m_contexts) {
        for (const Context& context : qAsConst(*m_contexts)) {
            if (context.widget == widget)
                return context.name;
        }
    }
    return QString();
}

QString ContextManager::getContextName(const QString& id)
{
    if (m_contexts) {
        for (const Context& context : qAsConst(*m_contexts)) {
            if (context.id == id)
                return context.name;
        }
    }
    return QString();
}

QWidget* ContextManager::getContextWidget(const QString& id)
{
    if (m_contexts) {
        for (const Context& context : qAsConst(*m_contexts)) {
            if (context.id == id)
                return context.widget;
        }
    }
    return nullptr;
}

QList<Context> ContextManager::getContexts()
{
    return m_contexts ? *m_contexts : QList<Context>();
}

Context ContextManager::getGlobalContext()
{
    // The id is a key other code compares against; only the name is for people.
    return Context(ICore::getMainWindow(), QLatin1String(globalContextId), tr("Global"));
}

bool ContextManager::isGlobalContext(const Context& context)
{
    return context.id == QLatin1String(globalContextId);
}
