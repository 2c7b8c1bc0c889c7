// SPDX-License-Identifier: MIT
#include "imainmdiarea.h"

#include "actions/actionmanager.h"
#include "actions/contextaction.h"
#include "appearance/ilanguagemanager.h"
#include "mainwindow.h"
#include "mainwindow/menus/filecommands.h"
#include "mainwindow/menus/irecentfilesmanager.h"
#include "mainwindow/welcome/znhtmlexposingwelcome.h"
#include "plugin/externalopener.h"
#include "plugin/icore.h"
#include "plugin/iui.h"

#include <QAction>
#include <QDebug>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QTabBar>
#include <QUrl>
#include <QWebChannel>

namespace {
const char welcomeObjectName[] = "znwelcome";
QString title()
{
    return QStringLiteral("Zenub Animate");
}
} // namespace

IMainMdiArea::IMainMdiArea(MainWindow* parent)
    : QMdiArea(parent)
{
    if (parent)
        installEventFilter(parent);
    setAcceptDrops(true);
    m_pWelcome = new ZNHTMLExposingWelcome(this);
    connect(this, &IMainMdiArea::resetRecentFiles, m_pWelcome,
            &ZNHTMLExposingWelcome::resetRecentFiles);
    if (parent && parent->getChannel())
        parent->getChannel()->registerObject(QLatin1String(welcomeObjectName), m_pWelcome);
}

IMainMdiArea::~IMainMdiArea()
{
    // The channel outlives the area only while the main window is being torn down.
    if (MainWindow* window = ICore::getMainWindow())
        if (QWebChannel* channel = window->getChannel())
            channel->deregisterObject(m_pWelcome);
}

void IMainMdiArea::setUpAsWorkspace()
{
    setViewMode(QMdiArea::TabbedView);
    setDocumentMode(true);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setWindowIcon(QIcon(QStringLiteral(":/app/images/project_icon.ico")));
    setFocusPolicy(Qt::ClickFocus);
    if (auto* tabBar = findChild<QTabBar*>(QString(), Qt::FindDirectChildrenOnly)) {
        tabBar->setExpanding(false);
        tabBar->setTabsClosable(true);
        QFont font = tabBar->font();
        font.setBold(true);
        tabBar->setFont(font);
        tabBar->setDrawBase(false);
    }
}

void IMainMdiArea::setWelcomeWidget(QWidget* widget)
{
    m_pWelcomeWidget = widget;
    if (widget && ICore::getMainWindow())
        widget->installEventFilter(ICore::getMainWindow());
}

QWidget* IMainMdiArea::getWelcomeWidget() const
{
    return m_pWelcomeWidget;
}

ZNHTMLExposingWelcome* IMainMdiArea::getWelcomeObject() const
{
    return m_pWelcome;
}

QVariantMap IMainMdiArea::resourceUrls()
{
    static const QVariantMap urls = {
        {QStringLiteral("homepage"), QStringLiteral("https://zenub.korva.example/")},
        {QStringLiteral("community"), QStringLiteral("https://community.zenub.korva.example/")},
        {QStringLiteral("demo"), QStringLiteral("https://zenub.korva.example/demos/")},
        {QStringLiteral("youtube"), QStringLiteral("https://www.youtube.com/@KorvaZenub")},
        {QStringLiteral("facebook"), QStringLiteral("https://www.facebook.com/KorvaZenub")},
    };
    return urls;
}

bool IMainMdiArea::isWebLink(const QString& strURL)
{
    return strURL.startsWith(QLatin1String("http://")) ||
           strURL.startsWith(QLatin1String("https://"));
}

void IMainMdiArea::showInExplorer(QString strFileName)
{
    const QString folder = QFileInfo(strFileName).path();
    if (folder.isEmpty())
        return;
    if (QFileInfo::exists(strFileName)) {
        // fromLocalFile gives "file:///C:/..." on Windows and a valid "file:///home/..." here.
        if (!QDesktopServices::openUrl(QUrl::fromLocalFile(QFileInfo(folder).absoluteFilePath()))) {
            IUi::getInstance()->showWarning(this, title(),
                                            tr("Could not open file %1.").arg(strFileName),
                                            QMessageBox::Ok, QMessageBox::Ok);
        }
        return;
    }
    const QMessageBox::StandardButton answer = IUi::getInstance()->showQuestion(
        this, title(),
        tr("The project [%1] no longer exists.\nDo you want to remove this entry from history?")
            .arg(strFileName),
        QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes);
    if (answer == QMessageBox::Yes)
        removeFile(strFileName);
}

void IMainMdiArea::removeFile(QString strFile)
{
    IRecentFilesManager::getInstance()->removeRecentFile(strFile);
    if (MainWindow* window = ICore::getMainWindow())
        QMetaObject::invokeMethod(window, "updateRecentFileActions");
    emit resetRecentFiles();
}

QStringList IMainMdiArea::getRecentFileList()
{
    return IRecentFilesManager::getInstance()->getRecentFiles();
}

void IMainMdiArea::callbackTunnelAsync(QString cmd)
{
    // Emitted directly, so a page can run a command whose menu entry is disabled.
    if (ContextAction* command = ActionManager::getAction(cmd))
        if (QAction* proxy = command->getAction())
            emit proxy->triggered(true);
}

QString IMainMdiArea::callbackAsyncfromJS(QString cmd, QString str)
{
    Q_UNUSED(str)
    if (cmd == QLatin1String("WelcomeScreen.getLocale"))
        return ILanguageManager::getInstance().getCurrentLangId();
    if (cmd == QLatin1String("WelcomeScreen.getBuildNumber"))
        return QStringLiteral("3.0.1");
    return QString();
}

void IMainMdiArea::openURL(QString strURL)
{
    if (isWebLink(strURL)) {
        ExternalOpener::open(QUrl(strURL), tr("the link"), this);
        return;
    }
    IUi::getInstance()->showInformation(ICore::getMainWindow(), title(),
                                        QStringLiteral("URL: ") + strURL, QMessageBox::Ok,
                                        QMessageBox::Ok);
}

void IMainMdiArea::openFile(QString strFile)
{
    const QString path = QDir::cleanPath(QDir(ICore::resourcePath()).absoluteFilePath(strFile));
    const QFileInfo file(path);
    // Any client with the channel's token may call this: it opens projects and nothing else,
    // never a program, a script or a launcher through the desktop.
    if (!FileCommands::factoryForSuffix(file.suffix().toLower())) {
        qWarning().noquote() << "Refused to open a file that is no project:" << path;
        IUi::getInstance()->showWarning(
            ICore::getMainWindow(), title(),
            tr("%1 was not opened: only projects can be opened from the welcome page.")
                .arg(QDir::toNativeSeparators(path)),
            QMessageBox::Ok, QMessageBox::Ok);
        return;
    }
    if (!file.exists() && !file.isSymLink()) {
        IUi::getInstance()->showInformation(ICore::getMainWindow(), title(),
                                            tr("Could not find the requested file.") +
                                                QLatin1Char('\n') + path,
                                            QMessageBox::Ok, QMessageBox::Ok);
        return;
    }
    // The loader refuses folders, devices and pipes with its own message.
    if (MainWindow* window = ICore::getMainWindow())
        window->loadFile(path);
}
