// SPDX-License-Identifier: MIT
#include "projecteditcommand.h"

#include "designerdocument.h"

ProjectEditCommand::ProjectEditCommand(DesignerDocument* document, const QString& text,
                                       const ZenubProject& before, const ZenubProject& after,
                                       int mergeKey)
    : m_pDocument(document)
    , m_before(before)
    , m_after(after)
    , m_mergeKey(mergeKey)
{
    setText(text);
}

void ProjectEditCommand::undo()
{
    m_pDocument->setProject(m_before);
}

void ProjectEditCommand::redo()
{
    m_pDocument->setProject(m_after);
}

int ProjectEditCommand::id() const
{
    // One id for all project edits; mergeWith() tells gestures apart by their keys.
    return m_mergeKey != 0 ? 0x7a656e : -1;
}

bool ProjectEditCommand::mergeWith(const QUndoCommand* other)
{
    const auto* edit = static_cast<const ProjectEditCommand*>(other);
    if (edit->m_mergeKey != m_mergeKey || edit->m_pDocument != m_pDocument)
        return false;
    m_after = edit->m_after;
    // A drag that ends where it began leaves nothing to undo.
    setObsolete(m_after == m_before);
    return true;
}
