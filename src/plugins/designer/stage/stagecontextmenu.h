// SPDX-License-Identifier: MIT
#ifndef STAGECONTEXTMENU_H
#define STAGECONTEXTMENU_H

#include "shapearranger.h"

#include <QList>
#include <QObject>
#include <QPair>
#include <QVector>

class QAction;
class QMenu;
class ShapeCommands;
class StageWidget;

/*!
    The stage's context menu: the Edit commands on the selection and the arranging of shapes
    over one another (Object > Arrange).
*/
class StageContextMenu : public QObject
{
    Q_OBJECT
public:
    StageContextMenu(StageWidget* stage, ShapeCommands* edits);

    QMenu* menu() const { return m_pMenu; }
    void updateActions();
    /*! The arranging actions, each with the id of its Object > Arrange command. */
    QList<QPair<QAction*, QString>> commandActions() const { return m_commands; }
    /*! Adds the entries of other commands (action, id), after a separator. */
    void addCommands(const QList<QPair<QAction*, QString>>& commands);

private:
    QAction* addArrange(QMenu* menu, const QString& text, const QString& tip, const char* id,
                        ShapeArranger::Order order);
    void popup(const QPoint& pos);

    StageWidget* m_pStage;
    ShapeCommands* m_pEdits;
    QMenu* m_pMenu;
    QVector<QAction*> m_arrange;
    QList<QPair<QAction*, QString>> m_commands;
};

#endif
