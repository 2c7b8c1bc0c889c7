// SPDX-License-Identifier: MIT
#include <modalanswerer.h>
#include <testenvironment.h>

#include <appearance/ilanguagemanager.h>
#include <mainwindow/mainwindow.h>
#include <plugin/coreplugin.h>
#include <plugin/dpi.h>
#include <plugin/icore.h>
#include <plugin/iui.h>

#include <QDir>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTranslator>
#include <QtTest>

class tst_CorePlugin : public QObject
{
    Q_OBJECT
private slots:
    void resolveRemoteFiles_data()
    {
        QTest::addColumn<QString>("workingDirectory");
        QTest::addColumn<QString>("argument");
        QTest::addColumn<QString>("expected");

        QTest::newRow("relative to the caller") << "/work"
                                                << "a/b.zenub"
                                                << "/work/a/b.zenub";
        QTest::newRow("absolute unchanged") << "/work"
                                            << "/tmp/x.zenub"
                                            << "/tmp/x.zenub";
        QTest::newRow("no folder: current one")
            << QString() << "a/b.zenub" << QDir::currentPath() + "/a/b.zenub";
    }
    void resolveRemoteFiles()
    {
        QFETCH(QString, workingDirectory);
        QFETCH(QString, argument);
        QFETCH(QString, expected);
        QCOMPARE(CorePlugin::resolveRemoteFiles(workingDirectory, {argument}),
                 QStringList(expected));
    }
    void lifeCycle()
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
    void lifetimeFollowsMainWindow()
    {
        TestEnvironment environment;
        QVERIFY(!ICore::getInstance());
        QVERIFY(!ICore::getMainWindow());
        MainWindow* window = environment.createMainWindow();
        QVERIFY(ICore::getInstance());
        QCOMPARE(ICore::getMainWindow(), window);
        environment.deleteMainWindow();
        QVERIFY(!ICore::getInstance());
        QVERIFY(!ICore::getMainWindow());
    }
    void valueWrittenBeforeSaveIsOnDisk()
    {
        TestEnvironment environment;
        environment.createMainWindow();
        QSignalSpy spy(ICore::getInstance(), &ICore::aboutToSaveSettings);
        connect(ICore::getInstance(), &ICore::aboutToSaveSettings, this, [] {
            ICore::settings(QSettings::UserScope)->setValue(QStringLiteral("Test/Pending"), 42);
        });
        ICore::getInstance()->saveSettings();
        QCOMPARE(spy.count(), 1);
        // A second reader sees only what reached the file.
        QSettings onDisk(environment.userSettingsFile(), QSettings::IniFormat);
        QCOMPARE(onDisk.value(QStringLiteral("Test/Pending")).toInt(), 42);
    }
    void fileNameByDensity_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("state");
        QTest::addColumn<int>("size");
        QTest::addColumn<int>("dpi");
        QTest::addColumn<bool>("noScale");
        QTest::addColumn<QString>("fileName");

        QTest::newRow("143 stays 1x") << "save" << 2 << 2 << 143 << false << "save_16.png";
        QTest::newRow("144 is 150%") << "save" << 2 << 2 << 144 << false << "save_16_2x.png";
        QTest::newRow("192 disabled") << "save" << 4 << 2 << 192 << false << "save_16_d_2x.png";
        QTest::newRow("no scale at 192") << "save" << 4 << 2 << 192 << true << "save_16_d.png";
        QTest::newRow("size 7 no suffix") << "icon" << 2 << 7 << 168 << false << "icon_2x.png";
        QTest::newRow("size 6") << "x" << 2 << 6 << 120 << false << "x_64.png";
    }
    void fileNameByDensity()
    {
        QFETCH(QString, name);
        QFETCH(int, state);
        QFETCH(int, size);
        QFETCH(int, dpi);
        QFETCH(bool, noScale);
        QFETCH(QString, fileName);
        QCOMPARE(IUi::pixmapFileName(name, state, size, dpi, noScale), fileName);
    }
    void storedLanguageOnlyWhenShipped_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("active");
        QTest::newRow("shipped") << "pt_BR"
                                 << "pt_BR";
        QTest::newRow("not shipped: English") << "fr_FR"
                                              << "en_US";
    }
    void storedLanguageOnlyWhenShipped()
    {
        QFETCH(QString, stored);
        QFETCH(QString, active);
        TestEnvironment environment;
        QTemporaryDir catalogues;
        QFile file(catalogues.filePath(QStringLiteral("zenub_pt_BR.qm")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        environment.userSettings()->setValue(QStringLiteral("Zenub/Language"), stored);
        ILanguageManager& languages = ILanguageManager::getInstance();
        languages.setSettings(environment.userSettings());
        QVERIFY(languages.initialize(catalogues.path()));
        QCOMPARE(languages.getActiveLangId(), active);
        languages.setSettings(nullptr);
    }
    void shippedGermanCatalogueTranslates()
    {
        const QString folder = qEnvironmentVariable("ZENUB_BUILD_DIR") + "/bin/translations";
        QTranslator translator;
        QVERIFY2(translator.load(QStringLiteral("zenub_de_DE"), folder), qPrintable(folder));
        QCOMPARE(translator.translate("MainWindow", "Cannot open this file type."),
                 QStringLiteral("Dieser Dateityp kann nicht geöffnet werden."));
    }
};

QTEST_MAIN(tst_CorePlugin)

#include "tst_coreplugin.moc"
