// SPDX-License-Identifier: MIT
#ifndef ICREATEDOCUMENTDLG_H
#define ICREATEDOCUMENTDLG_H

#include "core_export.h"

#include <QDialog>

/*!
    Base of the new-document dialog a document factory returns. After the dialog is accepted
    the main window reads the three values, then the path, and passes the values and the flag
    to IDocument::initNewDocument() in this order.
*/
class CORE_EXPORT ICreateDocumentDlg : public QDialog
{
    Q_OBJECT
public:
    explicit ICreateDocumentDlg(QWidget* parent);
    /*! The three texts are for subclasses; the base does not use them. */
    ICreateDocumentDlg(QWidget* parent, const QString& strText1, const QString& strText2,
                       const QString& strText3);
    ~ICreateDocumentDlg() override;

    /*! Full path of the new document's file; empty when the user gave none. */
    virtual QString getDocumentPath() = 0;
    virtual int getValue1() = 0;
    virtual int getValue2() = 0;
    virtual int getValue3() = 0;
    virtual bool getFlag() = 0;
};

#endif
