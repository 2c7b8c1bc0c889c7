// SPDX-License-Identifier: MIT
#include "iconset.h"

#include <QCommandLineParser>
#include <QGuiApplication>
#include <QTextStream>

int main(int argc, char* argv[])
{
    QGuiApplication app(argc, argv);
    QGuiApplication::setApplicationName("icongen");

    QCommandLineParser parser;
    parser.setApplicationDescription("Draws the Zenub Animate images and writes them, with "
                                     "their .qrc files, below the given source tree root.");
    parser.addHelpOption();
    parser.addPositionalArgument("root", "Root folder of the source tree to write into.");
    const QCommandLineOption checkOption(
        "check", "Only verify that the files below root match what would be written.");
    const QCommandLineOption sheetOption("sheet", "Also save a contact sheet of all images.",
                                         "file");
    parser.addOption(checkOption);
    parser.addOption(sheetOption);
    parser.process(app);

    QTextStream err(stderr);
    const QStringList args = parser.positionalArguments();
    if (args.size() != 1) {
        err << "usage: icongen [--check] [--sheet file.png] <root>\n";
        return 2;
    }

    const IconSet icons;
    QString error;
    if (!parser.isSet(checkOption) && !icons.write(args.first(), &error)) {
        err << "icongen: " << error << "\n";
        return 1;
    }
    if (!icons.verify(args.first(), &error)) {
        err << "icongen: " << error << "\n";
        return 1;
    }
    if (parser.isSet(sheetOption)) {
        const QString sheet = parser.value(sheetOption);
        if (!icons.contactSheet(4).save(sheet)) {
            err << "icongen: cannot write " << sheet << "\n";
            return 1;
        }
    }
    QTextStream(stdout) << icons.entries().size() << " files ok\n";
    return 0;
}
