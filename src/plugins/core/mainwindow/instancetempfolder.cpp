#include "instancetempfolder.h"

#include "mainwindow.h"

#include <extensionsystem/privatefolder.h>

#include <QCoreApplication>
#include <QDir>
#include <QLoggingCategory>

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
    const QStringList runs =
        QDir(parent).entryList({QStringLiteral("run-*")}, QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString& run : runs) {
        bool isNumber = false;
        const qint64 processId = run.mid(4).toLongLong(&isNumber);
        // A process id of ours that is in use again keeps its folder: it may be ours.
        if (isNumber && processId > 0 && ::kill(pid_t(processId), 0) != 0 && errno == ESRCH)
            MainWindow::removeFolderTree(QDir(parent).filePath(run));
    }
#else
    Q_UNUSED(parent)
#endif
}
