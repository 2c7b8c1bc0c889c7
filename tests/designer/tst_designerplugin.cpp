// SPDX-License-Identifier: MIT
#include <testenvironment.h>

#include "model/project/zenubproject.h"
#include "model/io/zenub/zenubprojectfile.h"

#include <actions/actionmanager.h>
#include <actions/contextaction.h>
#include <documents/editormanager.h>
#include <documents/idocument.h>
#include <documents/idocumentfactory.h>
#include <documents/ieditor.h>
#include <extensionsystem/pluginmanager.h>
#include <extensionsystem/pluginspec.h>
#include <mainwindow/imainmdiarea.h>
#include <mainwindow/mainwindow.h>
#include <plugin/icore.h>

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QReadLocker>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>
#include <QUrlQuery>
#include <QWebEnginePage>
#include <QWebEngineView>
#include <QWebSocketServer>
#include <QtTest>

using ExtensionSystem::PluginManager;

namespace {

QList<IDocumentFactory*> factoriesInPool()
{
    QList<IDocumentFactory*> factories;
    QReadLocker lock(PluginManager::listLock());
    for (QObject* object : PluginManager::allObjects())
        if (auto* factory = qobject_cast<IDocumentFactory*>(object))
            factories << factory;
    return factories;
}

QString pluginFolder()
{
    return qEnvironmentVariable("ZENUB_BUILD_DIR") + QStringLiteral("/lib/zenub/plugins");
}

} // namespace

class tst_DesignerPlugin : public QObject
{
    Q_OBJECT
private slots:
    void loadsWithCoreAndServesProjects()
    {
        TestEnvironment environment;
        QVERIFY(QFileInfo(pluginFolder()).isDir());
        PluginManager::setPluginPaths({pluginFolder()});
        QVERIFY2(PluginManager::loadPlugins(), qPrintable(PluginManager::errors().join('\n')));
        QVERIFY2(PluginManager::errors().isEmpty(), qPrintable(PluginManager::errors().join('\n')));

        QStringList names;
        for (ExtensionSystem::PluginSpec* pluginSpec : PluginManager::plugins())
            names << pluginSpec->name();
        QVERIFY(names.contains(QStringLiteral("core")));
        QVERIFY(names.contains(QStringLiteral("designer")));
        // The designer needs the core, so it must come after it.
        QVERIFY(names.indexOf(QStringLiteral("core")) < names.indexOf(QStringLiteral("designer")));

        const QList<IDocumentFactory*> factories = factoriesInPool();
        QCOMPARE(factories.size(), 1);
        IDocumentFactory* factory = factories.constFirst();
        QCOMPARE(factory->metaObject()->className(), "DesignerDocumentFactory");
        QVERIFY(factory->supportedSuffixes().contains(QStringLiteral("zenub")));

        // The group the core looks for on a first run is written once the window is up.
        MainWindow* window = ICore::getMainWindow();
        QVERIFY(window);
        QVERIFY(!window->IsFirstRun());
        environment.userSettings()->sync();
        QSettings onDisk(environment.userSettingsFile(), QSettings::IniFormat);
        QVERIFY(onDisk.childGroups().contains(QStringLiteral("Designer")));

        QWebEngineView* welcome = nullptr;
        for (QWidget* widget : QApplication::allWidgets())
            if (widget->objectName() == QLatin1String("welcomeView"))
                welcome = qobject_cast<QWebEngineView*>(widget);
        QVERIFY(welcome);
        QCOMPARE(welcome->page()->requestedUrl().scheme(), QStringLiteral("qrc"));
        QCOMPARE(QUrlQuery(welcome->page()->requestedUrl()).queryItemValue(QStringLiteral("port")),
                 QString::number(window->getServer()->serverPort()));

        // The page comes from the plugin's own resources; a missing resource leaves no title.
        QTRY_VERIFY_WITH_TIMEOUT(welcome->title().contains(QLatin1String("Zenub")), 20000);
        IMainMdiArea* area = window->getMdiArea();
        QCOMPARE(area->getWelcomeWidget(), welcome);
        QVERIFY(welcome->isVisible());
        QCOMPARE(welcome->geometry(), area->viewport()->rect());

        // A project opened through the shell replaces the welcome page with its editor, and
        // closing it through the shell's command brings the page back.
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Opened.zenub"));
        QVERIFY(ZenubProjectFile(path).save(ZenubProject::createNew("Opened", 320, 240, 12)));
        QVERIFY(window->loadFile(path));
        QCOMPARE(EditorManager::getEditors().size(), 1);
        QCOMPARE(area->subWindowList().size(), 1);
        QVERIFY(!welcome->isVisible());
        ActionManager::setContext(area->subWindowList().constFirst()->widget());
        ActionManager::getAction(QStringLiteral("File.Close"))->getAction()->trigger();
        QTRY_VERIFY(area->subWindowList().isEmpty());
        QVERIFY(EditorManager::getEditors().isEmpty());
        QVERIFY(welcome->isVisible());

        // File > New: the dialog's choice becomes a project file on disk and an open editor.
        const QString created = dir.filePath(QStringLiteral("made/Fresh.zenub"));
        QTimer::singleShot(0, this, [&dir] {
            QWidget* dialog = QApplication::activeModalWidget();
            QVERIFY(dialog);
            dialog->findChild<QLineEdit*>(QStringLiteral("nameEdit"))->setText("Fresh");
            dialog->findChild<QLineEdit*>(QStringLiteral("folderEdit"))
                ->setText(dir.filePath("made"));
            QMetaObject::invokeMethod(dialog, "accept");
        });
        ActionManager::setContext(window);
        ActionManager::getAction(QStringLiteral("File.New"))->getAction()->trigger();
        QVERIFY(QFileInfo::exists(created));
        QCOMPARE(EditorManager::getEditors().size(), 1);
        QCOMPARE(EditorManager::activeEditor()->getDocument()->getFileName(), created);
        ZenubProject fresh;
        QVERIFY(ZenubProjectFile(created).load(&fresh));
        QCOMPARE(fresh.getStageWidth(), 1280);
        QCOMPARE(fresh.getName(), QStringLiteral("Fresh"));
        QVERIFY(!welcome->isVisible());

        // Picking a tab makes its project the one the shell's Save works on.
        QVERIFY(window->loadFile(path));
        QCOMPARE(EditorManager::getEditors().size(), 2);
        QCOMPARE(EditorManager::activeEditor()->getDocument()->getFileName(), path);
        for (QMdiSubWindow* sub : area->subWindowList())
            if (sub->windowFilePath() == created)
                area->setActiveSubWindow(sub);
        QCOMPARE(EditorManager::activeEditor()->getDocument()->getFileName(), created);

        PluginManager::shutdown();
        QVERIFY(factoriesInPool().isEmpty());
    }
};

int main(int argc, char** argv)
{
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    tst_DesignerPlugin test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_designerplugin.moc"
