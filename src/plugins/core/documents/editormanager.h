// SPDX-License-Identifier: MIT
#ifndef EDITORMANAGER_H
#define EDITORMANAGER_H

#include "core_export.h"

#include <QList>
#include <QObject>

class EditorManagerPrivate;
class IDocument;
class IEditor;
class MainWindow;

/*!
    The registry of editors and of the active one. The main window creates the single instance
    and deletes it; the static functions work on it and do nothing without it. The manager never
    deletes an editor; an editor deleted while registered is removed as if removeEditor() had
    been called.
*/
class CORE_EXPORT EditorManager : public QObject
{
    Q_OBJECT
public:
    static EditorManager* getInstance();
    static const QList<IEditor*>& getEditors();
    static IEditor* activeEditor();
    static IEditor* getEditorOfDocument(IDocument* document);
    /*! Registers the editor without activating it; null and duplicates are ignored. */
    static void addEditor(IEditor* editor);
    /*!
        Unregisters the editor. When it was active, the editor after it becomes active, or the
        one before it when it was the last. Returns false only for an editor not registered.
    */
    static bool removeEditor(IEditor* editor);

    // The order of the signals and slots is part of the interface.
signals:
    void editorActivated(IEditor* pEditor);
    void editorDeactivated(IEditor* pEditor);

public slots:
    /*! Deactivates the active editor and activates \a editor; null leaves none active. */
    static void activateEditor(IEditor* editor);

private slots:
    void editorDestroyed(QObject* pObject);

private:
    friend class MainWindow;
    EditorManager();
    ~EditorManager() override;

    static EditorManager* m_instance;
    static EditorManagerPrivate* d;
};

#endif
