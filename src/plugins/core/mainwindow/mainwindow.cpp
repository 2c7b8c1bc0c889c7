#include "mainwindow.h"

#include "documents/documentmanager.h"
#include "documents/editormanager.h"
#include "plugin/icore.h"
#include "plugin/iui.h"

#include <extensionsystem/pluginmanager.h>

#include <QDir>
#include <QFileInfo>
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
    DocumentManager::setSettings(ExtensionSystem::PluginManager::settings());
    DocumentManager::readSettings();
}

MainWindow::~MainWindow()
{
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
