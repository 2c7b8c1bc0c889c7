// SPDX-License-Identifier: MIT
#ifndef RECENTPROJECTSTATUS_H
#define RECENTPROJECTSTATUS_H

#include "core_export.h"

#include <QString>

/*! Why a recent project cannot be opened, so the user is told the right thing. */
enum class RecentProjectStatus {
    Present,         //!< the file is there
    Missing,         //!< its folder is readable and the file is gone
    FolderMissing,   //!< its folder is gone: removed, or on a drive that is not connected
    FolderUnreadable //!< its folder, or one above it, may not be opened by this user
};

/*! The status of the project at \a path; \a blockingFolder receives the folder at fault. */
CORE_EXPORT RecentProjectStatus recentProjectStatus(const QString& path,
                                                    QString* blockingFolder = nullptr);

#endif
