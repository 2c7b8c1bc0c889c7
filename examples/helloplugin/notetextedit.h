// SPDX-License-Identifier: MIT
#ifndef NOTETEXTEDIT_H
#define NOTETEXTEDIT_H

#include <QPlainTextEdit>

class QUndoStack;

/*!
    The text field of a note. Undo and redo, from the keyboard or the context menu, go through
    the note's undo stack, so the stack and the text never disagree about what is saved.
*/
class NoteTextEdit : public QPlainTextEdit
{
    Q_OBJECT
public:
    explicit NoteTextEdit(QWidget* parent = nullptr);

    void setUndoStack(QUndoStack* stack) { m_pUndoStack = stack; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    QUndoStack* m_pUndoStack = nullptr;
};

#endif
