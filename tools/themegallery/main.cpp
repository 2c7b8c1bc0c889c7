// SPDX-License-Identifier: MIT
// Renders the theme gallery with a shipped theme, for looking at a theme outside the application.
//   theme_gallery <theme id> <picture file> [style folder]

#include "themegallery.h"

#include <appearance/ithemesmanager.h>
#include <extensionsystem/pluginmanager.h>

#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>

#include <cstdio>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() < 3) {
        std::fprintf(stderr, "usage: theme_gallery <theme id> <picture file> [style folder]\n");
        return 1;
    }
    const QString folder =
        arguments.size() > 3 ? arguments.at(3) : QStringLiteral(ZENUB_STYLES_DIR "/");

    QTemporaryDir settingsFolder;
    ExtensionSystem::PluginManager pluginManager;
    ExtensionSystem::PluginManager::setSettings(
        new QSettings(settingsFolder.filePath(QStringLiteral("user.ini")), QSettings::IniFormat));
    ExtensionSystem::PluginManager::settings()->setValue(QStringLiteral("Zenub/Theme"),
                                                         arguments.at(1));
    if (!IThemesManager::getInstance().initialize(folder)) {
        std::fprintf(stderr, "no theme \"%s\" in %s\n", qPrintable(arguments.at(1)),
                     qPrintable(folder));
        return 1;
    }
    ThemeGallery gallery;
    if (!gallery.render().save(arguments.at(2))) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(arguments.at(2)));
        return 1;
    }
    return 0;
}
