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
            "main", "Export the project <file> (every scene in order, or --scene) as a video "
                    "(.mp4, .webm) or an animated picture (.gif, .webp, .apng) and quit, without "
                    "a window. Takes the two as arguments: --export-video <file> <video>."));
    const QCommandLineOption exportFrames(
        QStringLiteral("export-frames"),
        QCoreApplication::translate(
            "main", "Export the frames of the project <file> (every scene in order, or --scene) "
                    "as PNG pictures frame-00000.png... into <folder> and quit, without a window. "
                    "Takes the two as arguments: --export-frames <file> <folder>."));
    const QCommandLineOption exportLottie(
        QStringLiteral("export-lottie"),
        QCoreApplication::translate(
            "main", "Export the project <file> (every scene in order, or --scene) as one Lottie "
                    "animation (.json) and quit, without a window; what Lottie cannot carry is "
                    "listed. Takes the two as arguments: --export-lottie <file> <json>."));
    // The settings every export shares; the exporter checks their values.
    const QList<QCommandLineOption> settingOptions{
        {QStringLiteral("scene"),
         QCoreApplication::translate("main", "Export only the scene <name>, not every scene."),
         QCoreApplication::translate("main", "name")},
        {QStringLiteral("scale"),
         QCoreApplication::translate("main", "Export at <percent> of the stage size (50 to 200)."),
         QCoreApplication::translate("main", "percent")},
        {QStringLiteral("quality"),
         QCoreApplication::translate("main",
                                     "Quality of a video or WebP from 1 to 100 (default 80)."),
         QCoreApplication::translate("main", "percent")},
        {QStringLiteral("frames"),
         QCoreApplication::translate(
             "main", "Export only the frames <first>-<last>, counted from 0 over the exported "
                     "scenes; <first>- runs to the end."),
         QCoreApplication::translate("main", "range")},
        {QStringLiteral("plays"),
         QCoreApplication::translate(
             "main", "Play a page, GIF, WebP or APNG <count> times; 0 (the default) for ever."),
         QCoreApplication::translate("main", "count")},
        {QStringLiteral("transparent"),
         QCoreApplication::translate("main",
                                     "Leave the stage background out of a GIF, WebP or APNG.")},
        {QStringLiteral("click-url"),
         QCoreApplication::translate(
             "main", "Open <url> in a new window when the exported page is clicked (as its "
                     "clickTag)."),
         QCoreApplication::translate("main", "url")},
        {QStringLiteral("fallback-frame"),
         QCoreApplication::translate(
             "main", "Write frame <frame> as fallback.png beside the exported page, shown where "
                     "the animation cannot play."),
         QCoreApplication::translate("main", "frame")},
        {QStringLiteral("rewind"),
         QCoreApplication::translate(
             "main", "After the last of --plays, show the page's first frame, not its last.")}};
    parser.addOptions({settingsPath, screenshot, pluginPath, exportHtml5, exportVideo, exportFrames,
                       exportLottie});
    parser.addOptions(settingOptions);
    parser.addPositionalArgument(QStringLiteral("files"),
                                 QCoreApplication::translate("main", "Project files to open."),
                                 QStringLiteral("[files...]"));
    parser.process(application);

    CommandLine result;
    result.settingsPath = parser.value(settingsPath);
    result.screenshotFile = parser.value(screenshot);
    result.pluginPaths = parser.values(pluginPath);
    result.files = parser.positionalArguments();
    const int exports = int(parser.isSet(exportHtml5)) + int(parser.isSet(exportVideo)) +
                        int(parser.isSet(exportFrames)) + int(parser.isSet(exportLottie));
    for (const QCommandLineOption& option : settingOptions) {
        const QString name = option.names().constFirst();
        if (parser.isSet(option))
            result.exportSettings.insert(name, option.valueName().isEmpty()
                                                   ? QVariant(true)
                                                   : QVariant(parser.value(option)));
    }
    if (exports > 1) {
        result.error = QCoreApplication::translate(
            "main",
            "Only one of --export-html5, --export-video, --export-frames and --export-lottie "
            "can be given.");
    } else if (exports == 0 && !result.exportSettings.isEmpty()) {
        result.error = QCoreApplication::translate("main", "--%1 applies only to an export.")
                           .arg(result.exportSettings.firstKey());
    } else if (exports == 1) {
        result.exportKind = parser.isSet(exportHtml5)    ? Export::Html5
                            : parser.isSet(exportVideo)  ? Export::Video
                            : parser.isSet(exportFrames) ? Export::Frames
                                                         : Export::Lottie;
        if (result.files.size() != 2) {
            result.error =
                result.exportKind == Export::Html5
                    ? QCoreApplication::translate(
                          "main", "--export-html5 needs a project file and an output folder.")
                : result.exportKind == Export::Video
                    ? QCoreApplication::translate(
                          "main", "--export-video needs a project file and a video file.")
                : result.exportKind == Export::Frames
                    ? QCoreApplication::translate(
                          "main", "--export-frames needs a project file and an output folder.")
                    : QCoreApplication::translate(
                          "main", "--export-lottie needs a project file and a Lottie file.");
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
        for (const char* option :
             {"export-html5", "export-video", "export-frames", "export-lottie"})
            if (argument == QByteArray("--") + option || argument == QByteArray("-") + option)
                return true;
    }
    return false;
}
