// SPDX-License-Identifier: MIT
#ifndef PROXYACTION_H
#define PROXYACTION_H

#include "core_export.h"

#include <QAction>
#include <QPointer>
#include <QVarLengthArray>

#include <functional>

/*!
    The action that stands in menus, tool bars and the main window for a command. It mirrors one
    other action at a time: it copies that action's state and forwards its own triggers and
    toggles to it. Its keyboard shortcut stays on the proxy, so one shortcut serves every action
    it is pointed at. The mirrored action is not owned.
*/
class CORE_EXPORT ProxyAction : public QAction
{
    Q_OBJECT
public:
    enum Attribute {
        HideWhenNoAction = 0x01, //!< hidden as well as disabled while nothing is mirrored
        MirrorText = 0x02,       //!< text and tips follow the mirrored action on every change
        MirrorIcon = 0x04        //!< icon and icon text follow the mirrored action on every change
    };
    Q_DECLARE_FLAGS(Attributes, Attribute)

    explicit ProxyAction(QObject* parent);

    /*!
        Takes the identity of \a action (separator flag, menu role, text, icon and tips) without
        its checked, enabled or visible state and without starting to mirror it.
    */
    void initialize(QAction* action);

    void setAction(QAction* action);
    /*! The mirrored action; null when there is none or it has been destroyed. */
    QAction* action() const;

    void setAttribute(Attribute attribute);
    void removeAttribute(Attribute attribute);
    bool hasAttribute(Attribute attribute);

    void setShortcutVisibleInToolTip(bool visible);
    bool shortcutVisibleInToolTip() const;

    /*!
        The visible widget that holds the proxy while it has a shortcut, as a shortcut works only
        for an action in a visible widget. Without a shortcut the proxy stays out of it: each
        change of an action is sent as an event to every widget that holds it.
    */
    void setShortcutHolder(QWidget* holder);

    /*!
        Called after each change of the proxy's own state, before changed() is emitted; for the
        one owner that follows it, at the price of a function call instead of a connection.
    */
    void setStateListener(std::function<void()> listener);

    /*! \a text, a tab character and \a shortcut in native text form. */
    static QString stringWithAppendedShortcut(const QString& text, const QKeySequence& shortcut);

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void connectNotify(const QMetaMethod& signal) override;
    void disconnectNotify(const QMetaMethod& signal) override;

    // The order of the slots is part of the interface.
private slots:
    void actionChanged();
    void updateState();
    void updateToolTipWithKeySequence();

private:
    void update(QAction* action, bool initialize);
    void applyToolTip();
    void holdShortcut();
    void watch(QAction* action);
    void forwardTriggered(bool checked);
    void forwardToggled(bool checked);

    // Cleared when the action is destroyed (see watch()); plain, as a switch assigns it often.
    QAction* m_action = nullptr;
    // Every action mirrored so far stays watched: a switch then costs no connection. The
    // addresses only identify them; an action leaves the list when it is destroyed.
    QVarLengthArray<QAction*, 3> m_watched;
    Attributes m_attributes;
    bool m_showShortcut = false;
    QString m_toolTip;
    bool m_block = false;
    bool m_updating = false;
    // How many are connected to changed(); while nobody is, copying the state emits none.
    int m_changedReceivers = 0;
    QPointer<QWidget> m_holder;
    QPointer<QWidget> m_heldBy;
    std::function<void()> m_stateListener;
};

Q_DECLARE_OPERATORS_FOR_FLAGS(ProxyAction::Attributes)

#endif
