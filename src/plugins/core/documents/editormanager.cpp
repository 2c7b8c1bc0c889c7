// SPDX-License-Identifier: MIT
#include "editormanager.h"

#include "editormanager_p.h"
#include "idocument.h"
#include "ieditor.h"

EditorManager* EditorManager::m_instance = nullptr;
EditorManagerPrivate* EditorManager::d = nullptr;

EditorManager::EditorManager()
{
    m_instance = this;
    d = new EditorManagerPrivate;
}

EditorManager::~EditorManager()
{
    delete d;
    d = nullptr;
    m_instance = nullptr;
}

EditorManager* EditorManager::getInstance()
{
    return m_instance;
}

const QList<IEditor*>& EditorManager::getEditors()
{
    static const QList<IEditor*> none;
    return d ? d->m_editors : none;
}

IEditor* EditorManager::activeEditor()
{
    return d ? d->m_pActiveEditor : nullptr;
}

IEditor* EditorManager::getEditorOfDocument(IDocument* document)
{
    if (!d || !document)
        return nullptr;
    for (IEditor* editor : qAsConst(d->m_editors)) {
        if (editor->getDocument() == document)
            return editor;
    }
    return nullptr;
}

void EditorManager::addEditor(IEditor* editor)
{
    if (!d || !editor || d->m_editors.contains(editor))
        return;
    d->m_editors.append(editor);
    connect(editor, &QObject::destroyed, m_instance, &EditorManager::editorDestroyed);
}

bool EditorManager::removeEditor(IEditor* editor)
{
    if (!editor)
        return true;
    if (!d)
        return false;
    const int index = d->m_editors.indexOf(editor);
    if (index < 0)
        return false;

    const bool wasActive = editor == d->m_pActiveEditor;
    if (wasActive) {
        emit editor->aboutToDeactivate();
        emit m_instance->editorDeactivated(editor);
        d->m_pActiveEditor = nullptr;
    }

    const int count = d->m_editors.size();
    IEditor* successor = nullptr;
    if (index == count - 1)
        successor = index > 0 ? d->m_editors.at(index - 1) : nullptr;
    else
        successor = d->m_editors.at(index + 1);

    d->m_editors.removeAt(index);
    disconnect(editor, &QObject::destroyed, m_instance, &EditorManager::editorDestroyed);

    if (wasActive && !d->m_editors.isEmpty())
        activateEditor(successor);
    return true;
}

void EditorManager::activateEditor(IEditor* editor)
{
    if (!d || editor == d->m_pActiveEditor)
        return;
    if (IEditor* previous = d->m_pActiveEditor) {
        emit previous->aboutToDeactivate();
        emit m_instance->editorDeactivated(previous);
    }
    // Set before the signals, so their receivers already see the new editor as active.
    d->m_pActiveEditor = editor;
    if (editor) {
        emit editor->aboutToActivate();
        emit m_instance->editorActivated(editor);
    }
}

void EditorManager::editorDestroyed(QObject* pObject)
{
    if (!d)
        return;
    // Looked up rather than cast, so that only registered editors are touched.
    for (IEditor* editor : qAsConst(d->m_editors)) {
        if (static_cast<QObject*>(editor) == pObject) {
            removeEditor(editor);
            return;
        }
    }
}
