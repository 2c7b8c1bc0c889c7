// SPDX-License-Identifier: MIT
#include "commandlineexport.h"

#include "commandline.h"

#include <extensionsystem/pluginmanager.h>

#include <QDir>
#include <QFileInfo>

#include <cstdio>

namespace {

void print(const QString& text)
{
    std::fprintf(stderr, "zenub-animate: %s\n", qPrintable(text));
    std::fflush(stderr);
}

// The exporter lives in the project plugin; the host knows only its name and its methods.
QObject* findExporter()
{
    for (QObject* object : ExtensionSystem::PluginManager::allObjects())
        if (object->objectName() == QLatin1String("Designer.ProjectExporter"))
            return object;
    return nullptr;
}

} // namespace

void CommandLineExport::printProgress(const QString& text)
{
    print(text);
}

int CommandLineExport::run(const CommandLine& commandLine)
{
    QObject* exporter = findExporter();
    if (!exporter) {
        print(tr("No loaded plugin can export projects."));
        return 1;
    }
    const QString project = QFileInfo(commandLine.exportProject).absoluteFilePath();
    const QString target = QFileInfo(commandLine.exportTarget).absoluteFilePath();
    const char* const method =
        commandLine.exportKind == CommandLine::Export::Html5    ? "exportHtml5"
        : commandLine.exportKind == CommandLine::Export::Video  ? "exportVideo"
        : commandLine.exportKind == CommandLine::Export::Frames ? "exportFrames"
                                                                : "exportLottie";
    print(tr("Exporting %1").arg(QDir::toNativeSeparators(project)));

    CommandLineExport reporter;
    // By signature: the exporter's class is not known to the host.
    connect(exporter, SIGNAL(progress(QString)), &reporter, SLOT(printProgress(QString)));
    QString error;
    const bool bCalled = QMetaObject::invokeMethod(exporter, method, Qt::DirectConnection,
                                                   Q_RETURN_ARG(QString, error),
                                                   Q_ARG(QString, project), Q_ARG(QString, target),
                                                   Q_ARG(QVariantMap, commandLine.exportSettings));
    if (!bCalled)
        error = tr("The project exporter does not offer this export.");
    if (!error.isEmpty()) {
        print(tr("Export failed: %1").arg(error));
        return 1;
    }
    print(tr("Exported to %1").arg(QDir::toNativeSeparators(target)));
    return 0;
}
