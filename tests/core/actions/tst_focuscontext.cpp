// SPDX-License-Identifier: MIT
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

#include <memory>
#include <vector>

// A real, active main window with two editors registered as contexts and a plain field outside
// them. The command "Tools.Run" (F8) has an action for each editor and one for the main window.
class tst_FocusContext : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        m_environment = new TestEnvironment;
        m_window = m_environment->createMainWindow();
        auto* dock = new QDockWidget("Panel", m_window);
        auto* panel = new QWidget(dock);
        auto* layout = new QVBoxLayout(panel);
        m_globalAction = new QAction("Run", m_window);
        m_command = ActionManager::registerAction(m_globalAction, "Tools.Run", m_window, false);
        for (int i = 0; i < 2; ++i) {
            m_editors[i] = new QWidget(panel);
            m_fields[i] = new QLineEdit(m_editors[i]);
            layout->addWidget(m_editors[i]);
            ContextManager::registerContext(m_editors[i], QString("Editor.%1").arg(i), "Editor");
            m_editorActions[i] = new QAction("Run in editor", m_editors[i]);
            ActionManager::registerAction(m_editorActions[i], "Tools.Run", m_editors[i], false);
        }
        m_plainField = new QLineEdit(panel);
        layout->addWidget(m_plainField);
        dock->setWidget(panel);
        m_window->addDockWidget(Qt::LeftDockWidgetArea, dock);
        m_command->setDefaultKeySequence(QKeySequence(Qt::Key_F8));
        m_proxy = qobject_cast<ProxyAction*>(m_command->getAction());

        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window));
        m_window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_window));
    }
    void cleanup() { delete m_environment; }
    void focusSwitchesTheProxy()
    {
        m_editorActions[1]->setEnabled(false);
        focus(m_fields[0]);
        QCOMPARE(mirrored(), m_editorActions[0]);
        // Whoever follows the proxy or the command hears of the change.
        QSignalSpy proxyChanged(m_proxy, &QAction::changed);
        QSignalSpy activeChanged(m_command, &ContextAction::activeStateChanged);
        focus(m_fields[1]);
        QCOMPARE(mirrored(), m_editorActions[1]);
        QVERIFY(!m_proxy->isEnabled());
        QVERIFY(!proxyChanged.isEmpty());
        QCOMPARE(activeChanged.count(), 1);
        // Qt tells of a listener going under a lock it shares among objects; with this many,
        // some share the command's and the proxy's. Those still listening hear on.
        {
            std::vector<std::unique_ptr<QSignalSpy>> passing;
            for (int i = 0; i < 500; ++i) {
                passing.push_back(std::make_unique<QSignalSpy>(m_proxy, &QAction::changed));
                passing.push_back(
                    std::make_unique<QSignalSpy>(m_command, &ContextAction::activeStateChanged));
            }
        }
        proxyChanged.clear();
        activeChanged.clear();
        focus(m_plainField);
        QCOMPARE(mirrored(), m_globalAction);
        QVERIFY(!proxyChanged.isEmpty());
        QCOMPARE(activeChanged.count(), 1);
        focus(m_fields[0]);
        QCOMPARE(mirrored(), m_editorActions[0]);
    }
    void focusIntoMenusChangesNothing()
    {
        ActionContainer* tools = ActionManager::createMenuContainer("&Tools", "MenuBar.Tools");
        tools->insertAction(m_command, nullptr);
        QMenuBar menuBar(m_window);
        menuBar.addMenu(tools->getMenu());
        menuBar.show();
        focus(m_fields[1]);

        focus(&menuBar);
        QCOMPARE(mirrored(), m_editorActions[1]);
        QMenu* menu = tools->getMenu();
        menu->popup(m_window->mapToGlobal(QPoint(20, 20)));
        QVERIFY(QTest::qWaitForWindowExposed(menu));
        focus(menu);
        QCOMPARE(mirrored(), m_editorActions[1]);

        // Choosing the entry runs the command of the context the menu was opened from.
        QSignalSpy editorRan(m_editorActions[1], &QAction::triggered);
        QSignalSpy globalRan(m_globalAction, &QAction::triggered);
        QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(m_proxy).center());
        QTRY_COMPARE(editorRan.count(), 1);
        QCOMPARE(globalRan.count(), 0);
    }
    void shortcutRunsTheFocusedContextsAction()
    {
        QSignalSpy editorRan(m_editorActions[0], &QAction::triggered);
        QSignalSpy globalRan(m_globalAction, &QAction::triggered);
        focus(m_fields[0]);
        QTest::keyClick(m_window, Qt::Key_F8);
        QCOMPARE(editorRan.count(), 1);
        QCOMPARE(globalRan.count(), 0);
        focus(m_plainField);
        QTest::keyClick(m_window, Qt::Key_F8);
        QCOMPARE(editorRan.count(), 1);
        QCOMPARE(globalRan.count(), 1);

        // A command with no action outside its editor has a dead shortcut there.
        auto* format = new QAction("Format", m_editors[0]);
        ActionManager::registerAction(format, "Edit.Format", m_editors[0], false)
            ->setDefaultKeySequence(QKeySequence(Qt::Key_F9));
        QSignalSpy formatted(format, &QAction::triggered);
        focus(m_fields[1]);
        QTest::keyClick(m_window, Qt::Key_F9);
        QCOMPARE(formatted.count(), 0);
        focus(m_fields[0]);
        QTest::keyClick(m_window, Qt::Key_F9);
        QCOMPARE(formatted.count(), 1);

        // Keys set on the proxy itself, as a scheme does, work and stop working alike.
        m_proxy->setShortcuts({});
        QTest::keyClick(m_window, Qt::Key_F8);
        m_proxy->setShortcuts({QKeySequence(Qt::Key_F7)});
        QTest::keyClick(m_window, Qt::Key_F7);
        QCOMPARE(editorRan.count(), 2);
    }
    void handlerMayUnregisterItsOwnCommand()
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

private:
    QAction* mirrored() const { return m_proxy->action(); }
    static void focus(QWidget* widget)
    {
        widget->setFocus(Qt::OtherFocusReason);
        QTRY_COMPARE(QApplication::focusWidget(), widget);
    }

    TestEnvironment* m_environment = nullptr;
    MainWindow* m_window = nullptr;
    QWidget* m_editors[2] = {};
    QLineEdit* m_fields[2] = {};
    QAction* m_editorActions[2] = {};
    QLineEdit* m_plainField = nullptr;
    QAction* m_globalAction = nullptr;
    ContextAction* m_command = nullptr;
    ProxyAction* m_proxy = nullptr;
};

QTEST_MAIN(tst_FocusContext)
#include "tst_focuscontext.moc"
