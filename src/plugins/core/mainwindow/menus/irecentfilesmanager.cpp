// SPDX-License-Identifier: MIT
#include "irecentfilesmanager.h"

#include "plugin/icore.h"

#include <QSettings>

template class ISingleton<IRecentFilesManager>;

namespace {
const char keyRecentProjects[] = "Zenub/RecentProjects";
}

QStringList IRecentFilesManager::readList()
{
    const QSettings* settings = ICore::settings(QSettings::UserScope);
    if (!settings)
        return QStringList();
    return settings->value(QLatin1String(keyRecentProjects)).toStringList();
}

void IRecentFilesManager::writeList(const QStringList& list)
{
    if (QSettings* settings = ICore::settings(QSettings::UserScope))
        settings->setValue(QLatin1String(keyRecentProjects), list);
}

QStringList IRecentFilesManager::getRecentFiles()
{
    const QStringList files = readList().mid(0, m_nMaxRecentFiles);
    m_nRecentFileCount = files.size();
    return files;
}

int IRecentFilesManager::getMaxRecentFiles()
{
    return m_nMaxRecentFiles;
}

int IRecentFilesManager::getRecentFileCount()
{
    return m_nRecentFileCount;
}

void IRecentFilesManager::addRecentFile(const QString& path)
{
    QStringList list = readList();
    list.removeAll(path);
    list.prepend(path);
    while (list.size() > m_nMaxRecentFiles)
        list.removeLast();
    writeList(list);
}

void IRecentFilesManager::removeRecentFile(const QString& path)
{
    QStringList list = readList();
    list.removeOne(path);
    writeList(list);
}
