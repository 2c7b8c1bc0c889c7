#ifndef COMMANDLINE_H
#define COMMANDLINE_H

#include <QString>
#include <QStringList>

class QCoreApplication;

/*! What the host understood of its command line. */
struct CommandLine
{
    QString settingsPath;
    QString screenshotFile;
    QStringList pluginPaths;
    QStringList files;
    QString error;

    /*! Parses the arguments; --help and --version print and exit the process. */
    static CommandLine parse(const QCoreApplication& application);
};

#endif
