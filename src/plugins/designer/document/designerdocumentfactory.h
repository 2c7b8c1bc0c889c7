// SPDX-License-Identifier: MIT
#ifndef DESIGNERDOCUMENTFACTORY_H
#define DESIGNERDOCUMENTFACTORY_H

#include <documents/idocumentfactory.h>

/*! Supplies Zenub projects (".zenub", and the single-file ".zenubpack") to the main window. */
class DesignerDocumentFactory : public IDocumentFactory
{
    Q_OBJECT
public:
    explicit DesignerDocumentFactory(QObject* parent = nullptr);

    IDocument* createDocument() override;
    IEditor* createEditor() override;
    QStringList supportedSuffixes() override;
    IOptionsDlg* createOptionsDialog() override;
    ICreateDocumentDlg* createNewDocumentDialog() override;
    QString selectFileToOpen() override;

    static QString openFilter();
};

#endif
