// SPDX-License-Identifier: MIT
#include "proxyaction.h"

#include <QEvent>
#include <QMetaMethod>
#include <QScopedValueRollback>
#include <QSignalBlocker>
#include <QWidget>

#include <utility>

ProxyAction::ProxyAction(QObject* parent)
    : QAction(parent)
{
    connect(this, &QAction::triggered, this, &ProxyAction::forwardTriggered);
    connect(this, &QAction::toggled, this, &ProxyAction::forwardToggled);
    updateState();
}

void ProxyAction::initialize(QAction* action)
{
    update(action, true);
}

void ProxyAction::setAction(QAction* action)
{
    if (m_action == action)
        return;
    m_action = action;
    watch(action);
    updateState();
}

QAction* ProxyAction::action() const
{
    return m_action;
}

void ProxyAction::setAttribute(Attribute attribute)
{
    m_attributes |= attribute;
    updateState();
}

void ProxyAction::removeAttribute(Attribute attribute)
{
    m_attributes &= ~Attributes(attribute);
    updateState();
}

bool ProxyAction::hasAttribute(Attribute attribute)
{
    return (m_attributes & attribute) != 0;
}

void ProxyAction::setShortcutVisibleInToolTip(bool visible)
{
    m_showShortcut = visible;
    updateToolTipWithKeySequence();
}

bool ProxyAction::shortcutVisibleInToolTip() const
{
    return m_showShortcut;
}

void ProxyAction::setShortcutHolder(QWidget* holder)
{
    m_holder = holder;
    holdShortcut();
}

void ProxyAction::setStateListener(std::function<void()> listener)
{
    m_stateListener = std::move(listener);
}

QString ProxyAction::stringWithAppendedShortcut(const QString& text, const QKeySequence& shortcut)
{
    return QStringLiteral("%1\t%2").arg(text, shortcut.toString(QKeySequence::NativeText));
}

void ProxyAction::actionChanged()
{
    // Copying the check state echoes back through toggled(); that echo changes nothing.
    if (!m_updating)
        update(m_action, false);
}

bool ProxyAction::event(QEvent* event)
{
    // Every change of the proxy reaches it as this event just before changed() is emitted: a
    // connection of its own to changed() would cost a slot call per change.
    if (event->type() == QEvent::ActionChanged) {
        updateToolTipWithKeySequence();
        // Copying the mirrored action's state never touches the shortcut.
        if (!m_updating)
            holdShortcut();
        if (m_stateListener)
            m_stateListener();
    }
    return QAction::event(event);
}

bool ProxyAction::eventFilter(QObject* watched, QEvent* event)
{
    // Every change of an action reaches it as this event, also while its signals are blocked (a
    // button set to show a state it did not cause), when changed() is not emitted. Actions
    // mirrored before stay watched, and their changes are not ours now.
    if (event->type() == QEvent::ActionChanged && watched == m_action)
        actionChanged();
    return QAction::eventFilter(watched, event);
}

void ProxyAction::connectNotify(const QMetaMethod& signal)
{
    if (signal == QMetaMethod::fromSignal(&QAction::changed))
        ++m_changedReceivers;
    QAction::connectNotify(signal);
}

void ProxyAction::disconnectNotify(const QMetaMethod& signal)
{
    // As in ContextAction: no QObject function under Qt's connection lock.
    if (signal == QMetaMethod::fromSignal(&QAction::changed) && m_changedReceivers > 0)
        --m_changedReceivers;
    QAction::disconnectNotify(signal);
}

void ProxyAction::updateState()
{
    if (m_action) {
        update(m_action, false);
        return;
    }
    if (hasAttribute(HideWhenNoAction))
        setVisible(false);
    setEnabled(false);
}

void ProxyAction::updateToolTipWithKeySequence()
{
    // While properties are copied the tool tip is set once at the end, not per changed().
    if (!m_updating)
        applyToolTip();
}

void ProxyAction::applyToolTip()
{
    // Setting the tool tip emits changed(), which leads straight back here.
    if (m_block)
        return;
    m_block = true;
    if (m_showShortcut && !shortcut().isEmpty())
        setToolTip(stringWithAppendedShortcut(m_toolTip, shortcut()));
    else
        setToolTip(m_toolTip);
    m_block = false;
}

void ProxyAction::holdShortcut()
{
    QWidget* holder = shortcuts().isEmpty() ? nullptr : m_holder.data();
    if (holder == m_heldBy)
        return;
    if (m_heldBy)
        m_heldBy->removeAction(this);
    m_heldBy = holder;
    if (holder)
        holder->addAction(this);
}

void ProxyAction::update(QAction* action, bool initialize)
{
    if (!action)
        return;
    // Each copied property emits changed(); the connections stay, the flag mutes them.
    const QScopedValueRollback<bool> updating(m_updating, true);
    if (initialize) {
        setSeparator(action->isSeparator());
        setMenuRole(action->menuRole());
    }
    if (initialize || hasAttribute(MirrorIcon)) {
        setIcon(action->icon());
        setIconText(action->iconText());
        setIconVisibleInMenu(action->isIconVisibleInMenu());
    }
    if (initialize || hasAttribute(MirrorText)) {
        setText(action->text());
        m_toolTip = action->toolTip();
        applyToolTip();
        setStatusTip(action->statusTip());
        setWhatsThis(action->whatsThis());
    }
    setCheckable(action->isCheckable());
    if (!initialize) {
        setChecked(action->isChecked());
        // Emitting changed() to nobody still reads the proxy's connection lists, a cache miss
        // per command when a focus change switches many.
        const QSignalBlocker quiet(m_changedReceivers > 0 ? nullptr : this);
        setEnabled(action->isEnabled());
        setVisible(action->isVisible());
    }
}

void ProxyAction::watch(QAction* action)
{
    if (!action || m_watched.contains(action))
        return;
    m_watched.append(action);
    action->installEventFilter(this);
    // By the time destroyed() fires the action is a bare QObject: compare the
    // captured pointer, never cast the dying object back.
    connect(action, &QObject::destroyed, this, [this, action] {
        const int index = m_watched.indexOf(action);
        if (index >= 0)
            m_watched.remove(index);
        if (action == m_action)
            m_action = nullptr;
    });
}

void ProxyAction::forwardTriggered(bool checked)
{
    if (m_action)
        emit m_action->triggered(checked);
}

void ProxyAction::forwardToggled(bool checked)
{
    if (m_action)
        m_action->setChecked(checked);
}
