// SPDX-License-Identifier: MIT
#ifndef TOOLPALETTE_H
#define TOOLPALETTE_H

#include "stagetool.h"

#include <QList>
#include <QPair>
#include <QToolBar>

class StageWidget;

/*!
    The stage's tools as a column of picture buttons, the one in hand pressed. Each tool is a
    command of the editor (Tools.<name>) with a single key; the tool tips name it.
*/
class ToolPalette : public QToolBar
{
    Q_OBJECT
public:
    explicit ToolPalette(StageWidget* stage, QWidget* parent = nullptr);

    /*! Each tool's action with the id of its command. */
    QList<QPair<QAction*, QString>> commandActions() const { return m_commands; }
    QAction* toolAction(StageTool::Kind kind) const;

private:
    void showTool(StageTool::Kind kind);

    StageWidget* m_pStage;
    QList<QPair<QAction*, QString>> m_commands;
    QList<QPair<QAction*, StageTool::Kind>> m_tools;
};

#endif
