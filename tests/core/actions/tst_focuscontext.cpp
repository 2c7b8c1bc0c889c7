#include <testenvironment.h>

#include <actions/actioncontainer.h>
#include <actions/actionmanager.h>
#include <actions/contextaction.h>
#include <actions/contextmanager.h>
#include <actions/proxyaction.h>
#include <mainwindow/mainwindow.h>

#include <QDockWidget>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>
#include <QVBoxLayout>
#include <QtTest>

// A real, active main window with an editor panel registered as a context and a plain field
// outside it; one command has an action for the editor and one for the main window.
class tst_FocusContext : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void focusSwitchesTheProxy();
    void focusIntoMenusChangesNothing();
    void shortcutRunsTheFocusedContextsAction();
    void shortcutOfEditorOnlyCommandIsDeadElsewhere();
    void handlerMayUnregisterItsOwnCommand();

private:
    QAction* mirrored() const { return m_proxy->action(); }
    void focus(QWidget* widget)
    {
        widget->setFocus(Qt::OtherFocusReason);
        QTRY_COMPARE(QApplication::focusWidget(), widget);
    }

    TestEnvironment* m_environment = nullptr;
    MainWindow* m_window = nullptr;
    QWidget* m_editor = nullptr;
    QLineEdit* m_editorField = nullptr;
    QLineEdit* m_plainField = nullptr;
    QAction* m_editorAction = nullptr;
    QAction* m_globalAction = nullptr;
    ContextAction* m_command = nullptr;
    ProxyAction* m_proxy = nullptr;
};

void tst_FocusContext::init()
{
    m_environment = new TestEnvironment;
    m_window = m_environment->createMainWindow();
    auto* dock = new QDockWidget("Panel", m_window);
    auto* panel = new QWidget(dock);
    auto* layout = new QVBoxLayout(panel);
    m_editor = new QWidget(panel);
    m_editorField = new QLineEdit(m_editor);
    m_plainField = new QLineEdit(panel);
    layout->addWidget(m_editor);
    layout->addWidget(m_plainField);
    dock->setWidget(panel);
    m_window->addDockWidget(Qt::LeftDockWidgetArea, dock);
    ContextManager::registerContext(m_editor, "Editor", "Editor");

    m_editorAction = new QAction("Run in editor", m_editor);
    m_globalAction = new QAction("Run", m_window);
    m_command = ActionManager::registerAction(m_globalAction, "Tools.Run", m_window, false);
    ActionManager::registerAction(m_editorAction, "Tools.Run", m_editor, false);
    m_command->setDefaultKeySequence(QKeySequence(Qt::Key_F8));
    m_proxy = qobject_cast<ProxyAction*>(m_command->getAction());
    QVERIFY(m_proxy);

    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window));
}

void tst_FocusContext::cleanup()
{
    delete m_environment;
}

void tst_FocusContext::focusSwitchesTheProxy()
{
    focus(m_plainField);
    QCOMPARE(mirrored(), m_globalAction);
    focus(m_editorField);
    QCOMPARE(mirrored(), m_editorAction);
    focus(m_plainField);
    QCOMPARE(mirrored(), m_globalAction);
}

void tst_FocusContext::focusIntoMenusChangesNothing()
{
    ActionContainer* tools = ActionManager::createMenuContainer("&Tools", "MenuBar.Tools");
    tools->insertAction(m_command, nullptr);
    QMenuBar menuBar(m_window);
    menuBar.addMenu(tools->getMenu());
    menuBar.show();
    focus(m_editorField);

    focus(&menuBar);
    QCOMPARE(mirrored(), m_editorAction);

    QMenu* menu = tools->getMenu();
    menu->popup(m_window->mapToGlobal(QPoint(20, 20)));
    QVERIFY(QTest::qWaitForWindowExposed(menu));
    focus(menu);
    QCOMPARE(mirrored(), m_editorAction);

    // Choosing the entry runs the command of the context the menu was opened from.
    QSignalSpy editorRan(m_editorAction, &QAction::triggered);
    QSignalSpy globalRan(m_globalAction, &QAction::triggered);
    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(m_proxy).center());
    QTRY_COMPARE(editorRan.count(), 1);
    QCOMPARE(globalRan.count(), 0);
}

void tst_FocusContext::shortcutRunsTheFocusedContextsAction()
{
    QSignalSpy editorRan(m_editorAction, &QAction::triggered);
    QSignalSpy globalRan(m_globalAction, &QAction::triggered);
    focus(m_editorField);
    QTest::keyClick(m_window, Qt::Key_F8);
    QCOMPARE(editorRan.count(), 1);
    QCOMPARE(globalRan.count(), 0);
    focus(m_plainField);
    QTest::keyClick(m_window, Qt::Key_F8);
    QCOMPARE(editorRan.count(), 1);
    QCOMPARE(globalRan.count(), 1);
}

void tst_FocusContext::shortcutOfEditorOnlyCommandIsDeadElsewhere()
{
    auto* format = new QAction("Format", m_editor);
    ContextAction* command = ActionManager::registerAction(format, "Edit.Format", m_editor, false);
    command->setDefaultKeySequence(QKeySequence(Qt::Key_F9));
    QSignalSpy ran(format, &QAction::triggered);
    focus(m_plainField);
    QVERIFY(!command->getAction()->isEnabled());
    QTest::keyClick(m_window, Qt::Key_F9);
    QCOMPARE(ran.count(), 0);
    focus(m_editorField);
    QTest::keyClick(m_window, Qt::Key_F9);
    QCOMPARE(ran.count(), 1);
}

void tst_FocusContext::handlerMayUnregisterItsOwnCommand()
{
    auto* once = new QAction("Once", m_window);
    ActionManager::registerAction(once, "Tools.Once", m_window, false)
        ->setDefaultKeySequence(QKeySequence(Qt::Key_F10));
    connect(once, &QAction::triggered, this,
            [once] { ActionManager::unregisterAction(once, "Tools.Once", QString()); });
    focus(m_plainField);
    QTest::keyClick(m_window, Qt::Key_F10);
    QVERIFY(!ActionManager::getAction("Tools.Once"));
    QTest::keyClick(m_window, Qt::Key_F10);
}

QTEST_MAIN(tst_FocusContext)
#include "tst_focuscontext.moc"
