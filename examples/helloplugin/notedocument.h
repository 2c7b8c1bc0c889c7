// SPDX-License-Identifier: MIT
#ifndef NOTEDOCUMENT_H
#define NOTEDOCUMENT_H

#include <documents/idocument.h>

class QTextDocument;

/*!
    A plain-text note, read and written as UTF-8. Every edit of the text reaches the document's
    undo stack, so the application's Undo, Save and save prompt treat notes like projects. While
    the note has unsaved edits, the automatic backup keeps them in "<file>.bak".
*/
class NoteDocument : public IDocument
{
    Q_OBJECT
public:
    NoteDocument();
    ~NoteDocument() override;

    QTextDocument* textDocument() const { return m_pText; }
    static QString backupFileName(const QString& fileName);

    bool initNewDocument(int nValue1, int nValue2, int nValue3, bool bFlag) override;

public slots:
    bool open() override;
    bool save() override;
    bool save(const QString& strFile) override;
    bool saveAs() override;
    bool revert() override;
    bool saveBackup() override;

private:
    bool readText(const QString& fileName, QString* text, QString* errorString) const;
    void setText(const QString& text);
    void reportError(const QString& message) const;

    QTextDocument* m_pText = nullptr;
    bool m_bLoading = false;
};

#endif
