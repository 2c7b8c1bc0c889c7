// SPDX-License-Identifier: MIT
#include "ieditor.h"

#include "idocument.h"

IEditor::IEditor()
    : QObject(nullptr)
{}

IEditor::~IEditor()
{
    // The editor manager deactivates an editor deleted behind its back from its destroyed()
    // handler and emits the editor's own signals there; that needs a complete IEditor.
    emit destroyed(this);
    disconnect(this, &QObject::destroyed, nullptr, nullptr);
}

IDocument* IEditor::getDocument() const
{
    return m_pDocument;
}

void IEditor::setDocument(IDocument* document)
{
    // A second document would leave the first one's relays in place and mix both streams.
    if (m_pDocument || !document)
        return;
    m_pDocument = document;
    connect(document, &IDocument::aboutToOpen, this, &IEditor::documentLoaded);
    connect(document, &IDocument::dataChanged, this, &IEditor::documentDataChanged);
    connect(document, &IDocument::aboutToClose, this, &IEditor::documentUnloading);
    connect(document, &IDocument::titleChanged, this, &IEditor::documentTitleChanged);
    connect(document, &IDocument::modifyChanged, this, &IEditor::documentModifyChanged);
    connect(document, &IDocument::undoStackChanged, this, &IEditor::undoStackChanged);
}
