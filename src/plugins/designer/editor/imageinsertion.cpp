// SPDX-License-Identifier: MIT
#include "imageinsertion.h"

#include "dialogs/dialogfolders.h"
#include "model/images/imageimport.h"
#include "model/io/zenub/zenubprojectfile.h"
#include "shapecommands.h"
#include "stage/stagewidget.h"

#include <actions/actioncontainer.h>
#include <actions/actionmanager.h>
#include <actions/contextaction.h>
#include <plugin/iui.h>

#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

void ImageInsertion::run(StageWidget* stage)
{
    if (!stage || !stage->getDocument())
        return;
    const QString fileName = QFileDialog::getOpenFileName(
        stage->window(), tr("Insert Image"),
        DialogFolders::start(DialogFolders::Pictures, stage->getDocument()->getFileName()),
        tr("Images (*.png *.jpg *.jpeg *.svg);;All Files (*)"));
    if (fileName.isEmpty())
        return;
    DialogFolders::remember(DialogFolders::Pictures, fileName);
    QString error;
    if (!insertFile(stage, fileName, &error))
        IUi::getInstance()->showWarning(stage->window(), QStringLiteral("Zenub Animate"), error,
                                        QMessageBox::Ok, QMessageBox::Ok);
}

bool ImageInsertion::insertFile(StageWidget* stage, const QString& fileName, QString* errorString)
{
    DesignerDocument* document = stage->getDocument();
    const int scene = stage->getScene();
    if (!document || scene < 0 || scene >= document->getProject().getScenes().size()) {
        *errorString = tr("There is no scene to insert the image into.");
        return false;
    }
    const ZenubProject& project = document->getProject();
    bool bOk = false;
    const ZenubShape shape = ImageImport::fromFile(
        fileName, QSizeF(project.getStageWidth(), project.getStageHeight()), &bOk, errorString);
    if (!bOk || !ZenubProjectFile::hasRoomFor(project, {shape}, errorString))
        return false;
    const int layer = ShapeCommands::insertionLayer(project.getScenes().at(scene));
    const QVector<ShapeRef> added =
        document->addShapes(scene, {qMakePair(layer, shape)}, tr("Insert Image"));
    stage->setSelectedShapes(added);
    stage->setFocus();
    return !added.isEmpty();
}

void ImageInsertion::addMenu(QWidget* window)
{
    ActionContainer* bar = ActionManager::getActionContainer(QStringLiteral("Zenub.MenuBar"));
    if (!bar || ActionManager::getActionContainer(QStringLiteral("MenuBar.Insert")))
        return;
    ActionContainer* menu =
        ActionManager::createMenuContainer(tr("&Insert"), QStringLiteral("MenuBar.Insert"));
    bar->insertMenu(menu, ActionManager::getActionContainer(QStringLiteral("MenuBar.View")));
    auto* action = new QAction(tr("&Image..."), window);
    action->setEnabled(false);
    if (ContextAction* command =
            ActionManager::registerAction(action, QStringLiteral("Insert.Image"), window, false)) {
        command->setDescription(tr("Place a PNG, JPEG or SVG picture on the stage"));
        menu->insertAction(command, static_cast<ContextAction*>(nullptr));
    }
}
