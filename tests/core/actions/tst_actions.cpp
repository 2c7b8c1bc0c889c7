// SPDX-License-Identifier: MIT
#include <testenvironment.h>

#include <actions/actioncontainer.h>
#include <actions/actionmanager.h>
#include <actions/contextaction.h>
#include <actions/contextmanager.h>
#include <actions/menuactioncontainer.h>
#include <actions/proxyaction.h>
#include <mainwindow/mainwindow.h>

#include <QMenu>
#include <QPointer>
#include <QSettings>
#include <QSignalSpy>
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

// The main window registers the application's own commands; these cases use ids it does not.
class tst_Actions : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        m_environment = new TestEnvironment;
        m_window = m_environment->createMainWindow();
    }
    void cleanup() { delete m_environment; }

    void activeContext_data()
    {
        // Registrations are "widget:id" in order; the tree is window > outer > middle > inner >
        // leaf.
        QTest::addColumn<QStringList>("registrations");
        QTest::addColumn<QString>("focused");
        QTest::addColumn<QString>("expectedId");
        QTest::newRow("nothing registered") << QStringList() << "leaf"
                                            << "Global";
        QTest::newRow("inner ancestor wins")
            << QStringList{"outer:Outer", "middle:Middle"} << "leaf"
            << "Middle";
        QTest::newRow("first id of one widget") << QStringList{"middle:A", "middle:B"} << "inner"
                                                << "A";
        QTest::newRow("descendants do not count") << QStringList{"leaf:Leaf"} << "middle"
                                                  << "Global";
    }
    void activeContext()
    {
        QFETCH(QStringList, registrations);
        QFETCH(QString, focused);
        QFETCH(QString, expectedId);
        QMap<QString, QWidget*> tree;
        QWidget* parent = m_window;
        for (const char* name : {"outer", "middle", "inner", "leaf"})
            tree.insert(QString::fromLatin1(name), parent = new QWidget(parent));
        for (const QString& registration : registrations) {
            const QString id = registration.section(':', 1);
            ContextManager::registerContext(tree.value(registration.section(':', 0, 0)), id, id);
        }
        const Context context = ContextManager::getActiveContext(tree.value(focused));
        QCOMPARE(context.id, expectedId);
        QCOMPARE(ContextManager::isGlobalContext(context), expectedId == "Global");
        if (expectedId == "Global")
            QCOMPARE(context.widget, static_cast<QWidget*>(m_window));
    }
    void contextRecordsKeyedByWidgetAndId()
    {
        QWidget first, second;
        ContextManager::registerContext(&first, "Editor", "First");
        ContextManager::registerContext(&first, "Editor", "Again");
        ContextManager::registerContext(&second, "Editor", "Second");
        ContextManager::registerContext(&first, "Other", "Other");
        QCOMPARE(ContextManager::getContexts().size(), 3);
        QCOMPARE(ContextManager::getContextId(&second), QString("Editor"));
        QCOMPARE(ContextManager::getContextName(&first), QString("First"));
        ContextManager::unregisterContext(&second, "Other");
        QCOMPARE(ContextManager::getContexts().size(), 3);
        ContextManager::unregisterContext(&first, "Editor");
        QCOMPARE(ContextManager::getContextId(&first), QString("Other"));
    }
    void proxyMirroring_data()
    {
        QTest::addColumn<int>("attribute");
        QTest::addColumn<QByteArray>("property");
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<bool>("followed");
        QTest::addColumn<bool>("blocked");
        const int text = ProxyAction::MirrorText, icon = ProxyAction::MirrorIcon;
        QTest::newRow("enabled") << 0 << QByteArray("enabled") << QVariant(false) << true << false;
        QTest::newRow("text") << 0 << QByteArray("text") << QVariant("Later") << false << false;
        QTest::newRow("text, MirrorText")
            << text << QByteArray("text") << QVariant("Later") << true << false;
        QTest::newRow("icon text, MirrorIcon")
            << icon << QByteArray("iconText") << QVariant("Later") << true << false;
        // A button set to show a state it did not cause, its signals blocked.
        QTest::newRow("checked, signals blocked")
            << 0 << QByteArray("checked") << QVariant(true) << true << true;
    }
    void proxyMirroring()
    {
        QFETCH(int, attribute);
        QFETCH(QByteArray, property);
        QFETCH(QVariant, value);
        QFETCH(bool, followed);
        QFETCH(bool, blocked);
        QAction action(QStringLiteral("First"));
        action.setCheckable(true);
        ProxyAction proxy(nullptr);
        if (attribute)
            proxy.setAttribute(ProxyAction::Attribute(attribute));
        proxy.initialize(&action);
        proxy.setAction(&action);
        const QVariant before = proxy.property(property);
        const QSignalBlocker quiet(blocked ? &action : nullptr);
        action.setProperty(property, value);
        QCOMPARE(proxy.property(property), followed ? value : before);
    }
    void proxyForwardsToTheLastActionOnly()
    {
        QAction action, other;
        ProxyAction proxy(nullptr);
        proxy.setAction(&action);
        proxy.setAction(&other);
        proxy.setAction(&action);
        QSignalSpy triggered(&action, &QAction::triggered);
        QSignalSpy otherTriggered(&other, &QAction::triggered);
        action.setCheckable(true);
        proxy.trigger();
        QCOMPARE(triggered.count(), 1);
        QCOMPARE(otherTriggered.count(), 0);
        QVERIFY(action.isChecked());
        proxy.setChecked(false);
        QVERIFY(!action.isChecked());
        // Actions mirrored before stay connected; their changes are no longer the proxy's.
        other.setEnabled(false);
        QVERIFY(proxy.isEnabled());
        action.setEnabled(false);
        QVERIFY(!proxy.isEnabled());
        {
            QAction gone;
            proxy.setAction(&gone);
        }
        QVERIFY(!proxy.action());
        proxy.trigger();
        QCOMPARE(triggered.count(), 1);
    }
    void unregisterDeletesCommandOnce()
    {
        QAction global, local;
        QWidget editor(m_window);
        QPointer<ContextAction> cmd =
            ActionManager::registerAction(&global, "Test.Close", m_window, false);
        ActionManager::registerAction(&local, "Test.Close", &editor, false);
        // Only a proxy with a shortcut needs a widget to hold it.
        cmd->setKeySequence(QKeySequence(Qt::Key_F12));
        QPointer<QAction> proxy = cmd->getAction();
        QAction* const held = proxy;
        const QList<QWidget*> holders = proxy->associatedWidgets();
        QVERIFY(!holders.isEmpty());
        QSignalSpy listChanged(ActionManager::getInstance(), &ActionManager::commandListChanged);

        ActionManager::unregisterAction(&local, "Test.Close", QString());
        QVERIFY(cmd);
        ActionManager::unregisterAction(&global, "Test.Close", QString());
        QVERIFY(!cmd);
        QVERIFY(!proxy);
        for (QWidget* holder : holders)
            QVERIFY(!holder->actions().contains(held));
        ActionManager::unregisterAction(&global, "Test.Close", QString());
        QCOMPARE(listChanged.count(), 2);
    }
    void misuseIsRefusedWithAWarning()
    {
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("\"Test.None\": no action given"));
        QVERIFY(!ActionManager::registerAction(nullptr, "Test.None", m_window, false));
        // A menu bar cannot become a sub-menu.
        ActionContainer* tools = ActionManager::createMenuContainer("&Tools", "MenuBar.Tools");
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("only another menu container"));
        tools->insertMenu(ActionManager::createMenuBarContainer("Test.MenuBar"), nullptr);
        QVERIFY(tools->getMenu()->actions().isEmpty());
    }
    void insertionAndSeparators()
    {
        ActionContainer* tools = ActionManager::createMenuContainer("&Tools", "MenuBar.Tools");
        QCOMPARE(ActionManager::createMenuContainer("&Other", "MenuBar.Tools"), tools);
        ActionContainer* recent = ActionManager::createMenuContainer("Recent", "Tools.Recent");
        ContextAction* a = command("File.A");
        ContextAction* b = command("File.B");
        tools->insertAction(a, nullptr);
        tools->insertAction(b, a);
        tools->insertMenu(recent, a);
        ContextAction* first = tools->insertSeparator(a);
        ContextAction* second = tools->insertSeparator(b);
        QVERIFY(first->isSeparator());
        QVERIFY(first->getId() != second->getId());
        const QList<QAction*> expected{second->getAction(), b->getAction(),
                                       recent->getMenu()->menuAction(), first->getAction(),
                                       a->getAction()};
        QCOMPARE(tools->getMenu()->actions(), expected);
    }
    void destroyedContainerIsForgotten()
    {
        ActionContainer* view = ActionManager::createMenuContainer("&View", "Test.View");
        QPointer<QMenu> menu = view->getMenu();
        delete view;
        QVERIFY(!ActionManager::getActionContainer("Test.View"));
        QVERIFY(ActionManager::getActionContainer("MenuBar.File"));
        delete menu.data();
    }
    void unusableMenuIsHidden()
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
    void fullText_data()
    {
        QTest::addColumn<QString>("id");
        QTest::addColumn<QStringList>("menus"); // "id=title" pairs
        QTest::addColumn<QString>("expected");
        QTest::newRow("no container") << "Test.New" << QStringList() << "Test > New";
        QTest::newRow("deeper menu under MenuBar prefix")
            << "File.SaveAs.New"
            << QStringList{"MenuBar.File=&File", "MenuBar.File.SaveAs=Save &As"}
            << "File > Save As > New";
    }
    void fullText()
    {
        QFETCH(QString, id);
        QFETCH(QStringList, menus);
        QFETCH(QString, expected);
        for (const QString& menu : menus)
            ActionManager::createMenuContainer(menu.section('=', 1), menu.section('=', 0, 0));
        ContextAction* c = command(id);
        c->getAction()->setText("&New");
        QCOMPARE(ActionManager::getActionFullText(c), expected);
    }
    void shortcutsSurviveARestart()
    {
        m_environment->userSettings()->setValue("Shortcuts/Test.Close", "Ctrl+W");
        command("Test.Save")->setKeySequence(QKeySequence("Ctrl+Shift+S"));
        command("Test.Chord")->setKeySequence(QKeySequence("Ctrl+K, Ctrl+C"));
        command("Test.Close")->setKeySequence(QKeySequence());
        ActionContainer* file = ActionManager::createMenuContainer("&Test", "MenuBar.Test");
        file->insertAction(ActionManager::getAction("Test.Save"), nullptr);
        ContextAction* separator = file->insertSeparator(ActionManager::getAction("Test.Save"));
        separator->setKeySequence(QKeySequence("F9"));
        ActionManager::saveSettings();
        m_environment->userSettings()->sync();

        QSettings onDisk(m_environment->userSettingsFile(), QSettings::IniFormat);
        onDisk.beginGroup("Shortcuts");
        // Separators and commands without a shortcut are not written.
        QCOMPARE(onDisk.childKeys().filter(QRegularExpression("^Test\\.")),
                 QStringList({"Test.Chord", "Test.Save"}));
        onDisk.endGroup();

        m_environment->deleteMainWindow();
        m_environment->reloadSettings();
        m_window = m_environment->createMainWindow();
        ContextAction* save = command("Test.Save", "Ctrl+S");
        QCOMPARE(save->getKeySequence(), QKeySequence("Ctrl+Shift+S"));
        QCOMPARE(command("Test.Chord")->getKeySequence(), QKeySequence("Ctrl+K, Ctrl+C"));
        QCOMPARE(command("Test.Close", "Ctrl+F4")->getKeySequence(), QKeySequence("Ctrl+F4"));
        ActionManager::resetToDefault();
        QCOMPARE(save->getKeySequence(), QKeySequence("Ctrl+S"));
    }
    void damagedEntries_data()
    {
        // Lines as a person or another program may have left them in the INI file. A damaged entry
        // gives way to the default; an empty one means "no shortcut" once the group is read.
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<QString>("registered");
        QTest::addColumn<QString>("read");
        QTest::addColumn<bool>("reported");
        QTest::newRow("quoted chords")
            << QByteArray("Test.New=\"Ctrl+K, Ctrl+N\"") << "Ctrl+K, Ctrl+N"
            << "Ctrl+K, Ctrl+N" << false;
        QTest::newRow("not a key") << QByteArray("Test.New=Strg+Banana") << "Ctrl+N"
                                   << "Ctrl+N" << true;
        QTest::newRow("empty") << QByteArray("Test.New=") << "Ctrl+N" << QString() << false;
    }
    void damagedEntries()
    {
        QFETCH(QByteArray, line);
        QFETCH(QString, registered);
        QFETCH(QString, read);
        QFETCH(bool, reported);
        m_environment->deleteMainWindow();
        QFile file(m_environment->userSettingsFile());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("[Shortcuts]\nFile.Other=F5\n" + line + '\n');
        file.close();
        m_environment->reloadSettings();
        m_window = m_environment->createMainWindow();
        const QRegularExpression report("\"Test\\.New\".*ignored");
        if (reported) {
            QTest::ignoreMessage(QtWarningMsg, report); // on registration
            QTest::ignoreMessage(QtWarningMsg, report); // on reading the group
        }
        ContextAction* fileNew = command("Test.New", "Ctrl+N");
        QCOMPARE(fileNew->getKeySequence(), QKeySequence(registered));
        fileNew->setKeySequence(QKeySequence("F12"));
        ActionManager::readFromSettings();
        QCOMPARE(fileNew->getKeySequence(), QKeySequence(read));
    }

private:
    ContextAction* command(const QString& id, const QString& defaultKey = QString())
    {
        ContextAction* result =
            ActionManager::registerAction(new QAction(id, m_window), id, m_window, false);
        if (!defaultKey.isEmpty())
            result->setDefaultKeySequence(QKeySequence(defaultKey));
        return result;
    }

    TestEnvironment* m_environment = nullptr;
    MainWindow* m_window = nullptr;
};

QTEST_MAIN(tst_Actions)
#include "tst_actions.moc"
