// SPDX-License-Identifier: MIT
#include "timelineeditcommands.h"

#include "editor/shapecommands.h"
#include "keyframecommands.h"
#include "timelineview.h"

#include <QAction>

TimelineEditCommands::TimelineEditCommands(TimelineView* view, KeyframeCommands* keyframes,
                                           ShapeCommands* shapes)
    : QObject(view)
    , m_pKeyframes(keyframes)
{
    add("Edit.Cut", keyframes->cutAction(), shapes->cutAction());
    add("Edit.Copy", keyframes->copyAction(), shapes->copyAction());
    add("Edit.Paste", keyframes->pasteAction(), shapes->pasteAction());
    add("Edit.Delete", keyframes->deleteAction(), shapes->deleteAction());
    // Select All in the time line always means its keyframes.
    add("Edit.Select_All", keyframes->selectAllAction(), nullptr);
}

void TimelineEditCommands::add(const char* id, QAction* keyframeAction, QAction* shapeAction)
{
    auto* action = new QAction(keyframeAction->text().section(QLatin1Char('\t'), 0, 0), this);
    m_commands.append(qMakePair(action, QString::fromLatin1(id)));
    const auto update = [=] {
        action->setEnabled(keyframeAction->isEnabled() ||
                           (shapeAction && shapeAction->isEnabled()));
    };
    connect(keyframeAction, &QAction::changed, action, update);
    if (shapeAction)
        connect(shapeAction, &QAction::changed, action, update);
    connect(action, &QAction::triggered, this, [=] {
        // Whether keyframes are selected is asked afresh: the selection may have just changed.
        m_pKeyframes->updateActions();
        if (keyframeAction->isEnabled())
            keyframeAction->trigger();
        else if (shapeAction && shapeAction->isEnabled())
            shapeAction->trigger();
    });
    update();
}
