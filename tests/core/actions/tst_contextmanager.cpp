#include <testenvironment.h>

#include <actions/contextmanager.h>
#include <mainwindow/mainwindow.h>

#include <QtTest>

class tst_ContextManager : public QObject
{
    Q_OBJECT
private slots:
    void activeContext_data();
    void activeContext();
    void globalContext();
    void recordsKeyedByWidgetAndId();
};

void tst_ContextManager::activeContext_data()
{
    // Registrations are "widget:id" in order; the tree is window > outer > middle > inner > leaf.
    QTest::addColumn<QStringList>("registrations");
    QTest::addColumn<QString>("focused");
    QTest::addColumn<QString>("expectedId");
    QTest::newRow("null widget") << QStringList{"outer:Outer"} << QString() << "Global";
    QTest::newRow("nothing registered") << QStringList() << "leaf"
                                        << "Global";
    QTest::newRow("three levels up") << QStringList{"outer:Outer"} << "leaf"
                                     << "Outer";
    QTest::newRow("inner ancestor wins") << QStringList{"outer:Outer", "middle:Middle"} << "leaf"
                                         << "Middle";
    QTest::newRow("inner wins when registered first")
        << QStringList{"middle:Middle", "outer:Outer"} << "leaf"
        << "Middle";
    QTest::newRow("first id of one widget") << QStringList{"middle:A", "middle:B"} << "inner"
                                            << "A";
    QTest::newRow("descendants do not count") << QStringList{"leaf:Leaf"} << "middle"
                                              << "Global";
}

void tst_ContextManager::activeContext()
{
    QFETCH(QStringList, registrations);
    QFETCH(QString, focused);
    QFETCH(QString, expectedId);
    TestEnvironment environment;
    MainWindow* window = environment.createMainWindow();
    QMap<QString, QWidget*> tree;
    QWidget* parent = window;
    for (const char* name : {"outer", "middle", "inner", "leaf"})
        tree.insert(QString::fromLatin1(name), parent = new QWidget(parent));
    for (const QString& registration : registrations) {
        const QString id = registration.section(':', 1);
        ContextManager::registerContext(tree.value(registration.section(':', 0, 0)), id,
                                        id + " name");
    }

    const Context context = ContextManager::getActiveContext(tree.value(focused));
    QCOMPARE(context.id, expectedId);
    if (expectedId == "Global") {
        QCOMPARE(context.widget, static_cast<QWidget*>(window));
    } else {
        QCOMPARE(context.name, expectedId + " name");
        QCOMPARE(ContextManager::getContextId(context.widget), expectedId);
    }
}

void tst_ContextManager::globalContext()
{
    TestEnvironment environment;
    MainWindow* window = environment.createMainWindow();
    const Context global = ContextManager::getGlobalContext();
    QCOMPARE(global, Context(window, "Global", "Global"));
    QCOMPARE(ContextManager::getActiveContext(nullptr), global);
    QVERIFY(ContextManager::getContexts().isEmpty());
    // Only the id decides, whatever widget and name the record has.
    QWidget other;
    QVERIFY(ContextManager::isGlobalContext(
        ContextManager::registerContext(&other, "Global", "Something")));
    QVERIFY(!ContextManager::isGlobalContext(Context(window, "global", "Global")));
}

void tst_ContextManager::recordsKeyedByWidgetAndId()
{
    TestEnvironment environment;
    environment.createMainWindow();
    QWidget first, second;
    ContextManager::registerContext(&first, "Editor", "First");
    const Context again = ContextManager::registerContext(&first, "Editor", "Again");
    QCOMPARE(again.name, QString("Again"));
    ContextManager::registerContext(&second, "Editor", "Second");
    ContextManager::registerContext(&first, "Other", "Other");
    QCOMPARE(ContextManager::getContexts().size(), 3);
    QCOMPARE(ContextManager::getContextName(&first), QString("First"));
    QCOMPARE(ContextManager::getContextName(QString("Editor")), QString("First"));
    QCOMPARE(ContextManager::getContextWidget("Editor"), &first);
    QCOMPARE(ContextManager::getActiveContext(&second).name, QString("Second"));

    ContextManager::unregisterContext(&second, "Other");
    QCOMPARE(ContextManager::getContexts().size(), 3);
    ContextManager::unregisterContext(&first, "Editor");
    QCOMPARE(ContextManager::getContextId(&first), QString("Other"));
    QCOMPARE(ContextManager::getContextWidget("Editor"), &second);
    QVERIFY(!ContextManager::getContextWidget("None"));
    QVERIFY(ContextManager::getContextName(QString("None")).isEmpty());
}

QTEST_MAIN(tst_ContextManager)
#include "tst_contextmanager.moc"
