#ifndef PROJECTEDITCOMMAND_H
#define PROJECTEDITCOMMAND_H

#include "project/zenubproject.h"

#include <QUndoCommand>

class DesignerDocument;

/*!
    One edit of a project, kept as the project before and after it. Projects are small value
    types, so whole snapshots make every edit exactly reversible without per-edit inverse code.
*/
class ProjectEditCommand : public QUndoCommand
{
public:
    ProjectEditCommand(DesignerDocument* document, const QString& text, const ZenubProject& before,
                       const ZenubProject& after);

    void undo() override;
    void redo() override;

private:
    DesignerDocument* m_pDocument;
    ZenubProject m_before;
    ZenubProject m_after;
};

#endif
