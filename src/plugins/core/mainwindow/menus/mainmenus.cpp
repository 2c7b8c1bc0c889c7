// SPDX-License-Identifier: MIT
#include "mainmenus.h"

#include "actions/actioncontainer.h"
#include "actions/actionmanager.h"
#include "actions/commandpalette.h"
#include "actions/contextaction.h"
#include "appearance/ithemesmanager.h"
#include "editcommands.h"
#include "filecommands.h"
#include "help/helpmenu.h"
#include "languagemenu.h"
#include "mainwindow/frame/imainmenuwidget.h"
#include "mainwindow/mainwindow.h"
#include "plugin/icore.h"
#include "plugin/iui.h"
#include "recentprojectsmenu.h"
#include "savecommandstate.h"
#include "workspacecommands.h"

#include <QAction>
#include <QDebug>
#include <QIcon>
#include <QKeySequence>
#include <QMenu>
#include <QToolBar>
#include <QToolButton>

// The texts keep MainWindow's translation context, where the catalogue files them.

MainMenus::MainMenus(MainWindow* window)
    : QObject(window)
    , m_pWindow(window)
{}

void MainMenus::build(IMainMenuWidget* titleBar)
{
    ActionContainer* menuBar =
        ActionManager::createMenuBarContainer(QStringLiteral("Zenub.MenuBar"));
    titleBar->installMenuBar(menuBar->getMenuBar());
    m_pWorkspaceCommands = new WorkspaceCommands(m_pWindow);

    buildFileMenu(menuBar);
    buildEditMenu(menuBar);
    buildViewMenu(menuBar);
    buildHelpMenu(menuBar);

    m_commandIcons.insert(QStringLiteral("File.New"), QStringLiteral("new"));
    m_commandIcons.insert(QStringLiteral("File.Open_Project"), QStringLiteral("open"));
    m_commandIcons.insert(QStringLiteral("File.Save"), QStringLiteral("save"));
    m_commandIcons.insert(QStringLiteral("Edit.Preferences"), QStringLiteral("preferences"));
    // Direct, so the new icons are in place when dpiChanged() returns.
    connect(m_pWindow, &MainWindow::dpiChanged, this, &MainMenus::refreshCommandIcons,
            Qt::DirectConnection);
    // The glyphs are drawn for the surface the theme gives them.
    connect(&IThemesManager::getInstance(), &IThemesManager::themeApplied, this, [this] {
        refreshCommandIcons();
        if (m_pLanguageMenu)
            m_pLanguageMenu->refreshIcon();
    });

    createToolBars();
}

void MainMenus::buildFileMenu(ActionContainer* menuBar)
{
    ActionContainer* fileMenu =
        ActionManager::createMenuContainer(MainWindow::tr("&File"), QStringLiteral("MenuBar.File"));
    menuBar->insertMenu(fileMenu, nullptr);

    QAction* newAction =
        addCommand(fileMenu, QStringLiteral("File.New"), MainWindow::tr("&New"), QKeySequence::New,
                   MainWindow::tr("Create a new project"), QStringLiteral("new"));
    connect(newAction, &QAction::triggered, m_pWindow, &MainWindow::fileNew);

    QAction* openAction = addCommand(
        fileMenu, QStringLiteral("File.Open_Project"), MainWindow::tr("&Open Project"),
        QKeySequence::Open, MainWindow::tr("Open an existing project"), QStringLiteral("open"));
    connect(openAction, &QAction::triggered, m_pWindow, &MainWindow::fileOpen);

    m_pRecentProjects = new RecentProjectsMenu(m_pWindow);
    m_pFileCommands = new FileCommands(m_pWindow, m_pRecentProjects);
    ActionContainer* recentMenu = m_pRecentProjects->create(m_pWorkspaceCommands);
    fileMenu->insertMenu(recentMenu, nullptr);
    m_pRecentProjects->update();
    fileMenu->getMenu()->addSeparator();

    QAction* saveAction = addCommand(fileMenu, QStringLiteral("File.Save"), MainWindow::tr("&Save"),
                                     QKeySequence::Save, MainWindow::tr("Save the current project"),
                                     QStringLiteral("save"));
    connect(saveAction, &QAction::triggered, m_pWindow, &MainWindow::fileSave);

    ActionContainer* saveAsMenu = ActionManager::createMenuContainer(MainWindow::tr("Save As"),
                                                                     QStringLiteral("File.SaveAs"));
    QAction* saveAsProjectAction = addCommand(
        saveAsMenu, QStringLiteral("File.SaveAs.Project"), MainWindow::tr("Other Project"),
        QKeySequence::SaveAs, MainWindow::tr("Save the current project as a new one"));
    connect(saveAsProjectAction, &QAction::triggered, m_pWindow, &MainWindow::fileSaveAs);
    fileMenu->insertMenu(saveAsMenu, nullptr);
    m_pWorkspaceCommands->addSaveAll(fileMenu);

    QAction* closeAction =
        addCommand(fileMenu, QStringLiteral("File.Close"), MainWindow::tr("&Close"),
                   QKeySequence::Close, MainWindow::tr("Close the current project"));
    connect(closeAction, &QAction::triggered, m_pWindow, &MainWindow::fileClose);
    fileMenu->getMenu()->addSeparator();

    QAction* previewSceneAction = addCommand(
        fileMenu, QStringLiteral("File.Preview_Current_Scene_In_Browser"),
        MainWindow::tr("Preview Current Scene in Browser"), QKeySequence(Qt::CTRL | Qt::Key_F5),
        MainWindow::tr("Show the current scene in your web browser"));
    // The tool bar's drop-down button; it is in no menu.
    QAction* previewProjectAction =
        addCommand(nullptr, QStringLiteral("File.Preview_Project"),
                   MainWindow::tr("Preview Project in Browser"), QKeySequence(),
                   MainWindow::tr("Show the whole project in your web browser"));
    QAction* previewInBrowserAction =
        addCommand(fileMenu, QStringLiteral("File.Preview_Project_In_Browser"),
                   MainWindow::tr("Preview Project in Browser"), QKeySequence(Qt::Key_F5),
                   MainWindow::tr("Show the whole project in your web browser"));
    QAction* exportHtml5Action = addCommand(
        fileMenu, QStringLiteral("File.Export_To_HTML5"), MainWindow::tr("Export to HTML5..."),
        QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_E),
        MainWindow::tr("Write the project as a web page with its player"));
    fileMenu->getMenu()->addSeparator();
    QAction* exportVideoAction = addCommand(
        fileMenu, QStringLiteral("File.Export_To_Video"), MainWindow::tr("Export to Video..."),
        QKeySequence(),
        MainWindow::tr(
            "Write the project as an MP4 or WebM video, or an animated GIF, WebP or PNG"));
    QAction* exportFramesAction =
        addCommand(fileMenu, QStringLiteral("File.Export_To_PNG_Frames"),
                   MainWindow::tr("Export to PNG Frames..."), QKeySequence(),
                   MainWindow::tr("Write every frame as a PNG picture into a folder"));
    QAction* exportLottieAction = addCommand(
        fileMenu, QStringLiteral("File.Export_To_Lottie"), MainWindow::tr("Export to Lottie..."),
        QKeySequence(),
        MainWindow::tr("Write the project as a Lottie animation for web and mobile apps"));
    fileMenu->getMenu()->addSeparator();
    // Quit rather than Save As: one key for two commands would run neither.
    QAction* exitAction = addCommand(fileMenu, QStringLiteral("File.Exit"), MainWindow::tr("E&xit"),
                                     QKeySequence::Quit, MainWindow::tr("Quit the program"));
    connect(exitAction, &QAction::triggered, m_pWindow, &MainWindow::fileExit);

    m_pSaveState =
        new SaveCommandState(saveAction, saveAsProjectAction, saveAsMenu->getMenu(), m_pWindow);
    m_pFileCommands->setSaveState(m_pSaveState);
    closeAction->setEnabled(false);
    // Only an open project can be previewed or exported; its editor registers the working ones.
    for (QAction* action :
         {previewSceneAction, previewProjectAction, previewInBrowserAction, exportHtml5Action,
          exportVideoAction, exportFramesAction, exportLottieAction})
        action->setEnabled(false);
}

void MainMenus::buildEditMenu(ActionContainer* menuBar)
{
    ActionContainer* editMenu =
        ActionManager::createMenuContainer(MainWindow::tr("&Edit"), QStringLiteral("MenuBar.Edit"));
    menuBar->insertMenu(editMenu, nullptr);
    new EditCommands(m_pWindow, editMenu);
    QAction* preferencesAction = addCommand(
        editMenu, QStringLiteral("Edit.Preferences"), MainWindow::tr("&Preferences"),
        QKeySequence::Preferences,
        MainWindow::tr("Change the backup, the keys, the appearance and the breakpoints"),
        QStringLiteral("preferences"));
    connect(preferencesAction, &QAction::triggered, m_pWindow, &MainWindow::onPreferences);
}

void MainMenus::buildViewMenu(ActionContainer* menuBar)
{
    ActionContainer* viewMenu =
        ActionManager::createMenuContainer(MainWindow::tr("&View"), QStringLiteral("MenuBar.View"));
    menuBar->insertMenu(viewMenu, nullptr);
    // Plugins put their views in front of the palette.
    (new CommandPalette(m_pWindow))->addCommand(viewMenu);
    viewMenu->getMenu()->addSeparator();
    m_pLanguageMenu = new LanguageMenu(m_pWindow, viewMenu);
    m_pWorkspaceCommands->addWelcomePage(viewMenu);
}

void MainMenus::buildHelpMenu(ActionContainer* menuBar)
{
    ActionContainer* helpMenu =
        ActionManager::createMenuContainer(MainWindow::tr("&Help"), QStringLiteral("MenuBar.Help"));
    menuBar->insertMenu(helpMenu, nullptr);
    m_pHelpMenu = new HelpMenu(m_pWindow);
    connect(
        addCommand(helpMenu, QStringLiteral("Help.About"), MainWindow::tr("About"), QKeySequence(),
                   MainWindow::tr("Show the version, the build, Qt's version and the licences")),
        &QAction::triggered, m_pHelpMenu, &HelpMenu::showAbout);
    connect(addCommand(helpMenu, QStringLiteral("Help.Help_Contents"),
                       MainWindow::tr("Help Contents"), QKeySequence(Qt::Key_F1),
                       MainWindow::tr("Open the user guide")),
            &QAction::triggered, m_pWindow, &MainWindow::onHelpContents);
    connect(addCommand(helpMenu, QStringLiteral("Help.ReportProblem"),
                       MainWindow::tr("Report a Problem"), QKeySequence(),
                       MainWindow::tr("Write a report of a problem for the developers")),
            &QAction::triggered, m_pHelpMenu, &HelpMenu::reportProblem);
    connect(addCommand(helpMenu, QStringLiteral("Help.ProvideSuggestion"),
                       MainWindow::tr("Provide a Suggestion"), QKeySequence(),
                       MainWindow::tr("Write a suggestion for the developers")),
            &QAction::triggered, m_pHelpMenu, &HelpMenu::provideSuggestion);
    connect(addCommand(helpMenu, QStringLiteral("Help.CheckUpdates"),
                       MainWindow::tr("Check Updates..."), QKeySequence(),
                       MainWindow::tr("Look for a newer version of Zenub Animate")),
            &QAction::triggered, m_pHelpMenu, &HelpMenu::checkUpdates);
}

QAction* MainMenus::addCommand(ActionContainer* menu, const QString& id, const QString& text,
                               const QKeySequence& key, const QString& description,
                               const QString& iconName)
{
    auto* action = new QAction(text, m_pWindow);
    // Before registering: the command's proxy takes the icon from the first action.
    if (!iconName.isEmpty())
        action->setIcon(
            IUi::getInstance()->getGlyphIcon(iconName, 2, QStringLiteral(":/core/images/")));
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

void MainMenus::refreshCommandIcons()
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
        action->setIcon(ui->getGlyphIcon(it.value(), 2, images));
    }
}

void MainMenus::createToolBars()
{
    m_pFileToolbar = m_pWindow->addToolBar(MainWindow::tr("File"));
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

    auto* previewMenu = new QMenu(m_pWindow);
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
