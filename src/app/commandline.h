// SPDX-License-Identifier: MIT
#ifndef COMMANDLINE_H
#define COMMANDLINE_H

#include <QString>
#include <QStringList>
#include <QVariantMap>

class QCoreApplication;

/*! What the host understood of its command line. */
struct CommandLine
{
    enum class Export { None, Html5, Video, Frames, Lottie };

    QString settingsPath;
    QString screenshotFile;
    QStringList pluginPaths;
    QStringList files;
    QString error;
    // --export-html5 PROJECT FOLDER, --export-video PROJECT FILE, --export-frames PROJECT FOLDER
    // and --export-lottie PROJECT FILE run without a window.
    Export exportKind = Export::None;
    QString exportProject;
    QString exportTarget;
    // The export settings given (--scene, --scale...), by the options' names; the exporter
    // checks them.
    QVariantMap exportSettings;

    /*! Parses the arguments; --help and --version print and exit the process. */
    static CommandLine parse(const QCoreApplication& application);
    /*! Whether the raw arguments ask for an export; read before the application exists. */
    static bool requestsExport(int argc, char* argv[]);
};

#endif
