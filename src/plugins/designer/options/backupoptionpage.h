// SPDX-License-Identifier: MIT
#ifndef BACKUPOPTIONPAGE_H
#define BACKUPOPTIONPAGE_H

#include <options/ioptionpage.h>

class QCheckBox;
class QSpinBox;

/*! The automatic-backup preferences of open projects. */
class BackupOptionPage : public IOptionPage
{
    Q_OBJECT
public:
    explicit BackupOptionPage(QWidget* parent);

    void initValues() override;
    void saveChanges() override;
    void discardChanges() override;

    QCheckBox* enableBox() const { return m_pEnable; }
    QSpinBox* intervalBox() const { return m_pInterval; }

private:
    void onEdited();

    QCheckBox* m_pEnable = nullptr;
    QSpinBox* m_pInterval = nullptr;
    bool m_bFilling = false;
};

#endif
