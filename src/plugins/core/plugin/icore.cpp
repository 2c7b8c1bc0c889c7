// SPDX-License-Identifier: MIT
#include "icore.h"

#include "iui.h"

#include <extensionsystem/pluginmanager.h>
#include <mainwindow/mainwindow.h>

#include <QDir>
#include <QGuiApplication>

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
    if (QSettings* user = settings(QSettings::UserScope)) {
        user->sync();
        // The user would otherwise find the old settings at the next start without a word.
        if (user->status() != QSettings::NoError)
            IUi::getInstance()->showWarning(m_mainWindow, QGuiApplication::applicationDisplayName(),
                                            tr("Your settings could not be saved to \"%1\".")
                                                .arg(QDir::toNativeSeparators(user->fileName())),
                                            QMessageBox::Ok, QMessageBox::Ok);
    }
    if (QSettings* global = settings(QSettings::SystemScope))
        global->sync();
}
