// SPDX-License-Identifier: MIT
#include "coreplugin.h"

#include "appearance/ilanguagemanager.h"
#include "mainwindow/mainwindow.h"
#include "plugin/externalopener.h"

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>

CorePlugin::CorePlugin()
{
    ILanguageManager::getInstance().initialize();
    m_mainWindow = new MainWindow(nullptr);
    QApplication::setActiveWindow(m_mainWindow);
}

CorePlugin::~CorePlugin()
{
    delete m_mainWindow;
}

bool CorePlugin::initialize(const QStringList& arguments, QString* errorString)
{
    Q_UNUSED(arguments)
    QT_WARNING_PUSH
    QT_WARNING_DISABLE_DEPRECATED
    qsrand(static_cast<uint>(QDateTime::currentSecsSinceEpoch()));
    QT_WARNING_POP
    // Addresses and files open through the desktop, and a failure is told.
    ExternalOpener::install(this);
    return m_mainWindow->init(errorString);
}

void CorePlugin::extensionsInitialized()
{
    m_mainWindow->extensionsInitialized();
}

bool CorePlugin::postInitialize()
{
    return true;
}

int CorePlugin::aboutToShutdown()
{
    m_mainWindow->aboutToShutdown();
    return SynchronousShutdown;
}

QStringList CorePlugin::resolveRemoteFiles(const QString& workingDirectory,
                                           const QStringList& arguments)
{
    const QDir base(workingDirectory.isEmpty() ? QDir::currentPath() : workingDirectory);
    QStringList files;
    for (const QString& argument : arguments)
        files << QFileInfo(base, argument).absoluteFilePath();
    return files;
}

QObject* CorePlugin::handleRemoteCall(const QStringList& options, const QString& workingDirectory,
                                      const QStringList& arguments)
{
    Q_UNUSED(options)
    m_mainWindow->raiseUp();
    for (const QString& file : resolveRemoteFiles(workingDirectory, arguments))
        m_mainWindow->loadFile(file);
    return nullptr;
}

void CorePlugin::fileOpenRequest(const QString& file)
{
    handleRemoteCall(QStringList(), QString(), QStringList(file));
}
