// SPDX-License-Identifier: MIT
#ifndef NODECOMMANDS_H
#define NODECOMMANDS_H

#include <QList>
#include <QObject>
#include <QPair>

#include <functional>

class NodeTool;
class QAction;
class StageWidget;

/*!
    Object > Path: the node tool's edits of the picked nodes — smooth or corner, close the path
    or open it at a node. Each is one undo step.
*/
class NodeCommands : public QObject
{
    Q_OBJECT
public:
    NodeCommands(StageWidget* stage, QObject* parent);

    /*! Each action with the id of its command, in the menu's order. */
    QList<QPair<QAction*, QString>> commandActions() const { return m_commands; }

private:
    QAction* addCommand(const QString& id, const QString& tip,
                        const std::function<void(NodeTool*)>& run);
    NodeTool* nodeTool() const;
    void updateActions();

    StageWidget* m_pStage;
    QList<QPair<QAction*, QString>> m_commands;
};

#endif
