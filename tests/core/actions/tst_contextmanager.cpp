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
    void duplicateRegistrationKeepsFirst();
    void oneIdForTwoWidgets();
    void unregisterNeedsWidgetAndId();
    void newRegistryStartsEmpty();
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
    QTest::newRow("the widget itself") << QStringList{"leaf:Leaf"} << "leaf"
                                       << "Leaf";
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
    for (const char* name : {"outer", "middle", "inner", "leaf"}) {
        parent = new QWidget(parent);
        tree.insert(QString::fromLatin1(name), parent);
    }
    for (const QString& registration : registrations) {
        const QString widget = registration.section(':', 0, 0);
        const QString id = registration.section(':', 1);
        ContextManager::registerContext(tree.value(widget), id, id + " name");
    }

    const Context context = ContextManager::getActiveContext(tree.value(focused));
    QCOMPARE(context.id, expectedId);
    if (expectedId == "Global") {
        QCOMPARE(context.widget, static_cast<QWidget*>(window));
    } else {
        QCOMPARE(context.name, expectedId + " name");
        QCOMPARE(ContextManager::getContextWidget(expectedId), context.widget);
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

void tst_ContextManager::duplicateRegistrationKeepsFirst()
{
    TestEnvironment environment;
    environment.createMainWindow();
    QWidget editor;
    ContextManager::registerContext(&editor, "Editor", "First");
    const Context second = ContextManager::registerContext(&editor, "Editor", "Second");
    QCOMPARE(second.name, QString("Second"));
    QCOMPARE(ContextManager::getContexts().size(), 1);
    QCOMPARE(ContextManager::getContextName(&editor), QString("First"));
    QCOMPARE(ContextManager::getContextName(QString("Editor")), QString("First"));
}

void tst_ContextManager::oneIdForTwoWidgets()
{
    TestEnvironment environment;
    environment.createMainWindow();
    QWidget first, second;
    ContextManager::registerContext(&first, "Editor", "First");
    ContextManager::registerContext(&second, "Editor", "Second");
    QCOMPARE(ContextManager::getContexts().size(), 2);
    QCOMPARE(ContextManager::getContextWidget("Editor"), &first);
    QCOMPARE(ContextManager::getContextName(QString("Editor")), QString("First"));
    QCOMPARE(ContextManager::getActiveContext(&second).name, QString("Second"));
}

void tst_ContextManager::unregisterNeedsWidgetAndId()
{
    TestEnvironment environment;
    environment.createMainWindow();
    QWidget editor;
    ContextManager::registerContext(&editor, "A", "A");
    ContextManager::registerContext(&editor, "B", "B");
    ContextManager::unregisterContext(&editor, "C");
    QCOMPARE(ContextManager::getContexts().size(), 2);
    ContextManager::unregisterContext(&editor, "A");
    QCOMPARE(ContextManager::getContextId(&editor), QString("B"));
    ContextManager::unregisterContext(&editor, "B");
    QVERIFY(ContextManager::getContextId(&editor).isEmpty());
    QVERIFY(!ContextManager::getContextWidget("B"));
    QCOMPARE(ContextManager::getActiveContext(&editor).id, QString("Global"));
}

void tst_ContextManager::newRegistryStartsEmpty()
{
    QWidget editor;
    {
        TestEnvironment environment;
        environment.createMainWindow();
        ContextManager::registerContext(&editor, "Editor", "Editor");
    }
    TestEnvironment environment;
    environment.createMainWindow();
    QVERIFY(ContextManager::getContexts().isEmpty());
    QVERIFY(ContextManager::getInstance());
}

QTEST_MAIN(tst_ContextManager)
#include "tst_contextmanager.moc"
