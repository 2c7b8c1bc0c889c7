// SPDX-License-Identifier: MIT
#ifndef CONTEXTACTION_H
#define CONTEXTACTION_H

#include "core_export.h"

#include <QKeySequence>
#include <QMap>
#include <QObject>
#include <QPointer>
#include <QVarLengthArray>
#include <QVector>

class QAction;
class QWidget;
class ProxyAction;

/*!
    A command: one id (such as "File.New") standing for one concrete action per context. The
    command owns a ProxyAction, which menus, tool bars and the keyboard shortcut use; whenever the
    context changes the proxy is pointed at the action registered for the new context, or at the
    main window's action when that context has none.

    Commands are created and destroyed only by the ActionManager.
*/
class CORE_EXPORT ContextAction : public QObject
{
    Q_OBJECT
public:
    enum ActionAttribute {
        HideWhenInactive = 0x01,
        FollowText = 0x02,
        FollowIcon = 0x04,
        NotConfigurable = 0x08
    };

    /*! The proxy action shown to the user. */
    QAction* getAction() const;
    QString getId();

    QKeySequence getDefaultKeySequence() const;
    /*!
        Stores the shortcut that ActionManager::resetToDefault() restores. The proxy takes it at
        once only while it has no shortcut, so a shortcut read from the settings stays in place.
    */
    void setDefaultKeySequence(const QKeySequence& key);
    QKeySequence getKeySequence() const;
    void setKeySequence(const QKeySequence& key);

    QString getDescription() const;
    void setDescription(const QString& text);

    /*! True when no context has a live action. */
    bool isEmpty() const;
    bool isSeparator();
    /*! Shows or hides every registered action; the proxy follows. */
    void setVisible(bool visible);

    /*!
        Points the proxy at the action of \a context. A context without an action of its own
        borrows that of the nearest enclosing context (a time line inside an editor runs the
        editor's commands), and in the end the main window's; the current context then reads as
        the context whose action is mirrored.
    */
    void setCurrentContext(QWidget* context);
    /*! The context widgets that have a live action, in no particular order. */
    QList<QWidget*> getContexts() const;

    /*!
        Where a command that is in no menu lives, such as a panel's name: shortcut lists and the
        command palette show it in front of the command's text.
    */
    QString getPanelName() const;
    void setPanelName(const QString& name);

    /*! Always true; the computed state is published through activeStateChanged(). */
    bool isActive() const;
    bool hasAttribute(ActionAttribute attribute) const;
    void setAttribute(ActionAttribute attribute);
    void removeAttribute(ActionAttribute attribute);
    bool isScriptable() const;
    bool isScriptable(const QString& context) const;
    /*! Empty; ProxyAction::stringWithAppendedShortcut() does the work. */
    QString stringWithAppendedShortcut(const QString& text) const;

    // The order of signals and slots is part of the interface.
signals:
    void keySequenceChanged();
    void activeStateChanged();

private slots:
    void updateActiveState();

protected:
    void connectNotify(const QMetaMethod& signal) override;
    void disconnectNotify(const QMetaMethod& signal) override;

private:
    friend class ActionManager;
    friend class ActionManagerPrivate;

    explicit ContextAction(const QString& id);
    ~ContextAction() override;

    void addOverrideAction(QAction* action, QWidget* context, bool scriptable);
    void removeOverrideAction(QAction* action);
    void setActive(bool state);
    /*!
        As setCurrentContext(), for a switch that has found the contexts around the focus with
        commands (\a chain, innermost first) once for all the commands it visits.
    */
    void followChain(const QVector<QWidget*>& chain, QWidget* window);

    QString m_id;
    // The context whose action is mirrored: the main window, or one this command has an entry
    // for, which its owner unregisters before the widget goes.
    QWidget* m_context = nullptr;
    QKeySequence m_defaultKey;
    QString m_description;
    ProxyAction* m_pProxy = nullptr;
    struct ContextEntry
    {
        QWidget* context;
        QAction* action; // null once destroyed (forgetAction())
    };
    // A few entries at most, kept inside the object: a focus switch reads them for every
    // command it visits, and one more allocation is one more cache miss per command.
    QVarLengthArray<ContextEntry, 2> m_contextActions;
    const ContextEntry* findContext(QWidget* context) const;
    void forgetAction(QObject* action);
    QMap<QAction*, bool> m_scriptableMap;
    bool m_bActive = false;
    // How many are connected to activeStateChanged(); a switch changes many commands that are
    // in no menu, and emitting to nobody still reads the command's connection lists.
    int m_activeStateReceivers = 0;
    QString m_panelName;
};

#endif
