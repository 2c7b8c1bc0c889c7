// SPDX-License-Identifier: MIT
#include "designereditorwidget.h"

#include "aligncommands.h"
#include "document/designerdocument.h"
#include "editorcommandtable.h"
#include "nodecommands.h"
#include "objectcommands.h"
#include "panels/dockarea.h"
#include "panels/layerspanel.h"
#include "panels/propertiespanel.h"
#include "panels/scenespanel.h"
#include "shapecommands.h"
#include "stage/stageanimationcommands.h"
#include "stage/stagecontextmenu.h"
#include "stage/stageview.h"
#include "stage/stageviewcommands.h"
#include "stage/stagewidget.h"
#include "stage/toolpalette.h"
#include "textcommands.h"
#include "timeline/timelineeditcommands.h"
#include "timeline/timelinewidget.h"

#include <plugin/iui.h>

#include <QAction>
#include <QColorDialog>
#include <QLabel>
#include <QToolBar>
#include <QToolButton>
#include <QUndoStack>
#include <QVBoxLayout>

DesignerEditorWidget::DesignerEditorWidget(QWidget* parent)
    : QWidget(parent)
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    m_pToolBar = new QToolBar(this);
    m_pToolBar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    m_pToolBar->setObjectName(QStringLiteral("designerToolBar"));
    m_pDeleteAction = m_pToolBar->addAction(tr("Delete"));
    m_pDeleteAction->setObjectName(QStringLiteral("deleteShape"));
    EditorCommandTable::describe(m_pDeleteAction, QStringLiteral("Edit.Delete"),
                                 tr("Delete the selected shapes"));
    connect(m_pDeleteAction, &QAction::triggered, this,
            [this] { m_pShapeCommands->deleteSelection(); });
    m_pColorAction = m_pToolBar->addAction(tr("Colour..."));
    m_pColorAction->setObjectName(QStringLiteral("shapeColor"));
    EditorCommandTable::describe(m_pColorAction, QStringLiteral("Object.Fill_Colour"),
                                 tr("Choose the fill colour of the selected shape"));
    connect(m_pColorAction, &QAction::triggered, this, [this] {
        if (!m_pDocument)
            return;
        const ShapeRef ref = m_pStage->getSelection();
        const ZenubShape* shape = m_pDocument->shapeAt(ref);
        if (!shape)
            return;
        ZenubShapeState state;
        shape->stateAt(m_pStage->getFrame(), &state);
        const QColor color =
            QColorDialog::getColor(state.fill.getColor(), this, tr("Shape Colour"));
        // The dialog ran an event loop: the shape may be gone by now.
        if (color.isValid() && m_pDocument)
            m_pDocument->setShapeColor(ref, m_pStage->getFrame(), color);
    });
    m_pToolBar->addSeparator();
    m_pUndoAction = m_pToolBar->addAction(tr("Undo"));
    EditorCommandTable::describe(m_pUndoAction, QStringLiteral("Edit.Undo"),
                                 tr("Take back the last change"));
    m_pRedoAction = m_pToolBar->addAction(tr("Redo"));
    EditorCommandTable::describe(m_pRedoAction, QStringLiteral("Edit.Redo"),
                                 tr("Make the change taken back again"));
    layout->addWidget(m_pToolBar);

    m_pStage = new StageWidget(this);
    m_pStage->setObjectName(QStringLiteral("stage"));
    // Focus given to the editor (a tab switch, a closed dialog) lands on the stage, so the
    // editor's commands stay current and the keys act on the shapes at once.
    setFocusProxy(m_pStage);
    m_pTimeline = new TimelineWidget(m_pStage, this);
    m_pTimeline->setObjectName(QStringLiteral("timeline"));
    m_pDocks = new DockArea(m_pStage, m_pTimeline, this);
    layout->addWidget(m_pDocks, 1);
    // The rulers and scroll bars go around the stage in the middle of the panels.
    m_pDocks->takeCentralWidget();
    m_pView = new StageView(m_pStage, m_pDocks);
    m_pDocks->setCentralWidget(m_pView);
    m_pPalette = new ToolPalette(m_pStage, m_pDocks);
    m_pDocks->addToolBar(Qt::LeftToolBarArea, m_pPalette);
    m_pStage->setInsertionLayerSource([this] { return m_pDocks->getLayers()->targetLayer(); });
    auto* panels = new QToolButton(m_pToolBar);
    panels->setText(tr("Panels"));
    panels->setToolTip(tr("Show or hide the panels around the stage"));
    panels->setPopupMode(QToolButton::InstantPopup);
    panels->addAction(m_pPalette->toggleViewAction());
    panels->addActions(m_pDocks->panelActions());
    m_pToolBar->addWidget(panels);

    connect(m_pDocks->getScenes(), &ScenesPanel::currentSceneChanged, this,
            &DesignerEditorWidget::updateTimeline);
    connect(m_pStage, &StageWidget::selectionChanged, this, &DesignerEditorWidget::updateButtons);
    m_pShapeCommands = new ShapeCommands(m_pStage, this);
    m_pContextMenu = new StageContextMenu(m_pStage, m_pShapeCommands);
    m_pTimelineEdits = new TimelineEditCommands(
        m_pTimeline->getView(), m_pTimeline->getKeyframeCommands(), m_pShapeCommands);
    m_pViewCommands = new StageViewCommands(m_pStage, m_pView, m_pToolBar);
    m_pAnimationCommands = new StageAnimationCommands(m_pStage);
    connect(m_pStage, &StageWidget::playToggleRequested, m_pTimeline,
            [this] { m_pTimeline->setPlaying(!m_pTimeline->isPlaying()); });
    m_pAlignCommands = new AlignCommands(m_pStage, this);
    m_pNodeCommands = new NodeCommands(m_pStage, this);
    m_pObjectCommands = new ObjectCommands(m_pStage, this);
    m_pContextMenu->addCommands(m_pObjectCommands->commandActions());
    m_pTextCommands = new TextCommands(m_pStage, this);
    m_pDocks->getProperties()->setTextStyleActions(m_pTextCommands->actions());
    // Another scene offers other shapes to select.
    connect(m_pDocks->getScenes(), &ScenesPanel::currentSceneChanged, m_pShapeCommands,
            &ShapeCommands::stateChanged);
    updateButtons();
}

void DesignerEditorWidget::setDocument(DesignerDocument* document)
{
    if (m_pDocument)
        disconnect(m_pDocument, nullptr, this, nullptr);
    m_pDocument = document;
    m_pStage->setDocument(document);
    m_pTimeline->setDocument(document);
    if (document) {
        connect(document, &IDocument::dataChanged, this, &DesignerEditorWidget::refresh);
        QUndoStack* stack = document->getUndoStack();
        disconnect(m_pUndoAction, nullptr, nullptr, nullptr);
        disconnect(m_pRedoAction, nullptr, nullptr, nullptr);
        connect(m_pUndoAction, &QAction::triggered, stack, &QUndoStack::undo);
        connect(m_pRedoAction, &QAction::triggered, stack, &QUndoStack::redo);
        connect(stack, &QUndoStack::canUndoChanged, m_pUndoAction, &QAction::setEnabled);
        connect(stack, &QUndoStack::canRedoChanged, m_pRedoAction, &QAction::setEnabled);
        m_pUndoAction->setEnabled(stack->canUndo());
        m_pRedoAction->setEnabled(stack->canRedo());
    }
    refresh();
}

QList<QPair<QAction*, QString>> DesignerEditorWidget::timelineCommandActions() const
{
    return m_pTimelineEdits->commandActions();
}

QList<QPair<QAction*, QString>> DesignerEditorWidget::commandActions() const
{
    QList<QPair<QAction*, QString>> commands =
        m_pPalette->commandActions() + m_pViewCommands->commandActions() +
        m_pAnimationCommands->commandActions() + m_pAlignCommands->commandActions() +
        m_pContextMenu->commandActions() + m_pTimeline->commandActions() +
        m_pDocks->getLayers()->commandActions() + m_pDocks->getScenes()->commandActions() +
        m_pObjectCommands->commandActions() + m_pNodeCommands->commandActions() +
        m_pTextCommands->commandActions();
    commands.append(qMakePair(m_pColorAction, QStringLiteral("Object.Fill_Colour")));
    commands.append(qMakePair(m_pPalette->toggleViewAction(), QStringLiteral("View.Tools_Panel")));
    const QPair<const char*, const char*> panels[] = {{"propertiesDock", "View.Properties_Panel"},
                                                      {"layersDock", "View.Layers_Panel"},
                                                      {"scenesDock", "View.Scenes_Panel"},
                                                      {"timelineDock", "View.Timeline_Panel"}};
    for (QAction* toggle : m_pDocks->panelActions())
        for (const auto& panel : panels)
            if (toggle->parent() && toggle->parent()->objectName() == QLatin1String(panel.first))
                commands.append(qMakePair(toggle, QString::fromLatin1(panel.second)));
    return commands;
}

int DesignerEditorWidget::getCurrentScene() const
{
    return m_pStage->getScene();
}

int DesignerEditorWidget::getCurrentFrame() const
{
    return m_pStage->getFrame();
}

void DesignerEditorWidget::setCurrentFrame(int frame)
{
    m_pTimeline->setFrame(frame);
}

void DesignerEditorWidget::setCurrentScene(int scene)
{
    m_pDocks->getScenes()->setCurrentScene(scene);
}

void DesignerEditorWidget::refresh()
{
    updateTimeline();
    updateButtons();
}

void DesignerEditorWidget::updateTimeline()
{
    m_pTimeline->refresh();
}

void DesignerEditorWidget::updateButtons()
{
    const bool bSelected = m_pDocument && m_pDocument->shapeAt(m_pStage->getSelection());
    m_pDeleteAction->setEnabled(bSelected);
    m_pColorAction->setEnabled(bSelected);
}
