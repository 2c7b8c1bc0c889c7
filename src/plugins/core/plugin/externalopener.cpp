// SPDX-License-Identifier: MIT
#include "externalopener.h"

#include "plugin/iui.h"

#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QPointer>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QUrl>

QString ExternalOpener::launcher()
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    return QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
#else
    // Elsewhere the system's own call answers at once whether anything took the address.
    return QString();
#endif
}

namespace {

// What the address being opened is, for the message should it fail.
struct Pending
{
    QUrl url;
    QString what;
    QPointer<QWidget> parent;
};
Pending& pending()
{
    static Pending value;
    return value;
}

const char* const kSchemes[] = {"http", "https", "file"};

} // namespace

ExternalOpener::ExternalOpener(QObject* owner)
    : QObject(owner)
{
    for (const char* scheme : kSchemes)
        QDesktopServices::setUrlHandler(QLatin1String(scheme), this, "launch");
}

void ExternalOpener::install(QObject* owner)
{
    new ExternalOpener(owner);
}

void ExternalOpener::open(const QUrl& url, const QString& what, QWidget* parent)
{
    pending() = {url, what, parent};
    if (!QDesktopServices::openUrl(url))
        showFailure(url, what, parent);
}

void ExternalOpener::launch(const QUrl& url)
{
    const Pending asked = pending();
    pending() = Pending();
    const QString what =
        asked.url == url ? asked.what : (url.isLocalFile() ? url.toLocalFile() : url.toString());
    const QPointer<QWidget> window = asked.url == url ? asked.parent : QPointer<QWidget>();
    const QString program = launcher();
    if (program.isEmpty()) {
        // Called from the handler, this reaches the system's own opener.
        if (!QDesktopServices::openUrl(url))
            showFailure(url, what, window);
        return;
    }
    // Owned by the application: the program it starts may outlive the widget that asked.
    auto* process = new QProcess(qApp);
    process->setProgram(program);
    process->setArguments(
        {url.isLocalFile() ? url.toLocalFile() : url.toString(QUrl::FullyEncoded)});
    // The program the launcher starts keeps running on its own; it must not write into a pipe
    // nobody reads.
    process->setStandardOutputFile(QProcess::nullDevice());
    process->setStandardErrorFile(QProcess::nullDevice());
    QObject::connect(process, &QProcess::errorOccurred, process,
                     [process, url, what, window](QProcess::ProcessError error) {
                         if (error != QProcess::FailedToStart)
                             return;
                         process->deleteLater();
                         showFailure(url, what, window);
                     });
    QObject::connect(process, QOverload<int, QProcess::ExitStatus>::of(&QProcess::finished),
                     process, [process, url, what, window](int code, QProcess::ExitStatus status) {
                         process->deleteLater();
                         if (status != QProcess::NormalExit || code != 0)
                             showFailure(url, what, window);
                     });
    process->start();
}

void ExternalOpener::showFailure(const QUrl& url, const QString& what, QWidget* parent)
{
    const bool bFile = url.isLocalFile();
    const QString address =
        bFile ? QDir::toNativeSeparators(url.toLocalFile()) : url.toString(QUrl::FullyEncoded);
    QMessageBox box(
        QMessageBox::Warning, QStringLiteral("Zenub Animate"),
        QApplication::translate("ExternalOpener", "Zenub Animate could not open %1.").arg(what),
        QMessageBox::Close, parent ? parent->window() : QApplication::activeWindow());
    box.setObjectName(QStringLiteral("openFailure"));
    box.setInformativeText(
        (bFile ? QApplication::translate("ExternalOpener",
                                         "No program is set up to show this file:\n%1")
               : QApplication::translate("ExternalOpener",
                                         "No browser is set up to show this address:\n%1"))
            .arg(address));
    QPushButton* copy = box.addButton(QApplication::translate("ExternalOpener", "&Copy Address"),
                                      QMessageBox::ActionRole);
    copy->setObjectName(QStringLiteral("copyAddressButton"));
    QPushButton* folder = nullptr;
    if (bFile && QFileInfo(url.toLocalFile()).isFile()) {
        folder = box.addButton(QApplication::translate("ExternalOpener", "Show in &Folder"),
                               QMessageBox::ActionRole);
        folder->setObjectName(QStringLiteral("showInFolderButton"));
    }
    box.setDefaultButton(QMessageBox::Close);
    IUi::getInstance()->adjustMessageBox(&box);
    box.exec();
    if (box.clickedButton() == copy)
        QApplication::clipboard()->setText(address);
    else if (folder && box.clickedButton() == folder)
        showInFolder(url.toLocalFile(), parent);
}

void ExternalOpener::showInFolder(const QString& file, QWidget* parent)
{
    const QString folder = QFileInfo(file).absolutePath();
    open(QUrl::fromLocalFile(folder),
         QApplication::translate("ExternalOpener", "the folder %1")
             .arg(QDir::toNativeSeparators(folder)),
         parent);
}
