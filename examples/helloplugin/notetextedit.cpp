// SPDX-License-Identifier: MIT
#include "notetextedit.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QUndoStack>

NoteTextEdit::NoteTextEdit(QWidget* parent)
    : QPlainTextEdit(parent)
{}

void NoteTextEdit::keyPressEvent(QKeyEvent* event)
{
    if (m_pUndoStack && event->matches(QKeySequence::Undo)) {
        m_pUndoStack->undo();
        return;
    }
    if (m_pUndoStack && event->matches(QKeySequence::Redo)) {
        m_pUndoStack->redo();
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

void NoteTextEdit::contextMenuEvent(QContextMenuEvent* event)
{
    QMenu* menu = createStandardContextMenu(event->pos());
    menu->setAttribute(Qt::WA_DeleteOnClose);
    // Qt names its entries after the freedesktop icon names.
    for (QAction* action : menu->actions()) {
        const bool undo = action->objectName() == QLatin1String("edit-undo");
        if (!m_pUndoStack || (!undo && action->objectName() != QLatin1String("edit-redo")))
            continue;
        action->disconnect();
        connect(action, &QAction::triggered, m_pUndoStack,
                undo ? &QUndoStack::undo : &QUndoStack::redo);
    }
    menu->popup(event->globalPos());
}
