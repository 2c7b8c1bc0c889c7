// SPDX-License-Identifier: MIT
#include "notedocumentfactory.h"

#include "notedocument.h"
#include "noteeditor.h"

#include <mainwindow/mainwindow.h>
#include <plugin/icore.h>

#include <QDir>
#include <QFileDialog>

IDocument* NoteDocumentFactory::createDocument()
{
    return new NoteDocument();
}

IEditor* NoteDocumentFactory::createEditor()
{
    return new NoteEditor();
}

QStringList NoteDocumentFactory::supportedSuffixes()
{
    return {QStringLiteral("txt")};
}

IOptionsDlg* NoteDocumentFactory::createOptionsDialog()
{
    return nullptr;
}

ICreateDocumentDlg* NoteDocumentFactory::createNewDocumentDialog()
{
    return nullptr;
}

QString NoteDocumentFactory::selectFileToOpen()
{
    return QFileDialog::getOpenFileName(ICore::getMainWindow(), tr("Open Note"), QDir::homePath(),
                                        tr("Notes (*.txt)"));
}
