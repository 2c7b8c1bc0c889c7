// SPDX-License-Identifier: MIT
#include "proxyaction.h"

#include <QScopedValueRollback>

ProxyAction::ProxyAction(QObject* parent)
    : QAction(parent)
{
    connect(this, &QAction::changed, this, &ProxyAction::updateToolTipWithKeySequence);
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
    disconnectAction();
    m_action = action;
    connectAction();
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

QString ProxyAction::stringWithAppendedShortcut(const QString& text, const QKeySequence& shortcut)
{
    return QStringLiteral("%1\t%2").arg(text, shortcut.toString(QKeySequence::NativeText));
}

void ProxyAction::actionChanged()
{
    // Copying the check state echoes back through toggled(); that echo changes nothing.
    if (m_updating)
        return;
    update(m_action, false);
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
        setEnabled(action->isEnabled());
        setVisible(action->isVisible());
    }
}

void ProxyAction::connectAction()
{
    if (!m_action)
        return;
    connect(m_action.data(), &QAction::changed, this, &ProxyAction::actionChanged);
    connect(this, &QAction::triggered, m_action.data(), &QAction::triggered);
    connect(this, &QAction::toggled, m_action.data(), &QAction::setChecked);
}

void ProxyAction::disconnectAction()
{
    if (!m_action)
        return;
    disconnect(m_action.data(), &QAction::changed, this, &ProxyAction::actionChanged);
    disconnect(this, &QAction::triggered, m_action.data(), &QAction::triggered);
    disconnect(this, &QAction::toggled, m_action.data(), &QAction::setChecked);
}
