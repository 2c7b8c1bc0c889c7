#include <desktoprecorder.h>
#include <germancatalogue.h>
#include <modalanswerer.h>
#include <testdocuments.h>
#include <testenvironment.h>
#include <testfiles.h>

#include <actions/actioncontainer.h>
#include <actions/actionmanager.h>
#include <actions/contextaction.h>
#include <appearance/ilanguagemanager.h>
#include <extensionsystem/pluginmanager.h>
#include <mainwindow/imainmenuwidget.h>
#include <mainwindow/mainwindow.h>
#include <plugin/icore.h>

#include <QDesktopServices>
#include <QDockWidget>
#include <QMenu>
#include <QMenuBar>
#include <QScopeGuard>
#include <QSettings>
#include <QToolBar>
#include <QToolButton>
#include <QTranslator>
#include <QtTest>

namespace {

QAction* proxy(const QString& id)
{
    ContextAction* command = ActionManager::getAction(id);
    return command ? command->getAction() : nullptr;
}

// Texts of a menu's or tool bar's entries; "-" for a separator.
QStringList entryTexts(const QList<QAction*>& actions)
{
    QStringList texts;
    for (const QAction* action : actions)
        texts << (action->isSeparator() ? QStringLiteral("-") : action->text());
    return texts;
}

QMenu* menuOf(const QString& id)
{
    ActionContainer* container = ActionManager::getActionContainer(id);
    return container ? container->getMenu() : nullptr;
}

} // namespace

class tst_MainWindow : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void interfaceOrder();
    void commands_data();
    void commands();
    void menus();
    void fileToolbar();
    void menusSpeakGerman();
    void firstRun_data();
    void firstRun();
    void geometryRemembered_data();
    void geometryRemembered();
    void argumentsOpenedFromEventLoop();
    void iconsFollowDensity();
    void languageMenuKeepsLanguageInUse();
    void helpContents_data();
    void helpContents();
    void preferences_data();
    void preferences();
    void shortcutRunsNew();
    void tempFolderKeepsLinkedFolders_data();
    void tempFolderKeepsLinkedFolders();
    void dockWidgetsByArea();

private:
    QTemporaryDir m_temp;
    QTemporaryDir m_catalogues;
};

void tst_MainWindow::initTestCase()
{
    // The window's temporary folder and everything else land in a folder of our own.
    QVERIFY(m_temp.isValid());
    qputenv("TMPDIR", QFile::encodeName(m_temp.path()));
    QCOMPARE(QDir::tempPath(), QDir(m_temp.path()).canonicalPath());

    // Interface languages: English built in, German and Brazilian Portuguese installed, the
    // latter in use.
    QVERIFY(writeFile(m_catalogues.filePath(QStringLiteral("zenub_de_DE.qm"))));
    QVERIFY(writeFile(m_catalogues.filePath(QStringLiteral("zenub_pt_BR.qm"))));
    TestEnvironment environment;
    environment.userSettings()->setValue(QStringLiteral("Zenub/Language"), QStringLiteral("pt_BR"));
    QVERIFY(ILanguageManager::getInstance().initialize(m_catalogues.path()));
    QCOMPARE(ILanguageManager::getInstance().getCurrentLangId(), QStringLiteral("pt_BR"));
    ILanguageManager::getInstance().setSettings(nullptr);
}

void tst_MainWindow::interfaceOrder()
{
    // Plugins and web pages reach these members by their index.
    const QStringList expected{"updateWindowFilePath(QString)",
                               "updateModified(bool)",
                               "dpiChanged(int)",
                               "extsInitialized()",
                               "setVisibleWelcomeWidget(bool)",
                               "loadFile(QString)",
                               "loadOpenedDocument(IDocument*,bool)",
                               "loadOpenedDocument(IDocument*)",
                               "updateRecentFileActions()",
                               "raiseUp()",
                               "openFilesPassedAsArguments()",
                               "fileNew()",
                               "fileOpen()",
                               "fileSaveAs()",
                               "fileClose()",
                               "recentFileOpen()",
                               "fileSave()",
                               "fileExit()",
                               "languageChanged(QAction*)",
                               "updateFocusWidget(QWidget*,QWidget*)",
                               "onPreferences()",
                               "onHelpContents()",
                               "updateSaveAsMenu()",
                               "onEnabledSaveActionChanged(bool)",
                               "updateActivatedMdiSubFilePath(QMdiSubWindow*)",
                               "activationChangeFiltered()",
                               "onDocumentRequestClosing(bool)",
                               "onDPIChanged()",
                               "onScreenChanged()"};
    const QMetaObject& meta = MainWindow::staticMetaObject;
    QStringList actual;
    for (int i = meta.methodOffset(); i < meta.methodCount(); ++i)
        actual << QString::fromLatin1(meta.method(i).methodSignature());
    QCOMPARE(actual, expected);
}

void tst_MainWindow::commands_data()
{
    QTest::addColumn<QString>("id");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QKeySequence>("key");
    QTest::addColumn<QString>("description");
    QTest::addColumn<bool>("enabled");

    const QKeySequence none;
    QTest::newRow("new") << "File.New"
                         << "&New" << QKeySequence(QKeySequence::New) << "Create a new project"
                         << true;
    QTest::newRow("open") << "File.Open_Project"
                          << "&Open Project" << QKeySequence(QKeySequence::Open)
                          << "Open an existing project" << true;
    QTest::newRow("save") << "File.Save"
                          << "&Save" << QKeySequence(QKeySequence::Save)
                          << "Save the current project" << false;
    QTest::newRow("save as") << "File.SaveAs.Project"
                             << "Other Project" << QKeySequence(QKeySequence::SaveAs)
                             << "Save the current project as a new one" << false;
    QTest::newRow("close") << "File.Close"
                           << "&Close" << QKeySequence(QKeySequence::Close)
                           << "Close the current project" << false;
    QTest::newRow("preview scene") << "File.Preview_Current_Scene_In_Browser"
                                   << "Preview Current Scene in Browser"
                                   << QKeySequence(QStringLiteral("Ctrl+F5")) << "" << false;
    QTest::newRow("preview button") << "File.Preview_Project"
                                    << "Preview Project in Browser" << none << "" << false;
    QTest::newRow("preview project")
        << "File.Preview_Project_In_Browser"
        << "Preview Project in Browser" << QKeySequence(QStringLiteral("F5")) << "" << false;
    QTest::newRow("export html5") << "File.Export_To_HTML5"
                                  << "Export to HTML5" << QKeySequence(QStringLiteral("Ctrl+Alt+E"))
                                  << "" << false;
    QTest::newRow("export video") << "File.Export_To_Video"
                                  << "Export to Video" << none << "" << false;
    QTest::newRow("exit") << "File.Exit"
                          << "E&xit" << QKeySequence(QKeySequence::Quit) << "Quit the program"
                          << true;
    QTest::newRow("preferences") << "Edit.Preferences"
                                 << "&Preferences" << QKeySequence(QKeySequence::Preferences) << ""
                                 << true;
    QTest::newRow("about") << "Help.About"
                           << "About" << none << "" << true;
    QTest::newRow("help") << "Help.Help_Contents"
                          << "Help Contents" << QKeySequence(QStringLiteral("F1")) << "" << true;
    QTest::newRow("report") << "Help.ReportProblem"
                            << "Report a Problem" << none << "" << true;
    QTest::newRow("suggest") << "Help.ProvideSuggestion"
                             << "Provide a Suggestion" << none << "" << true;
    QTest::newRow("updates") << "Help.CheckUpdates"
                             << "Check Updates..." << none << "" << true;
}

void tst_MainWindow::commands()
{
    QFETCH(QString, id);
    QFETCH(QString, text);
    QFETCH(QKeySequence, key);
    QFETCH(QString, description);
    QFETCH(bool, enabled);

    TestEnvironment environment;
    environment.createMainWindow();
    ContextAction* command = ActionManager::getAction(id);
    QVERIFY(command);
    QCOMPARE(command->getAction()->text(), text);
    QCOMPARE(command->getDefaultKeySequence(), key);
    QCOMPARE(command->getKeySequence(), key);
    QCOMPARE(command->getDescription(), description);
    QCOMPARE(command->getAction()->isEnabled(), enabled);
}

void tst_MainWindow::menus()
{
    TestEnvironment environment;
    MainWindow* window = environment.createMainWindow();

    // The command framework's menu bar sits in the title bar; the window has no other one.
    auto* titleBar = qobject_cast<IMainMenuWidget*>(window->menuWidget());
    QVERIFY(titleBar);
    QMenuBar* menuBar =
        ActionManager::getActionContainer(QStringLiteral("Zenub.MenuBar"))->getMenuBar();
    QCOMPARE(titleBar->getMenuBar(), menuBar);
    QCOMPARE(window->findChildren<QMenuBar*>().size(), 1);

    QCOMPARE(entryTexts(menuBar->actions()), (QStringList{"&File", "&Edit", "&View", "&Help"}));
    QCOMPARE(entryTexts(menuOf(QStringLiteral("MenuBar.File"))->actions()),
             (QStringList{"&New", "&Open Project", "Recent Projects", "-", "&Save", "Save As",
                          "Save A&ll", "&Close", "-", "Preview Current Scene in Browser",
                          "Preview Project in Browser", "Export to HTML5", "-", "Export to Video",
                          "-", "E&xit"}));
    QMenu* saveAs = menuOf(QStringLiteral("File.SaveAs"));
    QCOMPARE(entryTexts(saveAs->actions()), QStringList{"Other Project"});
    QVERIFY(!saveAs->isEnabled());
    QCOMPARE(entryTexts(menuOf(QStringLiteral("MenuBar.Edit"))->actions()),
             (QStringList{"Undo", "Redo", "-", "Cu&t", "&Copy", "&Paste", "D&uplicate", "&Delete",
                          "-", "Select &All", "-", "&Preferences"}));
    QCOMPARE(entryTexts(menuOf(QStringLiteral("MenuBar.View"))->actions()),
             (QStringList{"Language", "&Welcome Page"}));
    QVERIFY(!menuOf(QStringLiteral("View.Language"))->icon().isNull());
    QCOMPARE(entryTexts(menuOf(QStringLiteral("MenuBar.Help"))->actions()),
             (QStringList{"About", "Help Contents", "Report a Problem", "Provide a Suggestion",
                          "Check Updates..."}));
    for (const char* id : {"File.New", "File.Open_Project", "File.Save", "Edit.Preferences"})
        QVERIFY2(!proxy(QLatin1String(id))->icon().isNull(), id);
}

void tst_MainWindow::fileToolbar()
{
    TestEnvironment environment;
    MainWindow* window = environment.createMainWindow();
    QToolBar* toolbar = window->getFileToolbar();
    QVERIFY(toolbar);
    QCOMPARE(toolbar->objectName(), QStringLiteral("m_pFileToolbar"));
    QCOMPARE(toolbar->windowTitle(), QStringLiteral("File"));
    QCOMPARE(entryTexts(toolbar->actions()),
             (QStringList{"&New", "&Open Project", "&Save", "-", "Preview Project in Browser",
                          "Export to HTML5", "Export to Video"}));
    // The toolbar shows the commands, so another context's actions reach it too.
    QCOMPARE(toolbar->actions().first(), proxy(QStringLiteral("File.New")));

    QAction* preview = proxy(QStringLiteral("File.Preview_Project"));
    QVERIFY(preview->menu());
    QCOMPARE(preview->menu()->actions(),
             (QList<QAction*>{proxy(QStringLiteral("File.Preview_Project_In_Browser")),
                              proxy(QStringLiteral("File.Preview_Current_Scene_In_Browser"))}));
    auto* button = qobject_cast<QToolButton*>(toolbar->widgetForAction(preview));
    QVERIFY(button);
    QCOMPARE(button->popupMode(), QToolButton::MenuButtonPopup);
}

void tst_MainWindow::menusSpeakGerman()
{
    const GermanCatalogue german;
    QVERIFY2(german.isLoaded(), qPrintable(GermanCatalogue::path()));

    TestEnvironment environment;
    MainWindow* window = environment.createMainWindow();
    QCOMPARE(entryTexts(ActionManager::getActionContainer(QStringLiteral("Zenub.MenuBar"))
                            ->getMenuBar()
                            ->actions()),
             (QStringList{"&Datei", "&Bearbeiten", "&Ansicht", "&Hilfe"}));
    QCOMPARE(
        entryTexts(menuOf(QStringLiteral("MenuBar.File"))->actions()),
        (QStringList{"&Neu", "Projekt ö&ffnen", "Zuletzt geöffnete Projekte", "-", "&Speichern",
                     "Speichern unter", "A&lle speichern", "S&chließen", "-",
                     "Vorschau der aktuellen Szene im Browser", "Vorschau des Projekts im Browser",
                     "Nach HTML5 exportieren", "-", "Als Video exportieren", "-", "&Beenden"}));
    QCOMPARE(entryTexts(menuOf(QStringLiteral("MenuBar.Help"))->actions()),
             (QStringList{"Über", "Hilfethemen", "Ein Problem melden", "Einen Vorschlag machen",
                          "Nach Updates suchen..."}));
    QCOMPARE(window->getFileToolbar()->windowTitle(), QStringLiteral("Datei"));
    QCOMPARE(ActionManager::getAction(QStringLiteral("File.Exit"))->getDescription(),
             QStringLiteral("Das Programm beenden"));
}

void tst_MainWindow::firstRun_data()
{
    QTest::addColumn<QString>("group");
    QTest::addColumn<bool>("firstRun");

    QTest::newRow("no settings yet") << QString() << true;
    QTest::newRow("Designer") << "Designer" << false;
    QTest::newRow("lower case") << "designer" << false;
    QTest::newRow("other plugin") << "Animator" << true;
    QTest::newRow("longer name") << "DesignerOld" << true;
}

void tst_MainWindow::firstRun()
{
    QFETCH(QString, group);
    QFETCH(bool, firstRun);

    TestEnvironment environment;
    if (!group.isEmpty())
        environment.userSettings()->setValue(group + QStringLiteral("/Zoom"), 100);
    MainWindow* window = environment.createMainWindow();
    QVERIFY(!window->isVisible());
    QSignalSpy initialized(window, &MainWindow::extsInitialized);
    QCOMPARE(window->IsFirstRun(), firstRun);
    window->extensionsInitialized();
    QVERIFY(window->isVisible());
    QCOMPARE(window->isMaximized(), firstRun);
    QCOMPARE(initialized.count(), 1);
}

void tst_MainWindow::geometryRemembered_data()
{
    QTest::addColumn<bool>("corrupt");
    QTest::newRow("saved by the last run") << false;
    QTest::newRow("hand-edited value") << true;
}

void tst_MainWindow::geometryRemembered()
{
    QFETCH(bool, corrupt);
    TestEnvironment environment;
    environment.userSettings()->setValue(QStringLiteral("Designer/Zoom"), 100);
    const QRect placed(120, 90, 640, 480);
    {
        MainWindow* window = environment.createMainWindow();
        window->extensionsInitialized();
        window->setGeometry(placed);
        QTRY_COMPARE(window->geometry(), placed);
        ICore::getInstance()->saveSettings();
        environment.deleteMainWindow();
    }
    if (corrupt)
        environment.userSettings()->setValue(QStringLiteral("MainWindow/Geometry"), 42);
    environment.reloadSettings();
    MainWindow* window = environment.createMainWindow();
    const QRect before = window->geometry();
    window->extensionsInitialized();
    QCOMPARE(window->geometry(), corrupt ? before : placed);
}

void tst_MainWindow::argumentsOpenedFromEventLoop()
{
    TestEnvironment environment;
    TestDocumentFactory factory;
    factory.addToPool();
    const QString first = environment.path() + QStringLiteral("/first.zenub");
    const QString second = environment.path() + QStringLiteral("/second.zenub");
    QVERIFY(writeFile(first));
    QVERIFY(writeFile(second));
    ExtensionSystem::PluginManager::setArguments({first, second});
    MainWindow* window = environment.createMainWindow();
    window->extensionsInitialized();
    // Not yet: the host finishes its start-up first.
    QCOMPARE(factory.documents.size(), 0);
    QTRY_COMPARE(factory.documents.size(), 2);
    QCOMPARE(factory.documents.at(0)->getFileName(), first);
    QCOMPARE(factory.documents.at(1)->getFileName(), second);
}

void tst_MainWindow::iconsFollowDensity()
{
    TestEnvironment environment;
    MainWindow* window = environment.createMainWindow();
    const qint64 before = proxy(QStringLiteral("File.Save"))->icon().cacheKey();
    emit window->dpiChanged(192);
    // Direct: the icons are new the moment the signal returns.
    for (const char* id : {"File.New", "File.Open_Project", "File.Save", "Edit.Preferences"}) {
        const QIcon icon = proxy(QLatin1String(id))->icon();
        QVERIFY2(!icon.pixmap(16, QIcon::Normal).isNull(), id);
        QVERIFY2(!icon.pixmap(16, QIcon::Disabled).isNull(), id);
    }
    QVERIFY(proxy(QStringLiteral("File.Save"))->icon().cacheKey() != before);
    QVERIFY(!menuOf(QStringLiteral("View.Language"))->icon().isNull());
}

void tst_MainWindow::languageMenuKeepsLanguageInUse()
{
    TestEnvironment environment;
    MainWindow* window = environment.createMainWindow();
    ILanguageManager::getInstance().setSettings(environment.userSettings());
    const auto cleanup = qScopeGuard([] { ILanguageManager::getInstance().setSettings(nullptr); });

    const QList<QAction*> entries = menuOf(QStringLiteral("View.Language"))->actions();
    QStringList ids;
    QStringList checked;
    for (const QAction* entry : entries) {
        ids << entry->data().toString();
        if (entry->isChecked())
            checked << entry->data().toString();
    }
    QCOMPARE(ids, (QStringList{"en_US", "de_DE", "pt_BR"}));
    QCOMPARE(entries.at(1)->text(), QStringLiteral("Deutsch (Germany)"));
    QCOMPARE(checked, QStringList{"pt_BR"});

    ModalAnswerer answerer;
    answerer.answer(QMessageBox::Ok);
    entries.at(1)->trigger();
    QCOMPARE(answerer.texts(),
             QStringList{"The language change will take effect from the next run."});
    QCOMPARE(environment.userSettings()->value(QStringLiteral("Zenub/Language")).toString(),
             QStringLiteral("de_DE"));
    QVERIFY(!entries.at(1)->isChecked());
    QVERIFY(entries.at(2)->isChecked());

    // The language in use again: nothing to tell.
    entries.at(2)->trigger();
    QCOMPARE(answerer.answered(), 1);
    QVERIFY(entries.at(2)->isChecked());

    // A language that cannot be stored.
    QAction unknown;
    unknown.setData(QStringLiteral("xx_XX"));
    answerer.answer(QMessageBox::Ok);
    QMetaObject::invokeMethod(window, "languageChanged", Q_ARG(QAction*, &unknown));
    QCOMPARE(answerer.texts().last(), QStringLiteral("Failed to change language."));
    QVERIFY(entries.at(2)->isChecked());
}

void tst_MainWindow::helpContents_data()
{
    QTest::addColumn<QStringList>("installed");
    QTest::addColumn<QString>("opened");

    QTest::newRow("language of the interface") << QStringList{"pt", "en"} << "pt";
    QTest::newRow("English when the language has none") << QStringList{"de", "en"} << "en";
    QTest::newRow("none") << QStringList{"de"} << "";
}

void tst_MainWindow::helpContents()
{
    QFETCH(QStringList, installed);
    QFETCH(QString, opened);

    TestEnvironment environment;
    MainWindow* window = environment.createMainWindow();
    const QDir folder(ICore::resourcePath());
    QStringList created;
    const auto cleanup = qScopeGuard([&created] {
        for (const QString& file : qAsConst(created))
            QFile::remove(file);
    });
    for (const QString& lang : installed) {
        created << folder.absoluteFilePath(QStringLiteral("zenub_help_%1.pdf").arg(lang));
        QVERIFY(writeFile(created.last()));
    }
    DesktopRecorder desktop;
    ModalAnswerer answerer;

    if (opened.isEmpty()) {
        const QString missing = folder.absoluteFilePath(QStringLiteral("zenub_help_en.pdf"));
        QTest::ignoreMessage(QtInfoMsg,
                             qPrintable(QStringLiteral("Help file not found: ") + missing));
        answerer.answer(QMessageBox::Ok);
    }
    proxy(QStringLiteral("Help.Help_Contents"))->trigger();
    if (opened.isEmpty()) {
        QCOMPARE(desktop.urls.size(), 0);
        QCOMPARE(answerer.texts(), QStringList{"Help document is missing."});
    } else {
        QCOMPARE(desktop.urls, QList<QUrl>{QUrl::fromLocalFile(folder.absoluteFilePath(
                                   QStringLiteral("zenub_help_%1.pdf").arg(opened)))});
        QCOMPARE(answerer.answered(), 0);
    }
    Q_UNUSED(window)
}

void tst_MainWindow::preferences_data()
{
    QTest::addColumn<bool>("factory");
    QTest::addColumn<bool>("suppliesOptions");
    QTest::addColumn<int>("requests");
    QTest::addColumn<int>("shown");

    QTest::newRow("no document type") << false << false << 0 << 0;
    QTest::newRow("factory without dialog asked again") << true << false << 2 << 0;
    QTest::newRow("dialog created once and reused") << true << true << 1 << 2;
}

void tst_MainWindow::preferences()
{
    QFETCH(bool, factory);
    QFETCH(bool, suppliesOptions);
    QFETCH(int, requests);
    QFETCH(int, shown);

    TestEnvironment environment;
    TestDocumentFactory documentType;
    documentType.suppliesOptions = suppliesOptions;
    if (factory)
        documentType.addToPool();
    MainWindow* window = environment.createMainWindow();
    QAction* preferences = proxy(QStringLiteral("Edit.Preferences"));
    preferences->trigger();
    preferences->trigger();
    QCOMPARE(documentType.optionsRequests, requests);
    if (shown) {
        QCOMPARE(documentType.optionsDialogs.size(), 1);
        QCOMPARE(documentType.optionsDialogs.first()->shown, shown);
        QCOMPARE(window->getOptionsDialog(), documentType.optionsDialogs.first().data());
        // The window owns the dialog, which has no parent.
        QPointer<TestOptionsDialog> dialog = documentType.optionsDialogs.first();
        environment.deleteMainWindow();
        QVERIFY(dialog.isNull());
    } else {
        QVERIFY(!window->getOptionsDialog());
    }
}

void tst_MainWindow::shortcutRunsNew()
{
    TestEnvironment environment;
    TestDocumentFactory factory;
    factory.addToPool();
    MainWindow* window = environment.createMainWindow();
    window->show();
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));

    ModalAnswerer answerer;
    answerer.finish(QDialog::Rejected);
    const int key = QKeySequence(QKeySequence::New)[0];
    QTest::keyClick(window, Qt::Key(key & ~Qt::KeyboardModifierMask),
                    Qt::KeyboardModifiers(key & Qt::KeyboardModifierMask));
    QCOMPARE(answerer.texts(), QStringList{"New Project"});
    // The dialog was cancelled: the command created a document and threw it away.
    QCOMPARE(factory.documents.size(), 1);
    QVERIFY(factory.documents.first().isNull());
}

void tst_MainWindow::tempFolderKeepsLinkedFolders_data()
{
    QTest::addColumn<bool>("folderIsLink");
    QTest::newRow("links inside the folder") << false;
    QTest::newRow("the folder itself is a link") << true;
}

void tst_MainWindow::tempFolderKeepsLinkedFolders()
{
    QFETCH(bool, folderIsLink);

    TestEnvironment environment;
    MainWindow* window = environment.createMainWindow();
    // The user's own things, outside the temporary folder.
    QDir user(environment.path());
    QVERIFY(user.mkpath(QStringLiteral("documents/inner")));
    QVERIFY(writeFile(user.filePath(QStringLiteral("documents/inner/work.txt"))));
    QVERIFY(writeFile(user.filePath(QStringLiteral("notes.txt"))));

    const QString temp = window->getDefaultTempPath();
    if (folderIsLink) {
        QVERIFY(QDir().rmdir(temp));
        QVERIFY(QFile::link(user.filePath(QStringLiteral("documents")), temp));
        QVERIFY(window->getDefaultTempPath().isEmpty()); // a link in its place is refused
    } else {
        QVERIFY(QFileInfo(temp).isDir());
        QDir folder(temp);
        QVERIFY(folder.mkpath(QStringLiteral("project/images")));
        QVERIFY(writeFile(folder.filePath(QStringLiteral("project/images/a.png"))));
        QVERIFY(writeFile(folder.filePath(QStringLiteral(".hidden"))));
        QVERIFY(QFile::link(user.filePath(QStringLiteral("documents")),
                            folder.filePath(QStringLiteral("project/documents"))));
        QVERIFY(QFile::link(user.filePath(QStringLiteral("notes.txt")),
                            folder.filePath(QStringLiteral("notes"))));
        QVERIFY(QFile::link(user.filePath(QStringLiteral("gone")),
                            folder.filePath(QStringLiteral("broken"))));
    }

    window->removeDefaultTempDir();
    QVERIFY(!QFileInfo(temp).exists());
    QVERIFY(!QFileInfo(temp).isSymLink());
    QVERIFY(QFileInfo::exists(user.filePath(QStringLiteral("documents/inner/work.txt"))));
    QVERIFY(QFileInfo::exists(user.filePath(QStringLiteral("notes.txt"))));

    // Nothing there: nothing to do; asking for the path creates it again.
    window->removeDefaultTempDir();
    QVERIFY(QFileInfo(window->getDefaultTempPath()).isDir());
    QVERIFY(MainWindow::removeFolderTree(temp));
}

void tst_MainWindow::dockWidgetsByArea()
{
    TestEnvironment environment;
    MainWindow* window = environment.createMainWindow();
    auto* left = new QDockWidget(QStringLiteral("Layers"), window);
    auto* right = new QDockWidget(QStringLiteral("Properties"), window);
    auto* secondLeft = new QDockWidget(QStringLiteral("Library"), window);
    window->addDockWidget(Qt::LeftDockWidgetArea, left);
    window->addDockWidget(Qt::RightDockWidgetArea, right);
    window->addDockWidget(Qt::LeftDockWidgetArea, secondLeft);
    // Neither a dock of another window nor one nested deeper counts.
    QMainWindow other;
    other.addDockWidget(Qt::LeftDockWidgetArea, new QDockWidget(QStringLiteral("Other"), &other));
    new QDockWidget(QStringLiteral("Nested"), left);

    QCOMPARE(window->getListDockWidgetsByArea(Qt::LeftDockWidgetArea),
             (QList<QDockWidget*>{left, secondLeft}));
    QCOMPARE(window->getListDockWidgetsByArea(Qt::RightDockWidgetArea), QList<QDockWidget*>{right});
    QCOMPARE(window->getListDockWidgetsByArea(Qt::TopDockWidgetArea), QList<QDockWidget*>());
}

QTEST_MAIN(tst_MainWindow)
#include "tst_mainwindow.moc"
