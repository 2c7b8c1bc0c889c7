// SPDX-License-Identifier: MIT
#ifndef STAGECONTEXTMENU_H
#define STAGECONTEXTMENU_H

#include "shapearranger.h"

#include <QHash>
#include <QObject>
#include <QVector>

class QAction;
class QMenu;
class ShapeCommands;
class StageWidget;

/*!
    The stage's context menu: the Edit commands on the selection and the arranging of shapes
    over one another. The arranging commands also answer their keys on the stage.
*/
class StageContextMenu : public QObject
{
    Q_OBJECT
public:
    StageContextMenu(StageWidget* stage, ShapeCommands* edits);

    /*! The menu as it would show now, with each command enabled as it applies. */
    QMenu* menu() const { return m_pMenu; }
    void updateActions();

private:
    QAction* addEdit(const QString& text, const char* command, void (ShapeCommands::*slot)());
    QAction* addArrange(QMenu* menu, const QString& text, const QKeySequence& keys,
                        ShapeArranger::Order order);
    void popup(const QPoint& pos);

    StageWidget* m_pStage;
    ShapeCommands* m_pEdits;
    QMenu* m_pMenu;
    QAction* m_pCut = nullptr;
    QAction* m_pCopy = nullptr;
    QAction* m_pPaste = nullptr;
    QAction* m_pDuplicate = nullptr;
    QAction* m_pDelete = nullptr;
    QAction* m_pSelectAll = nullptr;
    QVector<QAction*> m_arrange;
    // The Edit menu's command of each edit action, whose keys it shows.
    QHash<QAction*, QString> m_commands;
};

#endif
