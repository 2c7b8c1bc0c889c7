// SPDX-License-Identifier: MIT
#include "testenvironment.h"

#include <extensionsystem/pluginmanager.h>
#include <mainwindow/mainwindow.h>

#include <QSettings>

TestEnvironment::TestEnvironment()
    : m_pluginManager(std::make_unique<ExtensionSystem::PluginManager>())
{
    reloadSettings();
}

TestEnvironment::~TestEnvironment()
{
    deleteMainWindow();
}

QString TestEnvironment::userSettingsFile() const
{
    return m_folder.filePath(QStringLiteral("user.ini"));
}

QSettings* TestEnvironment::userSettings() const
{
    return ExtensionSystem::PluginManager::settings();
}

QSettings* TestEnvironment::globalSettings() const
{
    return ExtensionSystem::PluginManager::globalSettings();
}

void TestEnvironment::reloadSettings()
{
    if (QSettings* settings = userSettings())
        settings->sync();
    ExtensionSystem::PluginManager::setSettings(
        new QSettings(userSettingsFile(), QSettings::IniFormat));
    ExtensionSystem::PluginManager::setGlobalSettings(
        new QSettings(m_folder.filePath(QStringLiteral("global.ini")), QSettings::IniFormat));
}

MainWindow* TestEnvironment::createMainWindow()
{
    if (!m_mainWindow)
        m_mainWindow = new MainWindow(nullptr);
    return m_mainWindow;
}

void TestEnvironment::deleteMainWindow()
{
    delete m_mainWindow;
    m_mainWindow = nullptr;
}
