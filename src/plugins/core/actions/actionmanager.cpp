// SPDX-License-Identifier: MIT
#include "actionmanager.h"

#include "actions/actionmanager_p.h"
#include "actions/contextaction.h"
#include "actions/menuactioncontainer.h"
#include "actions/menubaractioncontainer.h"
#include "actions/proxyaction.h"
#include "mainwindow/mainwindow.h"
#include "plugin/icore.h"

#include <extensionsystem/pluginmanager.h>

#include <QAction>
#include <QLoggingCategory>
#include <QMenu>
#include <QMenuBar>
#include <QSettings>
#include <QWidget>

#include <algorithm>
#include <iterator>
#include <utility>

namespace {
Q_LOGGING_CATEGORY(lcActions, "zenub.actions")

const char shortcutsGroup[] = "Shortcuts";
const char menuBarId[] = "Zenub.MenuBar";

bool hasUnknownKey(const QKeySequence& sequence)
{
    for (int i = 0; i < sequence.count(); ++i) {
        if ((sequence[i] & ~Qt::KeyboardModifierMask) == Qt::Key_unknown)
            return true;
    }
    return false;
}

/*
    Reads the stored shortcut of \a id from the open "Shortcuts" group into \a key; a missing key
    gives an empty shortcut. Answers false, leaving \a key alone, when the entry cannot be a
    shortcut, so that a hand-edited or damaged file does not silently take a shortcut away.
*/
bool readStoredShortcut(QSettings* settings, const QString& id, QKeySequence* key)
{
    const QVariant value = settings->value(id, QString());
    QString text;
    if (value.type() == QVariant::StringList) {
        // An unquoted "Ctrl+K, Ctrl+S" in an INI file reads back as a list of chords.
        text = value.toStringList().join(QStringLiteral(", "));
    } else if (value.canConvert<QString>()) {
        text = value.toString();
    } else {
        qCWarning(lcActions, "Shortcut of \"%s\" in \"%s\" is not text; it is ignored.",
                  qPrintable(id), qPrintable(settings->fileName()));
        return false;
    }
    const QKeySequence sequence(text, QKeySequence::NativeText);
    if (!text.trimmed().isEmpty() && (sequence.isEmpty() || hasUnknownKey(sequence))) {
        qCWarning(lcActions,
                  "Shortcut \"%s\" of \"%s\" in \"%s\" is not a key sequence; it is "
                  "ignored.",
                  qPrintable(text), qPrintable(id), qPrintable(settings->fileName()));
        return false;
    }
    *key = sequence;
    return true;
}

QWidget* mainWindowWidget()
{
    return ICore::getMainWindow();
}

// Commands switched together were registered together, but their objects lie apart on the heap
// and each one's memory is waited for in turn; asking for it a few commands ahead overlaps the
// waits. Only a hint: it changes no result.
constexpr size_t kPrefetchAhead = 4;

void prefetchCommand(const ContextAction* command)
{
#if defined(__GNUC__)
    const auto* bytes = reinterpret_cast<const char*>(command);
    for (size_t offset = 0; offset < sizeof(ContextAction); offset += 64)
        __builtin_prefetch(bytes + offset);
#else
    Q_UNUSED(command)
#endif
}
} // namespace

ActionManager* ActionManager::m_instance = nullptr;

ActionManager::ActionManager()
    : d(new ActionManagerPrivate)
{
    m_instance = this;
}

ActionManager::~ActionManager()
{
    if (m_instance == this)
        m_instance = nullptr;
    delete d;
}

ActionManager* ActionManager::getInstance()
{
    return m_instance;
}

void ActionManager::initialize()
{
    setSettings(ExtensionSystem::PluginManager::settings());
}

void ActionManager::setSettings(QSettings* settings)
{
    if (m_instance)
        m_instance->d->m_settings = settings;
}

ContextAction* ActionManager::registerAction(QAction* action, const QString& id, QWidget* context,
                                             bool scriptable)
{
    if (!m_instance || !action) {
        qCWarning(lcActions, "Cannot register \"%s\": %s.", qPrintable(id),
                  m_instance ? "no action given" : "no command registry exists");
        return nullptr;
    }
    ActionManagerPrivate* d = m_instance->d;
    if (ContextAction* command = d->m_commands.value(id)) {
        const quint64 order = d->m_order.value(command);
        d->m_commandsByContext[context].insert(order, command);
        d->m_unswitched.insert(order, command);
        command->addOverrideAction(action, context, scriptable);
        emit m_instance->commandListChanged();
        emit m_instance->commandAdded(id);
        return command;
    }

    auto* command = new ContextAction(id);
    d->m_commands.insert(id, command);
    const quint64 order = d->m_nextOrder++;
    d->m_order.insert(command, order);
    d->m_commandsByContext[context].insert(order, command);
    d->m_unswitched.insert(order, command);
    if (d->m_settings) {
        d->m_settings->beginGroup(QLatin1String(shortcutsGroup));
        QKeySequence key;
        if (readStoredShortcut(d->m_settings, id, &key))
            command->setKeySequence(key);
        d->m_settings->endGroup();
    }
    ProxyAction* proxy = command->m_pProxy;
    proxy->setObjectName(id);
    command->setCurrentContext(d->m_liveContext);
    // In the main window the shortcut works even while the command is in no visible menu.
    proxy->setShortcutHolder(d->shortcutHolder());
    proxy->setShortcutContext(Qt::ApplicationShortcut);
    command->addOverrideAction(action, context, scriptable);

    emit m_instance->commandListChanged();
    emit m_instance->commandAdded(id);
    return command;
}

void ActionManager::unregisterAction(QAction* action, const QString& id, const QString& context)
{
    Q_UNUSED(context)
    if (!m_instance)
        return;
    ActionManagerPrivate* d = m_instance->d;
    ContextAction* command = d->m_commands.value(id);
    if (!command)
        return;
    command->removeOverrideAction(action);
    if (command->isEmpty()) {
        command->m_pProxy->setShortcutHolder(nullptr);
        d->m_commands.remove(id);
        const quint64 order = d->m_order.take(command);
        d->m_unswitched.remove(order);
        for (auto it = d->m_commandsByContext.begin(); it != d->m_commandsByContext.end();) {
            it->remove(order);
            it = it->isEmpty() ? d->m_commandsByContext.erase(it) : std::next(it);
        }
        // The command's destructor deletes its proxy, which also takes it out of every menu. A
        // switch in progress may still hold it.
        if (d->m_switching > 0)
            d->m_dying.append(command);
        else
            delete command;
    }
    emit m_instance->commandListChanged();
}

ActionContainer* ActionManager::createMenuContainer(const QString& title, const QString& id)
{
    if (!m_instance)
        return nullptr;
    if (ActionContainer* existing = m_instance->d->m_containers.value(id))
        return existing;
    // Menus have no parent: several plugins add to them, and none of them owns the menu.
    auto* menu = new QMenu(title);
    menu->setObjectName(id);
    auto* container = new MenuActionContainer(id);
    container->setMenu(menu);
    m_instance->d->addContainer(id, container);
    return container;
}

ActionContainer* ActionManager::createMenuBarContainer(const QString& id)
{
    if (!m_instance)
        return nullptr;
    if (ActionContainer* existing = m_instance->d->m_containers.value(id))
        return existing;
    auto* menuBar = new QMenuBar();
    menuBar->setObjectName(id);
    auto* container = new MenuBarActionContainer(id);
    container->setMenuBar(menuBar);
    m_instance->d->addContainer(id, container);
    return container;
}

ContextAction* ActionManager::getAction(const QString& id)
{
    return m_instance ? m_instance->d->m_commands.value(id) : nullptr;
}

ActionContainer* ActionManager::getActionContainer(const QString& id)
{
    return m_instance ? m_instance->d->m_containers.value(id) : nullptr;
}

QList<ContextAction*> ActionManager::getActions()
{
    return m_instance ? m_instance->d->m_commands.values() : QList<ContextAction*>();
}

QString ActionManager::getActionFullText(ContextAction* command)
{
    if (!command)
        return QString();
    const QStringList parts = command->getId().split(QLatin1Char('.'), Qt::SkipEmptyParts);
    QString prefix = QString::fromLatin1(menuBarId).section(QLatin1Char('.'), -1);
    QString text;
    for (int i = 0; i < parts.size() - 1; ++i) {
        prefix += QLatin1Char('.') + parts.at(i);
        const ActionContainer* container = getActionContainer(prefix);
        if (container && container->getMenu())
            text += container->getMenu()->title().remove(QLatin1Char('&'));
        else
            text += parts.at(i);
        text += QStringLiteral(" > ");
    }
    if (const QAction* proxy = command->getAction())
        text += proxy->text().remove(QLatin1Char('&'));
    else if (!parts.isEmpty())
        text += parts.last();
    return text;
}

void ActionManager::setContext(QWidget* context)
{
    if (!m_instance)
        return;
    ActionManagerPrivate* d = m_instance->d;
    QWidget* previous = d->m_context;
    d->m_context = context;
    d->m_liveContext = context;
    ++d->m_switching;
    d->switchContext(previous, context);
    if (--d->m_switching == 0) {
        const QVector<ContextAction*> dying = std::exchange(d->m_dying, {});
        for (ContextAction* command : dying)
            delete command;
    }
}

void ActionManager::readFromSettings()
{
    if (!m_instance || !m_instance->d->m_settings)
        return;
    QSettings* settings = m_instance->d->m_settings;
    settings->beginGroup(QLatin1String(shortcutsGroup));
    if (settings->allKeys().isEmpty()) {
        resetToDefault();
    } else {
        for (ContextAction* command : qAsConst(m_instance->d->m_commands)) {
            if (command->isSeparator())
                continue;
            QKeySequence key;
            if (readStoredShortcut(settings, command->getId(), &key))
                command->setKeySequence(key);
            else
                command->setKeySequence(command->getDefaultKeySequence());
        }
    }
    settings->endGroup();
}

void ActionManager::saveSettings()
{
    if (!m_instance || !m_instance->d->m_settings)
        return;
    QSettings* settings = m_instance->d->m_settings;
    settings->beginGroup(QLatin1String(shortcutsGroup));
    for (ContextAction* command : qAsConst(m_instance->d->m_commands)) {
        if (command->isSeparator())
            continue;
        const QKeySequence key = command->getKeySequence();
        if (key.isEmpty())
            settings->remove(command->getId());
        else
            settings->setValue(command->getId(), key.toString(QKeySequence::PortableText));
    }
    settings->endGroup();
}

void ActionManager::resetToDefault()
{
    if (!m_instance)
        return;
    for (ContextAction* command : qAsConst(m_instance->d->m_commands)) {
        if (!command->isSeparator())
            command->setKeySequence(command->getDefaultKeySequence());
    }
}

void ActionManagerPrivate::addContainer(const QString& id, ActionContainer* container)
{
    m_containers.insert(id, container);
    connect(container, &QObject::destroyed, this, &ActionManagerPrivate::containerDestroyed);
}

void ActionManagerPrivate::containerDestroyed()
{
    // Only the address is compared: the container is already half destroyed.
    QObject* destroyed = sender();
    for (auto it = m_containers.begin(); it != m_containers.end(); ++it) {
        if (static_cast<QObject*>(it.value()) == destroyed) {
            m_containers.erase(it);
            return;
        }
    }
}

QWidget* ActionManagerPrivate::shortcutHolder()
{
    QWidget* window = mainWindowWidget();
    if (!window)
        return nullptr;
    if (!m_shortcutHolder || m_shortcutHolder->parentWidget() != window) {
        // A command's shortcut needs a visible widget in the window that holds its proxy. The
        // window itself would do, but each change of a proxy's state is sent as an event to the
        // widgets that hold it, and the window's event filters (work area, menu bar, frame) would
        // see every one. An empty child shows and hides with the window.
        auto* holder = new QWidget(window);
        holder->setObjectName(QStringLiteral("Zenub.CommandShortcuts"));
        holder->setGeometry(0, 0, 0, 0);
        holder->setFocusPolicy(Qt::NoFocus);
        holder->setAttribute(Qt::WA_TransparentForMouseEvents);
        m_shortcutHolder = holder;
    }
    return m_shortcutHolder;
}

QVector<QWidget*> ActionManagerPrivate::contextChain(QWidget* context) const
{
    QVector<QWidget*> chain;
    QWidget* fallback = mainWindowWidget();
    for (QWidget* widget = context; widget && widget != fallback; widget = widget->parentWidget()) {
        if (m_commandsByContext.contains(widget))
            chain.append(widget);
    }
    return chain;
}

void ActionManagerPrivate::switchContext(QWidget* previous, QWidget* context)
{
    // A command with no action for any context around the old or the new focus points at the
    // main window's action before and after, so focus changes cost the commands of those
    // contexts (a time line's and its editor's), not every command.
    using Entries = std::vector<OrderedCommands::Entry>;
    std::vector<const Entries*> sources;
    const auto addSource = [&sources](const Entries& entries) {
        if (!entries.empty() &&
            std::find(sources.begin(), sources.end(), &entries) == sources.end())
            sources.push_back(&entries);
    };
    addSource(m_unswitched.entries());
    const QVector<QWidget*> chain = contextChain(context);
    if (previous != context) {
        const QVector<QWidget*>* chains[] = {&m_contextChain, &chain};
        for (const QVector<QWidget*>* widgets : chains) {
            for (QWidget* widget : *widgets) {
                const auto it = m_commandsByContext.constFind(widget);
                if (it != m_commandsByContext.constEnd())
                    addSource(it->entries());
            }
        }
    }
    m_contextChain = chain;
    // The sources are ordered alike, so merging them two at a time visits each command once, in
    // the order of registration, with no sorting. The walk runs on a copy: a listener of a
    // command's state may register or unregister commands meanwhile.
    Entries affected, merged;
    const auto byOrder = [](const OrderedCommands::Entry& a, const OrderedCommands::Entry& b) {
        return a.order < b.order;
    };
    for (const Entries* source : sources) {
        if (affected.empty()) {
            affected = *source;
            continue;
        }
        merged.clear();
        merged.reserve(affected.size() + source->size());
        std::set_union(affected.begin(), affected.end(), source->begin(), source->end(),
                       std::back_inserter(merged), byOrder);
        affected.swap(merged);
    }
    m_unswitched.clear();
    affected.erase(
        std::remove_if(affected.begin(), affected.end(),
                       [](const OrderedCommands::Entry& entry) { return !entry.command; }),
        affected.end());
    // Those a listener unregisters are kept until the walk is done, and skipped.
    QWidget* window = mainWindowWidget();
    for (size_t i = 0; i < affected.size(); ++i) {
        if (i + kPrefetchAhead < affected.size())
            prefetchCommand(affected[i + kPrefetchAhead].command);
        ContextAction* command = affected[i].command;
        if (m_dying.isEmpty() || !m_dying.contains(command))
            command->followChain(chain, window);
    }
}
