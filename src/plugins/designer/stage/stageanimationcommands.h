// SPDX-License-Identifier: MIT
#ifndef STAGEANIMATIONCOMMANDS_H
#define STAGEANIMATIONCOMMANDS_H

#include <QList>
#include <QObject>
#include <QPair>

class QAction;
class QActionGroup;
class StageWidget;

/*!
    The View menu's aids for animating on the stage: the onion skin, how many frames it shows
    each way, and the motion paths. Each is a command of the editor, remembered in the settings
    for the next project.
*/
class StageAnimationCommands : public QObject
{
    Q_OBJECT
public:
    explicit StageAnimationCommands(StageWidget* stage);

    /*! The id of the command that shows \a frames frames each way. */
    static QString framesCommand(int frames);
    /*! Each action with the id of its command. */
    QList<QPair<QAction*, QString>> commandActions() const { return m_commands; }

private:
    QAction* addCommand(const QString& id, const QString& toolTip);
    void apply();

    StageWidget* m_pStage;
    QList<QPair<QAction*, QString>> m_commands;
    QAction* m_pOnionSkin = nullptr;
    QActionGroup* m_pFrames = nullptr;
    QAction* m_pMotionPaths = nullptr;
};

#endif
