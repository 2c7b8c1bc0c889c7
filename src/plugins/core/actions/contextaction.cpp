// SPDX-License-Identifier: MIT
#include "contextaction.h"

#include "actions/proxyaction.h"
#include "mainwindow/mainwindow.h"
#include "plugin/icore.h"

#include <QMetaMethod>

ContextAction::ContextAction(const QString& id)
    : m_id(id)
    , m_pProxy(new ProxyAction(this))
{
    m_pProxy->setShortcutVisibleInToolTip(true);
    // Every change of the proxy passes its event handler: a connection to changed() would cost
    // a lookup of the proxy's receivers per change.
    m_pProxy->setStateListener([this] { updateActiveState(); });
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
        setKeySequence(key);
}

QKeySequence ContextAction::getKeySequence() const
{
    return m_pProxy->shortcut();
}

void ContextAction::setKeySequence(const QKeySequence& key)
{
    if (m_pProxy->shortcut() == key)
        return;
    m_pProxy->setShortcut(key);
    // Tool tips and lists that name the key follow it.
    emit keySequenceChanged();
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
    for (const ContextEntry& entry : m_contextActions) {
        if (entry.action)
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
    for (const ContextEntry& entry : qAsConst(m_contextActions)) {
        if (entry.action)
            entry.action->setVisible(visible);
    }
}

const ContextAction::ContextEntry* ContextAction::findContext(QWidget* context) const
{
    for (const ContextEntry& entry : m_contextActions) {
        if (entry.context == context)
            return &entry;
    }
    return nullptr;
}

void ContextAction::forgetAction(QObject* action)
{
    for (ContextEntry& entry : m_contextActions) {
        if (entry.action == action)
            entry.action = nullptr;
    }
}

void ContextAction::setCurrentContext(QWidget* context)
{
    QWidget* window = ICore::getMainWindow();
    QVector<QWidget*> chain;
    for (QWidget* widget = context; widget && widget != window; widget = widget->parentWidget())
        chain.append(widget);
    followChain(chain, window);
}

void ContextAction::followChain(const QVector<QWidget*>& chain, QWidget* window)
{
    // A context nested in another (a time line in an editor) borrows the outer one's actions,
    // and the main window's serve everywhere else.
    const ContextEntry* entry = nullptr;
    for (QWidget* widget : chain) {
        if ((entry = findContext(widget))) {
            m_context = widget;
            break;
        }
    }
    if (!entry) {
        m_context = window;
        entry = findContext(window);
    }
    // The proxy reports any change of its state back (updateActiveState()).
    m_pProxy->setAction(entry ? entry->action : nullptr);
}

QList<QWidget*> ContextAction::getContexts() const
{
    QList<QWidget*> contexts;
    for (const ContextEntry& entry : m_contextActions) {
        if (entry.action)
            contexts.append(entry.context);
    }
    return contexts;
}

QString ContextAction::getPanelName() const
{
    return m_panelName;
}

void ContextAction::setPanelName(const QString& name)
{
    m_panelName = name;
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
    for (ContextEntry& entry : m_contextActions) {
        if (entry.context != context)
            continue;
        if (!entry.action) {
            entry.action = action;
            m_scriptableMap.insert(action, scriptable);
            connect(action, &QObject::destroyed, this, &ContextAction::forgetAction);
        }
        setCurrentContext(context);
        return;
    }
    m_contextActions.append({context, action});
    connect(action, &QObject::destroyed, this, &ContextAction::forgetAction);
    m_scriptableMap.insert(action, scriptable);
    setCurrentContext(context);
}

void ContextAction::removeOverrideAction(QAction* action)
{
    for (int i = m_contextActions.size() - 1; i >= 0; --i) {
        if (!m_contextActions[i].action || m_contextActions[i].action == action)
            m_contextActions.remove(i);
    }
    // The context is followed up the widget tree only while it still has an entry here, that
    // is, while its owner vouches for it.
    setCurrentContext(findContext(m_context) ? m_context : ICore::getMainWindow());
}

void ContextAction::setActive(bool state)
{
    if (state == m_bActive)
        return;
    m_bActive = state;
    if (m_activeStateReceivers > 0)
        emit activeStateChanged();
}

void ContextAction::connectNotify(const QMetaMethod& signal)
{
    if (signal == QMetaMethod::fromSignal(&ContextAction::activeStateChanged))
        ++m_activeStateReceivers;
    QObject::connectNotify(signal);
}

void ContextAction::disconnectNotify(const QMetaMethod& signal)
{
    // Qt may hold its connection lock here, so nothing of QObject may be asked (asking
    // isSignalConnected() deadlocked when a receiver went). Disconnecting every signal at once
    // (an invalid method) does not say how many went, which only leaves the signal emitted
    // for nobody.
    if (signal == QMetaMethod::fromSignal(&ContextAction::activeStateChanged) &&
        m_activeStateReceivers > 0)
        --m_activeStateReceivers;
    QObject::disconnectNotify(signal);
}
