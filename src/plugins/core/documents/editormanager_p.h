// SPDX-License-Identifier: MIT
#ifndef EDITORMANAGER_P_H
#define EDITORMANAGER_P_H

#include <QList>

class IEditor;

class EditorManagerPrivate
{
public:
    // Registration order; the successor rule depends on it.
    QList<IEditor*> m_editors;
    IEditor* m_pActiveEditor = nullptr;
};

#endif
