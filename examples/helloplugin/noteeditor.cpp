// SPDX-License-Identifier: MIT
#include "noteeditor.h"

#include "notedocument.h"
#include "noteoptionpage.h"
#include "notetextedit.h"

#include <actions/actioncontainer.h>
#include <actions/actionmanager.h>
#include <actions/contextaction.h>
#include <actions/contextmanager.h>
#include <documents/editormanager.h>
#include <mainwindow/imainmdiarea.h>
#include <mainwindow/mainwindow.h>
#include <plugin/icore.h>

#include <QAction>
#include <QDateTime>
#include <QEvent>
#include <QFileInfo>
#include <QMdiSubWindow>
#include <QMenu>

NoteEditor::NoteEditor()
{
    m_pWidget = new NoteTextEdit();
    connect(this, &IEditor::documentLoaded, this, &NoteEditor::attach);
    connect(this, &IEditor::aboutToActivate, this, [this] {
        attach();
        MainWindow* window = ICore::getMainWindow();
        if (window && window->getMdiArea() && m_pSubWindow)
            window->getMdiArea()->setActiveSubWindow(m_pSubWindow);
    });
    connect(this, &IEditor::documentTitleChanged, this, &NoteEditor::updateTitle);
    connect(this, &IEditor::documentModifyChanged, this, &NoteEditor::updateTitle);
    registerCommands();
}

NoteEditor::~NoteEditor()
{
    if (m_pInsertDate && ActionManager::getInstance())
        ActionManager::unregisterAction(m_pInsertDate, insertDateCommandId(), contextId());
    if (m_pWidget && ContextManager::getInstance())
        ContextManager::unregisterContext(m_pWidget, contextId());
    if (m_pSubWindow) {
        m_pSubWindow->removeEventFilter(this);
        delete m_pSubWindow;
    }
    delete m_pWidget;
}

NoteDocument* NoteEditor::getNoteDocument() const
{
    return qobject_cast<NoteDocument*>(getDocument());
}

void NoteEditor::registerCommands()
{
    if (!ActionManager::getInstance())
        return;
    ContextManager::registerContext(m_pWidget, contextId(), tr("Note"));
    m_pInsertDate = new QAction(tr("Insert Date and Time"), this);
    connect(m_pInsertDate, &QAction::triggered, this, &NoteEditor::insertDateAndTime);
    // Every open note adds its own action to the one command; the first one puts it on the menu.
    ContextAction* command =
        ActionManager::registerAction(m_pInsertDate, insertDateCommandId(), m_pWidget, false);
    ActionContainer* edit = ActionManager::getActionContainer(QStringLiteral("MenuBar.Edit"));
    if (!command || !edit || !edit->getMenu())
        return;
    command->setDefaultKeySequence(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_I));
    command->setDescription(tr("Insert the current date and time into the note"));
    if (!edit->getMenu()->actions().contains(command->getAction()))
        edit->insertAction(command, ActionManager::getAction(QStringLiteral("Edit.Preferences")));
}

void NoteEditor::attach()
{
    NoteDocument* document = getNoteDocument();
    MainWindow* window = ICore::getMainWindow();
    if (m_pSubWindow || !document || !m_pWidget || !window || !window->getMdiArea())
        return;
    m_pWidget->setDocument(document->textDocument());
    m_pWidget->setUndoStack(document->getUndoStack());
    m_pSubWindow = window->getMdiArea()->addSubWindow(m_pWidget);
    m_pSubWindow->setAttribute(Qt::WA_DeleteOnClose, false);
    m_pSubWindow->installEventFilter(this);
    m_pSubWindow->showMaximized();
    m_pWidget->setFocus();
    // Save and Close act on the active editor, so the tab the user picks must become it.
    connect(window->getMdiArea(), &QMdiArea::subWindowActivated, this,
            [this](QMdiSubWindow* subWindow) {
                if (subWindow && subWindow == m_pSubWindow &&
                    EditorManager::activeEditor() != this &&
                    EditorManager::getEditors().contains(this))
                    EditorManager::activateEditor(this);
            });
    updateTitle();
}

void NoteEditor::updateTitle()
{
    IDocument* document = getDocument();
    if (!document || !m_pSubWindow)
        return;
    m_pSubWindow->setWindowTitle(QFileInfo(document->getFileName()).fileName() +
                                 QLatin1String("[*]"));
    m_pSubWindow->setWindowFilePath(document->getFileName());
    m_pSubWindow->setWindowModified(document->isModified());
}

void NoteEditor::insertDateAndTime()
{
    if (m_pWidget)
        m_pWidget->insertPlainText(
            QDateTime::currentDateTime().toString(NoteOptionPage::dateFormat()));
}

bool NoteEditor::eventFilter(QObject* watched, QEvent* event)
{
    // The tab's close button must run the save prompt, not just drop the window.
    if (watched == m_pSubWindow && event->type() == QEvent::Close) {
        event->ignore();
        if (IDocument* document = getDocument(); document && document->close())
            emit document->requestClosing(true);
        return true;
    }
    return IEditor::eventFilter(watched, event);
}
