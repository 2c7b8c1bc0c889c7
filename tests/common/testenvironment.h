// SPDX-License-Identifier: MIT
#ifndef TESTENVIRONMENT_H
#define TESTENVIRONMENT_H

#include <QString>
#include <QTemporaryDir>

#include <memory>

class QSettings;
class MainWindow;

namespace ExtensionSystem {
class PluginManager;
}

/*!
    A plugin manager with user and global settings in fresh INI files of a temporary folder, so
    a test never touches the real home folder. Optionally the main window, as the core plugin
    would create it.
*/
class TestEnvironment
{
public:
    TestEnvironment();
    ~TestEnvironment();

    QString path() const { return m_folder.path(); }
    QString userSettingsFile() const;
    QSettings* userSettings() const;
    QSettings* globalSettings() const;
    /*! Throws the settings objects away and reads the files again, as a new start would. */
    void reloadSettings();

    MainWindow* createMainWindow();
    void deleteMainWindow();

private:
    QTemporaryDir m_folder;
    std::unique_ptr<ExtensionSystem::PluginManager> m_pluginManager;
    MainWindow* m_mainWindow = nullptr;
};

#endif
