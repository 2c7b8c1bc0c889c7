#include <testenvironment.h>

#include <mainwindow/mainwindow.h>
#include <plugin/icore.h>

#include <QSettings>
#include <QSignalSpy>
#include <QtTest>

class tst_ICore : public QObject
{
    Q_OBJECT
private slots:
    void lifetimeFollowsMainWindow();
    void settingsScopes();
    void valueWrittenBeforeSaveIsOnDisk();
};

void tst_ICore::lifetimeFollowsMainWindow()
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

void tst_ICore::settingsScopes()
{
    TestEnvironment environment;
    QCOMPARE(ICore::settings(QSettings::UserScope), environment.userSettings());
    QCOMPARE(ICore::settings(QSettings::SystemScope), environment.globalSettings());
    QVERIFY(ICore::settings(QSettings::UserScope) != ICore::settings(QSettings::SystemScope));
    QCOMPARE(ICore::settings(QSettings::UserScope), ICore::settings(QSettings::UserScope));
}

void tst_ICore::valueWrittenBeforeSaveIsOnDisk()
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

QTEST_MAIN(tst_ICore)
#include "tst_icore.moc"
