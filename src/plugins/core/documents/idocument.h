// SPDX-License-Identifier: MIT
#ifndef IDOCUMENT_H
#define IDOCUMENT_H

#include "core_export.h"

#include <QObject>
#include <QString>

class QUndoCommand;
class QUndoStack;

/*!
    Base of every document type. A concrete document creates its undo stack and assigns
    m_pUndoStack before the document is registered; the base never creates or deletes it.

    Documents have no parent: the main window's document handling owns them from creation until
    their close request. close() runs the save prompt and returns whether the document may go.
*/
class CORE_EXPORT IDocument : public QObject
{
    Q_OBJECT
public:
    IDocument();
    /*! Emits destroyed() while the object is still an IDocument, and only once. */
    ~IDocument() override;

    QString getFileName() const;
    void setFileName(const QString& strFileName);
    QUndoStack* getUndoStack();
    bool isOpenAsBackup() const;
    void setOpenAsBackup(bool bOpenAsBackup);
    void setIsTempDocument(bool bIsTempDocument);

    /*! True when the undo stack is not clean, and always for a temporary document. */
    virtual bool isModified() const;
    virtual void submitCommand(QUndoCommand* command);
    /*! Sets up an empty document from the new-document dialog's values, in the dialog's order. */
    virtual bool initNewDocument(int nValue1, int nValue2, int nValue3, bool bFlag) = 0;
    virtual bool isTempDocument() const;

    // The order of the signals and slots is part of the interface.
signals:
    void aboutToOpen();
    void aboutToClose();
    void dataChanged(QObject* pObject);
    void titleChanged();
    void modifyChanged(bool isModified);
    void undoStackChanged();
    void statusChanged(const QString& strStatusTip);
    /*! Asks the owner to remove and delete the document and its editor. */
    void requestClosing(bool deleteLater = false);

public slots:
    virtual bool open();
    /*!
        Asks the user whether to save a modified document. Returns true, after emitting
        aboutToClose(), when the document may close; false when the user cancelled or saving
        failed.
    */
    virtual bool close();
    virtual bool save();
    virtual bool save(const QString& strFile);
    virtual bool saveAs();
    virtual bool revert();
    virtual void cleanTempDir();
    virtual bool saveBackup();

protected:
    QUndoStack* m_pUndoStack = nullptr;

private:
    QString m_strFileName;
    bool m_bIsTempDocument = false;
    bool m_bOpenAsBackup = false;
};

#endif
