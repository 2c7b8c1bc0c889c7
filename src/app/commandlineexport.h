// SPDX-License-Identifier: MIT
#ifndef COMMANDLINEEXPORT_H
#define COMMANDLINEEXPORT_H

#include <QObject>

struct CommandLine;

/*!
    Runs the export the command line asks for through the exporter a plugin put into the object
    pool, printing its progress to stderr. Called once the plugins are initialised.
*/
class CommandLineExport : public QObject
{
    Q_OBJECT
public:
    /*! The process's exit code: 0 when the export was written. */
    static int run(const CommandLine& commandLine);

private slots:
    void printProgress(const QString& text);
};

#endif
