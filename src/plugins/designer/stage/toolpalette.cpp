// SPDX-License-Identifier: MIT
#include "toolpalette.h"

#include "editor/editorcommandtable.h"
#include "stagewidget.h"

#include <QAction>
#include <QActionGroup>

ToolPalette::ToolPalette(StageWidget* stage, QWidget* parent)
    : QToolBar(tr("Tools"), parent)
    , m_pStage(stage)
{
    setObjectName(QStringLiteral("toolPalette"));
    setOrientation(Qt::Vertical);
    setIconSize(QSize(24, 24));
    setToolButtonStyle(Qt::ToolButtonIconOnly);
    using Kind = StageTool::Kind;
    const struct
    {
        Kind kind;
        const char* name;
        QString tip;
    } tools[] = {
        {Kind::Select, "Select", tr("Select: pick, move, resize and turn shapes")},
        {Kind::Node, "Node",
         tr("Node: move the nodes and handles of a path and the ends of gradients; double-click "
            "the path to add a node")},
        {Kind::Rectangle, "Rectangle",
         tr("Rectangle: drag to draw, Shift for a square, Alt from the centre")},
        {Kind::Ellipse, "Ellipse",
         tr("Ellipse: drag to draw, Shift for a circle, Alt from the centre")},
        {Kind::Polygon, "Polygon",
         tr("Polygon and star: drag to draw, Shift keeps it regular, Alt from the centre")},
        {Kind::Pen, "Pen",
         tr("Pen: click for a corner, drag for a curve, click the first node to close, Enter "
            "to finish")},
        {Kind::Text, "Text",
         tr("Text: click for a line that grows as you type, drag for a box that wraps")},
        {Kind::Hand, "Hand", tr("Hand: drag to move the view (also Space or the middle button)")},
    };
    auto* group = new QActionGroup(this);
    for (const auto& tool : tools) {
        if (!stage->hasTool(tool.kind))
            continue;
        const QString id = QStringLiteral("Tools.") + QLatin1String(tool.name);
        QAction* action = addAction(QString());
        action->setObjectName(QStringLiteral("tool") + QLatin1String(tool.name));
        action->setCheckable(true);
        group->addAction(action);
        if (const EditorCommand* command = EditorCommandTable::find(id))
            action->setText(command->text);
        EditorCommandTable::describe(action, id, tool.tip);
        const Kind kind = tool.kind;
        // Taken through the command's key the action may have been unchecked on the way;
        // showing the tool again puts every check right.
        connect(action, &QAction::triggered, this, [this, kind] {
            m_pStage->setTool(kind);
            showTool(m_pStage->getTool());
        });
        m_commands.append(qMakePair(action, id));
        m_tools.append(qMakePair(action, kind));
    }
    connect(stage, &StageWidget::toolChanged, this, &ToolPalette::showTool);
    showTool(stage->getTool());
}

QAction* ToolPalette::toolAction(StageTool::Kind kind) const
{
    for (const auto& tool : m_tools)
        if (tool.second == kind)
            return tool.first;
    return nullptr;
}

void ToolPalette::showTool(StageTool::Kind kind)
{
    for (const auto& tool : qAsConst(m_tools))
        tool.first->setChecked(tool.second == kind);
}
