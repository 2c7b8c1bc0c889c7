// SPDX-License-Identifier: MIT
#include "nodecommands.h"

#include "editorcommandtable.h"
#include "stage/nodetool.h"
#include "stage/stagewidget.h"

#include <QAction>

NodeCommands::NodeCommands(StageWidget* stage, QObject* parent)
    : QObject(parent)
    , m_pStage(stage)
{
    addCommand(QStringLiteral("Path.Make_Smooth"),
               tr("Make the picked nodes smooth: their handles on one line"),
               [](NodeTool* tool) { tool->setSmooth(true); });
    addCommand(QStringLiteral("Path.Make_Corner"),
               tr("Make the picked nodes corners: straight sides meet there"),
               [](NodeTool* tool) { tool->setSmooth(false); });
    addCommand(QStringLiteral("Path.Close"), tr("Join the ends of the picked nodes' lines"),
               [](NodeTool* tool) { tool->setClosed(true); });
    addCommand(QStringLiteral("Path.Open"),
               tr("Cut the picked nodes' closed outlines open at the first picked node"),
               [](NodeTool* tool) { tool->setClosed(false); });
    connect(stage, &StageWidget::toolChanged, this, &NodeCommands::updateActions);
    connect(stage, &StageWidget::toolStateChanged, this, &NodeCommands::updateActions);
    connect(stage, &StageWidget::selectionChanged, this, &NodeCommands::updateActions);
    connect(stage, &StageWidget::documentChanged, this, &NodeCommands::updateActions);
    updateActions();
}

QAction* NodeCommands::addCommand(const QString& id, const QString& tip,
                                  const std::function<void(NodeTool*)>& run)
{
    auto* action = new QAction(this);
    if (const EditorCommand* command = EditorCommandTable::find(id))
        action->setText(command->text);
    action->setObjectName(id);
    EditorCommandTable::describe(action, id, tip);
    connect(action, &QAction::triggered, this, [this, run] {
        if (NodeTool* tool = nodeTool())
            run(tool);
    });
    m_commands.append(qMakePair(action, id));
    return action;
}

NodeTool* NodeCommands::nodeTool() const
{
    return m_pStage->getTool() == StageTool::Kind::Node
               ? dynamic_cast<NodeTool*>(m_pStage->tool(StageTool::Kind::Node))
               : nullptr;
}

void NodeCommands::updateActions()
{
    const NodeTool* tool = nodeTool();
    const bool bPicked = tool && !tool->selectedNodes().isEmpty();
    for (const auto& command : qAsConst(m_commands))
        command.first->setEnabled(bPicked);
}
