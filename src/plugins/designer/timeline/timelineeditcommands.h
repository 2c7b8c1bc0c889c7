// SPDX-License-Identifier: MIT
#ifndef TIMELINEEDITCOMMANDS_H
#define TIMELINEEDITCOMMANDS_H

#include <QList>
#include <QObject>
#include <QPair>

class KeyframeCommands;
class QAction;
class ShapeCommands;
class TimelineView;

/*!
    The Edit menu's Cut, Copy, Paste, Delete and Select All while the time line has the focus:
    they act on its selected keyframes, and, where there are none to act on, on the stage's
    shapes as everywhere else in the editor. The editor registers these actions for the time
    line's context.
*/
class TimelineEditCommands : public QObject
{
    Q_OBJECT
public:
    TimelineEditCommands(TimelineView* view, KeyframeCommands* keyframes, ShapeCommands* shapes);

    /*! Each action with the id of its Edit menu command. */
    QList<QPair<QAction*, QString>> commandActions() const { return m_commands; }

private:
    void add(const char* id, QAction* keyframeAction, QAction* shapeAction);

    KeyframeCommands* m_pKeyframes;
    QList<QPair<QAction*, QString>> m_commands;
};

#endif
