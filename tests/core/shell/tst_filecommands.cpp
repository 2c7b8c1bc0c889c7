#include <modalanswerer.h>
#include <testdocuments.h>
#include <testenvironment.h>

#include <actions/actioncontainer.h>
#include <actions/actionmanager.h>
#include <actions/contextaction.h>
#include <documents/documentmanager.h>
#include <documents/editormanager.h>
#include <extensionsystem/pluginmanager.h>
#include <mainwindow/imainmdiarea.h>
#include <mainwindow/irecentfilesmanager.h>
#include <mainwindow/mainwindow.h>
#include <mainwindow/znhtmlexposingwelcome.h>
#include <plugin/icore.h>

#include <QMdiSubWindow>
#include <QMenu>
#include <QMimeData>
#include <QSettings>
#include <QUndoGroup>
#include <QUndoStack>
#include <QWebChannel>
#include <QtTest>

namespace {

QAction* proxy(const QString& id)
{
    ContextAction* command = ActionManager::getAction(id);
    return command ? command->getAction() : nullptr;
}

QStringList recentProjects()
{
    return IRecentFilesManager::getInstance()->getRecentFiles();
}

IDocument* activeDocument()
{
    IEditor* editor = EditorManager::activeEditor();
    return editor ? editor->getDocument() : nullptr;
}

// Records what reaches the widget itself, past its event filters.
class DropTarget : public QWidget
{
public:
    QList<QEvent::Type> received;

protected:
    bool event(QEvent* event) override
    {
        if (event->type() == QEvent::DragEnter || event->type() == QEvent::Drop)
            received << event->type();
        return QWidget::event(event);
    }
};

} // namespace

/*! The window with a document type in the object pool, as a plugin would supply it. */
class Shell
{
public:
    Shell()
    {
        factory.addToPool();
        window = environment.createMainWindow();
    }

    QString file(const QString& name) const
    {
        const QString path = environment.path() + QLatin1Char('/') + name;
        QDir().mkpath(QFileInfo(path).path());
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly))
            qFatal("Cannot write %s", qPrintable(path));
        return path;
    }

    /*! A welcome page in the workspace, shown as the page plugin would show it. */
    QWidget* welcomePage()
    {
        auto* page = new QWidget(window->getMdiArea());
        page->show();
        window->setWelcomeWidget(page);
        return page;
    }

    TestDocument* load(const QString& name)
    {
        const int before = factory.documents.size();
        if (!window->loadFile(file(name)) || factory.documents.size() != before + 1)
            return nullptr;
        return factory.documents.last();
    }

    TestEnvironment environment;
    TestDocumentFactory factory;
    MainWindow* window = nullptr;
};

class tst_FileCommands : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void startupState();
    void alreadyOpenUnderAnotherSpelling_data();
    void alreadyOpenUnderAnotherSpelling();
    void suffixInLowerCase();
    void missingFilesMatchNoOpenDocument();
    void loadOpenedDocument_data();
    void loadOpenedDocument();
    void newProject_data();
    void newProject();
    void openAsksTheFactory();
    void saveAsTemporaryProject_data();
    void saveAsTemporaryProject();
    void saveFollowsUndoGroupAndActiveDocument();
    void closeProject_data();
    void closeProject();
    void closeWindowAsksLastFirst_data();
    void closeWindowAsksLastFirst();
    void welcomeShownExactlyWhenNoEditor();
    void welcomePageRunsNew();
    void forceQuitClosesEverything();
    void drop_data();
    void drop();
    void recentProjectsMenu();
    void forgetMissingRecentProject_data();
    void forgetMissingRecentProject();
    void subWindowPathReachesTitle();

private:
    QTemporaryDir m_temp;
};

void tst_FileCommands::initTestCase()
{
    QVERIFY(m_temp.isValid());
    qputenv("TMPDIR", QFile::encodeName(m_temp.path()));
}

void tst_FileCommands::startupState()
{
    Shell shell;
    QCOMPARE(shell.window->getChannel()->registeredObjects().value(QStringLiteral("znwelcome")),
             static_cast<QObject*>(shell.window->getMdiArea()->getWelcomeObject()));
    QCOMPARE(shell.window->centralWidget(), shell.window->getMdiArea());
    QCOMPARE(shell.window->getMdiArea()->viewMode(), QMdiArea::TabbedView);
    for (const char* id :
         {"File.Save", "File.Close", "File.SaveAs.Project", "File.Export_To_Video"})
        QVERIFY2(!proxy(QLatin1String(id))->isEnabled(), id);
    for (const char* id :
         {"File.New", "File.Open_Project", "File.Exit", "Edit.Preferences", "Help.Help_Contents"})
        QVERIFY2(proxy(QLatin1String(id))->isEnabled(), id);
}

void tst_FileCommands::alreadyOpenUnderAnotherSpelling_data()
{
    QTest::addColumn<QString>("spelling");
    QTest::newRow("parent segment") << "work/sub/../a.zenub";
    QTest::newRow("dot segment") << "work/./a.zenub";
    QTest::newRow("doubled separator") << "work//a.zenub";
    QTest::newRow("linked folder") << "link/a.zenub";
#ifdef Q_OS_WIN
    QTest::newRow("backslashes") << "work\\a.zenub";
#endif
}

void tst_FileCommands::alreadyOpenUnderAnotherSpelling()
{
    QFETCH(QString, spelling);
    Shell shell;
    const QString root = shell.environment.path();
    QVERIFY(QDir(root).mkpath(QStringLiteral("work/sub")));
    QVERIFY(QFile::link(root + QStringLiteral("/work"), root + QStringLiteral("/link")));
    TestDocument* a = shell.load(QStringLiteral("work/a.zenub"));
    QVERIFY(a);
    QVERIFY(shell.load(QStringLiteral("work/b.zenub")));
    QCOMPARE(activeDocument()->getFileName(), root + QStringLiteral("/work/b.zenub"));

    QVERIFY(shell.window->loadFile(root + QLatin1Char('/') + spelling));
    QCOMPARE(shell.factory.documents.size(), 2);
    QCOMPARE(activeDocument(), a);
    QCOMPARE(recentProjects().size(), 2);
}

void tst_FileCommands::suffixInLowerCase()
{
    Shell shell;
    // Only the first factory that lists the suffix is asked.
    TestDocumentFactory other({QStringLiteral("txt"), QStringLiteral("ZENUB")});
    other.addToPool();
    TestDocument* document = shell.load(QStringLiteral("Work/PROJECT.ZENUB"));
    QVERIFY(document);
    QCOMPARE(document->getFileName(),
             shell.environment.path() + QStringLiteral("/Work/PROJECT.ZENUB"));
    QCOMPARE(other.documents.size(), 0);

    ModalAnswerer answerer;
    answerer.answer(QMessageBox::Ok);
    QVERIFY(!shell.window->loadFile(shell.file(QStringLiteral("notes.md"))));
    QCOMPARE(answerer.texts(), QStringList{"Cannot open this file type."});
}

void tst_FileCommands::missingFilesMatchNoOpenDocument()
{
    Shell shell;
    // A temporary project whose file has not been written yet.
    auto* unsaved = new TestDocument(nullptr);
    unsaved->setFileName(shell.environment.path() + QStringLiteral("/unsaved.zenub"));
    QVERIFY(shell.window->loadOpenedDocument(unsaved, false));

    QVERIFY(!shell.window->loadFile(shell.environment.path() + QStringLiteral("/gone.zenub")));
    QCOMPARE(shell.factory.documents.size(), 1);
    QVERIFY(shell.factory.documents.first().isNull());
    QCOMPARE(shell.factory.log(),
             (QStringList{"activate unsaved.zenub", "open gone.zenub", "deleted gone.zenub"}));
    QCOMPARE(EditorManager::getEditors().size(), 1);
}

void tst_FileCommands::loadOpenedDocument_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("addToRecent");
    QTest::addColumn<bool>("registered");

    QTest::newRow("added to recent projects") << "a.zenub" << true << true;
    QTest::newRow("recent projects left alone") << "a.zenub" << false << true;
    QTest::newRow("suffix no factory lists") << "a.svg" << true << false;
}

void tst_FileCommands::loadOpenedDocument()
{
    QFETCH(QString, name);
    QFETCH(bool, addToRecent);
    QFETCH(bool, registered);

    Shell shell;
    IRecentFilesManager::getInstance()->addRecentFile(QStringLiteral("/older.zenub"));
    auto* document = new TestDocument(nullptr);
    const std::unique_ptr<TestDocument> unregistered(registered ? nullptr : document);
    document->setFileName(shell.environment.path() + QLatin1Char('/') + name);
    QSignalSpy opened(document, &IDocument::aboutToOpen);

    QCOMPARE(shell.window->loadOpenedDocument(document, addToRecent), registered);
    QCOMPARE(DocumentManager::getDocuments().contains(document), registered);
    QCOMPARE(activeDocument() == document, registered);
    QCOMPARE(opened.count(), registered ? 1 : 0);
    QCOMPARE(DocumentManager::getUndoGroup()->activeStack() == document->getUndoStack(),
             registered);
    QStringList expected{"/older.zenub"};
    if (registered && addToRecent)
        expected.prepend(document->getFileName());
    QCOMPARE(recentProjects(), expected);
}

void tst_FileCommands::newProject_data()
{
    QTest::addColumn<int>("result");
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("initResult");
    QTest::addColumn<bool>("created");
    QTest::addColumn<bool>("recorded");

    QTest::newRow("created") << int(QDialog::Accepted) << "new.zenub" << true << true << true;
    QTest::newRow("initialisation fails")
        << int(QDialog::Accepted) << "new.zenub" << false << false << true;
    QTest::newRow("cancelled") << int(QDialog::Rejected) << "new.zenub" << true << false << false;
    QTest::newRow("no path") << int(QDialog::Accepted) << "" << true << false << false;
}

void tst_FileCommands::newProject()
{
    QFETCH(int, result);
    QFETCH(QString, path);
    QFETCH(bool, initResult);
    QFETCH(bool, created);
    QFETCH(bool, recorded);

    Shell shell;
    const QString fullPath = path.isEmpty() ? path : shell.environment.path() + '/' + path;
    shell.factory.prepareDialog = [&](TestNewDocumentDialog* dialog) {
        dialog->path = fullPath;
        dialog->values[0] = 640;
        dialog->values[1] = 480;
        dialog->values[2] = 24;
        dialog->flag = true;
    };
    shell.factory.prepareDocument = [&](TestDocument* document) {
        document->initResult = initResult;
    };
    QWidget* welcome = shell.welcomePage();

    ModalAnswerer answerer;
    answerer.finish(result);
    proxy(QStringLiteral("File.New"))->trigger();
    QCOMPARE(answerer.texts(), QStringList{"New Project"});

    QCOMPARE(shell.factory.documents.size(), 1);
    TestDocument* document = shell.factory.documents.first();
    QCOMPARE(document != nullptr, created);
    QCOMPARE(EditorManager::getEditors().size(), created ? 1 : 0);
    QCOMPARE(recentProjects(), recorded ? QStringList(fullPath) : QStringList());
    QCOMPARE(welcome->isHidden(), created);
    if (created) {
        QCOMPARE(document->initValues, (QList<int>{640, 480, 24}));
        QVERIFY(document->initFlag);
        QCOMPARE(activeDocument(), document);
        // The three values are read before the path; the new project is written at once.
        QCOMPARE(
            shell.factory.log(),
            (QStringList{"dialog value1", "dialog value2", "dialog value3", "dialog path",
                         "dialog flag", "init new.zenub", "activate new.zenub", "save new.zenub"}));
        // The recent projects menu shows it without waiting for the next start.
        QCOMPARE(proxy(QStringLiteral("File.Recent_Projects.Project_1"))->text(),
                 QStringLiteral("1. ") + fullPath);
    }
}

void tst_FileCommands::openAsksTheFactory()
{
    Shell shell;
    shell.factory.fileToOpen = shell.file(QStringLiteral("chosen.zenub"));
    proxy(QStringLiteral("File.Open_Project"))->trigger();
    QCOMPARE(shell.factory.log().first(), QStringLiteral("selectFileToOpen"));
    QCOMPARE(activeDocument()->getFileName(), shell.factory.fileToOpen);

    // Cancelled choice: nothing more.
    shell.factory.clearLog();
    shell.factory.fileToOpen.clear();
    proxy(QStringLiteral("File.Open_Project"))->trigger();
    QCOMPARE(shell.factory.log(), QStringList{"selectFileToOpen"});
}

void tst_FileCommands::saveAsTemporaryProject_data()
{
    QTest::addColumn<bool>("saved");
    QTest::newRow("saved under a new name") << true;
    QTest::newRow("save as fails") << false;
}

void tst_FileCommands::saveAsTemporaryProject()
{
    QFETCH(bool, saved);
    Shell shell;
    const QString temporary =
        shell.window->getDefaultTempPath() + QStringLiteral("/untitled.zenub");
    const QString chosen = shell.environment.path() + QStringLiteral("/final.zenub");
    auto* document = new TestDocument(nullptr);
    document->setFileName(temporary);
    document->setIsTempDocument(true);
    document->saveAsResult = saved;
    document->saveAsFileName = chosen;
    QVERIFY(shell.window->loadOpenedDocument(document));
    IRecentFilesManager::getInstance()->addRecentFile(QStringLiteral("/other.zenub"));

    // Save on a temporary project asks for a name.
    proxy(QStringLiteral("File.Save"))->trigger();
    QCOMPARE(recentProjects(), saved ? (QStringList{chosen, "/other.zenub"})
                                     : (QStringList{"/other.zenub", temporary}));
    QCOMPARE(proxy(QStringLiteral("File.Save"))->isEnabled(), !saved);
    QCOMPARE(document->isTempDocument(), !saved);
}

void tst_FileCommands::saveFollowsUndoGroupAndActiveDocument()
{
    Shell shell;
    QAction* save = proxy(QStringLiteral("File.Save"));
    QMenu* saveAs = ActionManager::getActionContainer(QStringLiteral("File.SaveAs"))->getMenu();
    TestDocument* first = shell.load(QStringLiteral("first.zenub"));
    QVERIFY(first);
    QVERIFY(saveAs->isEnabled());
    first->makeModified();
    QVERIFY(save->isEnabled());
    proxy(QStringLiteral("File.Save"))->trigger();
    QCOMPARE(shell.factory.log().last(), QStringLiteral("save first.zenub"));
    QVERIFY(!save->isEnabled());
    first->makeModified();
    QVERIFY(save->isEnabled());
    first->getUndoStack()->undo();
    QVERIFY(!save->isEnabled());

    // A temporary or recovered project always has something to save.
    for (const bool temporary : {true, false}) {
        auto* document = new TestDocument(nullptr);
        document->setFileName(shell.environment.path() + QStringLiteral("/recovered.zenub"));
        document->setIsTempDocument(temporary);
        document->setOpenAsBackup(!temporary);
        QVERIFY(shell.window->loadOpenedDocument(document, false));
        QVERIFY(document->getUndoStack()->isClean());
        QVERIFY(save->isEnabled());
        emit DocumentManager::getUndoGroup()->cleanChanged(true);
        QVERIFY(save->isEnabled());
    }
}

void tst_FileCommands::closeProject_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("closed");
    QTest::newRow("saved and closed") << int(QMessageBox::Yes) << true;
    QTest::newRow("cancelled") << int(QMessageBox::Cancel) << false;
}

void tst_FileCommands::closeProject()
{
    QFETCH(int, answer);
    QFETCH(bool, closed);
    Shell shell;
    QPointer<TestDocument> document = shell.load(QStringLiteral("p.zenub"));
    document->makeModified();
    QPointer<IEditor> editor = EditorManager::activeEditor();
    QSignalSpy filePath(shell.window, &MainWindow::updateWindowFilePath);

    ModalAnswerer answerer;
    answerer.answer(QMessageBox::StandardButton(answer));
    QMetaObject::invokeMethod(shell.window, "fileClose");
    QCOMPARE(answerer.texts(), QStringList{"Save changes made to p?"});
    QCOMPARE(EditorManager::getEditors().isEmpty(), closed);
    QCOMPARE(DocumentManager::getDocuments().isEmpty(), closed);
    QMenu* saveAs = ActionManager::getActionContainer(QStringLiteral("File.SaveAs"))->getMenu();
    QCOMPARE(saveAs->isEnabled(), !closed);
    if (closed) {
        // The title may first follow the save prompt's outcome; it ends with no file.
        QVERIFY(!filePath.isEmpty());
        QCOMPARE(filePath.last().first().toString(), QString());
        // Closing from the menu hands both to the event loop.
        QTRY_VERIFY(document.isNull());
        QVERIFY(editor.isNull());
        QCOMPARE(shell.factory.log().mid(2),
                 (QStringList{"close p.zenub", "save p.zenub", "editor deleted p.zenub",
                              "deleted p.zenub"}));
    } else {
        QVERIFY(document);
        QCOMPARE(activeDocument(), document.data());
    }
}

void tst_FileCommands::closeWindowAsksLastFirst_data()
{
    QTest::addColumn<QList<int>>("answers");
    QTest::addColumn<QStringList>("asked");
    QTest::addColumn<QStringList>("left");

    const int no = QMessageBox::No;
    QTest::newRow("cancel on the second")
        << QList<int>{no, int(QMessageBox::Cancel)} << QStringList{"c", "b"}
        << QStringList{"a.zenub", "b.zenub"};
    QTest::newRow("all closed") << QList<int>{no, no, no} << QStringList{"c", "b", "a"}
                                << QStringList();
}

void tst_FileCommands::closeWindowAsksLastFirst()
{
    QFETCH(QList<int>, answers);
    QFETCH(QStringList, asked);
    QFETCH(QStringList, left);

    Shell shell;
    shell.window->show();
    for (const char* name : {"a.zenub", "b.zenub", "c.zenub"})
        shell.load(QLatin1String(name))->makeModified();
    // A file in the temporary folder tells whether the folder went.
    const QString tempFile = shell.window->getDefaultTempPath() + QStringLiteral("/scratch");
    QFile(tempFile).open(QIODevice::WriteOnly);
    QSignalSpy saving(ICore::getInstance(), &ICore::aboutToSaveSettings);

    ModalAnswerer answerer;
    for (const int answer : answers)
        answerer.answer(QMessageBox::StandardButton(answer));
    QCOMPARE(shell.window->close(), left.isEmpty());
    QCOMPARE(saving.count(), 1);
    QStringList expectedTexts;
    for (const QString& name : asked)
        expectedTexts << QStringLiteral("Save changes made to %1?").arg(name);
    QCOMPARE(answerer.texts(), expectedTexts);

    QStringList open;
    for (const IDocument* document : DocumentManager::getDocuments())
        open << QFileInfo(document->getFileName()).fileName();
    QCOMPARE(open, left);
    QCOMPARE(EditorManager::getEditors().size(), left.size());
    QCOMPARE(shell.window->isVisible(), !left.isEmpty());
    QCOMPARE(QFileInfo::exists(tempFile), !left.isEmpty());
}

void tst_FileCommands::welcomeShownExactlyWhenNoEditor()
{
    Shell shell;
    QWidget* page = shell.welcomePage();
    QCOMPARE(shell.window->getMdiArea()->getWelcomeWidget(), page);
    const QWidget& welcome = *page;
    QSignalSpy reset(shell.window->getMdiArea(), &IMainMdiArea::resetRecentFiles);

    TestDocument* a = shell.load(QStringLiteral("a.zenub"));
    QVERIFY(welcome.isHidden());
    QVERIFY(shell.load(QStringLiteral("b.zenub")));
    QVERIFY(welcome.isHidden());
    QCOMPARE(reset.count(), 0);

    // Still one open: the page stays away.
    emit a->requestClosing(false);
    QVERIFY(welcome.isHidden());
    QCOMPARE(reset.count(), 0);
    emit activeDocument()->requestClosing(false);
    QVERIFY(!welcome.isHidden());
    QCOMPARE(reset.count(), 1);

    // A file that fails to open leaves the page and reloads its list.
    QVERIFY(!shell.window->loadFile(shell.environment.path() + QStringLiteral("/gone.zenub")));
    QVERIFY(!welcome.isHidden());
    QCOMPARE(reset.count(), 2);
}

void tst_FileCommands::welcomePageRunsNew()
{
    Shell shell;
    ModalAnswerer answerer;
    answerer.finish(QDialog::Rejected);
    shell.window->getMdiArea()->getWelcomeObject()->callbackTunnelAsync(QStringLiteral("File.New"));
    QTRY_COMPARE(answerer.texts(), QStringList{"New Project"});
    QCOMPARE(shell.factory.documents.size(), 1);
}

void tst_FileCommands::forceQuitClosesEverything()
{
    Shell shell;
    for (const char* name : {"a.zenub", "b.zenub"})
        shell.load(QLatin1String(name))->makeModified();
    shell.factory.clearLog();
    ModalAnswerer answerer;
    answerer.answer(QMessageBox::Cancel);
    answerer.answer(QMessageBox::Cancel);
    // The application really ends: the running event loop returns.
    QTimer watchdog;
    watchdog.setSingleShot(true);
    connect(&watchdog, &QTimer::timeout, qApp, [] { QCoreApplication::exit(1); });
    watchdog.start(20000);
    QTimer::singleShot(0, shell.window, [&shell] { shell.window->forceQuit(); });
    QCOMPARE(QCoreApplication::exec(), 0);
    watchdog.stop();
    // Asked in opening order, and a refusal keeps nothing open.
    QCOMPARE(answerer.texts(), (QStringList{"Save changes made to a?", "Save changes made to b?"}));
    QVERIFY(EditorManager::getEditors().isEmpty());
    QVERIFY(DocumentManager::getDocuments().isEmpty());
    QVERIFY(shell.factory.documents.first().isNull());
    QVERIFY(shell.factory.documents.last().isNull());
}

void tst_FileCommands::drop_data()
{
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QStringList>("opened");

    QTest::newRow("project in capitals")
        << QStringList{"PROJECT.ZENUB"} << QStringList{"PROJECT.ZENUB"};
    QTest::newRow("packed project")
        << QStringList{"demo.ZenubPack"} << QStringList{"demo.ZenubPack"};
    QTest::newRow("text file") << QStringList{"notes.txt"} << QStringList();
    QTest::newRow("only the first counts")
        << QStringList{"one.zenub", "two.zenub"} << QStringList{"one.zenub"};
    QTest::newRow("no files") << QStringList() << QStringList();
}

void tst_FileCommands::drop()
{
    QFETCH(QStringList, files);
    QFETCH(QStringList, opened);

    Shell shell;
    TestDocumentFactory packs({QStringLiteral("zenubpack"), QStringLiteral("txt")});
    packs.addToPool();
    // The workspace and the welcome page pass their drops to the window.
    DropTarget target;
    target.setAcceptDrops(true);
    target.installEventFilter(shell.window);
    QMimeData data;
    QList<QUrl> urls;
    for (const QString& name : files)
        urls << QUrl::fromLocalFile(shell.file(name));
    data.setUrls(urls);
    if (files.isEmpty())
        data.setText(QStringLiteral("plain text"));

    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&target, &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    drop.setAccepted(false);
    ModalAnswerer answerer;
    QApplication::sendEvent(&target, &drop);

    // Everything but a drop without files stays with the window.
    QCOMPARE(target.received,
             files.isEmpty() ? QList<QEvent::Type>{QEvent::Drop} : QList<QEvent::Type>());
    QCOMPARE(answerer.answered(), 0);
    QCOMPARE(drop.isAccepted(), !opened.isEmpty());
    QStringList names;
    for (const IDocument* document : DocumentManager::getDocuments())
        names << QFileInfo(document->getFileName()).fileName();
    QCOMPARE(names, opened);
}

void tst_FileCommands::recentProjectsMenu()
{
    Shell shell;
    QMenu* menu =
        ActionManager::getActionContainer(QStringLiteral("File.Recent_Projects"))->getMenu();
    QCOMPARE(menu->actions().size(), 12); // ten entries, a separator and Clear
    QVERIFY(!menu->isEnabled());
    for (QAction* entry : menu->actions())
        QVERIFY(!entry->isVisible());

    const QString a = shell.file(QStringLiteral("a.zenub"));
    const QString b = shell.file(QStringLiteral("b.zenub"));
    IRecentFilesManager::getInstance()->addRecentFile(a);
    IRecentFilesManager::getInstance()->addRecentFile(b);
    shell.window->updateRecentFileActions();
    QVERIFY(menu->isEnabled());
    QCOMPARE(menu->actions().at(0)->text(), QStringLiteral("1. ") + b);
    QCOMPARE(menu->actions().at(1)->text(), QStringLiteral("2. ") + a);
    QVERIFY(menu->actions().at(1)->isVisible());
    QVERIFY(!menu->actions().at(2)->isVisible());

    menu->actions().at(1)->trigger();
    QCOMPARE(activeDocument()->getFileName(), a);
    QCOMPARE(menu->actions().at(0)->text(), QStringLiteral("1. ") + a);
}

void tst_FileCommands::forgetMissingRecentProject_data()
{
    QTest::addColumn<int>("answer");
    QTest::newRow("kept") << int(QMessageBox::No);
    QTest::newRow("forgotten") << int(QMessageBox::Yes);
}

void tst_FileCommands::forgetMissingRecentProject()
{
    QFETCH(int, answer);
    Shell shell;
    const QString gone = shell.environment.path() + QStringLiteral("/gone.zenub");
    IRecentFilesManager::getInstance()->addRecentFile(gone);
    shell.window->updateRecentFileActions();
    QSignalSpy reset(shell.window->getMdiArea(), &IMainMdiArea::resetRecentFiles);

    ModalAnswerer answerer;
    answerer.answer(QMessageBox::StandardButton(answer));
    proxy(QStringLiteral("File.Recent_Projects.Project_1"))->trigger();
    QCOMPARE(answerer.texts(),
             QStringList{QStringLiteral("The project [%1] no longer exists.\nDo you want to "
                                        "remove this entry from history?")
                             .arg(gone)});
    const bool forgotten = answer == QMessageBox::Yes;
    QCOMPARE(recentProjects(), forgotten ? QStringList() : QStringList{gone});
    QCOMPARE(reset.count(), forgotten ? 1 : 0);
    QCOMPARE(proxy(QStringLiteral("File.Recent_Projects.Project_1"))->isVisible(), !forgotten);
    QCOMPARE(shell.factory.documents.size(), 0);
}

void tst_FileCommands::subWindowPathReachesTitle()
{
    Shell shell;
    shell.window->show();
    QVERIFY(QTest::qWaitForWindowExposed(shell.window));
    QSignalSpy filePath(shell.window, &MainWindow::updateWindowFilePath);
    QSignalSpy modified(shell.window, &MainWindow::updateModified);
    // The editor plugin names the file on the sub-window it puts into the workspace.
    auto* sub = new QMdiSubWindow;
    sub->setWidget(new QWidget);
    sub->setWindowTitle(QStringLiteral("a[*]"));
    sub->setWindowFilePath(QStringLiteral("/work/a.zenub"));
    sub->setWindowModified(true);
    shell.window->getMdiArea()->addSubWindow(sub);
    sub->show();
    shell.window->getMdiArea()->setActiveSubWindow(sub);
    QTRY_COMPARE(filePath.count(), 1);
    QCOMPARE(filePath.first().first().toString(), QStringLiteral("/work/a.zenub"));
    QCOMPARE(modified.count(), 1);
    QVERIFY(modified.first().first().toBool());
}

QTEST_MAIN(tst_FileCommands)
#include "tst_filecommands.moc"
