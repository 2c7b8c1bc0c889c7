// SPDX-License-Identifier: MIT
#ifndef NOTEEDITOR_H
#define NOTEEDITOR_H

#include <documents/ieditor.h>

#include <QPointer>

class NoteDocument;
class NoteTextEdit;
class QAction;
class QMdiSubWindow;

/*!
    Shows a note in the main window's workspace. The text field is a command context of its own:
    while it has focus, Edit > Insert Date and Time acts on this note.
*/
class NoteEditor : public IEditor
{
    Q_OBJECT
public:
    NoteEditor();
    ~NoteEditor() override;

    static QString contextId() { return QStringLiteral("Hello.NoteEditor"); }
    static QString insertDateCommandId() { return QStringLiteral("Edit.Insert_Date_And_Time"); }

    NoteDocument* getNoteDocument() const;

public slots:
    void insertDateAndTime();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void attach();
    void updateTitle();
    void registerCommands();

    QPointer<NoteTextEdit> m_pWidget;
    QPointer<QMdiSubWindow> m_pSubWindow;
    QAction* m_pInsertDate = nullptr;
};

#endif
