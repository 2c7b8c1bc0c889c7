// SPDX-License-Identifier: MIT
#include <testenvironment.h>

#include <actions/actionmanager.h>
#include <actions/commandmatcher.h>
#include <actions/commandscopes.h>
#include <actions/contextaction.h>
#include <actions/contextmanager.h>
#include <actions/proxyaction.h>
#include <mainwindow/mainwindow.h>
#include <options/keyboardoptionpage.h>
#include <options/shortcutscheme.h>

#include <QtTest>

// Commands in nested contexts, which of them may share a key, and how a typed name finds one.
class tst_Commands : public QObject
{
    Q_OBJECT
private slots:
    void nestedContextsBorrowAndClash_data();
    void nestedContextsBorrowAndClash();
    void matcher_data();
    void matcher();
    void scheme_data();
    void scheme();
};

void tst_Commands::nestedContextsBorrowAndClash_data()
{
    // The tree: window > editor > (timeline, layers); window > other. Each command has an
    // action in the contexts named; "Test.B" is focused in the first context named for it.
    QTest::addColumn<QStringList>("contextsA");
    QTest::addColumn<QStringList>("contextsB");
    QTest::addColumn<bool>("together");
    QTest::newRow("siblings inside one editor")
        << QStringList{"timeline"} << QStringList{"layers"} << false;
    QTest::newRow("nested in its editor")
        << QStringList{"editor"} << QStringList{"timeline"} << true;
    QTest::newRow("global with anything") << QStringList{"window"} << QStringList{"other"} << true;
    QTest::newRow("two editors of different kinds")
        << QStringList{"editor"} << QStringList{"other"} << false;
    QTest::newRow("one of several contexts overlaps")
        << QStringList{"other", "layers"} << QStringList{"timeline", "editor"} << true;
}

void tst_Commands::nestedContextsBorrowAndClash()
{
    QFETCH(QStringList, contextsA);
    QFETCH(QStringList, contextsB);
    QFETCH(bool, together);
    TestEnvironment environment;
    MainWindow* window = environment.createMainWindow();
    QMap<QString, QWidget*> widgets{{"window", window}};
    widgets.insert("editor", new QWidget(window));
    widgets.insert("timeline", new QWidget(widgets.value("editor")));
    widgets.insert("layers", new QWidget(widgets.value("editor")));
    widgets.insert("other", new QWidget(window));
    for (const char* name : {"editor", "timeline", "layers", "other"})
        ContextManager::registerContext(widgets.value(name), QString("Test.") + name, name);
    const auto add = [&](const QString& id, const QStringList& contexts) {
        QAction* first = nullptr;
        for (const QString& name : contexts) {
            auto* action = new QAction(id + ' ' + name, widgets.value(name));
            ActionManager::registerAction(action, id, widgets.value(name), false);
            first = first ? first : action;
        }
        return first;
    };
    QAction* a = add("Test.A", contextsA);
    QAction* b = add("Test.B", contextsB);
    const CommandScopes scopes = CommandScopes::current();
    QCOMPARE(scopes.activeTogether("Test.A", "Test.B"), together);
    QCOMPARE(scopes.activeTogether("Test.B", "Test.A"), together);

    // With one context each, where B is focused A runs an action exactly when the two are
    // active together: its own there, or the one of a context around.
    if (contextsA.size() > 1 || contextsB.size() > 1)
        return;
    ActionManager::setContext(widgets.value(contextsB.first()));
    auto* proxyA = static_cast<ProxyAction*>(ActionManager::getAction("Test.A")->getAction());
    QCOMPARE(static_cast<ProxyAction*>(ActionManager::getAction("Test.B")->getAction())->action(),
             b);
    QCOMPARE(proxyA->action(), together ? a : nullptr);
}

void tst_Commands::matcher_data()
{
    QTest::addColumn<QString>("query");
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("description");
    QTest::addColumn<bool>("matches");
    QTest::newRow("word starts") << "add key"
                                 << "Time Line > Add Keyframe" << QString() << true;
    QTest::newRow("initials") << "ak"
                              << "Time Line > Add Keyframe" << QString() << true;
    QTest::newRow("swapped letters") << "keyfrmae"
                                     << "Time Line > Add Keyframe" << QString() << true;
    QTest::newRow("slip in a short word") << "zomo in"
                                          << "View > Zoom In" << QString() << true;
    QTest::newRow("menu word") << "view grid"
                               << "View > Grid" << QString() << true;
    QTest::newRow("description") << "larger"
                                 << "View > Zoom In"
                                 << "Show the stage larger" << true;
    QTest::newRow("every word must match") << "add key"
                                           << "Time Line > Auto-Key" << QString() << false;
    QTest::newRow("no slips in descriptions") << "key"
                                              << "Layers > Lock Layer"
                                              << "Keep the shapes" << false;
    QTest::newRow("two slips in a short word") << "gdri"
                                               << "View > Grid" << QString() << false;
    QTest::newRow("mnemonic inside a word") << "cut"
                                            << "Edit > Cu&t" << QString() << true;
}

void tst_Commands::matcher()
{
    QFETCH(QString, query);
    QFETCH(QString, path);
    QFETCH(QString, description);
    QFETCH(bool, matches);
    QCOMPARE(CommandMatcher::score(query, path, description) > 0, matches);
    // The command's own name beats the same word further up its path or in its description.
    QVERIFY(CommandMatcher::score("fit", "View > Fit", QString()) >
            CommandMatcher::score("fit", "Time Line > First Frame", "Fit nothing"));
    QVERIFY(CommandMatcher::score("view", "View > Grid", QString()) <
            CommandMatcher::score("view", "Panels > View", QString()));
}

void tst_Commands::scheme_data()
{
    QTest::addColumn<QByteArray>("json");
    QTest::addColumn<bool>("read");
    QTest::addColumn<QStringList>("ids");
    QTest::addColumn<int>("invalid");
    QTest::newRow("keys, none and chords")
        << QByteArray(R"({"format":"zenub-shortcuts","version":1,"shortcuts":
                         {"A.B":"Ctrl+Shift+K","C.D":"","E.F":"Ctrl+K, Ctrl+S"}})")
        << true << QStringList{"A.B", "C.D", "E.F"} << 0;
    QTest::newRow("entries that are no keys")
        << QByteArray(R"({"format":"zenub-shortcuts","version":1,"shortcuts":
                         {"A.B":"Ctrl+Bogus","C.D":7,"E.F":"F6"}})")
        << true << QStringList{"E.F"} << 2;
    QTest::newRow("other JSON") << QByteArray(R"({"shortcuts":{}})") << false << QStringList() << 0;
    QTest::newRow("newer format")
        << QByteArray(R"({"format":"zenub-shortcuts","version":2,"shortcuts":{}})") << false
        << QStringList() << 0;
    QTest::newRow("not JSON") << QByteArray("[Shortcuts]\nFile.New=Ctrl+N") << false
                              << QStringList() << 0;
}

void tst_Commands::scheme()
{
    QFETCH(QByteArray, json);
    QFETCH(bool, read);
    QFETCH(QStringList, ids);
    QFETCH(int, invalid);
    ShortcutScheme scheme;
    QString error;
    QCOMPARE(scheme.fromJson(json, &error), read);
    QCOMPARE(error.isEmpty(), read);
    QCOMPARE(scheme.shortcuts.keys(), ids);
    QCOMPARE(scheme.invalid.size(), invalid);
    // What is read is written back the same.
    ShortcutScheme again;
    QVERIFY(again.fromJson(ShortcutScheme::toJson(scheme.shortcuts), &error));
    QCOMPARE(again.shortcuts, scheme.shortcuts);
}

QTEST_MAIN(tst_Commands)
#include "tst_commands.moc"
