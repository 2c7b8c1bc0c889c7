// SPDX-License-Identifier: MIT
#ifndef NOTEDOCUMENTFACTORY_H
#define NOTEDOCUMENTFACTORY_H

#include <documents/idocumentfactory.h>

/*!
    The ".txt" document type. The main window asks it for the note and the editor of every
    ".txt" file it opens. Notes are opened, not created here: without a new-document dialog
    File > New makes nothing, and the Notes page joins the application's preferences instead of
    a dialog of its own. Both matter only where no other document type comes first.
*/
class NoteDocumentFactory : public IDocumentFactory
{
    Q_OBJECT
public:
    IDocument* createDocument() override;
    IEditor* createEditor() override;
    QStringList supportedSuffixes() override;
    IOptionsDlg* createOptionsDialog() override;
    ICreateDocumentDlg* createNewDocumentDialog() override;
    QString selectFileToOpen() override;
};

#endif
