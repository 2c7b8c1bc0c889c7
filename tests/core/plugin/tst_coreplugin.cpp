#include <modalanswerer.h>
#include <testenvironment.h>

#include <mainwindow/mainwindow.h>
#include <plugin/coreplugin.h>
#include <plugin/icore.h>

#include <QDir>
#include <QJsonArray>
#include <QJsonObject>
#include <QPluginLoader>
#include <QtTest>

class tst_CorePlugin : public QObject
{
    Q_OBJECT
private slots:
    void metaData();
    void resolveRemoteFiles_data();
    void resolveRemoteFiles();
    void lifeCycle();
    void remoteCallWithoutFilesOnlyRaises();
    void remoteFileIsLoadedAbsolute();
};

void tst_CorePlugin::metaData()
{
    QPluginLoader loader(qEnvironmentVariable("ZENUB_BUILD_DIR") + "/lib/zenub/plugins/libCore.so");
    const QJsonObject root = loader.metaData();
    QCOMPARE(root.value("IID").toString(), QStringLiteral("com.KORVA.Zenub.Plugin"));
    QCOMPARE(root.value("className").toString(), QStringLiteral("CorePlugin"));
    const QJsonObject data = root.value("MetaData").toObject();
    QCOMPARE(data.value("Name").toString(), QStringLiteral("core"));
    QCOMPARE(data.value("Version").toString(), QStringLiteral("1.0.0"));
    QCOMPARE(data.value("CompatVersion").toString(), QStringLiteral("1.0.0"));
    QCOMPARE(data.value("Required").toBool(), true);
    QCOMPARE(data.value("Category").toString(), QStringLiteral("Zenub"));
    QCOMPARE(data.value("Description").toString(),
             QStringLiteral("The core plugin of Zenub Animate"));
    QVERIFY(data.value("Dependencies").toArray().isEmpty());
    QVERIFY(data.value("Arguments").isArray());
    QVERIFY(data.value("License").isArray());
}

void tst_CorePlugin::resolveRemoteFiles_data()
{
    QTest::addColumn<QString>("workingDirectory");
    QTest::addColumn<QString>("argument");
    QTest::addColumn<QString>("expected");

    QTest::newRow("relative to the caller") << "/work"
                                            << "a/b.zenub"
                                            << "/work/a/b.zenub";
    QTest::newRow("parent segment") << "/work/sub"
                                    << "../a.zenub"
                                    << "/work/a.zenub";
    QTest::newRow("absolute unchanged") << "/work"
                                        << "/tmp/x.zenub"
                                        << "/tmp/x.zenub";
    QTest::newRow("no folder: current one")
        << QString() << "a/b.zenub" << QDir::currentPath() + "/a/b.zenub";
}

void tst_CorePlugin::resolveRemoteFiles()
{
    QFETCH(QString, workingDirectory);
    QFETCH(QString, argument);
    QFETCH(QString, expected);
    QCOMPARE(CorePlugin::resolveRemoteFiles(workingDirectory, {argument}), QStringList(expected));
}

void tst_CorePlugin::lifeCycle()
{
    TestEnvironment environment;
    {
        CorePlugin plugin;
        QVERIFY(ICore::getInstance());
        QVERIFY(ICore::getMainWindow());
        QVERIFY(!ICore::getMainWindow()->isVisible());

        QString error = QStringLiteral("untouched");
        QVERIFY(plugin.initialize({}, &error));
        QCOMPARE(error, QStringLiteral("untouched"));
        plugin.extensionsInitialized();
        QVERIFY(ICore::getMainWindow()->isVisible());
        QVERIFY(plugin.postInitialize());
        QCOMPARE(plugin.aboutToShutdown(), 0);
    }
    QVERIFY(!ICore::getInstance());
    QVERIFY(!ICore::getMainWindow());
}

void tst_CorePlugin::remoteCallWithoutFilesOnlyRaises()
{
    TestEnvironment environment;
    CorePlugin plugin;
    ModalAnswerer answerer;
    answerer.answer(QMessageBox::Ok);
    ICore::getMainWindow()->showMinimized();
    QCOMPARE(plugin.handleRemoteCall({}, QStringLiteral("/work"), {}), nullptr);
    QVERIFY(!(ICore::getMainWindow()->windowState() & Qt::WindowMinimized));
    QCoreApplication::processEvents();
    QCOMPARE(answerer.answered(), 0);
}

void tst_CorePlugin::remoteFileIsLoadedAbsolute()
{
    TestEnvironment environment;
    CorePlugin plugin;
    ModalAnswerer answerer;
    answerer.answer(QMessageBox::Ok);
    // No plugin supplies a document type here, so the shell reports the file as unknown.
    plugin.fileOpenRequest(QStringLiteral("/tmp/project.zenub"));
    QCOMPARE(answerer.texts(), QStringList(QStringLiteral("Cannot open this file type.")));
}

QTEST_MAIN(tst_CorePlugin)
#include "tst_coreplugin.moc"
