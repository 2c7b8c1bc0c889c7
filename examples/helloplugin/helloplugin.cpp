// SPDX-License-Identifier: MIT
#include "helloplugin.h"

#include "notedocumentfactory.h"
#include "noteoptionpage.h"

#include <actions/actioncontainer.h>
#include <actions/actionmanager.h>
#include <actions/contextaction.h>
#include <appearance/ilanguagemanager.h>
#include <extensionsystem/pluginmanager.h>
#include <mainwindow/mainwindow.h>
#include <plugin/icore.h>

#include <QAction>
#include <QCoreApplication>
#include <QMenu>
#include <QTranslator>

HelloPlugin::HelloPlugin() = default;

// The pool only borrows the factories; they were taken out in aboutToShutdown().
HelloPlugin::~HelloPlugin()
{
    delete m_pDocuments;
    delete m_pPages;
}

bool HelloPlugin::initialize(const QStringList& arguments, QString* errorString)
{
    Q_UNUSED(arguments)
    Q_UNUSED(errorString)
    // Before any widget exists, so every text is translated from the start.
    const QString language = ILanguageManager::getInstance().getSaveLangId();
    auto* translator = new QTranslator(this);
    if (!language.isEmpty() &&
        translator->load(QStringLiteral(":/hello/translations/hello_") + language))
        QCoreApplication::installTranslator(translator);
    m_pPages = new NoteOptionPageFactory();
    ExtensionSystem::PluginManager::addObject(m_pPages);
    return true;
}

void HelloPlugin::extensionsInitialized()
{
    // The main window asks the first document factory in the pool for File > New and the
    // preferences. Every plugin adds its factories in initialize(), so adding ours now keeps the
    // application's own project type first; ours is asked only for ".txt" files.
    m_pDocuments = new NoteDocumentFactory();
    ExtensionSystem::PluginManager::addObject(m_pDocuments);

    // File > Open lists the first document type's files; notes get a command of their own. It is
    // registered for the main window, the global context, so it works wherever the focus is.
    MainWindow* window = ICore::getMainWindow();
    ActionContainer* file = ActionManager::getActionContainer(QStringLiteral("MenuBar.File"));
    if (!window || !file || !file->getMenu())
        return;
    auto* action = new QAction(tr("Open &Note..."), this);
    connect(action, &QAction::triggered, this, &HelloPlugin::openNote);
    ContextAction* command =
        ActionManager::registerAction(action, QStringLiteral("File.Open_Note"), window, false);
    if (!command)
        return;
    // Beside File > Open Project, in front of the Recent Projects menu.
    ActionContainer* recent =
        ActionManager::getActionContainer(QStringLiteral("File.Recent_Projects"));
    QAction* before = recent && recent->getMenu() ? recent->getMenu()->menuAction() : nullptr;
    file->getMenu()->insertAction(before, command->getAction());
}

void HelloPlugin::openNote()
{
    const QString path = m_pDocuments->selectFileToOpen();
    if (!path.isEmpty() && ICore::getMainWindow())
        ICore::getMainWindow()->loadFile(path);
}

int HelloPlugin::aboutToShutdown()
{
    ExtensionSystem::PluginManager::removeObject(m_pDocuments);
    ExtensionSystem::PluginManager::removeObject(m_pPages);
    return SynchronousShutdown;
}
