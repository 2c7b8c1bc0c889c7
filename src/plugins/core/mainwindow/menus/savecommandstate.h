// SPDX-License-Identifier: MIT
#ifndef SAVECOMMANDSTATE_H
#define SAVECOMMANDSTATE_H

#include <QMetaObject>
#include <QObject>
#include <QPointer>

class IDocument;
class IEditor;
class QAction;
class QMenu;

/*!
    Keeps File > Save and Save As in step with the document in front. Whichever signal comes
    (another editor, another undo stack, a clean-state change, a save), the commands are
    recomputed from the active document itself, so no order of signals can leave them stale.
    It also makes the shared undo group follow the active editor: the clean state that counts
    is always the one of the project the user sees.
*/
class SaveCommandState : public QObject
{
    Q_OBJECT
public:
    SaveCommandState(QAction* save, QAction* saveAs, QMenu* saveAsMenu, QObject* parent);

    /*! Save is on when the active document has something to write; Save As when there is one. */
    void update();

private:
    void follow(IEditor* editor);

    QPointer<QAction> m_save;
    QPointer<QAction> m_saveAs;
    QPointer<QMenu> m_saveAsMenu;
    QPointer<IDocument> m_document;
    QMetaObject::Connection m_modifyConnection;
    QMetaObject::Connection m_stackConnection;
};

#endif
