// SPDX-License-Identifier: MIT
#include "notedocument.h"

#include <mainwindow/mainwindow.h>
#include <plugin/icore.h>
#include <plugin/iui.h>

#include <QDateTime>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QPlainTextDocumentLayout>
#include <QSaveFile>
#include <QTextCodec>
#include <QTextDocument>
#include <QUndoCommand>
#include <QUndoStack>

namespace {

// One step of the text's own undo history, replayed through the document's undo stack.
class TextEditCommand : public QUndoCommand
{
public:
    explicit TextEditCommand(QTextDocument* text)
        : m_pText(text)
    {}
    void undo() override { m_pText->undo(); }
    void redo() override
    {
        // The text has already made the edit when the command is pushed.
        if (m_bDone)
            m_pText->redo();
        m_bDone = true;
    }

private:
    QTextDocument* m_pText;
    bool m_bDone = false;
};

} // namespace

NoteDocument::NoteDocument()
{
    m_pUndoStack = new QUndoStack(this);
    m_pText = new QTextDocument(this);
    m_pText->setDocumentLayout(new QPlainTextDocumentLayout(m_pText));
    connect(m_pText, &QTextDocument::undoCommandAdded, this, [this] {
        if (!m_bLoading)
            m_pUndoStack->push(new TextEditCommand(m_pText));
    });
    connect(m_pUndoStack, &QUndoStack::cleanChanged, this,
            [this](bool clean) { emit modifyChanged(!clean); });
    // Closing decides about the edits (saved or dropped), so their backup has done its work.
    connect(this, &IDocument::aboutToClose, this,
            [this] { QFile::remove(backupFileName(getFileName())); });
}

NoteDocument::~NoteDocument() = default;

QString NoteDocument::backupFileName(const QString& fileName)
{
    return fileName + QLatin1String(".bak");
}

bool NoteDocument::initNewDocument(int nValue1, int nValue2, int nValue3, bool bFlag)
{
    Q_UNUSED(nValue1)
    Q_UNUSED(nValue2)
    Q_UNUSED(nValue3)
    Q_UNUSED(bFlag)
    setText(QString());
    return true;
}

bool NoteDocument::readText(const QString& fileName, QString* text, QString* errorString) const
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        *errorString = tr("Cannot read %1: %2").arg(fileName, file.errorString());
        return false;
    }
    const QByteArray bytes = file.readAll();
    QTextCodec::ConverterState state;
    *text = QTextCodec::codecForName("UTF-8")->toUnicode(bytes.constData(), bytes.size(), &state);
    // Saving text that was decoded with replacements would change bytes the user never touched.
    if (state.invalidChars > 0) {
        *errorString = tr("%1 is not UTF-8 text; it was left unopened so that nothing in it "
                          "is changed.")
                           .arg(fileName);
        return false;
    }
    return true;
}

void NoteDocument::setText(const QString& text)
{
    m_bLoading = true;
    m_pText->setPlainText(text);
    m_pText->clearUndoRedoStacks();
    m_bLoading = false;
    m_pUndoStack->clear();
    setOpenAsBackup(false);
    emit dataChanged(this);
}

bool NoteDocument::open()
{
    QString text;
    QString error;
    if (!readText(getFileName(), &text, &error)) {
        reportError(error);
        return false;
    }
    setText(text);
    // A backup newer than the note holds edits of a session that did not end well.
    const QString backup = backupFileName(getFileName());
    QString recovered;
    if (QFileInfo::exists(backup) &&
        QFileInfo(backup).lastModified() >= QFileInfo(getFileName()).lastModified() &&
        readText(backup, &recovered, &error) && recovered != text) {
        m_bLoading = true;
        m_pText->setPlainText(recovered);
        m_pText->clearUndoRedoStacks();
        m_bLoading = false;
        m_pUndoStack->resetClean();
        setOpenAsBackup(true);
        if (MainWindow* window = ICore::getMainWindow()) {
            window->showNotification(tr("%1 has unsaved changes from an earlier session. Save "
                                        "the note to keep them.")
                                         .arg(QFileInfo(getFileName()).fileName()),
                                     ZNNotificationBar::Info, tr("Discard Them"), true);
            connect(window->getNotificationBar(), &ZNNotificationBar::buttonClicked, this,
                    [this, window] {
                        QFile::remove(backupFileName(getFileName()));
                        revert();
                        window->hideNotification();
                    });
        }
    }
    return true;
}

bool NoteDocument::save()
{
    if (getFileName().isEmpty() || isTempDocument())
        return saveAs();
    return save(getFileName());
}

bool NoteDocument::save(const QString& strFile)
{
    QSaveFile file(strFile);
    const QByteArray bytes = m_pText->toPlainText().toUtf8();
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        reportError(tr("Cannot save %1: %2").arg(strFile, file.errorString()));
        return false;
    }
    QFile::remove(backupFileName(getFileName()));
    if (strFile != getFileName()) {
        setFileName(strFile);
        emit titleChanged();
    }
    setIsTempDocument(false);
    setOpenAsBackup(false);
    m_pUndoStack->setClean();
    return true;
}

bool NoteDocument::saveAs()
{
    const QString path = QFileDialog::getSaveFileName(ICore::getMainWindow(), tr("Save Note As"),
                                                      getFileName(), tr("Notes (*.txt)"));
    return !path.isEmpty() && save(path);
}

bool NoteDocument::revert()
{
    return open();
}

bool NoteDocument::saveBackup()
{
    if (getFileName().isEmpty())
        return false;
    if (!isModified())
        return true;
    QSaveFile file(backupFileName(getFileName()));
    const QByteArray bytes = m_pText->toPlainText().toUtf8();
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
}

void NoteDocument::reportError(const QString& message) const
{
    IUi::getInstance()->showWarning(ICore::getMainWindow(), tr("Notes"), message, QMessageBox::Ok,
                                    QMessageBox::Ok);
}
