// SPDX-License-Identifier: MIT
#include <extensionsystem/iplugin.h>
#include <extensionsystem/pluginmanager.h>
#include <extensionsystem/pluginspec.h>

#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QtTest>

using namespace ExtensionSystem;

class tst_PluginManager : public QObject
{
    Q_OBJECT
private slots:
    void init() { qApp->setProperty("lifecycle", QStringList()); }
    void lifeCycleFollowsDependencies()
    {
        {
            PluginManager manager;
            PluginManager::setPluginPaths({pluginFolder(QStringLiteral("order"))});
            QVERIFY(PluginManager::loadPlugins());
            QVERIFY(PluginManager::errors().isEmpty());
            PluginManager::remoteArguments({}, QStringLiteral("/work"),
                                           {QStringLiteral("a.zenub")});
            PluginManager::shutdown();
        }
        const QStringList expected = {
            "alpha:created",
            "beta:created",
            "alpha:initialize",
            "beta:initialize",
            "beta:extensionsInitialized",
            "alpha:extensionsInitialized",
            "alpha:postInitialize",
            "beta:postInitialize",
            "alpha:remote /work a.zenub",
            "beta:remote /work a.zenub",
            "beta:aboutToShutdown",
            "alpha:aboutToShutdown",
            "beta:deleted",
            "alpha:deleted",
        };
        QCOMPARE(log(), expected);
    }
    void startupFailures_data()
    {
        QTest::addColumn<QString>("scenario");
        QTest::addColumn<QString>("error");
        QTest::addColumn<bool>("started");

        QTest::newRow("initialize returns false")
            << "failinit"
            << "Plugin \"failing\": initialisation failed: the test asked it to fail" << true;
        QTest::newRow("malformed metadata")
            << "badmeta"
            << "Plugin \"badmeta\": \"Version\" is not a string" << true;
        QTest::newRow("missing dependency")
            << "missingdep"
            << "Plugin \"orphan\": the plugin \"nowhere\" it depends on is missing" << true;
        QTest::newRow("dependency failed")
            << "faileddep"
            << "Plugin \"dependent\": the plugin \"notaplugin\" it depends on failed" << true;
        QTest::newRow("required plugin fails")
            << "requiredfail"
            << "Plugin \"requiredfailing\": initialisation failed: the test asked it to fail"
            << false;
    }
    void startupFailures()
    {
        QFETCH(QString, scenario);
        QFETCH(QString, error);
        QFETCH(bool, started);

        PluginManager manager;
        PluginManager::setPluginPaths({pluginFolder(scenario)});
        QTest::ignoreMessage(QtWarningMsg, qPrintable(error));
        QCOMPARE(PluginManager::loadPlugins(), started);
        // A dependent's error comes after its dependency's own.
        QCOMPARE(PluginManager::errors().size(), scenario == QLatin1String("faileddep") ? 2 : 1);
        QCOMPARE(PluginManager::errors().constLast(), error);
        // A failing plugin does not keep a healthy neighbour from running.
        if (scenario == QLatin1String("failinit"))
            QVERIFY(log().contains(QStringLiteral("alpha:postInitialize")));
        QVERIFY(!log().contains(QStringLiteral("failing:extensionsInitialized")));
    }
    void malformedMetaData_data()
    {
        QTest::addColumn<QByteArray>("json");
        QTest::addColumn<QString>("error");

        QTest::newRow("no name") << QByteArray(R"({"Version":"1.0"})") << "\"Name\" is missing";
        QTest::newRow("vendor not text") << QByteArray(R"({"Name":"x","Version":"1.0","Vendor":7})")
                                         << "\"Vendor\" is not a string";
        QTest::newRow("copyright in lines")
            << QByteArray(R"({"Name":"x","Version":"1.0","Copyright":["a","b"]})") << QString();
        QTest::newRow("valid") << QByteArray(R"({"Name":"x","Version":"1.2","Required":true})")
                               << QString();
    }
    void malformedMetaData()
    {
        QFETCH(QByteArray, json);
        QFETCH(QString, error);
        PluginSpec pluginSpec(QStringLiteral("/nowhere/libx.so"));
        const bool ok = pluginSpec.readMetaData(QJsonDocument::fromJson(json).object());
        QCOMPARE(ok, error.isEmpty());
        QCOMPARE(pluginSpec.errorString(), error);
    }

private:
    static QString pluginFolder(const QString& scenario);
    static QStringList log() { return qApp->property("lifecycle").toStringList(); }
};

QString tst_PluginManager::pluginFolder(const QString& scenario)
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/plugins/") + scenario;
}

QTEST_MAIN(tst_PluginManager)
#include "tst_pluginmanager.moc"
