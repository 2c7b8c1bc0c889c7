// SPDX-License-Identifier: MIT
#include "mainwindow.h"

#include "actions/actionmanager.h"
#include "actions/contextmanager.h"
#include "documents/documentmanager.h"
#include "documents/editormanager.h"
#include "documents/idocument.h"
#include "focusreturn.h"
#include "help/helpmenu.h"
#include "imainmdiarea.h"
#include "mainwindow/frame/imainmenuwidget.h"
#include "mainwindow/frame/windowmanagercheck.h"
#include "mainwindow/menus/filecommands.h"
#include "mainwindow/menus/languagemenu.h"
#include "mainwindow/menus/mainmenus.h"
#include "mainwindow/menus/preferencescommand.h"
#include "mainwindow/menus/recentprojectsmenu.h"
#include "mainwindow/menus/savecommandstate.h"
#include "mainwindow/menus/workspacecommands.h"
#include "plugin/dpi.h"
#include "plugin/icore.h"
#include "plugin/iui.h"
#include "screenwatch.h"
#include "webchannel/channelserver.h"
#include "windowplacement.h"
#include "windowtitletracker.h"
#include <extensionsystem/instancetempfolder.h>

#include <extensionsystem/pluginmanager.h>

#include <QApplication>
#include <QCloseEvent>
#include <QDebug>
#include <QDockWidget>
#include <QDropEvent>
#include <QEvent>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QNetworkProxyFactory>
#include <QScreen>
#include <QStatusBar>
#include <QTimer>
#include <QWindow>
#include <QWindowStateChangeEvent>

#ifdef Q_OS_WIN
#include <qt_windows.h>
#endif

MainWindow::MainWindow(QWidget* parent)
    : ZNStyledFrame<QMainWindow>(parent, Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("MainWindow"));
    setAcceptDrops(true);
    // Every network request of the process, the update check included, uses the system proxy.
    QNetworkProxyFactory::setUseSystemConfiguration(true);

    // Web channel: the local server that web pages reach native objects through.
    m_pChannelServer = new ChannelServer();
    // Made at start, so that a temporary folder that cannot be trusted is reported at once.
    QString tempError;
    if (getDefaultTempPath(&tempError).isEmpty())
        QTimer::singleShot(0, this, [this, tempError] {
            showNotification(
                tr("Previews and temporary files cannot be written. %1").arg(tempError),
                ZNNotificationBar::Warning, QString(), true);
        });

    // Frame: the borders resize the window, so the status bar needs no grip.
    statusBar()->setSizeGripEnabled(false);
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint | Qt::WindowMinimizeButtonHint);
    setWindowIcon(QIcon(QStringLiteral(":/app/images/app_icon.ico")));
    setWindowTitle(QStringLiteral("Zenub Animate"));

    m_pCore = new ICore(this);
    m_pDocumentManager = new DocumentManager();
    m_pEditorManager = new EditorManager();
    m_pActionManager = new ActionManager();
    m_pContextManager = new ContextManager();
    ActionManager::initialize();
    DocumentManager::setSettings(ExtensionSystem::PluginManager::settings());
    DocumentManager::readSettings();

    new WindowTitleTracker(this);
    new FocusReturn(this);
    connect(m_pCore, &ICore::aboutToSaveSettings, this, [this] { WindowPlacement::save(this); });

    // Workspace: editors in tabs and, while none is open, the welcome page. The area publishes
    // the welcome page's bridge on the channel.
    m_pMdiArea = new IMainMdiArea(this);
    m_pMdiArea->setUpAsWorkspace();
    setContentsMargins(1, 1, 1, 1);
    connect(m_pMdiArea, &QMdiArea::subWindowActivated, this,
            &MainWindow::updateActivatedMdiSubFilePath);
    setCentralWidget(m_pMdiArea);

    // Title bar with the notification bar; the menus install the menu bar in it.
    m_pTitleBar = new IMainMenuWidget(
        this, QStringLiteral("Zenub Animate"),
        IUi::getInstance()->getIcon(QStringLiteral("icon"), 2, QStringLiteral(":/core/images/")));
    setMenuWidget(m_pTitleBar);

    // A first normal size for window systems that do not maximise (the window system keeps
    // the size the user gives it afterwards).
    WindowPlacement::setFirstSize(this);

    m_pScreenWatch = new ScreenWatch(this, [this] { return currentLogicalDpiX(); });

    m_pPreferences = std::make_unique<PreferencesCommand>();
    m_pMenus = new MainMenus(this);
    m_pMenus->build(m_pTitleBar);

    // Connected last: the title bar and the command icons follow a density change before the
    // window's own receiver runs.
    connect(qApp, &QApplication::focusChanged, this, &MainWindow::updateFocusWidget);
    connect(this, &MainWindow::dpiChanged, this, &MainWindow::onDPIChanged);
    if (QWindow* window = windowHandle())
        connect(window, &QWindow::screenChanged, this, &MainWindow::onScreenChanged);
    m_pScreenWatch->start();
}

MainWindow::~MainWindow()
{
    // The preferences pages may still reach the core services while they go.
    m_pPreferences.reset();

    disconnect(qApp, &QApplication::focusChanged, this, &MainWindow::updateFocusWidget);
    delete m_pDocumentManager;
    delete m_pEditorManager;
    delete m_pCore;

    // Web channel and density watch: nothing may reach the channel or the title bar any more.
    m_pScreenWatch->stop();
    disconnect(this, &MainWindow::dpiChanged, nullptr, nullptr);
    // The workspace area asks for the channel while it goes; it must find none.
    delete m_pChannelServer;
    m_pChannelServer = nullptr;
    delete m_pMdiArea;
    m_pMdiArea = nullptr;
}

bool MainWindow::init(QString* errorString)
{
    Q_UNUSED(errorString)
    return true;
}

void MainWindow::extensionsInitialized()
{
    const bool firstRun = IsFirstRun();
    if (!firstRun)
        WindowPlacement::restore(this);
    // A window manager maps a window maximised before it shows at its full size, so a first
    // start lays out and draws the window (and the welcome page's web view) once. Our own frame,
    // without a manager, can only size a window that is shown. Asking which it is costs a
    // connection to the window system of its own, so only a first start asks.
    const bool bMaximisedByManager = firstRun && WindowManagerCheck::maximizesWindows();
    if (bMaximisedByManager)
        setWindowState(windowState() | Qt::WindowMaximized);
    show();
    if (firstRun && !bMaximisedByManager)
        setWindowState(Qt::WindowMaximized);
    QTimer::singleShot(0, this, &MainWindow::openFilesPassedAsArguments);
    emit extsInitialized();
}

void MainWindow::aboutToShutdown()
{}

bool MainWindow::IsFirstRun()
{
    return WindowPlacement::isFirstRun();
}

void MainWindow::raiseUp()
{
    setWindowState(windowState() & ~Qt::WindowMinimized);
    raise();
    activateWindow();
}

void MainWindow::openFilesPassedAsArguments()
{
    for (const QString& file : ExtensionSystem::PluginManager::arguments())
        loadFile(file);
}

void MainWindow::updateFocusWidget(QWidget* old, QWidget* now)
{
    Q_UNUSED(old)
    // Opening a menu must not switch the commands shown in it to another context, nor must
    // any other pop-up (the command palette, a drop-down list) that closes back to where the
    // focus was.
    if (qobject_cast<QMenuBar*>(now) || qobject_cast<QMenu*>(now) ||
        (now && now->window()->windowType() == Qt::Popup))
        return;
    QWidget* focusWidget = QApplication::focusWidget();
    if (!focusWidget)
        return;
    const Context context = ContextManager::getActiveContext(focusWidget);
    if (!context.id.isEmpty())
        ActionManager::setContext(context.widget);
}

QWebChannel* MainWindow::getChannel()
{
    return m_pChannelServer ? m_pChannelServer->channel() : nullptr;
}

QWebSocketServer* MainWindow::getServer()
{
    return m_pChannelServer ? m_pChannelServer->server() : nullptr;
}

QUrl MainWindow::getChannelUrl() const
{
    return m_pChannelServer->url();
}

IMainMdiArea* MainWindow::getMdiArea()
{
    return m_pMdiArea;
}

void MainWindow::setWelcomeWidget(QWidget* widget)
{
    m_pMdiArea->setWelcomeWidget(widget);
}

void MainWindow::setVisibleWelcomeWidget(bool bVisible)
{
    QWidget* welcome = m_pMdiArea ? m_pMdiArea->getWelcomeWidget() : nullptr;
    if (!welcome)
        return;
    // Its own state, not whether it shows: the window itself may still be hidden.
    if (welcome->isHidden() == bVisible)
        welcome->setVisible(bVisible);
    if (m_pMenus)
        m_pMenus->workspaceCommands()->setWelcomeShown(bVisible);
    if (bVisible)
        emit m_pMdiArea->resetRecentFiles();
}

int MainWindow::getLogicalDotPerInchX() const
{
    return m_pScreenWatch->logicalDpiX();
}

ZNNotificationBar* MainWindow::getNotificationBar()
{
    return m_pTitleBar ? m_pTitleBar->getNotificationBar() : nullptr;
}

void MainWindow::showNotification(const QString& message, ZNNotificationBar::Type type,
                                  const QString& buttonText, bool closeFlag)
{
    if (!message.isEmpty())
        qInfo().noquote() << message;
    if (ZNNotificationBar* bar = getNotificationBar())
        bar->show(message, type, buttonText, closeFlag);
}

void MainWindow::hideNotification()
{
    if (ZNNotificationBar* bar = getNotificationBar())
        bar->hide();
}

void MainWindow::setWindowFilePath(const QString& filePath)
{
    // The system's task list shows the same title as the title bar.
    setWindowTitle(IMainMenuWidget::titleText(filePath));
    emit updateWindowFilePath(filePath);
}

void MainWindow::setWindowModified(bool bModified)
{
    emit updateModified(bModified);
}

int MainWindow::currentLogicalDpiX() const
{
    return Dpi::screenDpi(this);
}

void MainWindow::onScreenChanged()
{
    reapplyNativeFrame();
    m_pScreenWatch->screenChanged();
}

void MainWindow::moveEvent(QMoveEvent* event)
{
    Q_UNUSED(event)
    m_pScreenWatch->fixAutoHideTaskbar();
}

void MainWindow::resizeEvent(QResizeEvent* event)
{
    Q_UNUSED(event)
    m_pScreenWatch->fixAutoHideTaskbar();
}

bool MainWindow::nativeEvent(const QByteArray& eventType, void* message, long* result)
{
#ifdef Q_OS_WIN
    if (eventType == "windows_generic_MSG" &&
        static_cast<MSG*>(message)->message == 0x02E0 /* WM_DPICHANGED */)
        m_pScreenWatch->scheduleCheck();
#endif
    return ZNStyledFrame<QMainWindow>::nativeEvent(eventType, message, result);
}

void MainWindow::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::WindowStateChange && m_pTitleBar) {
        const auto* change = static_cast<QWindowStateChangeEvent*>(event);
        const bool wasMaximized = change->oldState() & Qt::WindowMaximized;
        const bool isMaximized = windowState() & Qt::WindowMaximized;
        if (wasMaximized != isMaximized)
            m_pTitleBar->updateMaximized(isMaximized);
    }
    QWidget::changeEvent(event);
}

bool MainWindow::isStyledFrameTitleBar(int x, int y) const
{
    return m_pTitleBar && m_pTitleBar->isTitleBarArea(x, y);
}

QToolBar* MainWindow::getFileToolbar() const
{
    return m_pMenus->fileToolbar();
}

void MainWindow::languageChanged(QAction* pAction)
{
    m_pMenus->languageMenu()->choose(pAction);
}

void MainWindow::onDPIChanged()
{
    m_pMenus->languageMenu()->refreshIcon();
}

IOptionsDlg* MainWindow::getOptionsDialog()
{
    return m_pPreferences->dialog();
}

void MainWindow::onPreferences()
{
    m_pPreferences->show();
}

void MainWindow::onHelpContents()
{
    m_pMenus->helpMenu()->showHelpContents();
}

void MainWindow::updateSaveAsMenu()
{
    if (m_pMenus)
        m_pMenus->saveState()->update();
}

void MainWindow::onEnabledSaveActionChanged(bool bDisabled)
{
    // The state is read from the active document, whichever stack sent the signal.
    Q_UNUSED(bDisabled)
    updateSaveAsMenu();
}

// Recent projects and the File commands live in classes of their own.

void MainWindow::updateRecentFileActions()
{
    if (m_pMenus)
        m_pMenus->recentProjects()->update();
}

void MainWindow::recentFileOpen()
{
    if (const auto* action = qobject_cast<const QAction*>(sender()))
        m_pMenus->recentProjects()->open(action->data().toString());
}

bool MainWindow::loadOpenedDocument(IDocument* pDoc, bool bAddToRecentFile)
{
    return m_pMenus->fileCommands()->loadOpenedDocument(pDoc, bAddToRecentFile);
}

bool MainWindow::loadFile(const QString& strFileName)
{
    return m_pMenus->fileCommands()->loadFile(strFileName);
}

void MainWindow::fileNew()
{
    m_pMenus->fileCommands()->newProject();
}

void MainWindow::fileOpen()
{
    m_pMenus->fileCommands()->open();
}

void MainWindow::fileSave()
{
    m_pMenus->fileCommands()->save();
}

void MainWindow::fileSaveAs()
{
    m_pMenus->fileCommands()->saveAs();
}

void MainWindow::fileClose()
{
    m_pMenus->fileCommands()->close();
}

void MainWindow::fileExit()
{
    close();
}

void MainWindow::onDocumentRequestClosing(bool bDeleteLater)
{
    m_pMenus->fileCommands()->documentRequestsClosing(qobject_cast<IDocument*>(sender()),
                                                      bDeleteLater);
}

void MainWindow::updateActivatedMdiSubFilePath(QMdiSubWindow* mdiSubWindow)
{
    if (!mdiSubWindow)
        return;
    emit updateModified(mdiSubWindow->isWindowModified());
    emit updateWindowFilePath(mdiSubWindow->windowFilePath());
}

void MainWindow::activationChangeFiltered()
{}

// Shutdown, drops, the temporary folder and the workspace.

void MainWindow::closeEvent(QCloseEvent* event)
{
    m_pCore->saveSettings();

    if (!m_pMenus->fileCommands()->closeAll()) {
        event->ignore();
        return;
    }
    removeDefaultTempDir();
    event->accept();
}

void MainWindow::forceQuit()
{
    m_pMenus->fileCommands()->closeAllWithoutAsking();
    QCoreApplication::quit();
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove:
        static_cast<QDragMoveEvent*>(event)->acceptProposedAction();
        return true;
    case QEvent::DragLeave:
        event->accept();
        return ZNStyledFrame<QMainWindow>::eventFilter(watched, event);
    case QEvent::Drop:
        return m_pMenus->fileCommands()->openDropped(static_cast<QDropEvent*>(event));
    default:
        return ZNStyledFrame<QMainWindow>::eventFilter(watched, event);
    }
}

QString MainWindow::getDefaultTempPath(QString* errorString) const
{
    return InstanceTempFolder::path(errorString);
}

void MainWindow::removeDefaultTempDir()
{
    InstanceTempFolder::remove();
}

bool MainWindow::removeFolderTree(const QString& path)
{
    return InstanceTempFolder::removeTree(path);
}

QList<QDockWidget*> MainWindow::getListDockWidgetsByArea(Qt::DockWidgetArea area)
{
    QList<QDockWidget*> docks;
    for (QDockWidget* dock : findChildren<QDockWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (dockWidgetArea(dock) == area)
            docks.append(dock);
    }
    return docks;
}
