#include "instancetempfolder.h"

#include "mainwindow.h"

#include <extensionsystem/privatefolder.h>

#include <QCoreApplication>
#include <QDir>
#include <QLoggingCategory>
#include <QRegularExpression>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <csignal>
#endif

Q_LOGGING_CATEGORY(lcTempFolder, "zenub.tempfolder")

namespace {
bool leftoversChecked = false;
}

QString InstanceTempFolder::name(qint64 processId)
{
    return QStringLiteral("run-%1").arg(processId);
}

QString InstanceTempFolder::path(QString* errorString)
{
    QString error;
    const QString parent = ExtensionSystem::PrivateFolder::path(&error);
    QString folder;
    if (!parent.isEmpty()) {
        if (!leftoversChecked) {
            leftoversChecked = true;
            removeLeftovers(parent);
        }
        folder = ExtensionSystem::PrivateFolder::makeFolder(
            parent, name(QCoreApplication::applicationPid()), &error);
    }
    if (folder.isEmpty()) {
        qCWarning(lcTempFolder).noquote() << error;
        if (errorString)
            *errorString = error;
    }
    return folder;
}

void InstanceTempFolder::remove()
{
    const QString parent = ExtensionSystem::PrivateFolder::path();
    if (parent.isEmpty())
        return;
    const QString folder = QDir(parent).filePath(name(QCoreApplication::applicationPid()));
    if (QFileInfo::exists(folder) || QFileInfo(folder).isSymLink())
        MainWindow::removeFolderTree(folder);
}

void InstanceTempFolder::removeLeftovers(const QString& parent)
{
#ifdef Q_OS_UNIX
    // Temporary folders and web channel addresses of instances that ended without cleaning up.
    const QRegularExpression pattern(QStringLiteral("^(run-|channel-)(\\d+)(\\.url)?$"));
    const QFileInfoList entries =
        QDir(parent).entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot);
    for (const QFileInfo& entry : entries) {
        const QRegularExpressionMatch match = pattern.match(entry.fileName());
        const qint64 processId = match.hasMatch() ? match.captured(2).toLongLong() : 0;
        // A process id in use again keeps its entries: they may be ours.
        if (processId > 0 && ::kill(pid_t(processId), 0) != 0 && errno == ESRCH)
            MainWindow::removeFolderTree(entry.absoluteFilePath());
    }
#else
    Q_UNUSED(parent)
#endif
}
