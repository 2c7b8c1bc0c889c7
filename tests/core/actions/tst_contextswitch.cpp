// SPDX-License-Identifier: MIT
#include <testenvironment.h>

#include <actions/actionmanager.h>
#include <actions/contextaction.h>
#include <actions/proxyaction.h>
#include <mainwindow/mainwindow.h>

#include <QtTest>

// A context switch visits only the commands it can change; these are the cases where a command
// that it skips would be left pointing at the wrong action.
class tst_ContextSwitch : public QObject
{
    Q_OBJECT
private slots:
    void everyCommandEndsOnTheRightAction();
    void listenerUnregistersCommandsDuringASwitch();
};

void tst_ContextSwitch::everyCommandEndsOnTheRightAction()
{
    TestEnvironment environment;
    MainWindow* window = environment.createMainWindow();
    QWidget a, b, other;
    const auto proxied = [](ContextAction* command) {
        return static_cast<ProxyAction*>(command->getAction())->action();
    };
    const auto add = [](QWidget* context, const QString& id) {
        auto* action = new QAction(id, context);
        ActionManager::registerAction(action, id, context, false);
        return action;
    };
    ActionManager::setContext(&a);
    QAction* global = add(window, QStringLiteral("Test.Switch"));
    QAction* inA = add(&a, QStringLiteral("Test.Switch"));
    // Registered for a context that is not the current one: it points there for now.
    QAction* inOther = add(&other, QStringLiteral("Test.Switch"));
    ContextAction* command = ActionManager::getAction(QStringLiteral("Test.Switch"));
    QCOMPARE(proxied(command), inOther);

    // Staying in the current context still brings such a command back in line.
    ActionManager::setContext(&a);
    QCOMPARE(proxied(command), inA);
    ActionManager::setContext(&b);
    QCOMPARE(proxied(command), global);
    ActionManager::setContext(&other);
    QCOMPARE(proxied(command), inOther);
    ActionManager::setContext(&b);
    QCOMPARE(proxied(command), global);

    // A context that gains an action later is switched away from and back to like any other.
    QAction* inB = add(&b, QStringLiteral("Test.Switch"));
    QCOMPARE(proxied(command), inB);
    ActionManager::setContext(&a);
    QCOMPARE(proxied(command), inA);
    ActionManager::setContext(&b);
    QCOMPARE(proxied(command), inB);
}

void tst_ContextSwitch::listenerUnregistersCommandsDuringASwitch()
{
    // A command that changes state may make its listener drop other commands, among them ones
    // the same switch has yet to visit.
    TestEnvironment environment;
    environment.createMainWindow();
    QWidget a, b;
    QList<QAction*> inA, inB;
    for (int i = 0; i < 3; ++i) {
        const QString id = QStringLiteral("Test.Drop%1").arg(i);
        inA << new QAction(id, &a);
        inB << new QAction(id, &b);
        ActionManager::registerAction(inA.last(), id, &a, false);
        ActionManager::registerAction(inB.last(), id, &b, false);
        inA.last()->setEnabled(i != 0);
    }
    ActionManager::setContext(&a);
    ContextAction* first = ActionManager::getAction(QStringLiteral("Test.Drop0"));
    QObject::connect(first, &ContextAction::activeStateChanged, [&] {
        for (int i = 1; i < 3; ++i) {
            const QString id = QStringLiteral("Test.Drop%1").arg(i);
            ActionManager::unregisterAction(inA.at(i), id, QString());
            ActionManager::unregisterAction(inB.at(i), id, QString());
        }
    });
    ActionManager::setContext(&b);
    QVERIFY(first->getAction()->isEnabled());
    QVERIFY(!ActionManager::getAction(QStringLiteral("Test.Drop1")));
    QVERIFY(!ActionManager::getAction(QStringLiteral("Test.Drop2")));
    ActionManager::setContext(&a);
    QVERIFY(!first->getAction()->isEnabled());
}

QTEST_MAIN(tst_ContextSwitch)
#include "tst_contextswitch.moc"
