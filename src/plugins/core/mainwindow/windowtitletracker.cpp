#include "windowtitletracker.h"

#include "documents/editormanager.h"
#include "documents/idocument.h"
#include "documents/ieditor.h"
#include "mainwindow.h"

WindowTitleTracker::WindowTitleTracker(MainWindow* window)
    : QObject(window)
    , m_pWindow(window)
{
    connect(EditorManager::getInstance(), &EditorManager::editorActivated, this,
            &WindowTitleTracker::follow);
}

void WindowTitleTracker::follow(IEditor* editor)
{
    if (m_pEditor)
        disconnect(m_pEditor, nullptr, this, nullptr);
    m_pEditor = editor;
    if (editor) {
        connect(editor, &IEditor::documentTitleChanged, this, &WindowTitleTracker::schedulePublish);
        connect(editor, &IEditor::documentModifyChanged, this,
                &WindowTitleTracker::schedulePublish);
    }
    schedulePublish();
}

void WindowTitleTracker::schedulePublish()
{
    // Queued, so a title reset by the closing of another project does not win over this one.
    if (m_bPending)
        return;
    m_bPending = true;
    QMetaObject::invokeMethod(this, &WindowTitleTracker::publish, Qt::QueuedConnection);
}

void WindowTitleTracker::publish()
{
    m_bPending = false;
    const IEditor* editor = EditorManager::activeEditor();
    const IDocument* document = editor ? editor->getDocument() : nullptr;
    if (!document)
        return;
    m_pWindow->setWindowFilePath(document->getFileName());
    m_pWindow->setWindowModified(document->isModified());
}
