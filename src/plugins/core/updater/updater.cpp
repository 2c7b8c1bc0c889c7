// SPDX-License-Identifier: MIT
#include "updater.h"

#include "downloader.h"
#include "mainwindow/mainwindow.h"
#include "plugin/dpi.h"
#include "plugin/icore.h"
#include "plugin/iui.h"
#include "updatefeedentry.h"
#include "updaterlogging.h"
#include "updatetransfer.h"
#include "znreleasenotedlg.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMessageBox>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>

namespace {

const int kTimeoutMs = 30000;
// A feed that keeps redirecting is treated like one that cannot be reached.
const int kMaxRedirects = 10;
const QString kMessageTitle = QStringLiteral("Zenub Animate");

} // namespace

Updater::Updater()
    : m_userAgentString(
          QStringLiteral("%1/%2 (Updater)")
              .arg(QCoreApplication::applicationName(), QCoreApplication::applicationVersion()))
    , m_moduleName(QCoreApplication::applicationName())
    , m_moduleVersion(QCoreApplication::applicationVersion())
{
    qRegisterMetaType<QNetworkReply*>();
    m_downloader = new Downloader(ICore::getMainWindow());
    m_manager = new QNetworkAccessManager;
    m_manager->setTransferTimeout(kTimeoutMs);
    // Redirects are followed here so that the feed's new address becomes the updater's.
    m_manager->setRedirectPolicy(QNetworkRequest::ManualRedirectPolicy);
    setPlatformKey(QStringLiteral("windows"));
    m_downloader->setUserAgentString(m_userAgentString);
    connect(m_downloader, &Downloader::downloadFinished, this, &Updater::downloadFinished);
    connect(m_manager, &QNetworkAccessManager::finished, this, &Updater::onReply);
}

Updater::~Updater()
{
    delete m_downloader;
    delete m_manager;
}

bool Updater::useCustomInstallProcedures() const
{
    return m_downloader && m_downloader->useCustomInstallProcedures();
}

bool Updater::compare(const QString& x, const QString& y)
{
    const QStringList xParts = x.split(QLatin1Char('.'));
    const QStringList yParts = y.split(QLatin1Char('.'));
    const int shared = qMin(xParts.size(), yParts.size());
    for (int i = 0; i < shared; ++i) {
        const int xValue = xParts.at(i).toInt(nullptr, 10);
        const int yValue = yParts.at(i).toInt(nullptr, 10);
        if (xValue != yValue)
            return xValue > yValue;
    }
    return xParts.size() > yParts.size();
}

QString Updater::fileNameFromUrl(const QString& downloadUrl)
{
    return downloadUrl.split(QLatin1Char('/')).constLast();
}

void Updater::checkForUpdates(bool bSilentIfNoUpdate)
{
    m_silentIfNoUpdate = bSilentIfNoUpdate;
    sendRequest(0);
}

void Updater::sendRequest(int redirects)
{
    const QUrl url(m_url, QUrl::TolerantMode);
    // A feed over plain http could name any download together with its checksum.
    if (!UpdateTransfer::isSecureAddress(url)) {
        qCWarning(lcUpdater).noquote() << "Update feed address refused:" << m_url;
        failCheck(tr("The update information may only come from a secure (https) address, "
                     "not from \"%1\".")
                      .arg(UpdateFeedEntry::shownAddress(m_url)));
        return;
    }
    QNetworkRequest request(url);
    if (!m_userAgentString.isEmpty())
        request.setRawHeader("User-Agent", m_userAgentString.toUtf8());
    // Checks may overlap, so each request carries its own count of redirects.
    request.setAttribute(QNetworkRequest::User, redirects);
    m_manager->get(request);
}

void Updater::setUrl(const QString& url)
{
    m_url = url;
}

void Updater::setModuleName(const QString& name)
{
    m_moduleName = name;
}

void Updater::setNotifyOnUpdate(bool notify)
{
    m_notifyOnUpdate = notify;
}

void Updater::setNotifyOnFinish(bool notify)
{
    m_notifyOnFinish = notify;
}

void Updater::setUserAgentString(const QString& agent)
{
    m_userAgentString = agent;
    if (m_downloader)
        m_downloader->setUserAgentString(agent);
}

void Updater::setModuleVersion(const QString& version)
{
    m_moduleVersion = version;
}

void Updater::setDownloaderEnabled(bool enabled)
{
    m_downloaderEnabled = enabled;
}

void Updater::setPlatformKey(const QString& platformKey)
{
    m_platform = platformKey;
}

void Updater::setUseCustomAppcast(bool customAppcast)
{
    m_customAppcast = customAppcast;
}

void Updater::setUseCustomInstallProcedures(bool custom)
{
    if (m_downloader)
        m_downloader->setUseCustomInstallProcedures(custom);
}

void Updater::onReply(QNetworkReply* reply)
{
    reply->deleteLater();

    const QUrl target = reply->attribute(QNetworkRequest::RedirectionTargetAttribute).toUrl();
    if (!target.isEmpty()) {
        const QUrl next = reply->url().resolved(target);
        const int redirects = reply->request().attribute(QNetworkRequest::User).toInt() + 1;
        if (redirects <= kMaxRedirects && UpdateTransfer::isSecureAddress(next)) {
            m_url = next.toString();
            sendRequest(redirects);
            return;
        }
        qCWarning(lcUpdater).noquote() << "Update feed redirect refused:" << next.toString();
        failCheck(tr("The update server sent the request elsewhere (%1).")
                      .arg(UpdateFeedEntry::shownAddress(next.toString())));
        return;
    }

    if (reply->error() != QNetworkReply::NoError) {
        failCheck(reply->errorString());
        return;
    }

    const QByteArray data = reply->readAll();
    if (m_customAppcast) {
        emit appcastDownloaded(m_url, data);
        emit checkingFinished(m_url);
        return;
    }

    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(data, &error);
    if (document.isNull()) {
        qCWarning(lcUpdater).noquote() << "Update feed is not valid JSON:" << error.errorString();
        failCheck(tr("The update information could not be read."));
        return;
    }

    const UpdateFeedEntry entry = UpdateFeedEntry::fromFeed(document, m_platform);
    m_openUrl = entry.openUrl;
    m_changelog = entry.changelog;
    m_downloadUrl = entry.downloadUrl;
    m_latestVersion = entry.latestVersion;
    m_sha256 = entry.sha256;

    const bool bNewer = compare(m_latestVersion, m_moduleVersion);
    // Refused before it is offered: an unchecked file must not be one click away.
    const QString refusal = bNewer ? entry.refusal() : QString();
    if (!refusal.isEmpty()) {
        qCWarning(lcUpdater).noquote() << "Update entry refused:" << refusal;
        failCheck(refusal, false);
        return;
    }
    finishCheck(bNewer);
}

void Updater::finishCheck(bool available)
{
    // The user dialogue runs inside, so the signal follows the user's answer.
    setUpdateAvailable(available);
    emit checkingFinished(m_url);
}

void Updater::failCheck(const QString& reason, bool bUnanswered)
{
    // Not knowing is not "up to date": a check the user asked for says what went wrong.
    m_updateAvailable = false;
    qCInfo(lcUpdater).noquote() << "Update check failed:" << reason;
    if (m_notifyOnFinish && !m_silentIfNoUpdate)
        IUi::getInstance()->showWarning(
            ICore::getMainWindow(), kMessageTitle,
            bUnanswered ? tr("Could not check for updates.\n%1").arg(reason) : reason,
            QMessageBox::Ok, QMessageBox::Ok);
    emit checkingFinished(m_url);
}

void Updater::setUpdateAvailable(bool available)
{
    m_updateAvailable = available;
    if (available)
        qCInfo(lcUpdater).noquote() << "New version:" << m_latestVersion;
    else
        qCInfo(lcUpdater).noquote() << "No updates available.";

    if (!available) {
        if (m_notifyOnFinish && !m_silentIfNoUpdate)
            showLatestVersionBox();
        return;
    }

    if (!m_notifyOnUpdate && !m_notifyOnFinish)
        return;
    ZNReleaseNoteDlg dialog(ICore::getMainWindow());
    dialog.setHeading(releaseHeading(m_moduleName, m_latestVersion));
    dialog.setReleaseNote(m_changelog);
    if (dialog.exec() != QDialog::Accepted)
        return;
    applyUpdate();
}

QString Updater::releaseHeading(const QString& moduleName, const QString& version)
{
    return tr("<b>%1 %2 has been released!</b>")
        .arg(moduleName.toHtmlEscaped(), UpdateFeedEntry::shownVersion(version).toHtmlEscaped());
}

void Updater::showLatestVersionBox()
{
    QMessageBox box(ICore::getMainWindow());
    box.setTextFormat(Qt::RichText);
    box.setWindowTitle(kMessageTitle);
    const int edge = IUi::messageIconEdge(Dpi::screenDpi());
    const QIcon icon = IUi::getInstance()->getIcon(QStringLiteral("information_32"), 0,
                                                   QStringLiteral(":/designer/images/"));
    box.setIconPixmap(icon.pixmap(edge, edge));
    box.setStandardButtons(QMessageBox::Close);
    box.setInformativeText(tr("No updates are available at the moment."));
    box.setText(QStringLiteral("<h3>") +
                tr("Congratulations! You are running the latest version of %1")
                    .arg(m_moduleName.toHtmlEscaped()) +
                QStringLiteral("</h3>"));
    box.exec();
}

void Updater::applyUpdate()
{
    if (!m_openUrl.isEmpty()) {
        if (refuseUnlessWebAddress(m_openUrl))
            return;
        QDesktopServices::openUrl(QUrl(m_openUrl));
        return;
    }
    if (refuseUnlessWebAddress(m_downloadUrl))
        return;
    if (m_downloaderEnabled && m_downloader) {
        m_downloader->setUrlId(m_url);
        m_downloader->setFileName(fileNameFromUrl(m_downloadUrl));
        m_downloader->setExpectedSha256(m_sha256);
        m_downloader->startDownload(QUrl(m_downloadUrl));
        return;
    }
    QDesktopServices::openUrl(QUrl(m_downloadUrl));
}

bool Updater::refuseUnlessWebAddress(const QString& address)
{
    // The feed decides what is opened; anything but a web page could start a local program.
    if (Downloader::isWebAddress(QUrl(address)))
        return false;
    qCWarning(lcUpdater).noquote() << "Refused update address:" << address;
    IUi::getInstance()->showWarning(
        ICore::getMainWindow(), kMessageTitle,
        tr("The update address \"%1\" was refused because it is not an http or https address.")
            .arg(UpdateFeedEntry::shownAddress(address)),
        QMessageBox::Ok, QMessageBox::Ok);
    return true;
}
