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
    void insertionOrder();
    void separatorsAreNumberedCommands();
    void clearLeavesSeparators();
    void clearSkipsDestroyedItems();
    void menuAndMenuBarForms();
    void updateInternalHidesUnusableMenu();

private:
    ContextAction* command(const QString& id)
    {
        auto* action = new QAction(id, m_window);
        return ActionManager::registerAction(action, id, m_window, false);
    }

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

void tst_ActionContainer::insertionOrder()
{
    ActionContainer* file = ActionManager::createMenuContainer("&File", "MenuBar.File");
    ActionContainer* recent = ActionManager::createMenuContainer("Recent", "File.Recent");
    ContextAction* a = command("File.A");
    ContextAction* b = command("File.B");
    file->insertAction(a, nullptr);
    file->insertAction(b, a);
    file->insertMenu(recent, a);
    ContextAction* c = command("File.C");
    file->insertAction(c, nullptr);
    const QList<QAction*> expected{b->getAction(), recent->getMenu()->menuAction(), a->getAction(),
                                   c->getAction()};
    QCOMPARE(file->getMenu()->actions(), expected);
}

void tst_ActionContainer::separatorsAreNumberedCommands()
{
    ActionContainer* file = ActionManager::createMenuContainer("&File", "MenuBar.File");
    ActionContainer* sub = ActionManager::createMenuContainer("Sub", "File.Sub");
    ContextAction* a = command("File.A");
    file->insertAction(a, nullptr);
    file->insertMenu(sub, nullptr);

    QAction* concrete = nullptr;
    ContextAction* first = file->insertSeparator(a, &concrete);
    ContextAction* second = file->insertSeparator(sub);
    ContextAction* third = file->insertSeparator(a);
    QVERIFY(first && second && third);
    QVERIFY(first->getId().startsWith("Separator."));
    const int n = first->getId().mid(10).toInt();
    QCOMPARE(second->getId(), QString("Separator.%1").arg(n + 1));
    QCOMPARE(third->getId(), QString("Separator.%1").arg(n + 2));
    QCOMPARE(ActionManager::getAction(second->getId()), second);

    QVERIFY(concrete && concrete->isSeparator());
    QVERIFY(concrete != first->getAction());
    QVERIFY(first->isSeparator());
    const QList<QAction*> expected{first->getAction(), third->getAction(), a->getAction(),
                                   second->getAction(), sub->getMenu()->menuAction()};
    QCOMPARE(file->getMenu()->actions(), expected);
}

void tst_ActionContainer::clearLeavesSeparators()
{
    ActionContainer* edit = ActionManager::createMenuContainer("&Edit", "MenuBar.Edit");
    ActionContainer* sub = ActionManager::createMenuContainer("More", "Edit.More");
    ContextAction* inner = command("Edit.More.Inner");
    sub->insertAction(inner, nullptr);
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
    auto* sub = new MenuActionContainer("View.Zoom");
    auto* subMenu = new QMenu("Zoom", m_window);
    sub->setMenu(subMenu);
    auto* action = new QAction("Grid", m_window);
    ContextAction* grid = ActionManager::registerAction(action, "View.Grid", m_window, false);
    view->insertAction(grid, nullptr);
    view->insertMenu(sub, nullptr);
    ActionManager::unregisterAction(action, "View.Grid", QString());
    QVERIFY(!ActionManager::getAction("View.Grid"));
    delete sub;
    view->clear();
    // The sub-menu's entry stays: its container was gone before it could be taken out.
    QCOMPARE(view->getMenu()->actions(), QList<QAction*>{subMenu->menuAction()});
}

void tst_ActionContainer::menuAndMenuBarForms()
{
    ActionContainer* bar = ActionManager::createMenuBarContainer("Zenub.MenuBar");
    ActionContainer* file = ActionManager::createMenuContainer("&File", "MenuBar.File");
    QVERIFY(bar->getMenuBar());
    QVERIFY(!bar->getMenu());
    QVERIFY(file->getMenu());
    QVERIFY(!file->getMenuBar());
    QCOMPARE(bar->getMenuBar()->objectName(), QString("Zenub.MenuBar"));

    bar->insertMenu(file, nullptr);
    ContextAction* help = command("Help");
    bar->insertAction(help, nullptr);
    ActionContainer* edit = ActionManager::createMenuContainer("&Edit", "MenuBar.Edit");
    bar->insertMenu(edit, help);
    const QList<QAction*> expected{file->getMenu()->menuAction(), edit->getMenu()->menuAction(),
                                   help->getAction()};
    QCOMPARE(bar->getMenuBar()->actions(), expected);
    // A menu bar cannot become a sub-menu; nothing is inserted.
    file->insertMenu(bar, nullptr);
    QVERIFY(file->getMenu()->actions().isEmpty());

    QCOMPARE(file->onAllDisabledBehavior(), ActionContainer::Disable);
    file->setOnAllDisabledBehavior(ActionContainer::Hide);
    QCOMPARE(file->onAllDisabledBehavior(), ActionContainer::Hide);
    QCOMPARE(bar->onAllDisabledBehavior(), ActionContainer::Disable);
}

void tst_ActionContainer::updateInternalHidesUnusableMenu()
{
    QMenu parent;
    QMenu menu;
    parent.addMenu(&menu);
    CheckedMenu container("Tools");
    container.setMenu(&menu);
    QAction disabled("Disabled");
    disabled.setEnabled(false);
    ContextAction* entry = ActionManager::registerAction(&disabled, "Tools.Run", m_window, false);
    container.insertAction(entry, nullptr);
    QVERIFY(container.insertSeparator(entry));

    QVERIFY(!container.updateInternal());
    QVERIFY(!menu.menuAction()->isVisible());
    disabled.setEnabled(true);
    QVERIFY(container.updateInternal());
    QVERIFY(menu.menuAction()->isVisible());
}

QTEST_MAIN(tst_ActionContainer)
#include "tst_actioncontainer.moc"
