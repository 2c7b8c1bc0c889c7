#include <testenvironment.h>

#include <actions/actioncontainer.h>
#include <actions/actionmanager.h>
#include <actions/contextaction.h>
#include <mainwindow/mainwindow.h>

#include <QFile>
#include <QMenu>
#include <QPointer>
#include <QSettings>
#include <QSignalSpy>
#include <QtTest>

class tst_ActionManager : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void registrationSignals();
    void unregisterDeletesCommandOnce();
    void containersById();
    void fullText_data();
    void fullText();
    void shortcutsSurviveARestart();
    void readFromSettings_data();
    void readFromSettings();
    void damagedEntries_data();
    void damagedEntries();

private:
    ContextAction* command(const QString& id, const QString& defaultKey = QString())
    {
        auto* action = new QAction(id, m_window);
        ContextAction* result = ActionManager::registerAction(action, id, m_window, false);
        if (!defaultKey.isEmpty())
            result->setDefaultKeySequence(QKeySequence(defaultKey));
        return result;
    }

    TestEnvironment* m_environment = nullptr;
    MainWindow* m_window = nullptr;
};

void tst_ActionManager::init()
{
    m_environment = new TestEnvironment;
    m_window = m_environment->createMainWindow();
}

void tst_ActionManager::cleanup()
{
    delete m_environment;
}

// The main window registers the application's own commands; these tests use ids it does not.
void tst_ActionManager::registrationSignals()
{
    QStringList windowIds;
    for (ContextAction* c : ActionManager::getActions())
        windowIds << c->getId();
    QSignalSpy listChanged(ActionManager::getInstance(), &ActionManager::commandListChanged);
    QSignalSpy added(ActionManager::getInstance(), &ActionManager::commandAdded);
    QWidget editor(m_window);
    QAction global, local;
    ContextAction* first = ActionManager::registerAction(&global, "Test.Copy", m_window, true);
    ContextAction* second = ActionManager::registerAction(&local, "Test.Copy", &editor, true);
    QCOMPARE(first, second);
    QCOMPARE(listChanged.count(), 2);
    QCOMPARE(added.count(), 2);
    QCOMPARE(added.at(1).first().toString(), QString("Test.Copy"));
    QCOMPARE(first->getAction()->objectName(), QString("Test.Copy"));
    QCOMPARE(first->getAction()->shortcutContext(), Qt::ApplicationShortcut);
    QVERIFY(m_window->actions().contains(first->getAction()));

    command("Test.New");
    command("Test.Preferences");
    QStringList ids;
    for (ContextAction* c : ActionManager::getActions()) {
        if (!windowIds.contains(c->getId()))
            ids << c->getId();
    }
    QCOMPARE(ids, QStringList({"Test.Copy", "Test.New", "Test.Preferences"}));
}

void tst_ActionManager::unregisterDeletesCommandOnce()
{
    QAction global, local;
    QWidget editor(m_window);
    QPointer<ContextAction> cmd =
        ActionManager::registerAction(&global, "Test.Close", m_window, false);
    ActionManager::registerAction(&local, "Test.Close", &editor, false);
    QPointer<QAction> proxy = cmd->getAction();
    const int windowActions = m_window->actions().size();
    QSignalSpy listChanged(ActionManager::getInstance(), &ActionManager::commandListChanged);

    ActionManager::unregisterAction(&local, "Test.Close", QString());
    QVERIFY(cmd);
    QCOMPARE(listChanged.count(), 1);
    ActionManager::unregisterAction(&global, "Test.Close", QString());
    QVERIFY(!cmd);
    QVERIFY(!proxy);
    QVERIFY(!ActionManager::getAction("Test.Close"));
    QCOMPARE(m_window->actions().size(), windowActions - 1);
    QCOMPARE(listChanged.count(), 2);
    ActionManager::unregisterAction(&global, "Test.Close", QString());
    ActionManager::unregisterAction(&global, "No.Such", QString());
    QCOMPARE(listChanged.count(), 2);
}

void tst_ActionManager::containersById()
{
    ActionContainer* file = ActionManager::createMenuContainer("&File", "MenuBar.File");
    QCOMPARE(ActionManager::createMenuContainer("&Other", "MenuBar.File"), file);
    QCOMPARE(file->getMenu()->title(), QString("&File"));
    QCOMPARE(file->getMenu()->objectName(), QString("MenuBar.File"));
    QCOMPARE(ActionManager::getActionContainer("MenuBar.File"), file);
    QPointer<QMenu> menu = file->getMenu();
    delete file;
    QVERIFY(!ActionManager::getActionContainer("MenuBar.File"));
    QVERIFY(menu);
    QVERIFY(ActionManager::createMenuContainer("&File", "MenuBar.File") != nullptr);
    delete menu.data();
}

void tst_ActionManager::fullText_data()
{
    QTest::addColumn<QString>("id");
    QTest::addColumn<QStringList>("menus"); // "id=title" pairs
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QTest::newRow("menu title") << "Test.New" << QStringList{"MenuBar.Test=&Extras"} << "&New"
                                << "Extras > New";
    QTest::newRow("no container") << "Test.New" << QStringList() << "&New"
                                  << "Test > New";
    QTest::newRow("no dots") << "Save" << QStringList{"MenuBar.Save=&Nope"} << "&Save"
                             << "Save";
    QTest::newRow("deeper part from id")
        << "File.SaveAs.Project" << QStringList{"MenuBar.File=&File", "File.SaveAs=Save &As"}
        << "&Project"
        << "File > SaveAs > Project";
    QTest::newRow("deeper menu under MenuBar prefix")
        << "File.SaveAs.Project"
        << QStringList{"MenuBar.File=&File", "MenuBar.File.SaveAs=Save &As"} << "&Project"
        << "File > Save As > Project";
}

void tst_ActionManager::fullText()
{
    QFETCH(QString, id);
    QFETCH(QStringList, menus);
    QFETCH(QString, text);
    QFETCH(QString, expected);
    for (const QString& menu : menus)
        ActionManager::createMenuContainer(menu.section('=', 1), menu.section('=', 0, 0));
    ContextAction* c = command(id);
    c->getAction()->setText(text);
    QCOMPARE(ActionManager::getActionFullText(c), expected);
    QVERIFY(ActionManager::getActionFullText(nullptr).isEmpty());
}

void tst_ActionManager::shortcutsSurviveARestart()
{
    m_environment->userSettings()->setValue("Shortcuts/Test.Close", "Ctrl+W");
    command("Test.Save")->setKeySequence(QKeySequence("Ctrl+Shift+S"));
    command("Test.Chord")->setKeySequence(QKeySequence("Ctrl+K, Ctrl+C"));
    command("Test.Close");
    ActionManager::getAction("Test.Close")->setKeySequence(QKeySequence());
    ActionContainer* file = ActionManager::createMenuContainer("&Test", "MenuBar.Test");
    file->insertAction(ActionManager::getAction("Test.Save"), nullptr);
    file->insertSeparator(ActionManager::getAction("Test.Save"))
        ->setKeySequence(QKeySequence("F9"));
    ActionManager::saveSettings();
    m_environment->userSettings()->sync();

    QSettings onDisk(m_environment->userSettingsFile(), QSettings::IniFormat);
    onDisk.beginGroup("Shortcuts");
    QCOMPARE(onDisk.value("Test.Save").toString(), QString("Ctrl+Shift+S"));
    // Separators and commands without a shortcut are not written.
    QCOMPARE(onDisk.childKeys().filter(QRegularExpression("^Test\\.")),
             QStringList({"Test.Chord", "Test.Save"}));
    onDisk.endGroup();

    m_environment->deleteMainWindow();
    m_environment->reloadSettings();
    m_window = m_environment->createMainWindow();
    QCOMPARE(command("Test.Save", "Ctrl+S")->getKeySequence(), QKeySequence("Ctrl+Shift+S"));
    QCOMPARE(command("Test.Chord")->getKeySequence(), QKeySequence("Ctrl+K, Ctrl+C"));
    QCOMPARE(command("Test.Close", "Ctrl+F4")->getKeySequence(), QKeySequence("Ctrl+F4"));
}

void tst_ActionManager::readFromSettings_data()
{
    QTest::addColumn<bool>("groupEmpty");
    QTest::addColumn<QString>("expectedNew");
    QTest::addColumn<QString>("expectedOpen");
    QTest::newRow("empty group applies defaults") << true << "Ctrl+N"
                                                  << "Ctrl+O";
    QTest::newRow("missing key loses shortcut") << false << "Alt+N"
                                                << "";
}

void tst_ActionManager::readFromSettings()
{
    QFETCH(bool, groupEmpty);
    QFETCH(QString, expectedNew);
    QFETCH(QString, expectedOpen);
    ContextAction* fileNew = command("File.New", "Ctrl+N");
    ContextAction* fileOpen = command("File.Open", "Ctrl+O");
    ActionContainer* file = ActionManager::createMenuContainer("&File", "MenuBar.File");
    file->insertAction(fileNew, nullptr);
    ContextAction* separator = file->insertSeparator(fileNew);
    separator->setKeySequence(QKeySequence("F9"));
    fileNew->setKeySequence(QKeySequence("F2"));
    fileOpen->setKeySequence(QKeySequence("F3"));
    if (!groupEmpty)
        m_environment->userSettings()->setValue("Shortcuts/File.New", "Alt+N");

    ActionManager::readFromSettings();
    QCOMPARE(fileNew->getKeySequence(), QKeySequence(expectedNew));
    QCOMPARE(fileOpen->getKeySequence(), QKeySequence(expectedOpen));
    QCOMPARE(separator->getKeySequence(), QKeySequence("F9"));
    ActionManager::resetToDefault();
    QCOMPARE(fileOpen->getKeySequence(), QKeySequence("Ctrl+O"));
    QCOMPARE(separator->getKeySequence(), QKeySequence("F9"));
}

void tst_ActionManager::damagedEntries_data()
{
    // Lines as a person or another program may have left them in the INI file. A damaged entry
    // gives way to the default; an empty one means "no shortcut" once the group is read.
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<QString>("registered");
    QTest::addColumn<QString>("read");
    QTest::addColumn<bool>("reported");
    QTest::newRow("quoted") << QByteArray("Test.New=\"Ctrl+Shift+N\"") << "Ctrl+Shift+N"
                            << "Ctrl+Shift+N" << false;
    QTest::newRow("unquoted chords") << QByteArray("Test.New=Ctrl+K, Ctrl+N") << "Ctrl+K, Ctrl+N"
                                     << "Ctrl+K, Ctrl+N" << false;
    QTest::newRow("not a key") << QByteArray("Test.New=Strg+Banana") << "Ctrl+N"
                               << "Ctrl+N" << true;
    QTest::newRow("not text") << QByteArray("Test.New=@Point(1 2)") << "Ctrl+N"
                              << "Ctrl+N" << true;
    QTest::newRow("empty") << QByteArray("Test.New=") << "Ctrl+N" << QString() << false;
}

void tst_ActionManager::damagedEntries()
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

QTEST_MAIN(tst_ActionManager)
#include "tst_actionmanager.moc"
