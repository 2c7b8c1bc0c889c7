// SPDX-License-Identifier: MIT
#ifndef IDOCUMENTFACTORY_H
#define IDOCUMENTFACTORY_H

#include "core_export.h"

#include <QObject>
#include <QStringList>

class ICreateDocumentDlg;
class IDocument;
class IEditor;
class IOptionsDlg;

/*!
    Supplies a document type. A plugin puts its factory into the plugin manager's object pool;
    the main window asks the first factory found for new documents, dialogs and the file to
    open, and the first factory listing a file's suffix for that file's document and editor.
*/
class CORE_EXPORT IDocumentFactory : public QObject
{
    Q_OBJECT
public:
    explicit IDocumentFactory(QObject* parent = nullptr);
    ~IDocumentFactory() override;

    /*! A new document without parent; the caller owns it. */
    virtual IDocument* createDocument() = 0;
    /*! A new editor for such a document; the caller owns it. */
    virtual IEditor* createEditor() = 0;
    /*! The suffixes the documents open, in lower case and without the dot. */
    virtual QStringList supportedSuffixes() = 0;
    /*! The preferences dialog; the main window asks once and keeps it. */
    virtual IOptionsDlg* createOptionsDialog() = 0;
    /*! A new-document dialog; the caller deletes it after use. */
    virtual ICreateDocumentDlg* createNewDocumentDialog() = 0;
    /*! The path the user chose to open, or an empty string when they cancelled. */
    virtual QString selectFileToOpen() = 0;
};

#endif
