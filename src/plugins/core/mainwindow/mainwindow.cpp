#include "mainwindow.h"

#include "actions/actioncontainer.h"
#include "actions/actionmanager.h"
#include "actions/contextaction.h"
#include "actions/contextmanager.h"
#include "appearance/ilanguagemanager.h"
#include "documents/documentmanager.h"
#include "documents/editormanager.h"
#include "documents/icreatedocumentdlg.h"
#include "documents/idocument.h"
#include "documents/idocumentfactory.h"
#include "documents/ieditor.h"
#include "editcommands.h"
#include "filecommands.h"
#include "helpmenu.h"
#include "imainmdiarea.h"
#include "imainmenuwidget.h"
#include "instancetempfolder.h"
#include "irecentfilesmanager.h"
#include "languagemenu.h"
#include "options/ioptionsdlg.h"
#include "options/keyboardoptionpage.h"
#include "plugin/dpi.h"
#include "plugin/icore.h"
#include "plugin/iui.h"
#include "recentprojectsmenu.h"
#include "savecommandstate.h"
#include "webchannel/channelaccess.h"
#include "webchannel/websocketclientwrapper.h"
#include "webchannel/websockettransport.h"
#include "windowtitletracker.h"
#include "workspacecommands.h"

#include <extensionsystem/pluginmanager.h>

#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QDesktopWidget>
#include <QDir>
#include <QDockWidget>
#include <QDropEvent>
#include <QEvent>
#include <QFileInfo>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QMoveEvent>
#include <QNetworkProxyFactory>
#include <QPointer>
#include <QReadLocker>
#include <QScreen>
#include <QSettings>
#include <QStatusBar>
#include <QStyle>
#include <QTabBar>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QUndoGroup>
#include <QUndoStack>
#include <QUrl>
#include <QWebChannel>
#include <QWebSocketServer>
#include <QWindow>
#include <QWindowStateChangeEvent>

#ifdef Q_OS_WIN
#include <qt_windows.h>
#endif

namespace {
const char geometryKey[] = "MainWindow/Geometry";
}

MainWindow::MainWindow(QWidget* parent)
    : ZNStyledFrame<QMainWindow>(parent, Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("MainWindow"));
    setAcceptDrops(true);
    // Every network request of the process, the update check included, uses the system proxy.
    QNetworkProxyFactory::setUseSystemConfiguration(true);

    // Web channel: the local server that web pages reach native objects through.
    m_pServer =
        new QWebSocketServer(QStringLiteral("ZNServer"), QWebSocketServer::NonSecureMode, this);
    if (!m_pServer->listen(QHostAddress::LocalHost, 0))
        qFatal("Failed to open web socket server.");
    m_pServerWrapper = new WebSocketClientWrapper(m_pServer);
    m_pChannelAccess = new ChannelAccess(m_pServer->serverPort(), this);
    m_pServerWrapper->setAccessToken(m_pChannelAccess->token());
    // Made at start, so that a temporary folder that cannot be trusted is reported at once.
    QString tempError;
    if (getDefaultTempPath(&tempError).isEmpty())
        QTimer::singleShot(0, this, [this, tempError] {
            showNotification(
                tr("Previews and temporary files cannot be written. %1").arg(tempError),
                ZNNotificationBar::Warning, QString(), true);
        });
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

    new WindowTitleTracker(this);
    connect(m_pCore, &ICore::aboutToSaveSettings, this, &MainWindow::saveWindowGeometry);

    // Workspace: editors in tabs and, while none is open, the welcome page. The area publishes
    // the welcome page's bridge on the channel.
    m_pMdiArea = new IMainMdiArea(this);
    m_pMdiArea->setViewMode(QMdiArea::TabbedView);
    m_pMdiArea->setDocumentMode(true);
    m_pMdiArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_pMdiArea->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_pMdiArea->setWindowIcon(QIcon(QStringLiteral(":/app/images/project_icon.ico")));
    m_pMdiArea->setFocusPolicy(Qt::ClickFocus);
    setContentsMargins(1, 1, 1, 1);
    connect(m_pMdiArea, &QMdiArea::subWindowActivated, this,
            &MainWindow::updateActivatedMdiSubFilePath);
    setCentralWidget(m_pMdiArea);
    if (auto* tabBar = m_pMdiArea->findChild<QTabBar*>(QString(), Qt::FindDirectChildrenOnly)) {
        tabBar->setExpanding(false);
        tabBar->setTabsClosable(true);
        QFont font = tabBar->font();
        font.setBold(true);
        tabBar->setFont(font);
        tabBar->setDrawBase(false);
    }

    // Title bar with the notification bar; initActions() installs the menu bar in it.
    m_pTitleBar = new IMainMenuWidget(
        this, QStringLiteral("Zenub Animate"),
        IUi::getInstance()->getIcon(QStringLiteral("icon"), 2, QStringLiteral(":/core/images/")));
    setMenuWidget(m_pTitleBar);

    // A first normal size for window systems that do not maximise (the window system keeps
    // the size the user gives it afterwards).
    if (const QScreen* screen = windowHandle() ? windowHandle()->screen() : nullptr) {
        const QRect available = screen->availableGeometry();
        const QSize size = available.size() * 3 / 4;
        setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size, available));
    }

    m_nLogicalDpiX = currentLogicalDpiX();

    initActions();
    createToolBars();

    // Connected last: the title bar and the command icons follow a density change before the
    // window's own receiver runs.
    connect(qApp, &QApplication::focusChanged, this, &MainWindow::updateFocusWidget);
    connect(&m_dpiCheckTimer, &QTimer::timeout, this, &MainWindow::onTimerDPICheck);
    connect(this, &MainWindow::dpiChanged, this, &MainWindow::onDPIChanged);
    if (QWindow* window = windowHandle())
        connect(window, &QWindow::screenChanged, this, &MainWindow::onScreenChanged);
    watchScreenDpi();
}

MainWindow::~MainWindow()
{
    // The preferences pages may still reach the core services while they go.
    delete m_pOptionsDlg;
    m_pOptionsDlg = nullptr;

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
    // The workspace area asks for the channel while it goes; it must find none.
    m_pChannel = nullptr;
    delete m_pServer;
    m_pServer = nullptr;
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
        restoreWindowGeometry();
    show();
    if (firstRun)
        setWindowState(Qt::WindowMaximized);
    QTimer::singleShot(0, this, &MainWindow::openFilesPassedAsArguments);
    emit extsInitialized();
}

void MainWindow::aboutToShutdown()
{}

// The window comes back where the user left it; a value that is not a saved geometry is ignored.
void MainWindow::restoreWindowGeometry()
{
    if (const QSettings* settings = ExtensionSystem::PluginManager::settings()) {
        const QVariant geometry = settings->value(QLatin1String(geometryKey));
        if (geometry.type() == QVariant::ByteArray)
            restoreGeometry(geometry.toByteArray());
    }
}

void MainWindow::saveWindowGeometry()
{
    if (QSettings* settings = ExtensionSystem::PluginManager::settings())
        settings->setValue(QLatin1String(geometryKey), saveGeometry());
}

bool MainWindow::IsFirstRun()
{
    const QSettings* settings = ExtensionSystem::PluginManager::settings();
    if (!settings)
        return true;
    return !settings->childGroups().contains(QStringLiteral("Designer"), Qt::CaseInsensitive);
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

QUrl MainWindow::getChannelUrl() const
{
    return m_pChannelAccess->url();
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
    if (m_pWorkspaceCommands)
        m_pWorkspaceCommands->setWelcomeShown(bVisible);
    if (bVisible)
        emit m_pMdiArea->resetRecentFiles();
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
    return Dpi::screenDpi(this);
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

// Menus, commands and the tool bar.

QAction* MainWindow::addCommand(ActionContainer* menu, const QString& id, const QString& text,
                                const QKeySequence& key, const QString& description,
                                const QString& iconName)
{
    auto* action = new QAction(text, this);
    // Before registering: the command's proxy takes the icon from the first action.
    if (!iconName.isEmpty())
        action->setIcon(IUi::getInstance()->getIcon(iconName, 2, QStringLiteral(":/core/images/")));
    ContextAction* command =
        ActionManager::registerAction(action, id, ICore::getMainWindow(), false);
    if (command) {
        if (!key.isEmpty())
            command->setDefaultKeySequence(key);
        if (!description.isEmpty())
            command->setDescription(description);
        if (menu)
            menu->insertAction(command, static_cast<ContextAction*>(nullptr));
    }
    return action;
}

void MainWindow::initActions()
{
    ActionContainer* menuBar =
        ActionManager::createMenuBarContainer(QStringLiteral("Zenub.MenuBar"));
    m_pTitleBar->installMenuBar(menuBar->getMenuBar());
    m_pWorkspaceCommands = new WorkspaceCommands(this);

    // File
    ActionContainer* fileMenu =
        ActionManager::createMenuContainer(tr("&File"), QStringLiteral("MenuBar.File"));
    menuBar->insertMenu(fileMenu, nullptr);

    m_pNewAction = addCommand(fileMenu, QStringLiteral("File.New"), tr("&New"), QKeySequence::New,
                              tr("Create a new project"), QStringLiteral("new"));
    connect(m_pNewAction, &QAction::triggered, this, &MainWindow::fileNew);

    m_pOpenAction =
        addCommand(fileMenu, QStringLiteral("File.Open_Project"), tr("&Open Project"),
                   QKeySequence::Open, tr("Open an existing project"), QStringLiteral("open"));
    connect(m_pOpenAction, &QAction::triggered, this, &MainWindow::fileOpen);

    m_pRecentProjects = new RecentProjectsMenu(this);
    m_pFileCommands = new FileCommands(this, m_pRecentProjects);
    ActionContainer* recentMenu = m_pRecentProjects->create(m_pWorkspaceCommands);
    fileMenu->insertMenu(recentMenu, nullptr);
    updateRecentFileActions();
    fileMenu->getMenu()->addSeparator();

    m_pSaveAction =
        addCommand(fileMenu, QStringLiteral("File.Save"), tr("&Save"), QKeySequence::Save,
                   tr("Save the current project"), QStringLiteral("save"));
    connect(m_pSaveAction, &QAction::triggered, this, &MainWindow::fileSave);

    ActionContainer* saveAsMenu =
        ActionManager::createMenuContainer(tr("Save As"), QStringLiteral("File.SaveAs"));
    m_pSaveAsMenu = saveAsMenu->getMenu();
    m_pSaveAsProjectAction =
        addCommand(saveAsMenu, QStringLiteral("File.SaveAs.Project"), tr("Other Project"),
                   QKeySequence::SaveAs, tr("Save the current project as a new one"));
    connect(m_pSaveAsProjectAction, &QAction::triggered, this, &MainWindow::fileSaveAs);
    fileMenu->insertMenu(saveAsMenu, nullptr);
    m_pWorkspaceCommands->addSaveAll(fileMenu);

    m_pCloseAction = addCommand(fileMenu, QStringLiteral("File.Close"), tr("&Close"),
                                QKeySequence::Close, tr("Close the current project"));
    connect(m_pCloseAction, &QAction::triggered, this, &MainWindow::fileClose);
    fileMenu->getMenu()->addSeparator();

    m_pPreviewCurrentSceneAction = addCommand(
        fileMenu, QStringLiteral("File.Preview_Current_Scene_In_Browser"),
        tr("Preview Current Scene in Browser"), QKeySequence(Qt::CTRL | Qt::Key_F5), QString());
    // The tool bar's drop-down button; it is in no menu.
    m_pPreviewProjectAction =
        addCommand(nullptr, QStringLiteral("File.Preview_Project"),
                   tr("Preview Project in Browser"), QKeySequence(), QString());
    m_pPreviewProjectInBrowserAction =
        addCommand(fileMenu, QStringLiteral("File.Preview_Project_In_Browser"),
                   tr("Preview Project in Browser"), QKeySequence(Qt::Key_F5), QString());
    m_pExportHtml5Action =
        addCommand(fileMenu, QStringLiteral("File.Export_To_HTML5"), tr("Export to HTML5"),
                   QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_E), QString());
    fileMenu->getMenu()->addSeparator();
    m_pExportVideoAction = addCommand(fileMenu, QStringLiteral("File.Export_To_Video"),
                                      tr("Export to Video"), QKeySequence(), QString());
    fileMenu->getMenu()->addSeparator();
    // Quit rather than Save As: one key for two commands would run neither.
    m_pExitAction = addCommand(fileMenu, QStringLiteral("File.Exit"), tr("E&xit"),
                               QKeySequence::Quit, tr("Quit the program"));
    connect(m_pExitAction, &QAction::triggered, this, &MainWindow::fileExit);

    m_pSaveState = new SaveCommandState(m_pSaveAction, m_pSaveAsProjectAction, m_pSaveAsMenu, this);
    m_pFileCommands->setSaveState(m_pSaveState);
    m_pCloseAction->setEnabled(false);
    // Only an open project can be previewed or exported; its editor registers the working ones.
    for (QAction* action :
         {m_pPreviewCurrentSceneAction, m_pPreviewProjectAction, m_pPreviewProjectInBrowserAction,
          m_pExportHtml5Action, m_pExportVideoAction})
        action->setEnabled(false);

    // Edit
    ActionContainer* editMenu =
        ActionManager::createMenuContainer(tr("&Edit"), QStringLiteral("MenuBar.Edit"));
    menuBar->insertMenu(editMenu, nullptr);
    new EditCommands(this, editMenu);
    m_pPreferencesAction =
        addCommand(editMenu, QStringLiteral("Edit.Preferences"), tr("&Preferences"),
                   QKeySequence::Preferences, QString(), QStringLiteral("preferences"));
    connect(m_pPreferencesAction, &QAction::triggered, this, &MainWindow::onPreferences);

    // View
    ActionContainer* viewMenu =
        ActionManager::createMenuContainer(tr("&View"), QStringLiteral("MenuBar.View"));
    menuBar->insertMenu(viewMenu, nullptr);
    m_pLanguageMenu = new LanguageMenu(this, viewMenu);
    m_pWorkspaceCommands->addWelcomePage(viewMenu);

    // Help
    ActionContainer* helpMenu =
        ActionManager::createMenuContainer(tr("&Help"), QStringLiteral("MenuBar.Help"));
    menuBar->insertMenu(helpMenu, nullptr);
    auto* help = new HelpMenu(this);
    connect(
        addCommand(helpMenu, QStringLiteral("Help.About"), tr("About"), QKeySequence(), QString()),
        &QAction::triggered, help, &HelpMenu::showAbout);
    m_pHelpContentsAction = addCommand(helpMenu, QStringLiteral("Help.Help_Contents"),
                                       tr("Help Contents"), QKeySequence(Qt::Key_F1), QString());
    connect(m_pHelpContentsAction, &QAction::triggered, this, &MainWindow::onHelpContents);
    connect(addCommand(helpMenu, QStringLiteral("Help.ReportProblem"), tr("Report a Problem"),
                       QKeySequence(), QString()),
            &QAction::triggered, help, &HelpMenu::reportProblem);
    connect(addCommand(helpMenu, QStringLiteral("Help.ProvideSuggestion"),
                       tr("Provide a Suggestion"), QKeySequence(), QString()),
            &QAction::triggered, help, &HelpMenu::provideSuggestion);
    connect(addCommand(helpMenu, QStringLiteral("Help.CheckUpdates"), tr("Check Updates..."),
                       QKeySequence(), QString()),
            &QAction::triggered, help, &HelpMenu::checkUpdates);

    m_commandIcons.insert(QStringLiteral("File.New"), QStringLiteral("new"));
    m_commandIcons.insert(QStringLiteral("File.Open_Project"), QStringLiteral("open"));
    m_commandIcons.insert(QStringLiteral("File.Save"), QStringLiteral("save"));
    m_commandIcons.insert(QStringLiteral("Edit.Preferences"), QStringLiteral("preferences"));
    // Direct, so the new icons are in place when dpiChanged() returns.
    connect(this, &MainWindow::dpiChanged, this, &MainWindow::refreshCommandIcons,
            Qt::DirectConnection);
}

void MainWindow::refreshCommandIcons()
{
    IUi* ui = IUi::getInstance();
    ui->clearCache();
    const QString images = QStringLiteral(":/designer/images/");
    for (auto it = m_commandIcons.constBegin(); it != m_commandIcons.constEnd(); ++it) {
        ContextAction* command = ActionManager::getAction(it.key());
        if (!command) {
            qDebug().noquote() << Q_FUNC_INFO << it.key() << it.value();
            continue;
        }
        QAction* action = command->getAction();
        if (!action)
            continue;
        QIcon icon;
        icon.addPixmap(ui->getPixmap(it.value(), IUi::Normal, 2, images, false), QIcon::Normal,
                       QIcon::Off);
        icon.addPixmap(ui->getPixmap(it.value(), IUi::Disabled, 2, images, false), QIcon::Disabled,
                       QIcon::Off);
        action->setIcon(icon);
    }
}

void MainWindow::createToolBars()
{
    m_pFileToolbar = addToolBar(tr("File"));
    m_pFileToolbar->setObjectName(QStringLiteral("m_pFileToolbar"));
    const auto proxyOf = [](const char* id) {
        ContextAction* command = ActionManager::getAction(QLatin1String(id));
        return command ? command->getAction() : nullptr;
    };
    for (const char* id : {"File.New", "File.Open_Project", "File.Save"}) {
        if (QAction* action = proxyOf(id))
            m_pFileToolbar->addAction(action);
    }
    m_pFileToolbar->addSeparator();

    auto* previewMenu = new QMenu(this);
    for (const char* id :
         {"File.Preview_Project_In_Browser", "File.Preview_Current_Scene_In_Browser"}) {
        if (QAction* action = proxyOf(id))
            previewMenu->addAction(action);
    }
    if (QAction* preview = proxyOf("File.Preview_Project")) {
        preview->setMenu(previewMenu);
        m_pFileToolbar->addAction(preview);
        // The button runs the command and offers the two previews on its arrow.
        if (auto* button = qobject_cast<QToolButton*>(m_pFileToolbar->widgetForAction(preview)))
            button->setPopupMode(QToolButton::MenuButtonPopup);
    }
    for (const char* id : {"File.Export_To_HTML5", "File.Export_To_Video"}) {
        if (QAction* action = proxyOf(id))
            m_pFileToolbar->addAction(action);
    }
}

QToolBar* MainWindow::getFileToolbar() const
{
    return m_pFileToolbar;
}

void MainWindow::languageChanged(QAction* pAction)
{
    m_pLanguageMenu->choose(pAction);
}

void MainWindow::onDPIChanged()
{
    m_pLanguageMenu->refreshIcon();
}

IOptionsDlg* MainWindow::getOptionsDialog()
{
    if (!m_pOptionsDlg) {
        if (IDocumentFactory* factory = FileCommands::defaultFactory())
            m_pOptionsDlg = factory->createOptionsDialog();
    }
    return m_pOptionsDlg;
}

void MainWindow::onPreferences()
{
    if (IOptionsDlg* dialog = getOptionsDialog())
        dialog->showDialog();
}

void MainWindow::onHelpContents()
{
    const QDir folder(ICore::resourcePath());
    const QString lang = ILanguageManager::getInstance().getCurrentLangNoCountry();
    QString candidate = folder.absoluteFilePath(QStringLiteral("zenub_help_%1.pdf").arg(lang));
    if (!QFileInfo::exists(candidate))
        candidate = folder.absoluteFilePath(QStringLiteral("zenub_help_en.pdf"));

    QString message;
    if (QFileInfo::exists(candidate)) {
        if (QDesktopServices::openUrl(QUrl::fromLocalFile(candidate)))
            return;
        message = tr("Could not open help file.");
        qInfo().noquote() << QStringLiteral("Failed to open help file: ") + candidate;
    } else {
        message = tr("Help document is missing.");
        qInfo().noquote() << QStringLiteral("Help file not found: ") + candidate;
    }
    QMessageBox box;
    box.setText(message);
    box.exec();
}

IDocument* MainWindow::activeDocument() const
{
    return FileCommands::activeDocument();
}

void MainWindow::updateSaveAsMenu()
{
    if (m_pSaveState)
        m_pSaveState->update();
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
    if (m_pRecentProjects)
        m_pRecentProjects->update();
}

void MainWindow::recentFileOpen()
{
    if (const auto* action = qobject_cast<const QAction*>(sender()))
        m_pRecentProjects->open(action->data().toString());
}

bool MainWindow::loadOpenedDocument(IDocument* pDoc, bool bAddToRecentFile)
{
    return m_pFileCommands->loadOpenedDocument(pDoc, bAddToRecentFile);
}

bool MainWindow::loadFile(const QString& strFileName)
{
    return m_pFileCommands->loadFile(strFileName);
}

void MainWindow::fileNew()
{
    m_pFileCommands->newProject();
}

void MainWindow::fileOpen()
{
    m_pFileCommands->open();
}

void MainWindow::fileSave()
{
    m_pFileCommands->save();
}

void MainWindow::fileSaveAs()
{
    m_pFileCommands->saveAs();
}

void MainWindow::fileClose()
{
    m_pFileCommands->close();
}

void MainWindow::fileExit()
{
    close();
}

void MainWindow::onDocumentRequestClosing(bool bDeleteLater)
{
    m_pFileCommands->documentRequestsClosing(qobject_cast<IDocument*>(sender()), bDeleteLater);
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

    // Last opened first; every close request takes its editor out of the list.
    const QList<IEditor*> editors = EditorManager::getEditors();
    QList<QPointer<IEditor>> guarded(editors.cbegin(), editors.cend());
    for (auto it = guarded.crbegin(); it != guarded.crend(); ++it) {
        IEditor* editor = *it;
        if (!editor || !EditorManager::getEditors().contains(editor))
            continue;
        IDocument* document = editor->getDocument();
        if (!document)
            continue;
        if (!document->close()) {
            event->ignore();
            return;
        }
        emit document->requestClosing(false);
    }

    // Documents another plugin registered without an editor.
    const QList<IDocument*> documents = DocumentManager::getDocuments();
    QList<QPointer<IDocument>> guardedDocuments(documents.cbegin(), documents.cend());
    for (const QPointer<IDocument>& document : qAsConst(guardedDocuments)) {
        if (!document || !DocumentManager::getDocuments().contains(document))
            continue;
        if (!document->close()) {
            event->ignore();
            return;
        }
        emit document->requestClosing(false);
    }

    removeDefaultTempDir();
    event->accept();
}

void MainWindow::forceQuit()
{
    const QList<IEditor*> editors = EditorManager::getEditors();
    QList<QPointer<IEditor>> guarded(editors.cbegin(), editors.cend());
    for (const QPointer<IEditor>& editor : qAsConst(guarded)) {
        if (!editor)
            continue;
        if (IDocument* document = editor->getDocument()) {
            document->close();
            emit document->requestClosing(false);
        }
    }
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
    case QEvent::Drop: {
        auto* drop = static_cast<QDropEvent*>(event);
        const QList<QUrl> urls = drop->mimeData() ? drop->mimeData()->urls() : QList<QUrl>();
        if (urls.isEmpty())
            return false;
        const QString path = urls.first().toLocalFile();
        const QString suffix = QFileInfo(path).suffix();
        if (!path.isEmpty() &&
            (suffix.compare(QLatin1String("zenubpack"), Qt::CaseInsensitive) == 0 ||
             suffix.compare(QLatin1String("zenub"), Qt::CaseInsensitive) == 0)) {
            if (loadFile(path))
                drop->acceptProposedAction();
        }
        return true;
    }
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
    const QFileInfo root(path);
    const auto removeLink = [](const QString& link) {
        // A link to a folder is a folder entry on Windows; elsewhere it is a plain file.
        return QFile::remove(link) || QDir().rmdir(link);
    };
    if (root.isSymLink() || root.isJunction())
        return removeLink(path);
    if (!root.isDir())
        return !root.exists() || QFile::remove(path);

    const QFileInfoList entries = QDir(path).entryInfoList(
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::DirsFirst);
    for (const QFileInfo& entry : entries) {
        const QString entryPath = entry.absoluteFilePath();
        bool removed = false;
        if (entry.isSymLink() || entry.isJunction())
            removed = removeLink(entryPath);
        else if (entry.isDir())
            removed = removeFolderTree(entryPath);
        else
            removed = QFile::remove(entryPath);
        if (!removed)
            return false;
    }
    return QDir().rmdir(path);
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
