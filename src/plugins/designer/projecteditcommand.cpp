#include "projecteditcommand.h"

#include "designerdocument.h"

ProjectEditCommand::ProjectEditCommand(DesignerDocument* document, const QString& text,
                                       const ZenubProject& before, const ZenubProject& after)
    : m_pDocument(document)
    , m_before(before)
    , m_after(after)
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
