#include "icore.h"

#include <extensionsystem/pluginmanager.h>

#include <QCoreApplication>
#include <QDir>

ICore* ICore::m_instance = nullptr;
MainWindow* ICore::m_mainWindow = nullptr;

ICore::ICore(MainWindow* mainWindow)
{
    m_instance = this;
    m_mainWindow = mainWindow;
}

ICore::~ICore()
{
    m_instance = nullptr;
    m_mainWindow = nullptr;
}

ICore* ICore::getInstance()
{
    return m_instance;
}

MainWindow* ICore::getMainWindow()
{
    return m_mainWindow;
}

QSettings* ICore::settings(QSettings::Scope scope)
{
    if (scope == QSettings::UserScope)
        return ExtensionSystem::PluginManager::settings();
    return ExtensionSystem::PluginManager::globalSettings();
}

QString ICore::resourcePath()
{
    return QDir::cleanPath(QCoreApplication::applicationDirPath());
}

void ICore::saveSettings()
{
    emit aboutToSaveSettings();
    if (QSettings* user = settings(QSettings::UserScope))
        user->sync();
    if (QSettings* global = settings(QSettings::SystemScope))
        global->sync();
}
