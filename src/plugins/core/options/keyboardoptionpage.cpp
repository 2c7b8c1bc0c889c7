// SPDX-License-Identifier: MIT
#include "keyboardoptionpage.h"

#include "actions/actioncontainer.h"
#include "actions/actionmanager.h"
#include "actions/contextaction.h"

#include <QAction>
#include <QColor>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeySequenceEdit>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

bool isConfigurable(ContextAction* command)
{
    const QAction* action = command ? command->getAction() : nullptr;
    return action && !command->isSeparator() && !action->text().isEmpty() &&
           !action->property(KeyboardOptionPage::fixedShortcutProperty).toBool();
}

QString shortcutText(const QKeySequence& sequence)
{
    return sequence.toString(QKeySequence::NativeText);
}

// The menu path for display: sub-menus get their titles ("Save As" rather than the id's
// "SaveAs"), and a command that is only on the tool bar says so, so that two commands of the
// same name can be told apart.
QString menuPath(ContextAction* command)
{
    QStringList segments = ActionManager::getActionFullText(command).split(QStringLiteral(" > "));
    const QStringList parts = command->getId().split(QLatin1Char('.'), Qt::SkipEmptyParts);
    for (int i = 1; i < segments.size() - 1 && i < parts.size(); ++i) {
        const ActionContainer* container =
            ActionManager::getActionContainer(parts.mid(0, i + 1).join(QLatin1Char('.')));
        if (container && container->getMenu())
            segments[i] = container->getMenu()->title().remove(QLatin1Char('&'));
        else
            segments[i].replace(QLatin1Char('_'), QLatin1Char(' '));
    }
    bool bInMenu = false;
    for (const QWidget* widget : command->getAction()->associatedWidgets())
        bInMenu = bInMenu || qobject_cast<const QMenu*>(widget);
    const QString path = segments.join(QStringLiteral(" > "));
    return bInMenu ? path : KeyboardOptionPage::tr("%1 (tool bar)").arg(path);
}

} // namespace

KeyboardOptionPage::KeyboardOptionPage(QWidget* parent)
    : IOptionPage(parent)
{
    auto* layout = new QVBoxLayout(this);
    m_pFilter = new QLineEdit(this);
    m_pFilter->setObjectName(QStringLiteral("shortcutFilter"));
    m_pFilter->setPlaceholderText(tr("Filter by command or shortcut"));
    m_pFilter->setClearButtonEnabled(true);
    layout->addWidget(m_pFilter);

    m_pTree = new QTreeWidget(this);
    m_pTree->setObjectName(QStringLiteral("shortcutTree"));
    m_pTree->setHeaderLabels({tr("Command"), tr("Shortcut")});
    m_pTree->setRootIsDecorated(false);
    m_pTree->setUniformRowHeights(true);
    m_pTree->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    m_pTree->header()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    m_pTree->header()->setStretchLastSection(false);
    layout->addWidget(m_pTree, 1);

    auto* editRow = new QHBoxLayout();
    auto* label = new QLabel(tr("&Shortcut:"), this);
    m_pEditor = new QKeySequenceEdit(this);
    m_pEditor->setObjectName(QStringLiteral("shortcutEditor"));
    label->setBuddy(m_pEditor);
    m_pClear = new QPushButton(tr("C&lear"), this);
    m_pReset = new QPushButton(tr("&Reset"), this);
    m_pReset->setToolTip(tr("Give the selected command its default shortcut"));
    auto* resetAll = new QPushButton(tr("Reset &All"), this);
    resetAll->setToolTip(tr("Give every command its default shortcut"));
    editRow->addWidget(label);
    editRow->addWidget(m_pEditor, 1);
    editRow->addWidget(m_pClear);
    editRow->addWidget(m_pReset);
    editRow->addWidget(resetAll);
    layout->addLayout(editRow);

    auto* conflictRow = new QHBoxLayout();
    m_pConflict = new QLabel(this);
    m_pConflict->setObjectName(QStringLiteral("shortcutConflict"));
    m_pConflict->setWordWrap(true);
    m_pConflict->setStyleSheet(QStringLiteral("color: #e0533d;"));
    m_pReassign = new QPushButton(tr("Re&assign"), this);
    m_pReassign->setToolTip(tr("Take the shortcut away from the other command"));
    conflictRow->addWidget(m_pConflict, 1);
    conflictRow->addWidget(m_pReassign);
    layout->addLayout(conflictRow);
    m_pReassign->hide();

    connect(m_pFilter, &QLineEdit::textChanged, this, &KeyboardOptionPage::applyFilter);
    connect(m_pTree, &QTreeWidget::currentItemChanged, this,
            &KeyboardOptionPage::onCurrentItemChanged);
    connect(m_pEditor, &QKeySequenceEdit::keySequenceChanged, this,
            &KeyboardOptionPage::onSequenceEdited);
    connect(m_pClear, &QPushButton::clicked, this, &KeyboardOptionPage::clearCurrent);
    connect(m_pReset, &QPushButton::clicked, this, &KeyboardOptionPage::resetCurrent);
    connect(resetAll, &QPushButton::clicked, this, &KeyboardOptionPage::resetAll);
    connect(m_pReassign, &QPushButton::clicked, this, &KeyboardOptionPage::reassign);
}

bool KeyboardOptionPage::clashes(const QKeySequence& a, const QKeySequence& b)
{
    if (a.isEmpty() || b.isEmpty())
        return false;
    // A shortcut that begins another one makes the longer one unreachable.
    return a.matches(b) != QKeySequence::NoMatch || b.matches(a) != QKeySequence::NoMatch;
}

void KeyboardOptionPage::initValues()
{
    m_pending.clear();
    m_paths.clear();
    for (ContextAction* command : ActionManager::getActions()) {
        if (!isConfigurable(command))
            continue;
        m_pending.insert(command->getId(), command->getKeySequence());
        m_paths.insert(command->getId(), menuPath(command));
    }
    fillTree();
    IOptionPage::initValues();
}

void KeyboardOptionPage::fillTree()
{
    m_bFilling = true;
    const QString previous = currentId();
    m_pTree->clear();
    QList<QTreeWidgetItem*> items;
    for (auto it = m_paths.constBegin(); it != m_paths.constEnd(); ++it) {
        auto* item = new QTreeWidgetItem({it.value(), shortcutText(m_pending.value(it.key()))});
        item->setData(0, Qt::UserRole, it.key());
        items.append(item);
    }
    m_pTree->addTopLevelItems(items);
    m_pTree->sortItems(0, Qt::AscendingOrder);
    for (QTreeWidgetItem* item : qAsConst(items)) {
        if (item->data(0, Qt::UserRole).toString() == previous)
            m_pTree->setCurrentItem(item);
    }
    if (!m_pTree->currentItem() && m_pTree->topLevelItemCount() > 0)
        m_pTree->setCurrentItem(m_pTree->topLevelItem(0));
    m_bFilling = false;
    applyFilter(m_pFilter->text());
    onCurrentItemChanged();
    refreshMarks();
}

void KeyboardOptionPage::applyFilter(const QString& text)
{
    const QString needle = text.trimmed();
    for (int i = 0; i < m_pTree->topLevelItemCount(); ++i) {
        QTreeWidgetItem* item = m_pTree->topLevelItem(i);
        const bool shown = needle.isEmpty() ||
                           item->text(0).contains(needle, Qt::CaseInsensitive) ||
                           item->text(1).contains(needle, Qt::CaseInsensitive);
        item->setHidden(!shown);
    }
    // The editor must not keep changing a command the filter no longer shows.
    QTreeWidgetItem* current = m_pTree->currentItem();
    if (!current || current->isHidden()) {
        QTreeWidgetItem* first = nullptr;
        for (int i = 0; i < m_pTree->topLevelItemCount() && !first; ++i) {
            if (!m_pTree->topLevelItem(i)->isHidden())
                first = m_pTree->topLevelItem(i);
        }
        m_pTree->setCurrentItem(first);
        if (!first)
            onCurrentItemChanged();
    }
}

QString KeyboardOptionPage::currentId() const
{
    const QTreeWidgetItem* item = m_pTree->currentItem();
    return item ? item->data(0, Qt::UserRole).toString() : QString();
}

void KeyboardOptionPage::onCurrentItemChanged()
{
    const QString id = currentId();
    const bool bHasCommand = !id.isEmpty();
    m_pEditor->setEnabled(bHasCommand);
    m_pClear->setEnabled(bHasCommand);
    m_pReset->setEnabled(bHasCommand);
    const bool bWasFilling = m_bFilling;
    m_bFilling = true;
    m_pEditor->setKeySequence(m_pending.value(id));
    m_bFilling = bWasFilling;
    refreshMarks();
}

void KeyboardOptionPage::onSequenceEdited(const QKeySequence& sequence)
{
    if (m_bFilling)
        return;
    setPending(currentId(), sequence);
}

void KeyboardOptionPage::setPending(const QString& id, const QKeySequence& sequence)
{
    if (id.isEmpty() || m_pending.value(id) == sequence)
        return;
    m_pending.insert(id, sequence);
    for (int i = 0; i < m_pTree->topLevelItemCount(); ++i) {
        QTreeWidgetItem* item = m_pTree->topLevelItem(i);
        if (item->data(0, Qt::UserRole).toString() == id)
            item->setText(1, shortcutText(sequence));
    }
    if (id == currentId() && m_pEditor->keySequence() != sequence) {
        m_bFilling = true;
        m_pEditor->setKeySequence(sequence);
        m_bFilling = false;
    }
    refreshMarks();
    setChanged(true);
    emit dataChanged();
}

void KeyboardOptionPage::clearCurrent()
{
    setPending(currentId(), QKeySequence());
}

void KeyboardOptionPage::resetCurrent()
{
    const QString id = currentId();
    if (ContextAction* command = ActionManager::getAction(id))
        setPending(id, command->getDefaultKeySequence());
}

void KeyboardOptionPage::resetAll()
{
    for (const QString& id : m_pending.keys()) {
        if (ContextAction* command = ActionManager::getAction(id))
            setPending(id, command->getDefaultKeySequence());
    }
}

void KeyboardOptionPage::reassign()
{
    const QString id = currentId();
    for (const QString& other : clashingIds(id))
        setPending(other, QKeySequence());
}

QStringList KeyboardOptionPage::clashingIds(const QString& id) const
{
    QStringList ids;
    const QKeySequence sequence = m_pending.value(id);
    for (auto it = m_pending.constBegin(); it != m_pending.constEnd(); ++it) {
        if (it.key() != id && clashes(sequence, it.value()))
            ids.append(it.key());
    }
    return ids;
}

void KeyboardOptionPage::refreshMarks()
{
    for (int i = 0; i < m_pTree->topLevelItemCount(); ++i) {
        QTreeWidgetItem* item = m_pTree->topLevelItem(i);
        const QStringList others = clashingIds(item->data(0, Qt::UserRole).toString());
        item->setData(1, Qt::ForegroundRole,
                      others.isEmpty() ? QVariant() : QVariant(QColor(0xe0, 0x53, 0x3d)));
        QStringList paths;
        for (const QString& other : others)
            paths.append(m_paths.value(other));
        item->setToolTip(1, others.isEmpty() ? QString()
                                             : tr("Also used by %1").arg(paths.join(", ")));
    }
    const QString id = currentId();
    const QStringList others = clashingIds(id);
    if (others.isEmpty()) {
        m_pConflict->clear();
        m_pReassign->hide();
        return;
    }
    QStringList paths;
    for (const QString& other : others)
        paths.append(m_paths.value(other));
    m_pConflict->setText(
        tr("%1 is already used by %2.").arg(shortcutText(m_pending.value(id)), paths.join(", ")));
    m_pReassign->show();
}

QString KeyboardOptionPage::conflictText() const
{
    for (auto it = m_pending.constBegin(); it != m_pending.constEnd(); ++it) {
        const QStringList others = clashingIds(it.key());
        if (!others.isEmpty())
            return tr("%1 is assigned to both %2 and %3. Change one of them first.")
                .arg(shortcutText(it.value()), m_paths.value(it.key()),
                     m_paths.value(others.constFirst()));
    }
    return QString();
}

void KeyboardOptionPage::saveChanges()
{
    for (auto it = m_pending.constBegin(); it != m_pending.constEnd(); ++it) {
        ContextAction* command = ActionManager::getAction(it.key());
        if (command && command->getKeySequence() != it.value())
            command->setKeySequence(it.value());
    }
    ActionManager::saveSettings();
    IOptionPage::saveChanges();
}

void KeyboardOptionPage::discardChanges()
{
    IOptionPage::discardChanges();
    setNeedInitConfig2UI();
}
