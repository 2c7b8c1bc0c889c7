#include "channelclient.h"

#include <desktoprecorder.h>
#include <modalanswerer.h>
#include <testdocuments.h>
#include <testenvironment.h>

#include <actions/actionmanager.h>
#include <actions/contextaction.h>
#include <appearance/ilanguagemanager.h>
#include <mainwindow/imainmdiarea.h>
#include <mainwindow/irecentfilesmanager.h>
#include <mainwindow/mainwindow.h>
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
    void init();
    void cleanup();
    void queries_data();
    void queries();
    void recentListAndResourceUrls();
    void commandRunsEvenWhenDisabled();
    void removeFileUpdatesListMenuAndPage();
    void openURL_data();
    void openURL();
    void openFile_data();
    void openFile();
    void forgetMissingProject_data();
    void forgetMissingProject();
    void revealExistingProject();

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

void tst_WelcomeBridge::init()
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

void tst_WelcomeBridge::cleanup()
{
    delete m_client;
    delete m_environment;
}

void tst_WelcomeBridge::queries_data()
{
    QTest::addColumn<QString>("query");
    QTest::addColumn<QString>("argument");
    QTest::addColumn<QString>("answer");
    QTest::newRow("build number") << "WelcomeScreen.getBuildNumber"
                                  << "x"
                                  << "3.0.1";
    QTest::newRow("letter case matters") << "WelcomeScreen.getbuildnumber"
                                         << ""
                                         << "";
    QTest::newRow("locale") << "WelcomeScreen.getLocale"
                            << "" << ILanguageManager::getInstance().getCurrentLangId();
    QTest::newRow("unknown") << "WelcomeScreen.getTheme"
                             << ""
                             << "";
}

void tst_WelcomeBridge::queries()
{
    QFETCH(QString, query);
    QFETCH(QString, argument);
    QFETCH(QString, answer);
    QCOMPARE(call("callbackAsyncfromJS", {query, argument}).toString(), answer);
}

void tst_WelcomeBridge::recentListAndResourceUrls()
{
    IRecentFilesManager::getInstance()->addRecentFile("/p/old.zenub");
    IRecentFilesManager::getInstance()->addRecentFile("/p/new.zenub");
    QCOMPARE(call("getRecentFileList").toVariant().toStringList(),
             QStringList({"/p/new.zenub", "/p/old.zenub"}));

    const QJsonObject urls = call("getResourceUrls").toObject();
    QCOMPARE(urls.keys(), QStringList({"community", "demo", "facebook", "homepage", "youtube"}));
    for (const QJsonValue& url : urls)
        QVERIFY(IMainMdiArea::isWebLink(url.toString()));
    QCOMPARE(call("getResourceUrls").toObject(), urls);
}

void tst_WelcomeBridge::commandRunsEvenWhenDisabled()
{
    TestDocumentFactory factory;
    factory.addToPool();
    int dialogs = 0;
    factory.prepareDialog = [&dialogs](TestNewDocumentDialog*) {
        ++dialogs;
    };
    ContextAction* command = ActionManager::getAction(QStringLiteral("File.New"));
    QVERIFY(command);
    command->getAction()->setEnabled(false);

    ModalAnswerer answerer;
    answerer.finish(QDialog::Rejected);
    call("callbackTunnelAsync", {"File.New"});
    QCOMPARE(dialogs, 1);
    call("callbackTunnelAsync", {"File.Nothing"});
    call("callbackTunnelAsync", {"file.new"});
    QCOMPARE(dialogs, 1);
}

void tst_WelcomeBridge::removeFileUpdatesListMenuAndPage()
{
    IRecentFilesManager::getInstance()->addRecentFile("/p/old.zenub");
    IRecentFilesManager::getInstance()->addRecentFile("/p/new.zenub");
    m_client->connectToSignal("znwelcome", "resetRecentFiles");
    call("removeFile", {"/p/new.zenub"});
    QCOMPARE(IRecentFilesManager::getInstance()->getRecentFiles(), QStringList("/p/old.zenub"));
    QCOMPARE(ActionManager::getAction("File.Recent_Projects.Project_1")->getAction()->text(),
             QStringLiteral("1. /p/old.zenub"));
    QTRY_COMPARE(m_client->signalsReceived(), QStringList("resetRecentFiles"));
}

void tst_WelcomeBridge::openURL_data()
{
    QTest::addColumn<QString>("url");
    QTest::addColumn<bool>("opened");
    QTest::newRow("https") << "https://zenub.korva.example/" << true;
    QTest::newRow("http") << "http://zenub.korva.example/" << true;
    QTest::newRow("capital scheme") << "HTTPS://zenub.korva.example/" << false;
    QTest::newRow("program") << "file:///usr/bin/xterm" << false;
    QTest::newRow("script") << "javascript:alert(1)" << false;
}

void tst_WelcomeBridge::openURL()
{
    QFETCH(QString, url);
    QFETCH(bool, opened);
    ModalAnswerer answerer;
    if (!opened)
        answerer.answer(QMessageBox::Ok);
    call("openURL", {url});
    QCOMPARE(m_desktop.urls, opened ? QList<QUrl>{QUrl(url)} : QList<QUrl>());
    QCOMPARE(answerer.texts(), opened ? QStringList() : QStringList("URL: " + url));
}

void tst_WelcomeBridge::openFile_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("create");
    QTest::addColumn<QString>("report");
    QTest::addColumn<bool>("toDesktop");
    // Without a document type the shell's loader answers with its report; that proves it ran.
    QTest::newRow("project, capital suffix")
        << "demo.ZENUB" << true << "Cannot open this file type." << false;
    QTest::newRow("pack") << "demo.zenubpack" << true << "Cannot open this file type." << false;
    QTest::newRow("other file to the desktop") << "guide.pdf" << true << QString() << true;
    QTest::newRow("missing") << "gone.zenub" << false << "Could not find the requested file."
                             << false;
}

void tst_WelcomeBridge::openFile()
{
    QFETCH(QString, name);
    QFETCH(bool, create);
    QFETCH(QString, report);
    QFETCH(bool, toDesktop);
    // A relative name is taken from the application folder.
    QTemporaryDir folder(ICore::resourcePath() + "/welcome-XXXXXX");
    const QString relative = QDir(ICore::resourcePath()).relativeFilePath(folder.filePath(name));
    if (create) {
        QFile file(folder.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    ModalAnswerer answerer;
    if (!report.isEmpty())
        answerer.answer(QMessageBox::Ok);
    call("openFile", {relative});
    if (report.isEmpty())
        QCOMPARE(answerer.answered(), 0);
    else
        QVERIFY2(answerer.texts().value(0).startsWith(report),
                 qPrintable(answerer.texts().value(0)));
    if (!create)
        QVERIFY(answerer.texts().value(0).endsWith(folder.filePath(name)));
    QCOMPARE(m_desktop.urls,
             toDesktop ? QList<QUrl>{QUrl::fromLocalFile(folder.filePath(name))} : QList<QUrl>());
}

void tst_WelcomeBridge::forgetMissingProject_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("forgotten");
    QTest::newRow("yes forgets") << int(QMessageBox::Yes) << true;
    QTest::newRow("no keeps") << int(QMessageBox::No) << false;
}

void tst_WelcomeBridge::forgetMissingProject()
{
    QFETCH(int, answer);
    QFETCH(bool, forgotten);
    const QString gone = m_folder.filePath("gone.zenub");
    IRecentFilesManager::getInstance()->addRecentFile(gone);
    m_client->connectToSignal("znwelcome", "resetRecentFiles");
    ModalAnswerer answerer;
    answerer.answer(static_cast<QMessageBox::StandardButton>(answer));
    call("showInExplorer", {gone});
    QCOMPARE(answerer.texts(),
             QStringList("The project [" + gone +
                         "] no longer exists.\nDo you want to remove this entry from history?"));
    QCOMPARE(IRecentFilesManager::getInstance()->getRecentFiles().contains(gone), !forgotten);
    if (forgotten)
        QTRY_COMPARE(m_client->signalsReceived(), QStringList("resetRecentFiles"));
    // Let any stray emission arrive before checking that none came.
    call("getRecentFileList");
    QCOMPARE(m_client->signalsReceived().size(), forgotten ? 1 : 0);
}

void tst_WelcomeBridge::revealExistingProject()
{
    QDir(m_folder.path()).mkpath("projects");
    const QString project = m_folder.filePath("projects/a.zenub");
    QFile file(project);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    call("showInExplorer", {project});
    QCOMPARE(m_desktop.urls, QList<QUrl>{QUrl::fromLocalFile(m_folder.filePath("projects"))});
}

QTEST_MAIN(tst_WelcomeBridge)
#include "tst_welcomebridge.moc"
