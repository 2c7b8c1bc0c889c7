// SPDX-License-Identifier: MIT
#include "savecommandstate.h"

#include "documents/documentmanager.h"
#include "documents/editormanager.h"
#include "documents/idocument.h"
#include "documents/ieditor.h"

#include <QAction>
#include <QMenu>
#include <QUndoGroup>
#include <QUndoStack>

SaveCommandState::SaveCommandState(QAction* save, QAction* saveAs, QMenu* saveAsMenu,
                                   QObject* parent)
    : QObject(parent)
    , m_save(save)
    , m_saveAs(saveAs)
    , m_saveAsMenu(saveAsMenu)
{
    if (EditorManager* editors = EditorManager::getInstance()) {
        connect(editors, &EditorManager::editorActivated, this, &SaveCommandState::follow);
        connect(editors, &EditorManager::editorDeactivated, this, &SaveCommandState::update);
    }
    if (QUndoGroup* group = DocumentManager::getUndoGroup()) {
        connect(group, &QUndoGroup::cleanChanged, this, &SaveCommandState::update);
        connect(group, &QUndoGroup::activeStackChanged, this, &SaveCommandState::update);
    }
    update();
}

void SaveCommandState::follow(IEditor* editor)
{
    IDocument* document = editor ? editor->getDocument() : nullptr;
    if (document != m_document) {
        disconnect(m_modifyConnection);
        disconnect(m_stackConnection);
        m_document = document;
        if (document) {
            m_modifyConnection =
                connect(document, &IDocument::modifyChanged, this, &SaveCommandState::update);
            m_stackConnection =
                connect(document, &IDocument::undoStackChanged, this, &SaveCommandState::update);
        }
    }
    // A stack that is not the group's active one reports its clean state to nobody.
    QUndoGroup* group = DocumentManager::getUndoGroup();
    QUndoStack* stack = document ? document->getUndoStack() : nullptr;
    if (group && stack) {
        if (!group->stacks().contains(stack))
            group->addStack(stack);
        group->setActiveStack(stack);
    }
    update();
}

void SaveCommandState::update()
{
    const IEditor* editor = EditorManager::activeEditor();
    IDocument* document = editor ? editor->getDocument() : nullptr;
    const bool hasChanges = document && (document->isModified() || document->isOpenAsBackup());
    if (m_save)
        m_save->setEnabled(hasChanges);
    if (m_saveAs)
        m_saveAs->setEnabled(document != nullptr);
    if (m_saveAsMenu)
        m_saveAsMenu->setEnabled(document != nullptr);
}
