// SPDX-License-Identifier: MIT
#include "downloader.h"
#include "ui_downloader.h"

#include "downloadplacement.h"
#include "mainwindow/mainwindow.h"
#include "plugin/dpi.h"
#include "plugin/icore.h"
#include "plugin/iui.h"
#include "updatefeedentry.h"
#include "updaterlogging.h"
#include "updatetransfer.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QMessageBox>

namespace {

const QString kMessageTitle = QStringLiteral("Zenub Animate");

QString& downloadFolderPath()
{
    static QString path = QDir::homePath() + QStringLiteral("/Downloads/");
    return path;
}

} // namespace

Downloader::Downloader(QWidget* parent)
    : QWidget(parent)
    , m_ui(new Ui::Downloader)
    , m_transfer(new UpdateTransfer(this))
    , m_placement(std::make_unique<DownloadPlacement>())
{
    m_ui->setupUi(this);
    connect(m_transfer, &UpdateTransfer::progress, this, &Downloader::updateProgress);
    connect(m_transfer, &UpdateTransfer::completed, this, &Downloader::completeDownload);
    connect(m_transfer, &UpdateTransfer::failed, this, &Downloader::onTransferFailed);
    connect(m_transfer, &UpdateTransfer::stalled, this, &Downloader::onTransferStalled);
    connect(m_transfer, &UpdateTransfer::refused, this, [this](const QUrl& url) {
        qCWarning(lcUpdater).noquote() << "Refused to download update from" << url.toString();
        failDownload(refusedAddressText(url));
    });
    connect(m_transfer, &UpdateTransfer::writeFailed, this, [this](const QString& path) {
        failDownload(tr("Cannot write the update to %1.").arg(QDir::toNativeSeparators(path)));
    });

    setWindowFlags(Qt::Dialog | Qt::WindowCloseButtonHint);
    setWindowTitle(tr("Downloading Updates"));

    m_ui->openButton->setEnabled(false);
    m_ui->openButton->hide();
    connect(m_ui->stopButton, &QPushButton::clicked, this, &Downloader::cancelDownload);
    connect(m_ui->openButton, &QPushButton::clicked, this, &Downloader::installUpdate);

    const int dpi = Dpi::screenDpi(this);
    resize(Dpi::scaled(464, dpi), Dpi::scaled(167, dpi));
    const int margin = Dpi::scaled(12, dpi);
    m_ui->verticalLayout->setContentsMargins(margin, margin, margin, margin);
    m_ui->horizontalLayout_2->setContentsMargins(margin, margin, margin, margin);
    m_ui->updater_icon->setMinimumSize(Dpi::scaled(96, dpi), Dpi::scaled(96, dpi));
    const QPixmap icon = IUi::getInstance()->getPixmap(QStringLiteral("update"), IUi::Normal, 0,
                                                       QStringLiteral(":/designer/images/"), false);
    // Without the application's icon set the form's own picture stays.
    if (!icon.isNull())
        m_ui->updater_icon->setPixmap(icon);
    m_ui->progressBar->setMinimumSize(Dpi::scaled(320, dpi), 0);

    setFixedSize(minimumSizeHint());
}

Downloader::~Downloader()
{
    delete m_ui;
}

bool Downloader::useCustomInstallProcedures() const
{
    return m_useCustomProcedures;
}

void Downloader::setExpectedSha256(const QString& hexDigest)
{
    m_expectedSha256 = hexDigest.trimmed().toLower();
}

QString Downloader::downloadFolder()
{
    return downloadFolderPath();
}

void Downloader::setDownloadFolder(const QString& path)
{
    downloadFolderPath() = path;
}

QString Downloader::defaultFileName()
{
    return QStringLiteral("%1_Update.bin").arg(QStringLiteral("Zenub"));
}

bool Downloader::isWebAddress(const QUrl& url)
{
    return UpdateTransfer::isWebAddress(url);
}

QString Downloader::refusedAddressText(const QUrl& url)
{
    return tr("Cannot download the update from %1: only https addresses are allowed.")
        .arg(UpdateFeedEntry::shownAddress(url.toString()));
}

bool Downloader::isSafeFileName(const QString& name)
{
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String(".."))
        return false;
    // Separators of every platform, and what Windows refuses or reads as a device or stream.
    static const QString forbidden = QStringLiteral("/\\:*?\"<>|");
    for (const QChar c : name) {
        if (c.unicode() < 0x20 || forbidden.contains(c))
            return false;
    }
    return true;
}

QString Downloader::sizeText(qint64 bytes)
{
    if (bytes < 1024)
        return tr("%1 bytes").arg(bytes);
    if (bytes < 1048576)
        return tr("%1 KB").arg(bytes >> 10);
    return tr("%1 MB").arg(bytes >> 20);
}

QString Downloader::estimateText(qint64 seconds)
{
    const double estimate = static_cast<double>(seconds);
    if (estimate > 7200)
        return tr("About %1 hours").arg(static_cast<int>(estimate / 3600 + 0.5));
    if (estimate > 60) {
        const int minutes = static_cast<int>(estimate / 60 + 0.5);
        return minutes < 2 ? tr("About 1 minute") : tr("About %1 minutes").arg(minutes);
    }
    const int whole = static_cast<int>(estimate + 0.5);
    return whole < 2 ? tr("1 second") : tr("%1 seconds").arg(whole);
}

QString Downloader::timeRemainingText(qint64 received, qint64 total, quint32 elapsedSeconds)
{
    if (elapsedSeconds == 0)
        return QString();
    const qint64 rate = received / elapsedSeconds;
    // Fewer bytes than seconds so far: no whole-number rate to divide by.
    if (rate <= 0)
        return QString();
    return estimateText(total / rate);
}

void Downloader::setUrlId(const QString& url)
{
    m_url = url;
}

void Downloader::startDownload(const QUrl& url)
{
    beginTransfer(url);
}

void Downloader::setFileName(const QString& file)
{
    m_fileName = isSafeFileName(file) ? file : defaultFileName();
}

void Downloader::setUserAgentString(const QString& agent)
{
    m_userAgentString = agent;
}

void Downloader::setUseCustomInstallProcedures(bool custom)
{
    m_useCustomProcedures = custom;
}

void Downloader::beginTransfer(const QUrl& url)
{
    m_completed = false;
    m_downloadUrl = url;
    if (m_fileName.isEmpty())
        m_fileName = defaultFileName();

    m_ui->progressBar->setRange(0, 100);
    m_ui->progressBar->setValue(0);
    m_ui->stopButton->setText(tr("Stop"));
    m_ui->openButton->setEnabled(false);
    m_ui->openButton->hide();
    m_ui->downloadLabel->setText(tr("Downloading Updates"));
    m_ui->timeLabel->setText(tr("Time Remaining") + QStringLiteral(": ") + tr("Unknown"));

    if (!UpdateTransfer::isSecureAddress(url)) {
        qCWarning(lcUpdater).noquote() << "Refused to download update from" << url.toString();
        failDownload(refusedAddressText(url));
        return;
    }
    // Without a digest nothing would tell a tampered file from the real one.
    if (!UpdateFeedEntry::isSha256(m_expectedSha256)) {
        qCWarning(lcUpdater).noquote() << "Refused update without a checksum:" << url.toString();
        failDownload(tr("The update was refused: no checksum was published for it, so it "
                        "cannot be checked."));
        return;
    }
    QString error;
    if (!m_placement->prepare(downloadFolder(), m_fileName, &error)) {
        failDownload(error);
        return;
    }
    m_savedPath.clear();

    m_startTime = static_cast<quint32>(QDateTime::currentSecsSinceEpoch());
    m_transfer->setUserAgent(m_userAgentString);
    // A part file left by a stalled attempt at the same address is continued.
    m_transfer->start(url, m_placement->partPath());
    showNormal();
}

void Downloader::openDownload()
{
    const QString path = m_savedPath;
    if (!path.isEmpty() && QFile::exists(path)) {
        if (QDesktopServices::openUrl(QUrl::fromLocalFile(path)))
            QCoreApplication::quit();
        return;
    }
    QMessageBox box(QMessageBox::NoIcon, kMessageTitle, tr("Cannot find downloaded update!"),
                    QMessageBox::Close, this);
    box.setIconPixmap(IUi::getInstance()->getPixmap(QStringLiteral("critical"), IUi::Normal, 4,
                                                    QStringLiteral(":/designer/images/"), false));
    IUi::getInstance()->adjustMessageBox(&box);
    box.exec();
}

void Downloader::installUpdate()
{
    if (m_useCustomProcedures)
        return;
    m_ui->stopButton->setText(tr("Close"));
    m_ui->downloadLabel->setText(tr("Download complete!"));
    m_ui->timeLabel->setText(tr("The installer will open separately") + QStringLiteral("..."));

    QMessageBox box(QMessageBox::Question, kMessageTitle,
                    QStringLiteral("<h3>") +
                        tr("In order to install the update, you need to quit the application.") +
                        QStringLiteral("</h3>"),
                    QMessageBox::Ok | QMessageBox::Cancel, ICore::getMainWindow());
    box.setDefaultButton(QMessageBox::Ok);
    box.setInformativeText(tr("Click OK to begin installing the update."));
    if (box.exec() == QMessageBox::Ok) {
        openDownload();
        return;
    }
    m_ui->openButton->setEnabled(true);
    m_ui->openButton->show();
    m_ui->timeLabel->setText(tr("Click Open to apply the update."));
}

void Downloader::cancelDownload()
{
    if (!m_transfer->isRunning()) {
        hide();
        return;
    }
    QMessageBox box(QMessageBox::Question, kMessageTitle,
                    tr("Are you sure you want to cancel the download?"),
                    QMessageBox::Yes | QMessageBox::No, ICore::getMainWindow());
    if (box.exec() != QMessageBox::Yes)
        return;
    hide();
    // The transfer may have ended while the question was open.
    if (m_transfer->isRunning()) {
        m_transfer->cancel();
        close();
    }
}

void Downloader::saveFile(qint64 received, qint64 total)
{
    Q_UNUSED(received)
    Q_UNUSED(total)
    if (!m_completed)
        m_transfer->readAvailable();
}

void Downloader::calculateSizes(qint64 received, qint64 total)
{
    m_ui->downloadLabel->setText(tr("Downloading Updates") + QStringLiteral(" (") +
                                 sizeText(received) + QLatin1Char(' ') + tr("of") +
                                 QLatin1Char(' ') + sizeText(total) + QLatin1Char(')'));
}

void Downloader::updateProgress(qint64 received, qint64 total)
{
    if (total > 0) {
        m_ui->progressBar->setRange(0, 100);
        m_ui->progressBar->setValue(static_cast<int>(received * 100 / total));
        calculateSizes(received, total);
        calculateTimeRemaining(received, total);
        saveFile(received, total);
        return;
    }
    m_ui->progressBar->setRange(0, 0);
    m_ui->progressBar->reset();
    m_ui->downloadLabel->setText(tr("Downloading Updates") + QStringLiteral("..."));
    m_ui->timeLabel->setText(QStringLiteral("%1: %2").arg(tr("Time Remaining"), tr("Unknown")));
    // Without an announced size the data is still kept; the end of the transfer completes it.
    saveFile(received, total);
}

void Downloader::calculateTimeRemaining(qint64 received, qint64 total)
{
    const quint32 now = static_cast<quint32>(QDateTime::currentSecsSinceEpoch());
    const QString text = timeRemainingText(received, total, now - m_startTime);
    if (text.isEmpty())
        return;
    m_ui->timeLabel->setText(tr("Time Remaining") + QStringLiteral(": ") + text);
}

void Downloader::onTransferFailed(QNetworkReply::NetworkError code)
{
    qCInfo(lcUpdater).noquote() << QStringLiteral("Error downloading update: %1. Error code: %2")
                                       .arg(m_downloadUrl.toString())
                                       .arg(static_cast<int>(code));
    failDownload(tr("Cannot download update: %1.").arg(static_cast<int>(code)));
}

void Downloader::onTransferStalled(qint64 kept)
{
    m_completed = true;
    close();
    qCInfo(lcUpdater).noquote() << "Update download stalled after" << kept << "bytes";
    const QString message =
        kept > 0 ? tr("The update download stalled: nothing arrived for %1 seconds. The %2 "
                      "received so far are kept, and the next attempt continues from there.")
                       .arg(qMax(1, m_transfer->stallTimeout() / 1000))
                       .arg(sizeText(kept))
                 : tr("The update download stalled: nothing arrived for %1 seconds. Please try "
                      "again later.")
                       .arg(qMax(1, m_transfer->stallTimeout() / 1000));
    IUi::getInstance()->showWarning(ICore::getMainWindow(), kMessageTitle, message, QMessageBox::Ok,
                                    QMessageBox::Ok);
}

void Downloader::completeDownload()
{
    m_completed = true;
    // Hashed while it arrived; an empty expectation never matches.
    if (m_expectedSha256.isEmpty() ||
        QString::fromLatin1(m_transfer->sha256().toHex()) != m_expectedSha256) {
        qCWarning(lcUpdater).noquote()
            << "Downloaded update does not match its checksum:" << m_downloadUrl.toString();
        failDownload(tr("The downloaded update does not match its published checksum and "
                        "has been deleted."));
        return;
    }
    QString error;
    const QString saved = m_placement->place(&error);
    if (saved.isEmpty()) {
        failDownload(error);
        return;
    }
    m_savedPath = saved;
    emit downloadFinished(m_url, saved);
    installUpdate();
}

void Downloader::failDownload(const QString& message)
{
    m_completed = true;
    m_transfer->cancel();
    m_placement->discard();
    close();
    IUi::getInstance()->showWarning(ICore::getMainWindow(), kMessageTitle, message, QMessageBox::Ok,
                                    QMessageBox::Ok);
}
