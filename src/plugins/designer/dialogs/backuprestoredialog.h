// SPDX-License-Identifier: MIT
#ifndef BACKUPRESTOREDIALOG_H
#define BACKUPRESTOREDIALOG_H

#include <QDialog>
#include <QStringList>

class MainWindow;
class QPushButton;
class QSettings;
class QTreeWidget;

/*!
    Lists the projects whose automatic backup is newer than the project itself, which happens
    only when the application ended without closing them (a crash, a killed process). The user
    restores each one (it opens with the recovered edits) or discards its backup. The list is
    offered once per backup: what is left undecided is offered again only when that project is
    opened.
*/
class BackupRestoreDialog : public QDialog
{
    Q_OBJECT
public:
    BackupRestoreDialog(const QStringList& projects, MainWindow* window);

    /*!
        The projects of \a candidates with a backup at least as new as the file, leaving out those
        whose backup \a settings record as offered already.
    */
    static QStringList findRecoverable(const QStringList& candidates, const QSettings* settings);
    /*!
        Shows the dialog for the recent projects that have such a backup and are not open, and
        records them as offered. Returns the dialog, or null when there is nothing to offer.
    */
    static BackupRestoreDialog* offerAtStart(MainWindow* window);

private:
    void restoreSelected();
    void discardSelected();
    QStringList selectedProjects() const;
    void removeRow(const QString& project);
    void updateButtons();

    MainWindow* m_pWindow;
    QTreeWidget* m_pList = nullptr;
    QPushButton* m_pRestore = nullptr;
    QPushButton* m_pDiscard = nullptr;
};

#endif
