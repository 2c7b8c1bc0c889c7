// SPDX-License-Identifier: MIT
#include "commandpalette.h"

#include "actions/actioncontainer.h"
#include "actions/actionmanager.h"
#include "actions/commandmatcher.h"
#include "actions/commandpaletteview.h"
#include "actions/commandtext.h"
#include "actions/contextaction.h"
#include "actions/proxyaction.h"

#include <extensionsystem/pluginmanager.h>

#include <QAction>
#include <QApplication>
#include <QHash>
#include <QSettings>
#include <QTimer>

#include <algorithm>

namespace {

const char recentKey[] = "Zenub/CommandPalette.Recent";
const int recentLimit = 12;

// A tool tip that only repeats the text says nothing more.
QString descriptionOf(ContextAction* command, const QAction* action)
{
    if (!command->getDescription().isEmpty())
        return command->getDescription();
    const QString tip = action->toolTip();
    QString text = action->text();
    return tip == text.remove(QLatin1Char('&')) ? QString() : tip;
}

} // namespace

CommandPalette* CommandPalette::m_instance = nullptr;

CommandPalette::CommandPalette(QWidget* window)
    : QObject(window)
    , m_pWindow(window)
{
    m_instance = this;
}

CommandPalette::~CommandPalette()
{
    if (m_instance == this)
        m_instance = nullptr;
    delete m_pView;
}

CommandPalette* CommandPalette::getInstance()
{
    return m_instance;
}

void CommandPalette::addCommand(ActionContainer* menu)
{
    auto* action = new QAction(tr("Command &Palette..."), m_pWindow);
    connect(action, &QAction::triggered, this, &CommandPalette::open);
    ContextAction* command = ActionManager::registerAction(action, commandId(), m_pWindow, false);
    if (!command)
        return;
    command->setDefaultKeySequence(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P));
    command->setDescription(tr("Find and run any command by typing part of its name"));
    if (menu)
        menu->insertAction(command, static_cast<ContextAction*>(nullptr));
}

QVector<CommandPalette::Entry> CommandPalette::enabledCommands()
{
    QVector<Entry> entries;
    for (ContextAction* command : ActionManager::getActions()) {
        auto* proxy = qobject_cast<ProxyAction*>(command->getAction());
        QAction* action = proxy ? proxy->action() : nullptr;
        if (!action || command->isSeparator() || command->getId() == commandId() ||
            !action->isEnabled() || !action->isVisible() || !proxy->isVisible() ||
            proxy->text().isEmpty())
            continue;
        Entry entry;
        entry.id = command->getId();
        entry.path = CommandText::path(command);
        entry.shortcut = command->getKeySequence().toString(QKeySequence::NativeText);
        entry.description = descriptionOf(command, action);
        entry.action = action;
        entries.append(entry);
    }
    return entries;
}

QVector<CommandPalette::Entry> CommandPalette::rank(const QVector<Entry>& entries,
                                                    const QString& query) const
{
    const QStringList recent = recentIds();
    struct Ranked
    {
        int score;
        int recency;
        const Entry* entry;
    };
    QVector<Ranked> ranked;
    for (const Entry& entry : entries) {
        const int score = CommandMatcher::score(query, entry.path, entry.description);
        if (score <= 0)
            continue;
        const int index = recent.indexOf(entry.id);
        ranked.append({score, index < 0 ? recentLimit : index, &entry});
    }
    std::sort(ranked.begin(), ranked.end(), [](const Ranked& a, const Ranked& b) {
        if (a.score != b.score)
            return a.score > b.score;
        if (a.recency != b.recency)
            return a.recency < b.recency;
        return a.entry->path.compare(b.entry->path, Qt::CaseInsensitive) < 0;
    });
    QVector<Entry> result;
    for (const Ranked& item : qAsConst(ranked))
        result.append(*item.entry);
    return result;
}

QStringList CommandPalette::recentIds() const
{
    const QSettings* settings = ExtensionSystem::PluginManager::settings();
    return settings ? settings->value(QLatin1String(recentKey)).toStringList() : QStringList();
}

void CommandPalette::remember(const QString& id)
{
    QSettings* settings = ExtensionSystem::PluginManager::settings();
    if (!settings)
        return;
    QStringList recent = recentIds();
    recent.removeAll(id);
    recent.prepend(id);
    settings->setValue(QLatin1String(recentKey), QStringList(recent.mid(0, recentLimit)));
}

bool CommandPalette::isOpen() const
{
    return m_pView && m_pView->isVisible();
}

void CommandPalette::open()
{
    // Taken before the pop-up has the focus: what counts is where the user was working.
    m_pFocus = QApplication::focusWidget();
    m_entries = enabledCommands();
    if (!m_pView) {
        m_pView = new CommandPaletteView(m_pWindow);
        connect(m_pView, &CommandPaletteView::queryChanged, this, &CommandPalette::filter);
        connect(m_pView, &CommandPaletteView::chosen, this, &CommandPalette::run);
    }
    filter(QString());
    m_pView->popup(m_pWindow);
}

void CommandPalette::filter(const QString& query)
{
    m_shown = rank(m_entries, query);
    QList<QStringList> rows;
    for (const Entry& entry : qAsConst(m_shown))
        rows.append({entry.path, entry.shortcut, entry.description});
    m_pView->setRows(rows);
}

void CommandPalette::run(int row)
{
    if (row < 0 || row >= m_shown.size())
        return;
    const Entry entry = m_shown.at(row);
    m_pView->close();
    if (m_pFocus)
        m_pFocus->setFocus(Qt::PopupFocusReason);
    remember(entry.id);
    // After the pop-up has gone: the command may open a dialog of its own. Its action is the
    // one of the context the palette was opened from, whatever has the focus by then.
    const QPointer<QAction> action = entry.action;
    QTimer::singleShot(0, this, [action] {
        if (action && action->isEnabled())
            action->trigger();
    });
}
