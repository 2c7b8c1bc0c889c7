// SPDX-License-Identifier: MIT
#include "designerdocumentfactory.h"

#include "designerdocument.h"
#include "dialogs/dialogfolders.h"
#include "dialogs/newprojectdialog.h"
#include "editor/designereditor.h"
#include "options/designeroptionsdlg.h"

#include <extensionsystem/pluginmanager.h>
#include <mainwindow/mainwindow.h>
#include <plugin/icore.h>

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QSettings>

namespace {} // namespace

DesignerDocumentFactory::DesignerDocumentFactory(QObject* parent)
    : IDocumentFactory(parent)
{}

IDocument* DesignerDocumentFactory::createDocument()
{
    return new DesignerDocument();
}

IEditor* DesignerDocumentFactory::createEditor()
{
    return new DesignerEditor();
}

QStringList DesignerDocumentFactory::supportedSuffixes()
{
    return {QStringLiteral("zenub"), QStringLiteral("zenubpack"), QStringLiteral("json")};
}

IOptionsDlg* DesignerDocumentFactory::createOptionsDialog()
{
    return new DesignerOptionsDlg();
}

ICreateDocumentDlg* DesignerDocumentFactory::createNewDocumentDialog()
{
    return new NewProjectDialog(ICore::getMainWindow());
}

QString DesignerDocumentFactory::openFilter()
{
    return tr("Projects and Lottie animations (*.zenub *.zenubpack *.json)") +
           QStringLiteral(";;") + tr("Zenub projects (*.zenub *.zenubpack)") +
           QStringLiteral(";;") + tr("Lottie animations (*.json)");
}

QString DesignerDocumentFactory::selectFileToOpen()
{
    const QString folder =
        DialogFolders::start(DialogFolders::Projects, DialogFolders::currentProjectFile());
    const QString file = QFileDialog::getOpenFileName(ICore::getMainWindow(), tr("Open Project"),
                                                      folder, openFilter());
    if (!file.isEmpty())
        DialogFolders::remember(DialogFolders::Projects, file);
    return file;
}
