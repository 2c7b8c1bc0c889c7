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

QTEST_MAIN(tst_ContextSwitch)
#include "tst_contextswitch.moc"
