// SPDX-License-Identifier: MIT
#include "filecommands.h"

#include "documents/documentmanager.h"
#include "documents/editormanager.h"
#include "documents/icreatedocumentdlg.h"
#include "documents/idocument.h"
#include "documents/idocumentfactory.h"
#include "documents/ieditor.h"
#include "irecentfilesmanager.h"
#include "mainwindow/mainwindow.h"
#include "plugin/iui.h"
#include "recentprojectsmenu.h"
#include "savecommandstate.h"

#include <extensionsystem/pluginmanager.h>

#include <QDir>
#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QPointer>
#include <QReadLocker>
#include <QUndoGroup>
#include <QUndoStack>

#include <memory>

// The texts belong to the window's catalogue context, where translators have always found them.

FileCommands::FileCommands(MainWindow* window, RecentProjectsMenu* recentProjects)
    : QObject(window)
    , m_pWindow(window)
    , m_pRecentProjects(recentProjects)
{}

void FileCommands::setSaveState(SaveCommandState* state)
{
    m_pSaveState = state;
}

QList<IDocumentFactory*> FileCommands::documentFactories()
{
    QList<IDocumentFactory*> factories;
    {
        QReadLocker locker(ExtensionSystem::PluginManager::listLock());
        for (QObject* object : ExtensionSystem::PluginManager::allObjects()) {
            if (auto* factory = qobject_cast<IDocumentFactory*>(object))
                factories.append(factory);
        }
    }
    // Factories are asked only after the lock is released: they may add to the pool.
    return factories;
}

IDocumentFactory* FileCommands::defaultFactory()
{
    const QList<IDocumentFactory*> factories = documentFactories();
    return factories.isEmpty() ? nullptr : factories.first();
}

IDocumentFactory* FileCommands::factoryForSuffix(const QString& suffix)
{
    for (IDocumentFactory* factory : documentFactories()) {
        if (factory->supportedSuffixes().contains(suffix))
            return factory;
    }
    return nullptr;
}

IDocument* FileCommands::activeDocument()
{
    const IEditor* editor = EditorManager::activeEditor();
    return editor ? editor->getDocument() : nullptr;
}

void FileCommands::updateWelcomeVisibility()
{
    m_pWindow->setVisibleWelcomeWidget(EditorManager::getEditors().isEmpty());
}

void FileCommands::updateSaveState()
{
    if (m_pSaveState)
        m_pSaveState->update();
}

void FileCommands::install(IDocument* document, IEditor* editor)
{
    editor->setDocument(document);
    DocumentManager::addDocument(document);
    EditorManager::addEditor(editor);
    QUndoGroup* undoGroup = DocumentManager::getUndoGroup();
    if (QUndoStack* stack = document->getUndoStack())
        undoGroup->addStack(stack);
    EditorManager::activateEditor(editor);
    undoGroup->setActiveStack(document->getUndoStack());
    connect(document, &IDocument::requestClosing, this, &FileCommands::onDocumentRequestClosing,
            Qt::UniqueConnection);
    emit document->aboutToOpen();
}

bool FileCommands::loadOpenedDocument(IDocument* document, bool addToRecentFiles)
{
    if (!document)
        return false;
    const QString suffix = QFileInfo(document->getFileName()).suffix().toLower();
    IDocumentFactory* factory = factoryForSuffix(suffix);
    if (!factory)
        return false;
    IEditor* editor = factory->createEditor();
    if (!editor)
        return false;
    if (addToRecentFiles)
        m_pRecentProjects->add(document->getFileName());
    install(document, editor);
    if (DocumentManager::isAutobackupEnabled())
        DocumentManager::startWaitingBackup(document);
    updateWelcomeVisibility();
    return true;
}

bool FileCommands::loadFile(const QString& fileName)
{
    const QString path = QDir::fromNativeSeparators(fileName);

    // A file that does not exist has no canonical path; it matches no open document.
    const QString canonical = QFileInfo(path).canonicalFilePath();
    if (!canonical.isEmpty()) {
        for (IEditor* editor : EditorManager::getEditors()) {
            const IDocument* document = editor->getDocument();
            if (document && QFileInfo(document->getFileName()).canonicalFilePath() == canonical) {
                EditorManager::activateEditor(editor);
                return true;
            }
        }
    }

    // A FIFO or a device would block or never end; a folder is no project.
    const QFileInfo info(path);
    if (info.exists() && !info.isFile()) {
        IUi::getInstance()->showWarning(
            m_pWindow, QStringLiteral("Zenub Animate"),
            MainWindow::tr("%1 cannot be opened: only regular files can be projects.")
                .arg(QDir::toNativeSeparators(path)),
            QMessageBox::Ok, QMessageBox::Ok);
        return false;
    }
    const QString suffix = info.suffix().toLower();
    if (IDocumentFactory* factory = factoryForSuffix(suffix)) {
        IDocument* document = factory->createDocument();
        if (!document)
            return false;
        document->setFileName(path);
        if (!document->open()) {
            delete document;
            updateWelcomeVisibility();
            return false;
        }
        if (loadOpenedDocument(document, true))
            return true;
        delete document;
        return false;
    }

    IUi::getInstance()->showInformation(m_pWindow, QStringLiteral("Zenub Animate"),
                                        MainWindow::tr("Cannot open this file type."),
                                        QMessageBox::Ok, QMessageBox::Ok);
    return false;
}

void FileCommands::newProject()
{
    IDocumentFactory* factory = defaultFactory();
    if (!factory)
        return;
    IDocument* document = factory->createDocument();
    // The dialog is the factory's gift to this command; it goes before the command ends.
    std::unique_ptr<ICreateDocumentDlg> dialog(factory->createNewDocumentDialog());
    if (!document || !dialog || dialog->exec() != QDialog::Accepted) {
        delete document;
        return;
    }

    const int value1 = dialog->getValue1();
    const int value2 = dialog->getValue2();
    const int value3 = dialog->getValue3();
    const QString path = dialog->getDocumentPath();
    if (path.isEmpty()) {
        delete document;
        return;
    }
    m_pRecentProjects->add(path);
    document->setFileName(path);
    if (!document->initNewDocument(value1, value2, value3, dialog->getFlag())) {
        delete document;
        updateWelcomeVisibility();
        return;
    }

    IEditor* editor = factory->createEditor();
    if (!editor) {
        delete document;
        updateWelcomeVisibility();
        return;
    }
    install(document, editor);
    document->save();
    if (DocumentManager::isAutobackupEnabled())
        DocumentManager::startWaitingBackup(document);
    updateWelcomeVisibility();
}

void FileCommands::open()
{
    IDocumentFactory* factory = defaultFactory();
    if (!factory)
        return;
    const QString path = factory->selectFileToOpen();
    if (!path.isEmpty())
        loadFile(path);
}

void FileCommands::save()
{
    IDocument* document = activeDocument();
    if (!document)
        return;
    if (document->isTempDocument()) {
        saveAs();
        return;
    }
    document->save();
    updateSaveState();
}

void FileCommands::saveAs()
{
    IDocument* document = activeDocument();
    if (!document)
        return;
    const QString oldName = document->getFileName();
    const bool wasTemporary = document->isTempDocument();
    if (document->saveAs()) {
        if (wasTemporary)
            IRecentFilesManager::getInstance()->removeRecentFile(oldName);
        m_pRecentProjects->add(document->getFileName());
    }
    updateSaveState();
}

void FileCommands::close()
{
    IDocument* document = activeDocument();
    if (document && document->close())
        emit document->requestClosing(true);
}

void FileCommands::onDocumentRequestClosing(bool deleteLater)
{
    documentRequestsClosing(qobject_cast<IDocument*>(sender()), deleteLater);
}

void FileCommands::documentRequestsClosing(IDocument* document, bool deleteLater)
{
    if (!document)
        return;
    // A second request while a deferred deletion is pending must not take it apart again.
    disconnect(document, &IDocument::requestClosing, this, &FileCommands::onDocumentRequestClosing);
    IEditor* editor = EditorManager::getEditorOfDocument(document);
    EditorManager::removeEditor(editor);
    DocumentManager::removeDocument(document);
    if (editor) {
        if (deleteLater)
            editor->deleteLater();
        else
            delete editor;
    }
    if (document->isTempDocument())
        document->cleanTempDir();
    if (deleteLater)
        document->deleteLater();
    else
        delete document;

    emit m_pWindow->updateWindowFilePath(QString());
    updateWelcomeVisibility();
    updateSaveState();
    // The save prompt may have moved a temporary project's entry.
    m_pRecentProjects->update();
}

bool FileCommands::closeAll()
{
    // Last opened first; every close request takes its editor out of the list.
    const QList<IEditor*> editors = EditorManager::getEditors();
    QList<QPointer<IEditor>> guarded(editors.cbegin(), editors.cend());
    for (auto it = guarded.crbegin(); it != guarded.crend(); ++it) {
        IEditor* editor = *it;
        if (!editor || !EditorManager::getEditors().contains(editor))
            continue;
        IDocument* document = editor->getDocument();
        if (!document)
            continue;
        if (!document->close())
            return false;
        emit document->requestClosing(false);
    }

    // Documents another plugin registered without an editor.
    const QList<IDocument*> documents = DocumentManager::getDocuments();
    QList<QPointer<IDocument>> guardedDocuments(documents.cbegin(), documents.cend());
    for (const QPointer<IDocument>& document : qAsConst(guardedDocuments)) {
        if (!document || !DocumentManager::getDocuments().contains(document))
            continue;
        if (!document->close())
            return false;
        emit document->requestClosing(false);
    }
    return true;
}

void FileCommands::closeAllWithoutAsking()
{
    const QList<IEditor*> editors = EditorManager::getEditors();
    QList<QPointer<IEditor>> guarded(editors.cbegin(), editors.cend());
    for (const QPointer<IEditor>& editor : qAsConst(guarded)) {
        if (!editor)
            continue;
        if (IDocument* document = editor->getDocument()) {
            document->close();
            emit document->requestClosing(false);
        }
    }
}

bool FileCommands::openDropped(QDropEvent* drop)
{
    const QList<QUrl> urls = drop->mimeData() ? drop->mimeData()->urls() : QList<QUrl>();
    if (urls.isEmpty())
        return false;
    const QString path = urls.first().toLocalFile();
    const QString suffix = QFileInfo(path).suffix();
    if (!path.isEmpty() && (suffix.compare(QLatin1String("zenubpack"), Qt::CaseInsensitive) == 0 ||
                            suffix.compare(QLatin1String("zenub"), Qt::CaseInsensitive) == 0)) {
        if (m_pWindow->loadFile(path))
            drop->acceptProposedAction();
    }
    return true;
}
