// SPDX-License-Identifier: MIT
// The settings readers fed arbitrary INI text as the user settings file: recent projects,
// shortcuts and breakpoints are read (or ignored) without a crash, and what they keep is sane.
#include <actions/actionmanager.h>
#include <documents/documentmanager.h>
#include <extensionsystem/pluginmanager.h>
#include <mainwindow/menus/irecentfilesmanager.h>
#include <mainwindow/mainwindow.h>

#include <QApplication>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {
QTemporaryDir* folder = nullptr;
}

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    // Never destroyed: the fuzzer leaves through exit(), after which Qt must not tear down.
    new QApplication(*argc, *argv);
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
        if (type == QtFatalMsg)
            fprintf(stderr, "%s\n", qPrintable(text));
    });
    folder = new QTemporaryDir;
    static ExtensionSystem::PluginManager plugins;
    ExtensionSystem::PluginManager::setSettings(
        new QSettings(folder->filePath(QStringLiteral("first.ini")), QSettings::IniFormat));
    ExtensionSystem::PluginManager::setGlobalSettings(
        new QSettings(folder->filePath(QStringLiteral("global.ini")), QSettings::IniFormat));
    // The readers belong to the window's managers, as in the application.
    new MainWindow(nullptr);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString path = folder->filePath(QStringLiteral("user.ini"));
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) ||
            file.write(reinterpret_cast<const char*>(data), qint64(size)) != qint64(size))
            abort();
    }
    auto* settings = new QSettings(path, QSettings::IniFormat);
    ExtensionSystem::PluginManager::setSettings(settings);
    ActionManager::setSettings(settings);
    DocumentManager::setSettings(settings);

    if (IRecentFilesManager::getInstance()->getRecentFiles().size() > 10)
        abort();
    ActionManager::readFromSettings();
    DocumentManager::setHBreakpoints({});
    DocumentManager::setVBreakpoints({});
    DocumentManager::readSettings();
    return 0;
}
