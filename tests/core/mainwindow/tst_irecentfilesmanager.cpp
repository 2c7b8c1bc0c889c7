#include <testenvironment.h>

#include <mainwindow/irecentfilesmanager.h>

#include <QSettings>
#include <QtTest>

namespace {

const QString key = QStringLiteral("Zenub/RecentProjects");

QStringList numbered(int first, int last)
{
    QStringList paths;
    for (int i = first; i <= last; ++i)
        paths << QStringLiteral("/projects/p%1.zenub").arg(i);
    return paths;
}

} // namespace

class tst_IRecentFilesManager : public QObject
{
    Q_OBJECT
private slots:
    void changes_data()
    {
        QTest::addColumn<QStringList>("stored");
        // "+path" adds, "-path" removes.
        QTest::addColumn<QStringList>("calls");
        QTest::addColumn<QStringList>("expected");

        QTest::newRow("added again moves to front")
            << QStringList() << QStringList{"+one", "+two", "+three", "+one"}
            << QStringList{"one", "three", "two"};
        QTest::newRow("eleventh drops the oldest")
            << numbered(1, 10) << QStringList{"+/projects/p0.zenub"}
            << QStringList{"/projects/p0.zenub"} + numbered(1, 9);
        QTest::newRow("remove") << QStringList{"a", "b", "c"} << QStringList{"-b"}
                                << QStringList{"a", "c"};
        QTest::newRow("remove takes the first of duplicates")
            << QStringList{"a", "b", "a"} << QStringList{"-a"} << QStringList{"b", "a"};
        QTest::newRow("add removes every duplicate")
            << QStringList{"a", "b", "a"} << QStringList{"+a"} << QStringList{"a", "b"};
    }
    void changes()
    {
        QFETCH(QStringList, stored);
        QFETCH(QStringList, calls);
        QFETCH(QStringList, expected);

        TestEnvironment environment;
        if (!stored.isEmpty())
            environment.userSettings()->setValue(key, stored);
        IRecentFilesManager* manager = IRecentFilesManager::getInstance();
        for (const QString& call : calls) {
            if (call.startsWith('+'))
                manager->addRecentFile(call.mid(1));
            else
                manager->removeRecentFile(call.mid(1));
        }
        QCOMPARE(manager->getRecentFiles(), expected);
        QCOMPARE(manager->getRecentFileCount(), expected.size());

        // Every change reaches the settings file, as a new start would read it.
        environment.reloadSettings();
        QCOMPARE(QSettings(environment.userSettingsFile(), QSettings::IniFormat)
                     .value(key)
                     .toStringList(),
                 expected);
    }
    void wrongTypeTouchesNoOtherKey()
    {
        TestEnvironment environment;
        QSettings* settings = environment.userSettings();
        settings->setValue(key, 42);
        settings->setValue(QStringLiteral("Zenub/Language"), QStringLiteral("de_DE"));
        IRecentFilesManager* manager = IRecentFilesManager::getInstance();
        QVERIFY(manager->getRecentFiles().isEmpty());
        manager->removeRecentFile(QStringLiteral("/x.zenub"));
        manager->addRecentFile(QStringLiteral("/y.zenub"));
        QCOMPARE(manager->getRecentFiles(), QStringList{"/y.zenub"});
        QCOMPARE(settings->value(QStringLiteral("Zenub/Language")).toString(),
                 QStringLiteral("de_DE"));
        QCOMPARE(settings->allKeys().size(), 2);
    }
};

QTEST_MAIN(tst_IRecentFilesManager)
#include "tst_irecentfilesmanager.moc"
