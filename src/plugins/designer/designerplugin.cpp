// SPDX-License-Identifier: MIT
#include "designerplugin.h"

#include "dialogs/backuprestoredialog.h"
#include "document/designerdocumentfactory.h"
#include "document/projectexporter.h"
#include "editor/editorcommandtable.h"
#include "editor/imageinsertion.h"
#include "editor/previewsizesmenu.h"
#include "welcome/welcomeview.h"

#include <extensionsystem/pluginmanager.h>
#include <mainwindow/imainmdiarea.h>
#include <mainwindow/mainwindow.h>
#include <plugin/icore.h>

#include <QGuiApplication>
#include <QSettings>
#include <QTimer>

DesignerPlugin::DesignerPlugin()
{
    // Resources linked into a shared library are registered by its static initialisers; these
    // calls make sure they are, whichever way the library was linked.
    Q_INIT_RESOURCE(designer);
    Q_INIT_RESOURCE(welcome);
}

DesignerPlugin::~DesignerPlugin()
{
    releasePoolObjects();
    delete m_pFactory;
    // The workspace does not own the welcome view; it goes with the plugin that made it.
    delete m_pWelcome;
}

WelcomeView* DesignerPlugin::getWelcomeView() const
{
    return m_pWelcome;
}

bool DesignerPlugin::initialize(const QStringList& arguments, QString* errorString)
{
    Q_UNUSED(arguments)
    Q_UNUSED(errorString)
    m_pFactory = new DesignerDocumentFactory();
    ExtensionSystem::PluginManager::addObject(m_pFactory);
    m_bFactoryInPool = true;
    m_pExporter = new ProjectExporter(this);
    ExtensionSystem::PluginManager::addObject(m_pExporter);
    return true;
}

void DesignerPlugin::extensionsInitialized()
{
    MainWindow* window = ICore::getMainWindow();
    // Without a screen (the command line's exports) there is no OpenGL for the web engine, and
    // no user to welcome.
    if (!window || QGuiApplication::platformName() == QLatin1String("offscreen"))
        return;
    // The core tests for our group to decide on a first run, after this call: write it once
    // the window has made that decision.
    connect(window, &MainWindow::extsInitialized, this, &DesignerPlugin::writeSettings);
    // Queued behind the opening of the files given on the command line.
    connect(window, &MainWindow::extsInitialized, this, [window] {
        QTimer::singleShot(0, window, [window] { BackupRestoreDialog::offerAtStart(window); });
    });
    ImageInsertion::addMenu(window);
    EditorCommandTable::addToMenus(window);
    PreviewSizesMenu::add(this);
    m_pWelcome = new WelcomeView();
    if (IMainMdiArea* area = window->getMdiArea())
        m_pWelcome->coverWidget(area->viewport());
    m_pWelcome->loadPage();
    window->setWelcomeWidget(m_pWelcome);
}

int DesignerPlugin::aboutToShutdown()
{
    // A run without a window (a command-line export) is no one's first run.
    if (m_pWelcome)
        writeSettings();
    // The view goes with this plugin, before the window that shows it.
    if (MainWindow* window = ICore::getMainWindow())
        window->setWelcomeWidget(nullptr);
    releasePoolObjects();
    return SynchronousShutdown;
}

void DesignerPlugin::writeSettings()
{
    QSettings* settings = ExtensionSystem::PluginManager::settings();
    if (!settings)
        return;
    settings->setValue(QStringLiteral("Designer/FirstRunDone"), true);
    settings->sync();
}

void DesignerPlugin::releasePoolObjects()
{
    if (m_pExporter) {
        ExtensionSystem::PluginManager::removeObject(m_pExporter);
        delete m_pExporter;
        m_pExporter = nullptr;
    }
    if (m_bFactoryInPool) {
        ExtensionSystem::PluginManager::removeObject(m_pFactory);
        m_bFactoryInPool = false;
    }
}
