// SPDX-License-Identifier: MIT
#include "updatecheck.h"

#include "help/productinfo.h"
#include "mainwindow/mainwindow.h"
#include "plugin/icore.h"
#include "updater/updatefeedentry.h"
#include "updater/updateregistry.h"

#include <QSettings>

UpdateCheck::UpdateCheck(MainWindow* window)
    : QObject(window)
    , m_pWindow(window)
{
    m_startTimer.setSingleShot(true);
    connect(&m_startTimer, &QTimer::timeout, this, [this] {
        QSettings* settings = ICore::settings();
        if (settings && settings->value(checkAtStartKey(), true).toBool() &&
            isDue(settings->value(lastCheckKey()).toDateTime(), QDateTime::currentDateTimeUtc()))
            runCheck(false);
    });
    connect(UpdateRegistry::getInstance(), &UpdateRegistry::checkingFinished, this,
            &UpdateCheck::onCheckingFinished);
}

QString UpdateCheck::feedUrl()
{
    const QSettings* settings = ICore::settings();
    const QString stored =
        settings ? settings->value(feedUrlKey()).toString().trimmed() : QString();
    return stored.isEmpty() ? defaultFeedUrl() : stored;
}

QString UpdateCheck::platformKey()
{
#if defined(Q_OS_WIN)
    return QStringLiteral("windows");
#elif defined(Q_OS_MACOS)
    return QStringLiteral("macos");
#else
    return QStringLiteral("linux");
#endif
}

bool UpdateCheck::isDue(const QDateTime& last, const QDateTime& now)
{
    return !last.isValid() || last > now || last.secsTo(now) >= 24 * 60 * 60;
}

void UpdateCheck::checkNow()
{
    runCheck(true);
}

void UpdateCheck::scheduleAutomaticCheck(int delayMs)
{
    m_startTimer.start(delayMs);
}

void UpdateCheck::runCheck(bool bInteractive)
{
    const QString url = feedUrl();
    UpdateRegistry* registry = UpdateRegistry::getInstance();
    registry->setModuleName(url, ProductInfo::productName());
    registry->setModuleVersion(url, ProductInfo::version());
    registry->setPlatformKey(url, platformKey());
    registry->setDownloaderEnabled(url, true);
    // In the background nothing may pop up: the answer goes to the notification bar.
    registry->setNotifyOnUpdate(url, bInteractive);
    registry->setNotifyOnFinish(url, bInteractive);
    if (QSettings* settings = ICore::settings())
        settings->setValue(lastCheckKey(), QDateTime::currentDateTimeUtc());
    // The dialogs take over from the bar's offer.
    if (bInteractive && m_bOffered)
        m_pWindow->hideNotification();
    m_bOffered = false;
    m_bAutomaticPending = !bInteractive;
    m_pendingUrl = url;
    registry->checkForUpdates(url, !bInteractive);
}

void UpdateCheck::onCheckingFinished()
{
    // A redirect changes the URL the registry reports, so the question goes to the feed asked.
    if (!m_bAutomaticPending)
        return;
    m_bAutomaticPending = false;
    UpdateRegistry* registry = UpdateRegistry::getInstance();
    if (!registry->getUpdateAvailable(m_pendingUrl))
        return;
    m_pWindow->showNotification(
        tr("%1 %2 is available.")
            .arg(ProductInfo::productName(),
                 UpdateFeedEntry::shownVersion(registry->getLatestVersion(m_pendingUrl))),
        ZNNotificationBar::Info, tr("Update..."), true);
    m_bOffered = true;
    if (ZNNotificationBar* bar = m_pWindow->getNotificationBar())
        connect(bar, &ZNNotificationBar::buttonClicked, this, &UpdateCheck::checkNow);
}
