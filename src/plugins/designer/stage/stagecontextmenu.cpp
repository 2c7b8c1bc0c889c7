// SPDX-License-Identifier: MIT
#include "stagecontextmenu.h"

#include "editor/editorcommandtable.h"
#include "editor/shapecommands.h"
#include "stagewidget.h"

#include <QAction>
#include <QMenu>

StageContextMenu::StageContextMenu(StageWidget* stage, ShapeCommands* edits)
    : QObject(stage)
    , m_pStage(stage)
    , m_pEdits(edits)
    , m_pMenu(new QMenu(stage))
{
    m_pMenu->setObjectName(QStringLiteral("stageContextMenu"));
    // The commands' entries, which show the keys the user chose.
    const auto shown = [](QAction* action, const char* id) {
        return EditorCommandTable::shown(action, QLatin1String(id));
    };
    m_pMenu->addActions({shown(edits->cutAction(), "Edit.Cut"),
                         shown(edits->copyAction(), "Edit.Copy"),
                         shown(edits->pasteAction(), "Edit.Paste"),
                         shown(edits->duplicateAction(), "Edit.Duplicate"),
                         shown(edits->deleteAction(), "Edit.Delete")});
    m_pMenu->addSeparator();
    m_pMenu->addAction(shown(edits->selectAllAction(), "Edit.Select_All"));
    m_pMenu->addSeparator();
    QMenu* arrange = m_pMenu->addMenu(tr("A&rrange"));
    arrange->setObjectName(QStringLiteral("stageArrangeMenu"));
    m_arrange = {
        addArrange(arrange, tr("Bring to &Front"),
                   tr("Put the selected shapes in front of all others of their layer"),
                   "Object.Arrange.Bring_To_Front", ShapeArranger::Order::BringToFront),
        addArrange(arrange, tr("Bring F&orward"),
                   tr("Put the selected shapes one step further to the front"),
                   "Object.Arrange.Bring_Forward", ShapeArranger::Order::BringForward),
        addArrange(arrange, tr("Send &Backward"),
                   tr("Put the selected shapes one step further to the back"),
                   "Object.Arrange.Send_Backward", ShapeArranger::Order::SendBackward),
        addArrange(arrange, tr("Send to Bac&k"),
                   tr("Put the selected shapes behind all others of their layer"),
                   "Object.Arrange.Send_To_Back", ShapeArranger::Order::SendToBack),
    };
    stage->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(stage, &QWidget::customContextMenuRequested, this, &StageContextMenu::popup);
    connect(edits, &ShapeCommands::stateChanged, this, &StageContextMenu::updateActions);
    updateActions();
}

void StageContextMenu::addCommands(const QList<QPair<QAction*, QString>>& commands)
{
    m_pMenu->addSeparator();
    for (const auto& command : commands)
        m_pMenu->addAction(EditorCommandTable::shown(command.first, command.second));
}

QAction* StageContextMenu::addArrange(QMenu* menu, const QString& text, const QString& tip,
                                      const char* id, ShapeArranger::Order order)
{
    auto* action = new QAction(text, this);
    action->setObjectName(QString::fromLatin1(id).section(QLatin1Char('.'), -1));
    EditorCommandTable::describe(action, QLatin1String(id), tip);
    menu->addAction(EditorCommandTable::shown(action, QLatin1String(id)));
    m_commands.append(qMakePair(action, QString::fromLatin1(id)));
    connect(action, &QAction::triggered, this, [this, order] {
        const QVector<ShapeRef> moved =
            ShapeArranger::arrange(m_pStage->getDocument(), m_pStage->getSelectedShapes(), order);
        if (!moved.isEmpty())
            m_pStage->setSelectedShapes(moved);
    });
    return action;
}

void StageContextMenu::updateActions()
{
    const bool bSelected = m_pEdits->hasSelection();
    for (QAction* action : qAsConst(m_arrange))
        action->setEnabled(bSelected);
}

void StageContextMenu::popup(const QPoint& pos)
{
    m_pMenu->popup(m_pStage->mapToGlobal(pos));
}
