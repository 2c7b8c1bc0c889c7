#include <testenvironment.h>

#include <actions/actionmanager.h>
#include <actions/contextaction.h>
#include <actions/proxyaction.h>
#include <mainwindow/mainwindow.h>

#include <QSignalSpy>
#include <QtTest>

class tst_ContextAction : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void followsContext_data();
    void followsContext();
    void editorOnlyCommandPublishesInactiveOnce();
    void secondActionForAContextIsIgnored();
    void destroyedActionIsPurged();
    void destroyedActionDoesNotBlockItsContext();

private:
    static QAction* mirrored(ContextAction* command)
    {
        return qobject_cast<ProxyAction*>(command->getAction())->action();
    }

    TestEnvironment* m_environment = nullptr;
    MainWindow* m_window = nullptr;
    QWidget* m_editor = nullptr;
    QWidget* m_elsewhere = nullptr;
};

void tst_ContextAction::init()
{
    m_environment = new TestEnvironment;
    m_window = m_environment->createMainWindow();
    m_editor = new QWidget(m_window);
    m_elsewhere = new QWidget(m_window);
}

void tst_ContextAction::cleanup()
{
    delete m_environment;
}

void tst_ContextAction::followsContext_data()
{
    QTest::addColumn<bool>("withEditorAction");
    QTest::addColumn<bool>("inEditor");
    QTest::addColumn<QString>("expected");
    QTest::newRow("global only, editor") << false << true << "global";
    QTest::newRow("global only, elsewhere") << false << false << "global";
    QTest::newRow("both, editor") << true << true << "editor";
    QTest::newRow("both, elsewhere") << true << false << "global";
}

void tst_ContextAction::followsContext()
{
    QFETCH(bool, withEditorAction);
    QFETCH(bool, inEditor);
    QFETCH(QString, expected);
    QAction global(QStringLiteral("global")), editor(QStringLiteral("editor"));
    ContextAction* command = ActionManager::registerAction(&global, "Test.Copy", m_window, false);
    if (withEditorAction)
        ActionManager::registerAction(&editor, "Test.Copy", m_editor, false);
    ActionManager::setContext(inEditor ? m_editor : m_elsewhere);
    QCOMPARE(mirrored(command)->text(), expected);
    QVERIFY(command->getAction()->isEnabled());
}

void tst_ContextAction::editorOnlyCommandPublishesInactiveOnce()
{
    QAction editor;
    ContextAction* command = ActionManager::registerAction(&editor, "Test.Cut", m_editor, false);
    QCOMPARE(mirrored(command), &editor);
    QSignalSpy spy(command, &ContextAction::activeStateChanged);
    ActionManager::setContext(m_elsewhere);
    QVERIFY(!mirrored(command));
    QVERIFY(!command->getAction()->isEnabled());
    QCOMPARE(spy.count(), 1);
    ActionManager::setContext(m_window);
    QCOMPARE(spy.count(), 1);
    QVERIFY(command->isActive());
    ActionManager::setContext(m_editor);
    QCOMPARE(spy.count(), 2);
}

void tst_ContextAction::secondActionForAContextIsIgnored()
{
    QAction first(QStringLiteral("first")), second(QStringLiteral("second"));
    ContextAction* command = ActionManager::registerAction(&first, "Test.Undo", m_editor, false);
    ActionManager::registerAction(&second, "Test.Undo", m_editor, false);
    ActionManager::setContext(m_editor);
    QCOMPARE(mirrored(command), &first);
    // The proxy keeps the identity of the first action it was given.
    QCOMPARE(command->getAction()->text(), QString("first"));
}

void tst_ContextAction::destroyedActionIsPurged()
{
    QAction global, unrelated;
    auto* editor = new QAction;
    ContextAction* command = ActionManager::registerAction(&global, "Test.Redo", m_window, false);
    ActionManager::registerAction(editor, "Test.Redo", m_editor, false);
    ActionManager::setContext(m_editor);
    QCOMPARE(mirrored(command), editor);
    delete editor;
    ActionManager::unregisterAction(&unrelated, "Test.Redo", QString());
    QCOMPARE(ActionManager::getAction("Test.Redo"), command);
    QCOMPARE(mirrored(command), &global);
}

void tst_ContextAction::destroyedActionDoesNotBlockItsContext()
{
    QAction replacement;
    auto* editor = new QAction;
    ContextAction* command = ActionManager::registerAction(editor, "Edit.Find", m_editor, false);
    delete editor;
    ActionManager::registerAction(&replacement, "Edit.Find", m_editor, false);
    ActionManager::setContext(m_editor);
    QCOMPARE(mirrored(command), &replacement);
    QVERIFY(command->getAction()->isEnabled());
}

QTEST_MAIN(tst_ContextAction)
#include "tst_contextaction.moc"
