// SPDX-License-Identifier: MIT
#include "recentprojectstatus.h"

#include <QFileInfo>

RecentProjectStatus recentProjectStatus(const QString& path, QString* blockingFolder)
{
    const QFileInfo file(path);
    if (file.exists())
        return RecentProjectStatus::Present;
    // A file below a folder we may not enter looks missing too; find the nearest folder that
    // exists and ask whether it can be listed and entered.
    QString folder = file.absolutePath();
    QString previous;
    while (!QFileInfo(folder).exists() && folder != previous) {
        previous = folder;
        folder = QFileInfo(folder).absolutePath();
    }
    if (blockingFolder)
        *blockingFolder = folder;
    const QFileInfo nearest(folder);
    if (!nearest.isReadable() || !nearest.isExecutable())
        return RecentProjectStatus::FolderUnreadable;
    if (folder != file.absolutePath()) {
        if (blockingFolder)
            *blockingFolder = file.absolutePath();
        return RecentProjectStatus::FolderMissing;
    }
    return RecentProjectStatus::Missing;
}
