// SPDX-License-Identifier: MIT
#ifndef OBJECTCOMMANDS_H
#define OBJECTCOMMANDS_H

#include "model/edits/shaperef.h"

#include <QList>
#include <QObject>
#include <QPair>

#include <functional>

class QAction;
class StageWidget;
class ZenubProject;

/*!
    Object > Group, Ungroup and Convert to Path: edits that put other shapes in the place of
    the selected ones, each one undo step, leaving what came out selected.
*/
class ObjectCommands : public QObject
{
    Q_OBJECT
public:
    ObjectCommands(StageWidget* stage, QObject* parent);

    /*! Each action with the id of its command, in the menu's order. */
    QList<QPair<QAction*, QString>> commandActions() const { return m_commands; }

public slots:
    void group();
    void ungroup();
    void convertToPath();

private:
    QAction* addCommand(const QString& id, const QString& tip, void (ObjectCommands::*run)());
    /*!
        Runs \a change on the project as one step named \a text; \a change fills in what to
        select afterwards and returns false to leave the project as it was.
    */
    void apply(const QString& text,
               const std::function<bool(ZenubProject&, QVector<ShapeRef>*)>& change);
    void updateActions();

    StageWidget* m_pStage;
    QList<QPair<QAction*, QString>> m_commands;
    QAction* m_pGroup = nullptr;
    QAction* m_pUngroup = nullptr;
    QAction* m_pConvert = nullptr;
};

#endif
