// SPDX-License-Identifier: MIT
#include <modalanswerer.h>
#include <richtextprobe.h>
#include <testenvironment.h>

#include "model/io/zenub/zenubprojectfile.h"
#include "model/project/zenubproject.h"

#include <actions/actionmanager.h>
#include <actions/contextaction.h>
#include <documents/editormanager.h>
#include <documents/idocument.h>
#include <documents/ieditor.h>
#include <extensionsystem/pluginmanager.h>
#include <mainwindow/imainmdiarea.h>
#include <mainwindow/mainwindow.h>
#include <plugin/icore.h>

#include <QAction>
#include <QApplication>
#include <QMdiSubWindow>
#include <QUndoStack>
#include <QtTest>

#include <sys/stat.h>
#include <unistd.h>

using ExtensionSystem::PluginManager;

/*! The application's own plugins, with projects opened the way a user opens them. */
class tst_ShellFaults : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void saveFollowsTheTabInFront();
    void oddFilesAreRefused_data();
    void oddFilesAreRefused();
    void shutdownWithProjectsOpen();

private:
    QString project(const QString& name);
    void pickTab(const QString& path);

    TestEnvironment m_environment;
    MainWindow* m_window = nullptr;
};

QString tst_ShellFaults::project(const QString& name)
{
    const QString path = m_environment.path() + '/' + name;
    if (!ZenubProjectFile(path).save(ZenubProject::createNew(name, 320, 240, 12)))
        qFatal("Cannot write %s", qPrintable(path));
    return path;
}

void tst_ShellFaults::pickTab(const QString& path)
{
    for (QMdiSubWindow* sub : m_window->getMdiArea()->subWindowList())
        if (sub->windowFilePath() == path)
            m_window->getMdiArea()->setActiveSubWindow(sub);
}

void tst_ShellFaults::initTestCase()
{
    PluginManager::setPluginPaths({qEnvironmentVariable("ZENUB_BUILD_DIR") + "/lib/zenub/plugins"});
    QVERIFY2(PluginManager::loadPlugins(), qPrintable(PluginManager::errors().join('\n')));
    m_window = ICore::getMainWindow();
    QVERIFY(m_window);
}

void tst_ShellFaults::saveFollowsTheTabInFront()
{
    const QString first = project("first.zenub");
    const QString second = project("second.zenub");
    QVERIFY(m_window->loadFile(first));
    QVERIFY(m_window->loadFile(second));
    QAction* save = ActionManager::getAction("File.Save")->getAction();
    QVERIFY(!save->isEnabled());

    // Away and back, then an edit: Save must follow the first project's change.
    pickTab(first);
    pickTab(second);
    pickTab(first);
    IDocument* document = EditorManager::activeEditor()->getDocument();
    QCOMPARE(document->getFileName(), first);
    document->getUndoStack()->push(new QUndoCommand("edit"));
    QVERIFY(save->isEnabled());
    pickTab(second);
    QVERIFY(!save->isEnabled());
    pickTab(first);
    QVERIFY(save->isEnabled());
    save->trigger();
    QVERIFY(!document->isModified());
    QVERIFY(!save->isEnabled());
}

void tst_ShellFaults::oddFilesAreRefused_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("reason");
    const QString folder = m_environment.path();
    QDir(folder).mkdir("folder.zenub");
    QFile big(folder + "/big.zenub");
    // Sparse: one byte past the limit costs no disk.
    QVERIFY(big.open(QIODevice::WriteOnly) && big.resize(ZenubProjectFile::maximumFileSize + 1));
    QVERIFY(::mkfifo(qPrintable(folder + "/pipe.zenub"), 0600) == 0);
    QDir(folder).mkdir(RichTextProbe::markup() + ".zenub");
    QVERIFY(::symlink("loop.zenub", qPrintable(folder + "/loop.zenub")) == 0);
    QTest::newRow("folder") << folder + "/folder.zenub"
                            << "regular files";
    QTest::newRow("over the size limit") << folder + "/big.zenub"
                                         << "64 MiB";
    QTest::newRow("device") << "/dev/zero"
                            << "regular files";
    QTest::newRow("FIFO without a writer") << folder + "/pipe.zenub"
                                           << "regular files";
    // Shown as written: the markup neither loads the picture nor garbles the box.
    QTest::newRow("name written as markup") << folder + '/' + RichTextProbe::markup() + ".zenub"
                                            << "regular files";
    QTest::newRow("link in a loop") << folder + "/loop.zenub"
                                    << "leads round in a loop";
}

void tst_ShellFaults::oddFilesAreRefused()
{
    QFETCH(QString, path);
    QFETCH(QString, reason);
    const int editors = EditorManager::getEditors().size();
    const RichTextProbe probe;
    ModalAnswerer answerer;
    answerer.answer(QMessageBox::Ok);
    QElapsedTimer clock;
    clock.start();
    QVERIFY(!m_window->loadFile(path));
    QVERIFY(clock.elapsed() < 5000);
    QCOMPARE(answerer.texts().size(), 1);
    const QString text = answerer.texts().constFirst();
    QVERIFY2(text.contains(path) && text.contains(reason), qPrintable(text));
    QVERIFY(answerer.labelHeights().constFirst() < 100);
    QCOMPARE(EditorManager::getEditors().size(), editors);
}

void tst_ShellFaults::shutdownWithProjectsOpen()
{
    // The editors' windows go with the main window; under the sanitizers nothing may be
    // reached through a half-destroyed one.
    QVERIFY(!EditorManager::getEditors().isEmpty());
    PluginManager::shutdown();
    QVERIFY(!ICore::getMainWindow());
}

int main(int argc, char** argv)
{
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    tst_ShellFaults test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_shellfaults.moc"
