// SPDX-License-Identifier: MIT
#include "keyboardoptionpage.h"

#include "actions/actionmanager.h"
#include "actions/commandtext.h"
#include "actions/contextaction.h"
#include "plugin/iui.h"
#include "shortcutscheme.h"

#include <QAction>
#include <QColor>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeySequenceEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardPaths>
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

// Where the last scheme was read or written, for the next file dialog (this run only).
QString& schemeFolder()
{
    static QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return folder;
}

QString schemeFilter()
{
    return KeyboardOptionPage::tr("Shortcut schemes (*.json);;All files (*)");
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

    auto* schemeRow = new QHBoxLayout();
    auto* importButton = new QPushButton(tr("&Import..."), this);
    importButton->setObjectName(QStringLiteral("importShortcuts"));
    importButton->setToolTip(tr("Read shortcuts from a scheme file; they apply with the page"));
    auto* exportButton = new QPushButton(tr("E&xport..."), this);
    exportButton->setObjectName(QStringLiteral("exportShortcuts"));
    exportButton->setToolTip(tr("Write the shortcuts shown here to a scheme file"));
    schemeRow->addStretch(1);
    schemeRow->addWidget(importButton);
    schemeRow->addWidget(exportButton);
    layout->addLayout(schemeRow);

    connect(m_pFilter, &QLineEdit::textChanged, this, &KeyboardOptionPage::applyFilter);
    connect(m_pTree, &QTreeWidget::currentItemChanged, this,
            &KeyboardOptionPage::onCurrentItemChanged);
    connect(m_pEditor, &QKeySequenceEdit::keySequenceChanged, this,
            &KeyboardOptionPage::onSequenceEdited);
    connect(m_pClear, &QPushButton::clicked, this, &KeyboardOptionPage::clearCurrent);
    connect(m_pReset, &QPushButton::clicked, this, &KeyboardOptionPage::resetCurrent);
    connect(resetAll, &QPushButton::clicked, this, &KeyboardOptionPage::resetAll);
    connect(m_pReassign, &QPushButton::clicked, this, &KeyboardOptionPage::reassign);
    connect(importButton, &QPushButton::clicked, this, &KeyboardOptionPage::chooseImportFile);
    connect(exportButton, &QPushButton::clicked, this, &KeyboardOptionPage::chooseExportFile);
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
    m_furtherKeys.clear();
    m_scopes = CommandScopes::current();
    for (ContextAction* command : ActionManager::getActions()) {
        if (!isConfigurable(command))
            continue;
        m_pending.insert(command->getId(), command->getKeySequence());
        m_paths.insert(command->getId(), CommandText::path(command));
        // Further keys (Ctrl+= beside Ctrl++) stay as long as the first one does.
        const QList<QKeySequence> keys = command->getAction()->shortcuts();
        if (keys.size() > 1)
            m_furtherKeys.insert(command->getId(), keys);
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
    updateRow(id);
    refreshMarks();
    setChanged(true);
    emit dataChanged();
}

void KeyboardOptionPage::updateRow(const QString& id)
{
    const QKeySequence sequence = m_pending.value(id);
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

QList<QKeySequence> KeyboardOptionPage::keysOf(const QString& id) const
{
    const QKeySequence first = m_pending.value(id);
    const QList<QKeySequence> all = m_furtherKeys.value(id);
    return !all.isEmpty() && all.constFirst() == first ? all : QList<QKeySequence>{first};
}

QStringList KeyboardOptionPage::clashingIds(const QString& id) const
{
    QStringList ids;
    const QKeySequence sequence = m_pending.value(id);
    for (auto it = m_pending.constBegin(); it != m_pending.constEnd(); ++it) {
        if (it.key() == id || !m_scopes.activeTogether(id, it.key()))
            continue;
        for (const QKeySequence& other : keysOf(it.key())) {
            if (clashes(sequence, other)) {
                ids.append(it.key());
                break;
            }
        }
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

bool KeyboardOptionPage::exportScheme(const QString& fileName, QString* errorString) const
{
    ShortcutScheme scheme;
    scheme.shortcuts = m_pending;
    return scheme.save(fileName, errorString);
}

void KeyboardOptionPage::importScheme(const QString& fileName)
{
    ShortcutScheme scheme;
    QString error;
    if (!scheme.load(fileName, &error)) {
        IUi::getInstance()->showWarning(this, tr("Import Shortcuts"), error, QMessageBox::Ok,
                                        QMessageBox::Ok);
        return;
    }
    QStringList unknown;
    int taken = 0;
    for (auto it = scheme.shortcuts.constBegin(); it != scheme.shortcuts.constEnd(); ++it) {
        if (!m_pending.contains(it.key())) {
            unknown.append(it.key());
            continue;
        }
        ++taken;
        if (m_pending.value(it.key()) != it.value()) {
            m_pending.insert(it.key(), it.value());
            updateRow(it.key());
            setChanged(true);
        }
    }
    refreshMarks();
    emit dataChanged();

    QString message =
        tr("%n shortcut(s) read from \"%1\".", nullptr, taken).arg(QFileInfo(fileName).fileName());
    if (!unknown.isEmpty())
        message += QStringLiteral("\n\n") + tr("Skipped, as no such command is known here:\n%1")
                                                .arg(unknown.join(QLatin1Char('\n')));
    if (!scheme.invalid.isEmpty())
        message += QStringLiteral("\n\n") + tr("Skipped, as the text is not a key:\n%1")
                                                .arg(scheme.invalid.join(QLatin1Char('\n')));
    const QString conflict = conflictText();
    if (!conflict.isEmpty())
        message += QStringLiteral("\n\n") + conflict;
    const bool bClean = unknown.isEmpty() && scheme.invalid.isEmpty() && conflict.isEmpty();
    if (bClean)
        IUi::getInstance()->showInformation(this, tr("Import Shortcuts"), message, QMessageBox::Ok,
                                            QMessageBox::Ok);
    else
        IUi::getInstance()->showWarning(this, tr("Import Shortcuts"), message, QMessageBox::Ok,
                                        QMessageBox::Ok);
}

void KeyboardOptionPage::chooseImportFile()
{
    const QString fileName =
        QFileDialog::getOpenFileName(this, tr("Import Shortcuts"), schemeFolder(), schemeFilter());
    if (fileName.isEmpty())
        return;
    schemeFolder() = QFileInfo(fileName).absolutePath();
    importScheme(fileName);
}

void KeyboardOptionPage::chooseExportFile()
{
    const QString fileName = QFileDialog::getSaveFileName(
        this, tr("Export Shortcuts"),
        QDir(schemeFolder()).filePath(QStringLiteral("shortcuts.json")), schemeFilter());
    if (fileName.isEmpty())
        return;
    schemeFolder() = QFileInfo(fileName).absolutePath();
    QString error;
    if (!exportScheme(fileName, &error))
        IUi::getInstance()->showWarning(this, tr("Export Shortcuts"), error, QMessageBox::Ok,
                                        QMessageBox::Ok);
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
