// SPDX-License-Identifier: MIT
#include "windowtitletracker.h"

#include "documents/editormanager.h"
#include "documents/idocument.h"
#include "documents/ieditor.h"
#include "mainwindow/frame/imainmenuwidget.h"
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
        connect(editor, &IEditor::documentTitleChanged, this, &WindowTitleTracker::publish);
        connect(editor, &IEditor::documentModifyChanged, this, &WindowTitleTracker::publish);
    }
    publish();
    schedulePublish();
}

void WindowTitleTracker::schedulePublish()
{
    // Once more when the event loop runs: closing the previous project resets the title after
    // this one became active.
    if (m_bPending)
        return;
    m_bPending = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            m_bPending = false;
            publish();
        },
        Qt::QueuedConnection);
}

void WindowTitleTracker::publish()
{
    const IEditor* editor = EditorManager::activeEditor();
    const IDocument* document = editor ? editor->getDocument() : nullptr;
    if (!document)
        return;
    // The workspace may have said the same already; an unchanged title is not announced again.
    const bool bModified = document->isModified();
    QString shown = IMainMenuWidget::titleText(document->getFileName());
    if (bModified)
        shown.prepend(QLatin1Char('*'));
    shown.replace(QLatin1String("[*]"), QLatin1String("[*][*]"));
    if (m_pWindow->windowTitle() == shown)
        return;
    m_pWindow->setWindowFilePath(document->getFileName());
    m_pWindow->setWindowModified(bModified);
}
