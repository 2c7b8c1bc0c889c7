// SPDX-License-Identifier: MIT
#include "instancetempfolder.h"

#include <extensionsystem/privatefolder.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
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
        removeTree(folder);
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
            removeTree(entry.absoluteFilePath());
    }
#else
    Q_UNUSED(parent)
#endif
}

bool InstanceTempFolder::removeTree(const QString& path)
{
    const QFileInfo root(path);
    const auto removeLink = [](const QString& link) {
        // A link to a folder is a folder entry on Windows; elsewhere it is a plain file.
        return QFile::remove(link) || QDir().rmdir(link);
    };
    if (root.isSymLink() || root.isJunction())
        return removeLink(path);
    if (!root.isDir())
        return !root.exists() || QFile::remove(path);

    const QFileInfoList entries = QDir(path).entryInfoList(
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::DirsFirst);
    for (const QFileInfo& entry : entries) {
        const QString entryPath = entry.absoluteFilePath();
        bool removed = false;
        if (entry.isSymLink() || entry.isJunction())
            removed = removeLink(entryPath);
        else if (entry.isDir())
            removed = removeTree(entryPath);
        else
            removed = QFile::remove(entryPath);
        if (!removed)
            return false;
    }
    return QDir().rmdir(path);
}
