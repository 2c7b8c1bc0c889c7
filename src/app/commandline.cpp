// SPDX-License-Identifier: MIT
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
    const QCommandLineOption exportHtml5(
        QStringLiteral("export-html5"),
        QCoreApplication::translate(
            "main", "Export the project <file> as a web page into <folder> and quit, without a "
                    "window. Takes the two as arguments: --export-html5 <file> <folder>."));
    const QCommandLineOption exportVideo(
        QStringLiteral("export-video"),
        QCoreApplication::translate(
            "main", "Export every scene of the project <file> as a video (.mp4 or .webm) and "
                    "quit, without a window. Takes the two as arguments: --export-video <file> "
                    "<video>."));
    parser.addOptions({settingsPath, screenshot, pluginPath, exportHtml5, exportVideo});
    parser.addPositionalArgument(QStringLiteral("files"),
                                 QCoreApplication::translate("main", "Project files to open."),
                                 QStringLiteral("[files...]"));
    parser.process(application);

    CommandLine result;
    result.settingsPath = parser.value(settingsPath);
    result.screenshotFile = parser.value(screenshot);
    result.pluginPaths = parser.values(pluginPath);
    result.files = parser.positionalArguments();
    if (parser.isSet(exportHtml5) && parser.isSet(exportVideo)) {
        result.error = QCoreApplication::translate(
            "main", "--export-html5 and --export-video cannot be given together.");
    } else if (parser.isSet(exportHtml5) || parser.isSet(exportVideo)) {
        const bool bHtml5 = parser.isSet(exportHtml5);
        result.exportKind = bHtml5 ? Export::Html5 : Export::Video;
        if (result.files.size() != 2) {
            result.error =
                bHtml5 ? QCoreApplication::translate(
                             "main", "--export-html5 needs a project file and an output folder.")
                       : QCoreApplication::translate(
                             "main", "--export-video needs a project file and a video file.");
        } else {
            result.exportProject = result.files.at(0);
            result.exportTarget = result.files.at(1);
        }
        // Nothing is opened in a window.
        result.files.clear();
    }
    return result;
}

bool CommandLine::requestsExport(int argc, char* argv[])
{
    for (int i = 1; i < argc; ++i) {
        const QByteArray argument(argv[i]);
        for (const char* option : {"export-html5", "export-video"})
            if (argument == QByteArray("--") + option || argument == QByteArray("-") + option)
                return true;
    }
    return false;
}
