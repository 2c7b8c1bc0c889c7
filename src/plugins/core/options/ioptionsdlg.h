// SPDX-License-Identifier: MIT
#ifndef IOPTIONSDLG_H
#define IOPTIONSDLG_H

#include "core_export.h"

#include <QDialog>
#include <QList>

class IOptionPage;

/*!
    Base of the preferences dialog a document factory supplies. The dialog is always a
    top-level window without parent and with default window flags, whatever the constructor is
    given, so it is not tied to the lifetime or stacking of the widget that created it.
    The page list is the subclass's to fill and use.
*/
class CORE_EXPORT IOptionsDlg : public QDialog
{
    Q_OBJECT
public:
    explicit IOptionsDlg(QWidget* parent = nullptr, Qt::WindowFlags flags = Qt::WindowFlags());
    ~IOptionsDlg() override;

    /*! Shows the dialog; the main window calls it for "Edit.Preferences". */
    virtual int showDialog() = 0;
    /*! Creates the pages and fills the page list. */
    virtual void createPages() = 0;

    // The order of the slots is part of the interface.
public slots:
    virtual void onApply() = 0;
    virtual void onCancel() = 0;
    virtual void onOK() = 0;
    virtual void onPageChanged(int nPage) = 0;

public:
    /*! Enables the apply button while any page is changed. */
    virtual void updateButtons() = 0;
    /*! Whether any page has changes not yet applied. */
    virtual bool hasChanges() = 0;
    /*! Makes the page with index \a nPage the current one. */
    virtual void setCurrentPage(int nPage) = 0;

protected:
    QList<IOptionPage*> m_pages;
};

#endif
