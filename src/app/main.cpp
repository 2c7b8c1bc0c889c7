// SPDX-License-Identifier: MIT
#include "commandline.h"
#include "commandlineexport.h"
#include "screenshotter.h"
#include "settingscheck.h"
#include "singleinstance.h"

#include <appearance/ilanguagemanager.h>
#include <appearance/ithemesmanager.h>
#include <extensionsystem/pluginmanager.h>
#include <mainwindow/mainwindow.h>
#include <plugin/icore.h>
#include <plugin/iui.h>

#include <QApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QSettings>
#include <QTimer>
#include <QTranslator>

#include <cstdio>

namespace {

void printError(const QString& text)
{
    std::fprintf(stderr, "zenub-animate: %s\n", qPrintable(text));
}

// Catalogues of the stored language must be in place before any plugin creates a widget.
void installTranslations(QApplication* application)
{
    ILanguageManager& languages = ILanguageManager::getInstance();
    languages.setSettings(ExtensionSystem::PluginManager::settings());
    const QString langId = languages.getSaveLangId();
    if (langId.isEmpty())
        return;
    auto* own = new QTranslator(application);
    if (own->load(QStringLiteral("zenub_") + langId, ICore::resourcePath() + "/translations"))
        QApplication::installTranslator(own);
    else
        printError(QStringLiteral("no catalogue for the language \"%1\"").arg(langId));
    // "qt_" is Qt's meta catalogue: it pulls in the catalogues of the Qt modules.
    auto* qt = new QTranslator(application);
    if (qt->load(QStringLiteral("qt_") + langId,
                 QLibraryInfo::location(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(qt);
}

// --help and --version only print; they must work on a machine without a display.
void allowPrintingWithoutDisplay(int argc, char* argv[])
{
    if (qEnvironmentVariableIsSet("DISPLAY") || qEnvironmentVariableIsSet("WAYLAND_DISPLAY") ||
        qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        return;
    for (int i = 1; i < argc; ++i) {
        const QByteArray argument(argv[i]);
        if (argument == "-h" || argument == "--help" || argument == "-help" || argument == "-v" ||
            argument == "--version" || argument == "-version")
            qputenv("QT_QPA_PLATFORM", "offscreen");
    }
}

} // namespace

int main(int argc, char* argv[])
{
    allowPrintingWithoutDisplay(argc, argv);
    // Exports from scripts show no window and need no display.
    if (CommandLine::requestsExport(argc, argv))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // The web engine is loaded by plugins; it needs shared GL contexts from the very start.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication application(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Zenub"));
    QCoreApplication::setApplicationName(QStringLiteral("ZenubAnimate"));
    QCoreApplication::setApplicationVersion(QStringLiteral(ZENUB_VERSION));
    QGuiApplication::setApplicationDisplayName(QStringLiteral("Zenub Animate"));
    // Lets the desktop match the windows to the installed menu entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("com.korva.ZenubAnimate"));
    QApplication::setQuitOnLastWindowClosed(true);

    const CommandLine commandLine = CommandLine::parse(application);
    if (!commandLine.error.isEmpty()) {
        printError(commandLine.error);
        return 1;
    }
    const bool bExport = commandLine.exportKind != CommandLine::Export::None;

    if (!commandLine.settingsPath.isEmpty()) {
        const QString folder = QDir(commandLine.settingsPath).absolutePath();
        if (!QDir().mkpath(folder + QStringLiteral("/global"))) {
            printError(QStringLiteral("cannot create the settings folder %1").arg(folder));
            return 1;
        }
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, folder);
        QSettings::setPath(QSettings::IniFormat, QSettings::SystemScope,
                           folder + QStringLiteral("/global"));
    }

    SingleInstance instance(commandLine.settingsPath);
    // An export runs on its own, beside any running window.
    if (!bExport && instance.forwardToRunningInstance(QDir::currentPath(), commandLine.files))
        return 0;
    if (!bExport && !instance.errorString().isEmpty())
        printError(instance.errorString());
    if (!bExport && !instance.listen())
        printError(QStringLiteral("cannot listen for later starts; each start opens a window: %1")
                       .arg(instance.errorString()));

    ExtensionSystem::PluginManager pluginManager;
    SettingsCheck settingsCheck;
    ExtensionSystem::PluginManager::setSettings(settingsCheck.openUserSettings());
    ExtensionSystem::PluginManager::setGlobalSettings(
        new QSettings(QSettings::IniFormat, QSettings::SystemScope, QStringLiteral("Zenub"),
                      QStringLiteral("ZenubAnimate")));
    ExtensionSystem::PluginManager::setArguments(commandLine.files);
    installTranslations(&application);

    ExtensionSystem::PluginManager::setPluginPaths(
        QStringList(QDir::cleanPath(QCoreApplication::applicationDirPath() +
                                    QStringLiteral("/../lib/zenub/plugins"))) +
        commandLine.pluginPaths);
    if (!ExtensionSystem::PluginManager::loadPlugins()) {
        for (const QString& error : ExtensionSystem::PluginManager::errors())
            printError(error);
        printError(QStringLiteral("a required plugin failed; cannot start"));
        return 2;
    }
    if (bExport) {
        const int result = CommandLineExport::run(commandLine);
        ExtensionSystem::PluginManager::shutdown();
        return result;
    }

    // The theme also installs the application style; a new density rescales the sheet.
    IThemesManager::getInstance().initialize();
    if (MainWindow* window = ICore::getMainWindow())
        QObject::connect(window, &MainWindow::dpiChanged, window,
                         [] { IThemesManager::getInstance().processDPIChange(); });

    QObject::connect(&instance, &SingleInstance::remoteCall,
                     [](const QString& workingDirectory, const QStringList& arguments) {
                         ExtensionSystem::PluginManager::remoteArguments(
                             QStringList(), workingDirectory, arguments);
                     });

    if (!commandLine.screenshotFile.isEmpty()) {
        auto* screenshotter =
            new Screenshotter(ICore::getMainWindow(), commandLine.screenshotFile, &application);
        screenshotter->start();
    }

    if (!settingsCheck.notice().isEmpty()) {
        printError(settingsCheck.notice());
        // Once the window is up, so that the box has a parent and the user sees both.
        QTimer::singleShot(0, &application, [notice = settingsCheck.notice()] {
            IUi::getInstance()->showWarning(ICore::getMainWindow(),
                                            QGuiApplication::applicationDisplayName(), notice,
                                            QMessageBox::Ok, QMessageBox::Ok);
        });
    }

    const int result = QApplication::exec();
    ExtensionSystem::PluginManager::shutdown();
    if (QSettings* settings = ExtensionSystem::PluginManager::settings()) {
        settings->sync();
        if (settings->status() != QSettings::NoError)
            printError(QStringLiteral("the settings could not be written to %1")
                           .arg(QDir::toNativeSeparators(settings->fileName())));
    }
    return result;
}
