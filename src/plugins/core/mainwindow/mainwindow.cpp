#include "mainwindow.h"

#include "actions/actionmanager.h"
#include "actions/contextmanager.h"
#include "documents/documentmanager.h"
#include "documents/editormanager.h"
#include "imainmenuwidget.h"
#include "plugin/icore.h"
#include "plugin/iui.h"
#include "webchannel/websocketclientwrapper.h"
#include "webchannel/websockettransport.h"

#include <extensionsystem/pluginmanager.h>

#include <QApplication>
#include <QDesktopWidget>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <QMoveEvent>
#include <QScreen>
#include <QSettings>
#include <QStatusBar>
#include <QStyle>
#include <QTimer>
#include <QWebChannel>
#include <QWebSocketServer>
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

    // Web channel: the local server that web pages reach native objects through.
    m_pServer =
        new QWebSocketServer(QStringLiteral("ZNServer"), QWebSocketServer::NonSecureMode, this);
    if (!m_pServer->listen(QHostAddress::LocalHost, 0))
        qFatal("Failed to open web socket server.");
    m_pServerWrapper = new WebSocketClientWrapper(m_pServer);
    m_pChannel = new QWebChannel();
    m_clientConnection = connect(m_pServerWrapper, &WebSocketClientWrapper::clientConnected,
                                 m_pChannel, &QWebChannel::connectTo);

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

    connect(qApp, &QApplication::focusChanged, this, &MainWindow::updateFocusWidget);

    setContentsMargins(1, 1, 1, 1);

    // Title bar with the notification bar. The command set-up installs the real menu bar;
    // until then a plain one carries the icon and the window buttons.
    m_pTitleBar = new IMainMenuWidget(
        this, QStringLiteral("Zenub Animate"),
        IUi::getInstance()->getIcon(QStringLiteral("icon"), 2, QStringLiteral(":/core/images/")));
    setMenuWidget(m_pTitleBar);
    m_pTitleBar->installMenuBar(new QMenuBar(m_pTitleBar));

    // A first normal size for window systems that do not maximise (the window system keeps
    // the size the user gives it afterwards).
    if (const QScreen* screen = windowHandle() ? windowHandle()->screen() : nullptr) {
        const QRect available = screen->availableGeometry();
        const QSize size = available.size() * 3 / 4;
        setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size, available));
    }

    // Density and screen watch.
    m_nLogicalDpiX = currentLogicalDpiX();
    connect(&m_dpiCheckTimer, &QTimer::timeout, this, &MainWindow::onTimerDPICheck);
    if (QWindow* window = windowHandle())
        connect(window, &QWindow::screenChanged, this, &MainWindow::onScreenChanged);
    watchScreenDpi();
}

MainWindow::~MainWindow()
{
    disconnect(qApp, &QApplication::focusChanged, this, &MainWindow::updateFocusWidget);
    delete m_pDocumentManager;
    delete m_pEditorManager;
    delete m_pCore;

    // Web channel and density watch: nothing may reach the channel or the title bar any more.
    disconnect(m_clientConnection);
    disconnect(m_screenDpiConnection);
    m_dpiCheckTimer.stop();
    disconnect(&m_dpiCheckTimer, nullptr, this, nullptr);
    disconnect(this, &MainWindow::dpiChanged, nullptr, nullptr);
    const QHash<QString, QObject*> published = m_pChannel->registeredObjects();
    for (QObject* object : published)
        m_pChannel->deregisterObject(object);
    m_pServer->close();
    delete m_pServerWrapper;
    delete m_pChannel;
    delete m_pServer;
}

bool MainWindow::init(QString* errorString)
{
    Q_UNUSED(errorString)
    return true;
}

void MainWindow::extensionsInitialized()
{
    show();
    if (IsFirstRun())
        setWindowState(Qt::WindowMaximized);
    QTimer::singleShot(0, this, &MainWindow::openFilesPassedAsArguments);
    emit extsInitialized();
}

void MainWindow::aboutToShutdown()
{}

bool MainWindow::IsFirstRun()
{
    const QSettings* settings = ExtensionSystem::PluginManager::settings();
    if (!settings)
        return true;
    return !settings->childGroups().contains(QStringLiteral("Designer"), Qt::CaseInsensitive);
}

bool MainWindow::loadFile(const QString& strFileName)
{
    Q_UNUSED(strFileName)
    // No document type is known to the shell until a plugin supplies a factory for it.
    IUi::getInstance()->showInformation(this, QStringLiteral("Zenub Animate"),
                                        tr("Cannot open this file type."), QMessageBox::Ok,
                                        QMessageBox::Ok);
    return false;
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
    // Opening a menu must not switch the commands shown in it to another context.
    if (qobject_cast<QMenuBar*>(now) || qobject_cast<QMenu*>(now))
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
    return m_pChannel;
}

QWebSocketServer* MainWindow::getServer()
{
    return m_pServer;
}

int MainWindow::getLogicalDotPerInchX() const
{
    return m_nLogicalDpiX;
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
    if (const QWindow* window = windowHandle()) {
        if (const QScreen* screen = window->screen())
            return static_cast<int>(screen->logicalDotsPerInchX());
    }
    return QApplication::desktop()->logicalDpiX();
}

void MainWindow::onTimerDPICheck()
{
    const int dpi = currentLogicalDpiX();
    if (dpi == m_nLogicalDpiX)
        return;
    const int margin = ZNStyledFrameHelper::contentsMarginForDpi(dpi);
    setContentsMargins(margin, margin, margin, margin);
    m_nLogicalDpiX = dpi;
    // Stopped before the receivers run, so a receiver that spins the event loop sees no repeat.
    m_dpiCheckTimer.stop();
    emit dpiChanged(dpi);
}

void MainWindow::watchScreenDpi()
{
#ifndef Q_OS_WIN
    // Windows announces density changes with a message; elsewhere the screen does.
    disconnect(m_screenDpiConnection);
    const QWindow* window = windowHandle();
    if (QScreen* screen = window ? window->screen() : nullptr)
        m_screenDpiConnection = connect(screen, &QScreen::logicalDotsPerInchChanged, this,
                                        [this] { m_dpiCheckTimer.start(200); });
#endif
}

void MainWindow::onScreenChanged()
{
    reapplyNativeFrame();
#ifndef Q_OS_WIN
    watchScreenDpi();
    m_dpiCheckTimer.start(200);
#endif
}

void MainWindow::fixAutoHideTaskbar()
{
#ifdef Q_OS_WIN
    const QScreen* screen = windowHandle() ? windowHandle()->screen() : nullptr;
    if (!screen || !ZNStyledFrameHelper::coversAutoHiddenTaskbar(
                       screen->geometry(), screen->availableGeometry(), frameGeometry()))
        return;
    QTimer::singleShot(0, this, [this] {
        const QScreen* current = windowHandle() ? windowHandle()->screen() : nullptr;
        if (!current || !ZNStyledFrameHelper::coversAutoHiddenTaskbar(
                            current->geometry(), current->availableGeometry(), frameGeometry()))
            return;
        resize(ZNStyledFrameHelper::autoHideTaskbarSize(current->availableGeometry()));
        setWindowState(windowState() | Qt::WindowMaximized);
    });
#else
    // Other window managers keep a maximised window at the full available size and would undo
    // the shortened height at once, so the two would resize the window against each other.
#endif
}

void MainWindow::moveEvent(QMoveEvent* event)
{
    Q_UNUSED(event)
    fixAutoHideTaskbar();
}

void MainWindow::resizeEvent(QResizeEvent* event)
{
    Q_UNUSED(event)
    fixAutoHideTaskbar();
}

bool MainWindow::nativeEvent(const QByteArray& eventType, void* message, long* result)
{
#ifdef Q_OS_WIN
    if (eventType == "windows_generic_MSG" &&
        static_cast<MSG*>(message)->message == 0x02E0 /* WM_DPICHANGED */)
        m_dpiCheckTimer.start(200);
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
