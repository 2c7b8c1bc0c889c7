#include "commandline.h"

#include <QCommandLineParser>
#include <QCoreApplication>

CommandLine CommandLine::parse(const QCoreApplication& application)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QCoreApplication::translate("main", "Authoring of HTML5 animations."));
    // Qt's own "-platform" style: single-dash long names, so -settingspath works as documented.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption settingsPath(
        QStringLiteral("settingspath"),
        QCoreApplication::translate("main", "Keep user and global settings in <folder>."),
        QCoreApplication::translate("main", "folder"));
    const QCommandLineOption screenshot(
        QStringLiteral("screenshot"),
        QCoreApplication::translate(
            "main", "Save a picture of the main window to <file> once it is shown, then quit."),
        QCoreApplication::translate("main", "file"));
    const QCommandLineOption pluginPath(
        QStringLiteral("pluginpath"),
        QCoreApplication::translate("main", "Also load plugins from <folder>."),
        QCoreApplication::translate("main", "folder"));
    parser.addOptions({settingsPath, screenshot, pluginPath});
    parser.addPositionalArgument(QStringLiteral("files"),
                                 QCoreApplication::translate("main", "Project files to open."),
                                 QStringLiteral("[files...]"));
    parser.process(application);

    CommandLine result;
    result.settingsPath = parser.value(settingsPath);
    result.screenshotFile = parser.value(screenshot);
    result.pluginPaths = parser.values(pluginPath);
    result.files = parser.positionalArguments();
    return result;
}
