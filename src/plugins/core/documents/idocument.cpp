// SPDX-License-Identifier: MIT
#include "idocument.h"

#include "mainwindow/menus/irecentfilesmanager.h"
#include "mainwindow/mainwindow.h"
#include "plugin/icore.h"
#include "plugin/iui.h"

#include <QFileInfo>
#include <QUndoStack>

IDocument::IDocument()
    : QObject(nullptr)
{}

IDocument::~IDocument()
{
    // Receivers must still see an IDocument. QObject's destructor would emit the signal a
    // second time, when the object is only a QObject, so the connections go with this emission.
    emit destroyed(this);
    disconnect(this, &QObject::destroyed, nullptr, nullptr);
}

QString IDocument::getFileName() const
{
    return m_strFileName;
}

void IDocument::setFileName(const QString& strFileName)
{
    m_strFileName = strFileName;
}

QUndoStack* IDocument::getUndoStack()
{
    return m_pUndoStack;
}

bool IDocument::isOpenAsBackup() const
{
    return m_bOpenAsBackup;
}

void IDocument::setOpenAsBackup(bool bOpenAsBackup)
{
    m_bOpenAsBackup = bOpenAsBackup;
}

void IDocument::setIsTempDocument(bool bIsTempDocument)
{
    m_bIsTempDocument = bIsTempDocument;
}

bool IDocument::isModified() const
{
    if (isTempDocument())
        return true;
    return m_pUndoStack && !m_pUndoStack->isClean();
}

void IDocument::submitCommand(QUndoCommand* command)
{
    Q_UNUSED(command)
}

bool IDocument::isTempDocument() const
{
    return m_bIsTempDocument;
}

bool IDocument::open()
{
    emit aboutToOpen();
    return true;
}

bool IDocument::close()
{
    if (!isModified()) {
        emit aboutToClose();
        return true;
    }

    const QString name = QFileInfo(m_strFileName).completeBaseName();
    const QMessageBox::StandardButton answer = IUi::getInstance()->showQuestion(
        ICore::getMainWindow(), QStringLiteral("Zenub Animate"),
        tr("Save changes made to %1?").arg(name),
        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes);

    const bool temporary = isTempDocument();
    switch (answer) {
    case QMessageBox::Cancel:
        return false;
    case QMessageBox::Yes:
        if (temporary) {
            const QString oldPath = m_strFileName;
            if (!saveAs())
                return false;
            IRecentFilesManager::getInstance()->removeRecentFile(oldPath);
            IRecentFilesManager::getInstance()->addRecentFile(getFileName());
        } else if (!save()) {
            IUi::getInstance()->showInformation(
                ICore::getMainWindow(), QStringLiteral("Zenub Animate"),
                tr("Could not save project %1.").arg(name), QMessageBox::Ok, QMessageBox::Ok);
            return false;
        }
        break;
    case QMessageBox::No:
        if (temporary)
            IRecentFilesManager::getInstance()->removeRecentFile(m_strFileName);
        break;
    default:
        // An answer the box does not offer must not throw away a temporary document, which
        // exists nowhere but in its temporary folder.
        if (temporary)
            return false;
        break;
    }
    emit aboutToClose();
    return true;
}

bool IDocument::save()
{
    return true;
}

bool IDocument::save(const QString& strFile)
{
    Q_UNUSED(strFile)
    return true;
}

bool IDocument::saveAs()
{
    return true;
}

bool IDocument::revert()
{
    return true;
}

void IDocument::cleanTempDir()
{}

bool IDocument::saveBackup()
{
    return false;
}
