// SPDX-License-Identifier: MIT
#include "backupoptionpage.h"

#include <documents/documentmanager.h>
#include <documents/idocument.h>

#include <QCheckBox>
#include <QFormLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

BackupOptionPage::BackupOptionPage(QWidget* parent)
    : IOptionPage(parent)
{
    auto* layout = new QVBoxLayout(this);
    m_pEnable = new QCheckBox(tr("Back up open projects &automatically"), this);
    layout->addWidget(m_pEnable);
    auto* form = new QFormLayout();
    m_pInterval = new QSpinBox(this);
    m_pInterval->setRange(10, 24 * 60 * 60);
    m_pInterval->setSingleStep(30);
    m_pInterval->setSuffix(tr(" seconds"));
    form->addRow(tr("Back up &every:"), m_pInterval);
    layout->addLayout(form);
    auto* note =
        new QLabel(tr("A backup copy is written next to the project file as long as it has unsaved "
                      "changes, and removed when the project is saved or closed."),
                   this);
    note->setWordWrap(true);
    layout->addWidget(note);
    layout->addStretch(1);
    connect(m_pEnable, &QCheckBox::toggled, this, &BackupOptionPage::onEdited);
    connect(m_pInterval, QOverload<int>::of(&QSpinBox::valueChanged), this,
            &BackupOptionPage::onEdited);
}

void BackupOptionPage::onEdited()
{
    m_pInterval->setEnabled(m_pEnable->isChecked());
    if (m_bFilling)
        return;
    setChanged(true);
    emit dataChanged();
}

void BackupOptionPage::initValues()
{
    m_bFilling = true;
    const bool bEnabled =
        DocumentManager::getInstance() ? DocumentManager::isAutobackupEnabled() : true;
    const int seconds =
        DocumentManager::getInstance() ? DocumentManager::getAutobackupTimeout() : 300;
    m_pEnable->setChecked(bEnabled);
    m_pInterval->setValue(seconds);
    m_pInterval->setEnabled(bEnabled);
    m_bFilling = false;
    IOptionPage::initValues();
}

void BackupOptionPage::saveChanges()
{
    if (DocumentManager::getInstance()) {
        const bool bEnabled = m_pEnable->isChecked();
        DocumentManager::setAutoBackupEnabled(bEnabled);
        DocumentManager::setAutobackupTimeout(m_pInterval->value());
        DocumentManager::saveSettings();
        // Running timers keep their old wait until restarted; apply the choice now.
        for (IDocument* document : DocumentManager::getDocuments()) {
            if (bEnabled)
                DocumentManager::startWaitingBackup(document);
            else
                DocumentManager::stopWaitingBackup(document);
        }
    }
    IOptionPage::saveChanges();
}

void BackupOptionPage::discardChanges()
{
    IOptionPage::discardChanges();
    setNeedInitConfig2UI();
}
