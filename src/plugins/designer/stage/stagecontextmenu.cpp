// SPDX-License-Identifier: MIT
#include "stagecontextmenu.h"

#include "editor/shapecommands.h"
#include "stagewidget.h"

#include <actions/actionmanager.h>
#include <actions/contextaction.h>

#include <QAction>
#include <QMenu>

StageContextMenu::StageContextMenu(StageWidget* stage, ShapeCommands* edits)
    : QObject(stage)
    , m_pStage(stage)
    , m_pEdits(edits)
    , m_pMenu(new QMenu(stage))
{
    m_pMenu->setObjectName(QStringLiteral("stageContextMenu"));
    m_pCut = addEdit(tr("Cu&t"), "Edit.Cut", &ShapeCommands::cut);
    m_pCopy = addEdit(tr("&Copy"), "Edit.Copy", &ShapeCommands::copy);
    m_pPaste = addEdit(tr("&Paste"), "Edit.Paste", &ShapeCommands::paste);
    m_pDuplicate = addEdit(tr("D&uplicate"), "Edit.Duplicate", &ShapeCommands::duplicate);
    m_pDelete = addEdit(tr("&Delete"), "Edit.Delete", &ShapeCommands::deleteSelection);
    m_pMenu->addSeparator();
    m_pSelectAll = addEdit(tr("Select &All"), "Edit.Select_All", &ShapeCommands::selectAll);
    m_pMenu->addSeparator();
    QMenu* arrange = m_pMenu->addMenu(tr("A&rrange"));
    arrange->setObjectName(QStringLiteral("stageArrangeMenu"));
    m_arrange = {
        addArrange(arrange, tr("Bring to &Front"),
                   QKeySequence(Qt::CTRL + Qt::SHIFT + Qt::Key_BracketRight),
                   ShapeArranger::Order::BringToFront),
        addArrange(arrange, tr("Bring F&orward"), QKeySequence(Qt::CTRL + Qt::Key_BracketRight),
                   ShapeArranger::Order::BringForward),
        addArrange(arrange, tr("Send &Backward"), QKeySequence(Qt::CTRL + Qt::Key_BracketLeft),
                   ShapeArranger::Order::SendBackward),
        addArrange(arrange, tr("Send to Bac&k"),
                   QKeySequence(Qt::CTRL + Qt::SHIFT + Qt::Key_BracketLeft),
                   ShapeArranger::Order::SendToBack),
    };
    stage->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(stage, &QWidget::customContextMenuRequested, this, &StageContextMenu::popup);
    connect(edits, &ShapeCommands::stateChanged, this, &StageContextMenu::updateActions);
    updateActions();
}

QAction* StageContextMenu::addEdit(const QString& text, const char* command,
                                   void (ShapeCommands::*slot)())
{
    QAction* action = m_pMenu->addAction(text);
    action->setShortcutContext(Qt::WidgetShortcut);
    m_commands.insert(action, QString::fromLatin1(command));
    connect(action, &QAction::triggered, m_pEdits, slot);
    return action;
}

QAction* StageContextMenu::addArrange(QMenu* menu, const QString& text, const QKeySequence& keys,
                                      ShapeArranger::Order order)
{
    QAction* action = menu->addAction(text);
    action->setShortcut(keys);
    action->setShortcutContext(Qt::WidgetShortcut);
    // Also on the stage itself, so the keys work without the menu.
    m_pStage->addAction(action);
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
    m_pCut->setEnabled(bSelected);
    m_pCopy->setEnabled(bSelected);
    m_pPaste->setEnabled(m_pEdits->canPaste());
    m_pDuplicate->setEnabled(bSelected);
    m_pDelete->setEnabled(bSelected);
    m_pSelectAll->setEnabled(m_pEdits->canSelectAll());
    for (QAction* action : qAsConst(m_arrange))
        action->setEnabled(bSelected);
}

void StageContextMenu::popup(const QPoint& pos)
{
    updateActions();
    // The Edit menu's commands own these keys, as the user set them; here they are only shown.
    for (auto it = m_commands.cbegin(); it != m_commands.cend(); ++it) {
        const ContextAction* command = ActionManager::getAction(it.value());
        it.key()->setShortcuts(command ? command->getAction()->shortcuts() : QList<QKeySequence>());
    }
    m_pMenu->popup(m_pStage->mapToGlobal(pos));
}
