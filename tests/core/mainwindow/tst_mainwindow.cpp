// SPDX-License-Identifier: MIT
#include <desktoprecorder.h>
#include <germancatalogue.h>
#include <modalanswerer.h>
#include <ownmethods.h>
#include <testdocuments.h>
#include <testenvironment.h>
#include <testfiles.h>

#include <actions/actioncontainer.h>
#include <actions/actionmanager.h>
#include <actions/contextaction.h>
#include <appearance/ilanguagemanager.h>
#include <extensionsystem/pluginmanager.h>
#include <mainwindow/frame/imainmenuwidget.h>
#include <mainwindow/menus/irecentfilesmanager.h>
#include <mainwindow/mainwindow.h>
#include <mainwindow/menus/recentprojectstatus.h>
#include <plugin/icore.h>

#include <QDockWidget>
#include <QMenu>
#include <QScopeGuard>
#include <QtTest>

class tst_MainWindow : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        // The window's temporary folder and everything else land in a folder of our own.
        QVERIFY(m_temp.isValid());
        qputenv("TMPDIR", QFile::encodeName(m_temp.path()));
        QCOMPARE(QDir::tempPath(), QDir(m_temp.path()).canonicalPath());

        // Interface languages: English built in, German and Brazilian Portuguese installed, the
        // latter in use.
        QVERIFY(writeFile(m_catalogues.filePath(QStringLiteral("zenub_de_DE.qm"))));
        QVERIFY(writeFile(m_catalogues.filePath(QStringLiteral("zenub_pt_BR.qm"))));
        TestEnvironment environment;
        environment.userSettings()->setValue(QStringLiteral("Zenub/Language"),
                                             QStringLiteral("pt_BR"));
        QVERIFY(ILanguageManager::getInstance().initialize(m_catalogues.path()));
        QCOMPARE(ILanguageManager::getInstance().getCurrentLangId(), QStringLiteral("pt_BR"));
        ILanguageManager::getInstance().setSettings(nullptr);
    }
    void tempFolderKeepsLinkedFolders_data()
    {
        QTest::addColumn<bool>("folderIsLink");
        QTest::newRow("the folder itself is a link") << true;
        QTest::newRow("links inside the folder") << false;
    }
    void tempFolderKeepsLinkedFolders()
    {
        QFETCH(bool, folderIsLink);

        TestEnvironment environment;
        MainWindow* window = environment.createMainWindow();
        // The user's own things, outside the temporary folder.
        QDir user(environment.path());
        QVERIFY(user.mkpath(QStringLiteral("documents/inner")));
        QVERIFY(writeFile(user.filePath(QStringLiteral("documents/inner/work.txt"))));
        QVERIFY(writeFile(user.filePath(QStringLiteral("notes.txt"))));

        const QString temp = window->getDefaultTempPath();
        if (folderIsLink) {
            QVERIFY(QDir().rmdir(temp));
            QVERIFY(QFile::link(user.filePath(QStringLiteral("documents")), temp));
            QVERIFY(window->getDefaultTempPath().isEmpty()); // a link in its place is refused
        } else {
            QVERIFY(QFileInfo(temp).isDir());
            QDir folder(temp);
            QVERIFY(folder.mkpath(QStringLiteral("project/images")));
            QVERIFY(writeFile(folder.filePath(QStringLiteral("project/images/a.png"))));
            QVERIFY(writeFile(folder.filePath(QStringLiteral(".hidden"))));
            QVERIFY(QFile::link(user.filePath(QStringLiteral("documents")),
                                folder.filePath(QStringLiteral("project/documents"))));
            QVERIFY(QFile::link(user.filePath(QStringLiteral("notes.txt")),
                                folder.filePath(QStringLiteral("notes"))));
            QVERIFY(QFile::link(user.filePath(QStringLiteral("gone")),
                                folder.filePath(QStringLiteral("broken"))));
        }

        window->removeDefaultTempDir();
        QVERIFY(!QFileInfo(temp).exists());
        QVERIFY(!QFileInfo(temp).isSymLink());
        QVERIFY(QFileInfo::exists(user.filePath(QStringLiteral("documents/inner/work.txt"))));
        QVERIFY(QFileInfo::exists(user.filePath(QStringLiteral("notes.txt"))));

        // Nothing there: nothing to do; asking for the path creates it again.
        window->removeDefaultTempDir();
        QVERIFY(QFileInfo(window->getDefaultTempPath()).isDir());
        QVERIFY(MainWindow::removeFolderTree(temp));
    }

    void recentProjectStatus_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("blocking");
        QTest::newRow("present") << "here.zenub" << int(RecentProjectStatus::Present) << "";
        QTest::newRow("file gone") << "gone.zenub" << int(RecentProjectStatus::Missing) << ".";
        QTest::newRow("folder gone")
            << "drive/work/gone.zenub" << int(RecentProjectStatus::FolderMissing) << "drive/work";
    }
    void recentProjectStatus()
    {
        QFETCH(QString, path);
        QFETCH(int, status);
        QFETCH(QString, blocking);
        QTemporaryDir folder;
        QVERIFY(writeFile(folder.filePath(QStringLiteral("here.zenub"))));
        QString blockingFolder;
        QCOMPARE(int(::recentProjectStatus(folder.filePath(path), &blockingFolder)), status);
        if (status != int(RecentProjectStatus::Present))
            QCOMPARE(blockingFolder, QDir::cleanPath(folder.filePath(blocking)));
    }
    void everyRecentProjectHasItsEntry()
    {
        TestEnvironment environment;
        MainWindow* window = environment.createMainWindow();
        IRecentFilesManager* recent = IRecentFilesManager::getInstance();
        const int count = recent->getMaxRecentFiles();
        for (int i = 0; i < count; ++i)
            recent->addRecentFile(environment.path() + QStringLiteral("/p%1.zenub").arg(i));
        window->updateRecentFileActions();
        const ContextAction* last =
            ActionManager::getAction(QStringLiteral("File.Recent_Projects.Project_%1").arg(count));
        QVERIFY(last && last->getAction()->isVisible());
        QVERIFY(last->getAction()->text().contains(QStringLiteral("p0.zenub")));
    }
    void docksAreListedByArea()
    {
        TestEnvironment environment;
        MainWindow* window = environment.createMainWindow();
        auto* dock = new QDockWidget(window);
        window->addDockWidget(Qt::LeftDockWidgetArea, dock);
        QVERIFY(window->getListDockWidgetsByArea(Qt::LeftDockWidgetArea).contains(dock));
        QVERIFY(!window->getListDockWidgetsByArea(Qt::RightDockWidgetArea).contains(dock));
    }

private:
    QTemporaryDir m_temp;
    QTemporaryDir m_catalogues;
};

QTEST_MAIN(tst_MainWindow)
#include "tst_mainwindow.moc"
