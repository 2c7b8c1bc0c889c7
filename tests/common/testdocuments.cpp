// SPDX-License-Identifier: MIT
#include "testdocuments.h"

#include <extensionsystem/pluginmanager.h>

#include <QFileInfo>
#include <QUndoCommand>
#include <QUndoStack>

TestDocument::TestDocument(std::shared_ptr<QStringList> log)
    : m_log(log)
{
    m_pUndoStack = new QUndoStack(this);
}

TestDocument::~TestDocument()
{
    record(QStringLiteral("deleted"));
}

void TestDocument::makeModified()
{
    m_pUndoStack->push(new QUndoCommand(QStringLiteral("edit")));
}

QString TestDocument::name() const
{
    return QFileInfo(getFileName()).fileName();
}

void TestDocument::record(const QString& call) const
{
    if (m_log)
        m_log->append(call + QLatin1Char(' ') + name());
}

bool TestDocument::initNewDocument(int nValue1, int nValue2, int nValue3, bool bFlag)
{
    record(QStringLiteral("init"));
    initValues = {nValue1, nValue2, nValue3};
    initFlag = bFlag;
    return initResult;
}

bool TestDocument::open()
{
    record(QStringLiteral("open"));
    // Like a real document, it cannot load a file that is not there.
    return QFileInfo(getFileName()).isFile() && IDocument::open();
}

bool TestDocument::close()
{
    record(QStringLiteral("close"));
    return IDocument::close();
}

bool TestDocument::save()
{
    record(QStringLiteral("save"));
    if (saveResult)
        m_pUndoStack->setClean();
    return saveResult;
}

bool TestDocument::saveAs()
{
    record(QStringLiteral("saveAs"));
    if (!saveAsResult)
        return false;
    setFileName(saveAsFileName);
    setIsTempDocument(false);
    m_pUndoStack->setClean();
    return true;
}

TestEditor::TestEditor(std::shared_ptr<QStringList> log)
    : m_log(log)
{
    connect(this, &IEditor::aboutToActivate, this, [this] {
        const IDocument* document = getDocument();
        m_log->append(QStringLiteral("activate ") +
                      (document ? QFileInfo(document->getFileName()).fileName() : QString()));
    });
}

TestEditor::~TestEditor()
{
    const IDocument* document = getDocument();
    m_log->append(QStringLiteral("editor deleted ") +
                  (document ? QFileInfo(document->getFileName()).fileName() : QString()));
}

TestNewDocumentDialog::TestNewDocumentDialog(std::shared_ptr<QStringList> log)
    : ICreateDocumentDlg(nullptr)
    , m_log(log)
{
    setWindowTitle(QStringLiteral("New Project"));
}

int TestOptionsDialog::showDialog()
{
    ++shown;
    show();
    return 0;
}

TestDocumentFactory::TestDocumentFactory(const QStringList& suffixes)
    : m_suffixes(suffixes)
{}

TestDocumentFactory::~TestDocumentFactory()
{
    // The pool goes with its plugin manager; a test environment may have ended first.
    if (m_inPool && ExtensionSystem::PluginManager::instance())
        ExtensionSystem::PluginManager::removeObject(this);
}

void TestDocumentFactory::addToPool()
{
    if (m_inPool)
        return;
    ExtensionSystem::PluginManager::addObject(this);
    m_inPool = true;
}

IDocument* TestDocumentFactory::createDocument()
{
    auto* document = new TestDocument(m_log);
    if (prepareDocument)
        prepareDocument(document);
    documents.append(document);
    return document;
}

IEditor* TestDocumentFactory::createEditor()
{
    auto* editor = new TestEditor(m_log);
    editors.append(editor);
    return editor;
}

IOptionsDlg* TestDocumentFactory::createOptionsDialog()
{
    ++optionsRequests;
    if (!suppliesOptions)
        return nullptr;
    auto* dialog = new TestOptionsDialog;
    optionsDialogs.append(dialog);
    return dialog;
}

ICreateDocumentDlg* TestDocumentFactory::createNewDocumentDialog()
{
    auto* dialog = new TestNewDocumentDialog(m_log);
    if (prepareDialog)
        prepareDialog(dialog);
    return dialog;
}

QString TestDocumentFactory::selectFileToOpen()
{
    m_log->append(QStringLiteral("selectFileToOpen"));
    return fileToOpen;
}
