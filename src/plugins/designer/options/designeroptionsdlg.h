// SPDX-License-Identifier: MIT
#ifndef DESIGNEROPTIONSDLG_H
#define DESIGNEROPTIONSDLG_H

#include <options/ioptionsdlg.h>

class QDialogButtonBox;
class QListWidget;
class QStackedWidget;

/*! The preferences: a list of pages on the left, the current page on the right. */
class DesignerOptionsDlg : public IOptionsDlg
{
    Q_OBJECT
public:
    explicit DesignerOptionsDlg(QWidget* parent = nullptr);

    int showDialog() override;
    void createPages() override;

public slots:
    void onApply() override;
    void onCancel() override;
    void onOK() override;
    void onPageChanged(int nPage) override;

public:
    void updateButtons() override;
    bool hasChanges() override;
    void setCurrentPage(int nPage) override;

    const QList<IOptionPage*>& getPages() const { return m_pages; }

protected:
    void reject() override;

private:
    /*! False, after telling the user why, while a page holds values that cannot be applied. */
    bool canApply();

    QListWidget* m_pPageList = nullptr;
    QStackedWidget* m_pStack = nullptr;
    QDialogButtonBox* m_pButtons = nullptr;
};

#endif
