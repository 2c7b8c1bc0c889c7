// SPDX-License-Identifier: MIT
#include "updateregistry.h"

#include "updater.h"

#include <QCoreApplication>
#include <QList>
#include <QStringList>

namespace {

// Kept in step by position: the updater at index i serves the URL at index i.
QStringList& registeredUrls()
{
    static QStringList urls;
    return urls;
}

QList<Updater*>& registeredUpdaters()
{
    static QList<Updater*> updaters;
    return updaters;
}

} // namespace

UpdateRegistry* UpdateRegistry::getInstance()
{
    // Built first so that they outlive the registry, whose destructor empties them.
    registeredUrls();
    registeredUpdaters();
    static UpdateRegistry instance;
    return &instance;
}

UpdateRegistry::~UpdateRegistry()
{
    registeredUrls().clear();
    // After the application object is gone the updaters' windows cannot be deleted safely;
    // the process is ending then and the memory goes with it.
    if (QCoreApplication::instance()) {
        for (Updater* updater : qAsConst(registeredUpdaters()))
            updater->deleteLater();
    }
    registeredUpdaters().clear();
}

Updater* UpdateRegistry::getUpdater(const QString& url) const
{
    QStringList& urls = registeredUrls();
    QList<Updater*>& updaters = registeredUpdaters();
    int index = urls.indexOf(url);
    if (index < 0) {
        auto* updater = new Updater;
        updater->setUrl(url);
        urls.append(url);
        updaters.append(updater);
        connect(updater, &Updater::checkingFinished, this, &UpdateRegistry::checkingFinished);
        connect(updater, &Updater::downloadFinished, this, &UpdateRegistry::downloadFinished);
        connect(updater, &Updater::appcastDownloaded, this, &UpdateRegistry::appcastDownloaded);
        index = urls.size() - 1;
    }
    return updaters.at(index);
}

bool UpdateRegistry::getNotifyOnUpdate(const QString& url) const
{
    return getUpdater(url)->notifyOnUpdate();
}

bool UpdateRegistry::getNotifyOnFinish(const QString& url) const
{
    return getUpdater(url)->notifyOnFinish();
}

bool UpdateRegistry::getUpdateAvailable(const QString& url) const
{
    return getUpdater(url)->updateAvailable();
}

bool UpdateRegistry::getDownloaderEnabled(const QString& url) const
{
    return getUpdater(url)->downloaderEnabled();
}

bool UpdateRegistry::usesCustomAppcast(const QString& url) const
{
    return getUpdater(url)->customAppcast();
}

bool UpdateRegistry::usesCustomInstallProcedures(const QString& url) const
{
    return getUpdater(url)->useCustomInstallProcedures();
}

QString UpdateRegistry::getOpenUrl(const QString& url) const
{
    return getUpdater(url)->openUrl();
}

QString UpdateRegistry::getChangelog(const QString& url) const
{
    return getUpdater(url)->changelog();
}

QString UpdateRegistry::getDownloadUrl(const QString& url) const
{
    return getUpdater(url)->downloadUrl();
}

QString UpdateRegistry::getLatestVersion(const QString& url) const
{
    return getUpdater(url)->latestVersion();
}

QString UpdateRegistry::getModuleName(const QString& url) const
{
    return getUpdater(url)->moduleName();
}

QString UpdateRegistry::getModuleVersion(const QString& url) const
{
    return getUpdater(url)->moduleVersion();
}

QString UpdateRegistry::getPlatformKey(const QString& url) const
{
    return getUpdater(url)->platformKey();
}

QString UpdateRegistry::getUserAgentString(const QString& url) const
{
    return getUpdater(url)->userAgentString();
}

void UpdateRegistry::checkForUpdates(const QString& url, bool bSilentIfNoUpdate)
{
    getUpdater(url)->checkForUpdates(bSilentIfNoUpdate);
}

void UpdateRegistry::setModuleName(const QString& url, const QString& name)
{
    getUpdater(url)->setModuleName(name);
}

void UpdateRegistry::setNotifyOnUpdate(const QString& url, bool notify)
{
    getUpdater(url)->setNotifyOnUpdate(notify);
}

void UpdateRegistry::setNotifyOnFinish(const QString& url, bool notify)
{
    getUpdater(url)->setNotifyOnFinish(notify);
}

void UpdateRegistry::setPlatformKey(const QString& url, const QString& platform)
{
    getUpdater(url)->setPlatformKey(platform);
}

void UpdateRegistry::setModuleVersion(const QString& url, const QString& version)
{
    getUpdater(url)->setModuleVersion(version);
}

void UpdateRegistry::setDownloaderEnabled(const QString& url, bool enabled)
{
    getUpdater(url)->setDownloaderEnabled(enabled);
}

void UpdateRegistry::setUserAgentString(const QString& url, const QString& agent)
{
    getUpdater(url)->setUserAgentString(agent);
}

void UpdateRegistry::setUseCustomAppcast(const QString& url, bool customAppcast)
{
    getUpdater(url)->setUseCustomAppcast(customAppcast);
}

void UpdateRegistry::setUseCustomInstallProcedures(const QString& url, bool custom)
{
    getUpdater(url)->setUseCustomInstallProcedures(custom);
}
