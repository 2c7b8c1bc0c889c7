// SPDX-License-Identifier: MIT
#include "contextaction.h"

#include "actions/proxyaction.h"
#include "mainwindow/mainwindow.h"
#include "plugin/icore.h"

ContextAction::ContextAction(const QString& id)
    : m_id(id)
    , m_pProxy(new ProxyAction(this))
{
    m_pProxy->setShortcutVisibleInToolTip(true);
    connect(m_pProxy, &QAction::changed, this, &ContextAction::updateActiveState);
}

ContextAction::~ContextAction()
{
    delete m_pProxy;
    m_pProxy = nullptr;
}

QAction* ContextAction::getAction() const
{
    return m_pProxy;
}

QString ContextAction::getId()
{
    return m_id;
}

QKeySequence ContextAction::getDefaultKeySequence() const
{
    return m_defaultKey;
}

void ContextAction::setDefaultKeySequence(const QKeySequence& key)
{
    m_defaultKey = key;
    if (m_pProxy->shortcut().isEmpty())
        m_pProxy->setShortcut(key);
}

QKeySequence ContextAction::getKeySequence() const
{
    return m_pProxy->shortcut();
}

void ContextAction::setKeySequence(const QKeySequence& key)
{
    m_pProxy->setShortcut(key);
}

QString ContextAction::getDescription() const
{
    return m_description;
}

void ContextAction::setDescription(const QString& text)
{
    m_description = text;
}

bool ContextAction::isEmpty() const
{
    for (const QPointer<QAction>& action : m_contextActions) {
        if (action)
            return false;
    }
    return true;
}

bool ContextAction::isSeparator()
{
    return m_pProxy && m_pProxy->isSeparator();
}

void ContextAction::setVisible(bool visible)
{
    for (const QPointer<QAction>& action : qAsConst(m_contextActions)) {
        if (action)
            action->setVisible(visible);
    }
}

void ContextAction::setCurrentContext(QWidget* context)
{
    m_context = context;
    const auto it = m_contextActions.constFind(context);
    if (it != m_contextActions.constEnd()) {
        m_pProxy->setAction(it.value());
    } else {
        m_context = ICore::getMainWindow();
        m_pProxy->setAction(m_contextActions.value(m_context));
    }
    updateActiveState();
}

bool ContextAction::isActive() const
{
    return true;
}

bool ContextAction::hasAttribute(ActionAttribute attribute) const
{
    Q_UNUSED(attribute)
    return true;
}

void ContextAction::setAttribute(ActionAttribute attribute)
{
    Q_UNUSED(attribute)
}

void ContextAction::removeAttribute(ActionAttribute attribute)
{
    Q_UNUSED(attribute)
}

bool ContextAction::isScriptable() const
{
    return true;
}

bool ContextAction::isScriptable(const QString& context) const
{
    Q_UNUSED(context)
    return true;
}

QString ContextAction::stringWithAppendedShortcut(const QString& text) const
{
    Q_UNUSED(text)
    return QString();
}

void ContextAction::updateActiveState()
{
    setActive(m_pProxy->isEnabled() && m_pProxy->isVisible() && !m_pProxy->isSeparator());
}

void ContextAction::addOverrideAction(QAction* action, QWidget* context, bool scriptable)
{
    if (isEmpty())
        m_pProxy->initialize(action);
    // An entry whose action was destroyed without being unregistered must not block its
    // context forever, so only a live entry keeps its place.
    const auto it = m_contextActions.constFind(context);
    if (it != m_contextActions.constEnd() && it.value()) {
        setCurrentContext(context);
        return;
    }
    m_contextActions.insert(context, action);
    m_scriptableMap.insert(action, scriptable);
    setCurrentContext(context);
}

void ContextAction::removeOverrideAction(QAction* action)
{
    for (auto it = m_contextActions.begin(); it != m_contextActions.end();) {
        if (it.value().isNull() || it.value() == action)
            it = m_contextActions.erase(it);
        else
            ++it;
    }
    setCurrentContext(m_context);
}

void ContextAction::setActive(bool state)
{
    if (state == m_bActive)
        return;
    m_bActive = state;
    emit activeStateChanged();
}
