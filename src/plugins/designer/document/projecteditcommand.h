// SPDX-License-Identifier: MIT
#ifndef PROJECTEDITCOMMAND_H
#define PROJECTEDITCOMMAND_H

#include "model/project/zenubproject.h"

#include <QUndoCommand>

class DesignerDocument;

/*!
    One edit of a project, kept as the project before and after it. Projects are small value
    types, so whole snapshots make every edit exactly reversible without per-edit inverse code.
*/
class ProjectEditCommand : public QUndoCommand
{
public:
    /*!
        Edits in a row with the same non-zero \a mergeKey become one step, so that a drag on a
        spin box is undone as a whole.
    */
    ProjectEditCommand(DesignerDocument* document, const QString& text, const ZenubProject& before,
                       const ZenubProject& after, int mergeKey = 0);

    void undo() override;
    void redo() override;
    int id() const override;
    bool mergeWith(const QUndoCommand* other) override;

private:
    DesignerDocument* m_pDocument;
    ZenubProject m_before;
    ZenubProject m_after;
    int m_mergeKey;
};

#endif
