#include <testenvironment.h>

#include <actions/actionmanager.h>
#include <actions/contextaction.h>
#include <actions/menuactioncontainer.h>
#include <mainwindow/mainwindow.h>

#include <QMenu>
#include <QMenuBar>
#include <QtTest>

namespace {
// Opens the protected update to the test, as a subclass of the family may.
class CheckedMenu : public MenuActionContainer
{
public:
    using MenuActionContainer::MenuActionContainer;
    using MenuActionContainer::updateInternal;
};
} // namespace

class tst_ActionContainer : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void insertionAndSeparators();
    void clearLeavesSeparators();
    void clearSkipsDestroyedItems();
    void menuBarForm();
    void updateInternalHidesUnusableMenu();

private:
    ContextAction* command(const QString& id)
    {
        return ActionManager::registerAction(new QAction(id, m_window), id, m_window, false);
    }
    static QAction* entry(ActionContainer* menu) { return menu->getMenu()->menuAction(); }

    TestEnvironment* m_environment = nullptr;
    MainWindow* m_window = nullptr;
};

void tst_ActionContainer::init()
{
    m_environment = new TestEnvironment;
    m_window = m_environment->createMainWindow();
}

void tst_ActionContainer::cleanup()
{
    delete m_environment;
}

// The main window fills the "MenuBar.File"-style menus it creates; these tests use their own.
void tst_ActionContainer::insertionAndSeparators()
{
    ActionContainer* file = ActionManager::createMenuContainer("&Tools", "MenuBar.Tools");
    ActionContainer* recent = ActionManager::createMenuContainer("Recent", "Tools.Recent");
    ContextAction* a = command("File.A");
    ContextAction* b = command("File.B");
    file->insertAction(a, nullptr);
    file->insertAction(b, a);
    file->insertMenu(recent, a);
    QCOMPARE(file->getMenu()->actions(),
             QList<QAction*>({b->getAction(), entry(recent), a->getAction()}));

    QAction* concrete = nullptr;
    ContextAction* first = file->insertSeparator(a, &concrete);
    ContextAction* second = file->insertSeparator(recent);
    ContextAction* third = file->insertSeparator(b);
    QVERIFY(first && second && third);
    QVERIFY(first->getId().startsWith("Separator."));
    const int n = first->getId().mid(10).toInt();
    QCOMPARE(second->getId(), QString("Separator.%1").arg(n + 1));
    QCOMPARE(third->getId(), QString("Separator.%1").arg(n + 2));
    QCOMPARE(ActionManager::getAction(second->getId()), second);
    QVERIFY(concrete && concrete->isSeparator() && concrete != first->getAction());
    QVERIFY(first->isSeparator());
    const QList<QAction*> expected{third->getAction(), b->getAction(),     second->getAction(),
                                   entry(recent),      first->getAction(), a->getAction()};
    QCOMPARE(file->getMenu()->actions(), expected);
}

void tst_ActionContainer::clearLeavesSeparators()
{
    ActionContainer* edit = ActionManager::createMenuContainer("&Test", "MenuBar.Test");
    ActionContainer* sub = ActionManager::createMenuContainer("More", "Edit.More");
    sub->insertAction(command("Edit.More.Inner"), nullptr);
    ContextAction* a = command("Edit.A");
    edit->insertAction(a, nullptr);
    edit->insertAction(command("Edit.B"), nullptr);
    edit->insertMenu(sub, a);
    ContextAction* separator = edit->insertSeparator(a);

    edit->clear();
    QCOMPARE(edit->getMenu()->actions(), QList<QAction*>{separator->getAction()});
    QVERIFY(sub->getMenu()->actions().isEmpty());
    QCOMPARE(ActionManager::getActionContainer("Edit.More"), sub);
}

void tst_ActionContainer::clearSkipsDestroyedItems()
{
    ActionContainer* view = ActionManager::createMenuContainer("&View", "MenuBar.View");
    auto* zoom = new MenuActionContainer("View.Zoom");
    auto* zoomMenu = new QMenu("Zoom", m_window);
    zoom->setMenu(zoomMenu);
    auto* action = new QAction("Grid", m_window);
    view->insertAction(ActionManager::registerAction(action, "View.Grid", m_window, false),
                       nullptr);
    view->insertMenu(zoom, nullptr);
    ActionManager::unregisterAction(action, "View.Grid", QString());
    delete zoom;
    view->clear();
    // The sub-menu's entry stays: its container was gone before it could be taken out.
    QCOMPARE(view->getMenu()->actions(), QList<QAction*>{zoomMenu->menuAction()});
}

void tst_ActionContainer::menuBarForm()
{
    ActionContainer* bar = ActionManager::createMenuBarContainer("Test.MenuBar");
    ActionContainer* file = ActionManager::createMenuContainer("&Tools", "MenuBar.Tools");
    QVERIFY(!bar->getMenu());
    QVERIFY(!file->getMenuBar());
    QCOMPARE(bar->getMenuBar()->objectName(), QString("Test.MenuBar"));

    bar->insertMenu(file, nullptr);
    ContextAction* help = command("Help");
    bar->insertAction(help, nullptr);
    ActionContainer* edit = ActionManager::createMenuContainer("&Window", "MenuBar.Window");
    bar->insertMenu(edit, help);
    const QList<QAction*> expected{entry(file), entry(edit), help->getAction()};
    QCOMPARE(bar->getMenuBar()->actions(), expected);
    // A menu bar cannot become a sub-menu.
    file->insertMenu(bar, nullptr);
    QVERIFY(file->getMenu()->actions().isEmpty());

    QCOMPARE(file->onAllDisabledBehavior(), ActionContainer::Disable);
    file->setOnAllDisabledBehavior(ActionContainer::Hide);
    QCOMPARE(file->onAllDisabledBehavior(), ActionContainer::Hide);
}

void tst_ActionContainer::updateInternalHidesUnusableMenu()
{
    QMenu parent, menu;
    parent.addMenu(&menu);
    CheckedMenu container("Tools");
    container.setMenu(&menu);
    QAction disabled("Disabled");
    disabled.setEnabled(false);
    ContextAction* run = ActionManager::registerAction(&disabled, "Tools.Run", m_window, false);
    container.insertAction(run, nullptr);
    QVERIFY(container.insertSeparator(run));

    QVERIFY(!container.updateInternal());
    QVERIFY(!menu.menuAction()->isVisible());
    disabled.setEnabled(true);
    QVERIFY(container.updateInternal());
    QVERIFY(menu.menuAction()->isVisible());
}

QTEST_MAIN(tst_ActionContainer)
#include "tst_actioncontainer.moc"
