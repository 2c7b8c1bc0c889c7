// SPDX-License-Identifier: MIT
#include "channelclient.h"

#include <desktoprecorder.h>
#include <modalanswerer.h>
#include <richtextprobe.h>
#include <testdocuments.h>
#include <testenvironment.h>
#include <testfiles.h>

#include <actions/actionmanager.h>
#include <actions/contextaction.h>
#include <appearance/ilanguagemanager.h>
#include <mainwindow/imainmdiarea.h>
#include <mainwindow/mainwindow.h>
#include <mainwindow/menus/irecentfilesmanager.h>
#include <plugin/icore.h>

#include <QAction>
#include <QDesktopServices>
#include <QTemporaryDir>
#include <QWebSocketServer>
#include <QtTest>

/*! Calls the "znwelcome" object as the welcome page does: over a real WebSocket. */
class tst_WelcomeBridge : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        m_environment = new TestEnvironment;
        MainWindow* window = m_environment->createMainWindow();
        m_area = window->findChild<IMainMdiArea*>();
        if (!m_area)
            m_area = new IMainMdiArea(window);
        m_client = new ChannelClient(window->getChannelUrl());
        QVERIFY(m_client->isConnected());
        QVERIFY(m_client->init());
        m_desktop.urls.clear();
    }
    void cleanup()
    {
        delete m_client;
        delete m_environment;
    }
    void openURL_data()
    {
        QTest::addColumn<QString>("url");
        QTest::addColumn<bool>("opened");
        QTest::newRow("https") << "https://zenub.korva.example/" << true;
        QTest::newRow("http") << "http://zenub.korva.example/" << true;
        QTest::newRow("capital scheme") << "HTTPS://zenub.korva.example/" << false;
        QTest::newRow("program") << "file:///usr/bin/xterm" << false;
        QTest::newRow("script") << "javascript:alert(1)" << false;
        QTest::newRow("markup") << RichTextProbe::markup() << false;
    }
    void openURL()
    {
        QFETCH(QString, url);
        QFETCH(bool, opened);
        const RichTextProbe probe;
        ModalAnswerer answerer;
        if (!opened)
            answerer.answer(QMessageBox::Ok);
        call("openURL", {url});
        QCOMPARE(m_desktop.urls, opened ? QList<QUrl>{QUrl(url)} : QList<QUrl>());
        QCOMPARE(answerer.texts(), opened ? QStringList() : QStringList("URL: " + url));
        // The client's text is shown as written, never obeyed as markup.
        for (const int height : answerer.labelHeights())
            QVERIFY(height < 100);
    }
    void openFile_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("make");
        QTest::addColumn<QString>("report");
        QTest::addColumn<bool>("opened");
        const QString refused = "was not opened: only projects can be opened";
        QTest::newRow("project, capital suffix") << "demo.ZENUB"
                                                 << "file" << QString() << true;
        QTest::newRow("pack") << "demo.zenubpack"
                              << "file" << QString() << true;
        QTest::newRow("document") << "guide.pdf"
                                  << "file" << refused << false;
        QTest::newRow("script") << "run.sh"
                                << "file" << refused << false;
        QTest::newRow("launcher") << "app.desktop"
                                  << "file" << refused << false;
        QTest::newRow("out of the folder") << "../../../../../../../../etc/passwd"
                                           << "" << refused << false;
        QTest::newRow("folder named as a project") << "folder.zenub"
                                                   << "folder"
                                                   << "only regular files can be projects" << false;
        QTest::newRow("missing") << "gone.zenub"
                                 << ""
                                 << "Could not find the requested file." << false;
    }
    void openFile()
    {
        QFETCH(QString, name);
        QFETCH(QString, make);
        QFETCH(QString, report);
        QFETCH(bool, opened);
        TestDocumentFactory projects({QStringLiteral("zenub"), QStringLiteral("zenubpack")});
        projects.addToPool();
        // A relative name is taken from the application folder.
        QTemporaryDir folder(ICore::resourcePath() + "/welcome-XXXXXX");
        const QString relative =
            QDir(ICore::resourcePath()).relativeFilePath(folder.filePath(name));
        if (make == "file")
            QVERIFY(writeFile(folder.filePath(name)));
        else if (make == "folder")
            QVERIFY(QDir(folder.path()).mkdir(name));
        ModalAnswerer answerer;
        if (!report.isEmpty())
            answerer.answer(QMessageBox::Ok);
        call("openFile", {relative});
        QCOMPARE(answerer.answered(), report.isEmpty() ? 0 : 1);
        if (!report.isEmpty())
            QVERIFY2(answerer.texts().value(0).contains(report),
                     qPrintable(answerer.texts().value(0)));
        QCOMPARE(projects.log().contains("open " + name), opened);
        QVERIFY(m_desktop.urls.isEmpty());
    }
    void forgetMissingProject_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("forgotten");
        QTest::newRow("yes forgets") << int(QMessageBox::Yes) << true;
        QTest::newRow("no keeps") << int(QMessageBox::No) << false;
    }
    void forgetMissingProject()
    {
        QFETCH(int, answer);
        QFETCH(bool, forgotten);
        const QString gone = m_folder.filePath("gone.zenub");
        IRecentFilesManager::getInstance()->addRecentFile(gone);
        m_client->connectToSignal("znwelcome", "resetRecentFiles");
        ModalAnswerer answerer;
        answerer.answer(static_cast<QMessageBox::StandardButton>(answer));
        call("showInExplorer", {gone});
        QCOMPARE(
            answerer.texts(),
            QStringList("The project [" + gone +
                        "] no longer exists.\nDo you want to remove this entry from history?"));
        QCOMPARE(IRecentFilesManager::getInstance()->getRecentFiles().contains(gone), !forgotten);
        if (forgotten)
            QTRY_COMPARE(m_client->signalsReceived(), QStringList("resetRecentFiles"));
        // Let any stray emission arrive before checking that none came.
        call("getRecentFileList");
        QCOMPARE(m_client->signalsReceived().size(), forgotten ? 1 : 0);
    }

private:
    QJsonValue call(const QString& method, const QJsonArray& arguments = {})
    {
        return m_client->invoke(QStringLiteral("znwelcome"), method, arguments);
    }

    TestEnvironment* m_environment = nullptr;
    IMainMdiArea* m_area = nullptr;
    ChannelClient* m_client = nullptr;
    DesktopRecorder m_desktop;
    QTemporaryDir m_folder;
};

QTEST_MAIN(tst_WelcomeBridge)
#include "tst_welcomebridge.moc"
