// SPDX-License-Identifier: MIT
#ifndef IEDITOR_H
#define IEDITOR_H

#include "core_export.h"

#include <QObject>

class IDocument;

/*!
    Base of every editor: presents one document and relays its signals under editor names, so
    views can follow the active editor without knowing its document.
*/
class CORE_EXPORT IEditor : public QObject
{
    Q_OBJECT
public:
    IEditor();
    /*! Emits destroyed() while the object is still an IEditor, and only once. */
    ~IEditor() override;

    IDocument* getDocument() const;
    /*!
        Stores the document and relays its signals. Call it once, right after creating the
        editor and before registering it; a later call is ignored.
    */
    void setDocument(IDocument* document);

    // The order of the signals is part of the interface.
signals:
    void documentLoaded();
    void documentDataChanged(QObject* pUpdateInfo);
    void documentUnloading();
    void documentTitleChanged();
    void documentModifyChanged(bool isModified);
    void aboutToActivate();
    void aboutToDeactivate();
    void undoStackChanged();

private:
    IDocument* m_pDocument = nullptr;
};

#endif
