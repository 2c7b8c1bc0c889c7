// SPDX-License-Identifier: MIT
#include "backuprestoredialog.h"

#include "document/designerdocument.h"

#include <documents/editormanager.h>
#include <documents/idocument.h>
#include <documents/ieditor.h>
#include <extensionsystem/pluginmanager.h>
#include <mainwindow/mainwindow.h>
#include <mainwindow/menus/irecentfilesmanager.h>
#include <plugin/iui.h>

#include <QDateTime>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QSettings>
#include <QTextDocument>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

const char offeredKey[] = "Designer/OfferedBackups";

// A backup is known by its path and its time, so a newer crash's backup is offered again.
QString offerMark(const QString& project)
{
    const QFileInfo backup(DesignerDocument::backupFileName(project));
    return backup.absoluteFilePath() + QLatin1Char('|') +
           backup.lastModified().toUTC().toString(Qt::ISODateWithMs);
}

} // namespace

BackupRestoreDialog::BackupRestoreDialog(const QStringList& projects, MainWindow* window)
    : QDialog(window)
    , m_pWindow(window)
{
    setObjectName(QStringLiteral("backupRestoreDialog"));
    setWindowTitle(tr("Recover Unsaved Changes"));
    setAttribute(Qt::WA_DeleteOnClose);
    auto* layout = new QVBoxLayout(this);
    auto* intro = new QLabel(
        tr("Zenub Animate did not close properly last time. These projects have unsaved changes "
           "in an automatic backup. Restore a project to open it with those changes, or discard "
           "its backup."),
        this);
    intro->setWordWrap(true);
    layout->addWidget(intro);
    m_pList = new QTreeWidget(this);
    m_pList->setHeaderLabels({tr("Project"), tr("Backup from"), tr("Folder")});
    m_pList->setRootIsDecorated(false);
    m_pList->setSelectionMode(QAbstractItemView::ExtendedSelection);
    const QLocale locale;
    for (const QString& project : projects) {
        const QFileInfo info(project);
        const QDateTime saved = QFileInfo(DesignerDocument::backupFileName(project)).lastModified();
        auto* item = new QTreeWidgetItem({info.completeBaseName(),
                                          locale.toString(saved, QLocale::ShortFormat),
                                          QDir::toNativeSeparators(info.absolutePath())});
        item->setData(0, Qt::UserRole, project);
        item->setToolTip(0, Qt::convertFromPlainText(QDir::toNativeSeparators(project)));
        m_pList->addTopLevelItem(item);
    }
    m_pList->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_pList->selectAll();
    layout->addWidget(m_pList, 1);

    auto* buttons = new QDialogButtonBox(this);
    m_pRestore = buttons->addButton(tr("&Restore"), QDialogButtonBox::AcceptRole);
    m_pDiscard = buttons->addButton(tr("&Discard"), QDialogButtonBox::DestructiveRole);
    QPushButton* later = buttons->addButton(tr("Decide &Later"), QDialogButtonBox::RejectRole);
    later->setToolTip(tr("Keep the backups; you are asked again when you open the project"));
    layout->addWidget(buttons);
    // The buttons act on the selection and keep the dialog open for the rest of the list.
    disconnect(buttons, nullptr, this, nullptr);
    connect(m_pRestore, &QPushButton::clicked, this, &BackupRestoreDialog::restoreSelected);
    connect(m_pDiscard, &QPushButton::clicked, this, &BackupRestoreDialog::discardSelected);
    connect(later, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_pList, &QTreeWidget::itemSelectionChanged, this, &BackupRestoreDialog::updateButtons);
    updateButtons();
    resize(640, 320);
}

QStringList BackupRestoreDialog::findRecoverable(const QStringList& candidates,
                                                 const QSettings* settings)
{
    const QStringList offered =
        settings ? settings->value(QLatin1String(offeredKey)).toStringList() : QStringList();
    QStringList found;
    for (const QString& project : candidates) {
        const QFileInfo file(project);
        const QFileInfo backup(DesignerDocument::backupFileName(project));
        if (!file.isFile() || !backup.isFile() || backup.lastModified() < file.lastModified() ||
            offered.contains(offerMark(project)) || found.contains(project))
            continue;
        found.append(project);
    }
    return found;
}

BackupRestoreDialog* BackupRestoreDialog::offerAtStart(MainWindow* window)
{
    QSettings* settings = ExtensionSystem::PluginManager::settings();
    QStringList projects =
        findRecoverable(IRecentFilesManager::getInstance()->getRecentFiles(), settings);
    // A project opened from the command line already asked about its backup.
    for (IEditor* editor : EditorManager::getEditors()) {
        if (const IDocument* document = editor->getDocument())
            projects.removeAll(document->getFileName());
    }
    if (projects.isEmpty())
        return nullptr;
    if (settings) {
        QStringList marks;
        for (const QString& project : qAsConst(projects))
            marks.append(offerMark(project));
        settings->setValue(QLatin1String(offeredKey), marks);
        settings->sync();
    }
    auto* dialog = new BackupRestoreDialog(projects, window);
    dialog->open();
    return dialog;
}

QStringList BackupRestoreDialog::selectedProjects() const
{
    QStringList projects;
    for (const QTreeWidgetItem* item : m_pList->selectedItems())
        projects.append(item->data(0, Qt::UserRole).toString());
    return projects;
}

void BackupRestoreDialog::removeRow(const QString& project)
{
    for (int i = 0; i < m_pList->topLevelItemCount(); ++i) {
        if (m_pList->topLevelItem(i)->data(0, Qt::UserRole).toString() == project)
            delete m_pList->takeTopLevelItem(i--);
    }
    if (m_pList->topLevelItemCount() == 0)
        accept();
}

void BackupRestoreDialog::updateButtons()
{
    const bool bAny = !m_pList->selectedItems().isEmpty();
    m_pRestore->setEnabled(bAny);
    m_pDiscard->setEnabled(bAny);
}

void BackupRestoreDialog::restoreSelected()
{
    for (const QString& project : selectedProjects()) {
        auto* document = new DesignerDocument();
        document->setFileName(project);
        if (!document->openBackup() || !m_pWindow->loadOpenedDocument(document, true)) {
            // A document that goes away takes its backup with it; this one must stay.
            document->setFileName(QString());
            delete document;
            continue;
        }
        removeRow(project);
    }
}

void BackupRestoreDialog::discardSelected()
{
    const QStringList projects = selectedProjects();
    if (projects.isEmpty())
        return;
    const QString text =
        tr("Discard the unsaved changes of the selected projects? This cannot be undone.");
    if (IUi::getInstance()->showQuestion(this, windowTitle(), text,
                                         QMessageBox::Yes | QMessageBox::No,
                                         QMessageBox::No) != QMessageBox::Yes)
        return;
    for (const QString& project : projects) {
        const QString backup = DesignerDocument::backupFileName(project);
        if (QFile::remove(backup) || !QFileInfo::exists(backup))
            removeRow(project);
        else
            IUi::getInstance()->showWarning(
                this, windowTitle(),
                tr("The backup \"%1\" could not be removed.").arg(QDir::toNativeSeparators(backup)),
                QMessageBox::Ok, QMessageBox::Ok);
    }
}
