// SPDX-License-Identifier: MIT
#ifndef ALIGNCOMMANDS_H
#define ALIGNCOMMANDS_H

#include "model/edits/alignedits.h"

#include <QList>
#include <QObject>
#include <QPair>

class QAction;
class StageWidget;

/*!
    Object > Align: lines the selected shapes up on an edge or centre of their common box, or
    of the stage, and spaces them out evenly. A single shape always relates to the stage. Each
    command is one undo step named after it.
*/
class AlignCommands : public QObject
{
    Q_OBJECT
public:
    AlignCommands(StageWidget* stage, QObject* parent);

    /*! Each action with the id of its command, in the menu's order. */
    QList<QPair<QAction*, QString>> commandActions() const { return m_commands; }
    /*! Whether the shapes relate to the stage rather than to their common box. */
    bool isRelativeToStage() const;

public slots:
    void align(AlignEdits::Edge edge);
    void distribute(Qt::Orientation orientation);
    void setRelativeToStage(bool bStage);

private:
    QAction* addCommand(const QString& id, const QString& tip);
    void apply(const QString& text, const QVector<QPointF>& moves);
    QVector<QRectF> selectedBoxes() const;
    QRectF stageBox() const;
    void updateActions();

    StageWidget* m_pStage;
    QList<QPair<QAction*, QString>> m_commands;
    QList<QAction*> m_aligns;
    QList<QAction*> m_distributes;
    QAction* m_pStageAction = nullptr;
};

#endif
