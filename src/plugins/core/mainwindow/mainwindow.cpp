#include "mainwindow.h"

#include "actions/actionmanager.h"
#include "actions/contextmanager.h"
#include "documents/documentmanager.h"
#include "documents/editormanager.h"
#include "plugin/icore.h"
#include "plugin/iui.h"

#include <extensionsystem/pluginmanager.h>

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <QSettings>
#include <QTimer>

MainWindow::MainWindow(QWidget* parent)
    : QMainWindow(parent)
{
    setObjectName(QStringLiteral("MainWindow"));
    setAcceptDrops(true);
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
}

MainWindow::~MainWindow()
{
    disconnect(qApp, &QApplication::focusChanged, this, &MainWindow::updateFocusWidget);
    delete m_pDocumentManager;
    delete m_pEditorManager;
    delete m_pCore;
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
