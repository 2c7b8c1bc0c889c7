// SPDX-License-Identifier: MIT
#ifndef IRECENTFILESMANAGER_H
#define IRECENTFILESMANAGER_H

#include "core_export.h"
#include "plugin/isingleton.h"

#include <QStringList>

class IRecentFilesManager;
extern template class CORE_EXPORT ISingleton<IRecentFilesManager>;

/*!
    The recent projects, newest first and at most ten, kept under "Zenub/RecentProjects" in the
    user settings. Nothing is cached: every call reads the settings and every change writes
    them at once, so all callers see the same list.
*/
class CORE_EXPORT IRecentFilesManager : public ISingleton<IRecentFilesManager>
{
public:
    /*! The first getMaxRecentFiles() stored entries; remembers their number. */
    QStringList getRecentFiles();
    int getMaxRecentFiles();
    /*! The number of entries the last getRecentFiles() returned. */
    int getRecentFileCount();
    /*! Puts \a path first, drops other entries equal to it (case-sensitive), keeps ten. */
    void addRecentFile(const QString& path);
    /*! Removes the first entry equal to \a path and writes the list back. */
    void removeRecentFile(const QString& path);

private:
    friend class ISingleton<IRecentFilesManager>;
    IRecentFilesManager() = default;

    static QStringList readList();
    static void writeList(const QStringList& list);

    const int m_nMaxRecentFiles = 10;
    int m_nRecentFileCount = 0;
};

#endif
