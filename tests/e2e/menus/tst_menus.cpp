// SPDX-License-Identifier: MIT
#include <desktoprecorder.h>
#include <modalanswerer.h>
#include <richtextprobe.h>
#include <testenvironment.h>

#include "model/io/zenub/zenubprojectfile.h"
#include "model/project/zenubproject.h"

#include <actions/actioncontainer.h>
#include <actions/actionmanager.h>
#include <actions/commandscopes.h>
#include <actions/contextaction.h>
#include <actions/proxyaction.h>
#include <extensionsystem/pluginmanager.h>
#include <help/reportdialog.h>
#include <mainwindow/imainmdiarea.h>
#include <mainwindow/mainwindow.h>
#include <options/keyboardoptionpage.h>
#include <plugin/icore.h>
#include <updater/updatecheck.h>
#include <updater/updatetransfer.h>

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSettings>
#include <QShortcut>
#include <QSpinBox>
#include <QTcpServer>
#include <QTcpSocket>
#include <QToolBar>
#include <QWidgetAction>
#include <QtTest>

using ExtensionSystem::PluginManager;

namespace {

// receivers() is protected; the walk only asks whether anything listens. A pointer to the
// member reaches it on any QObject without casting the object to a type it is not.
struct SignalPeek : QObject
{
    static int listeners(const QObject* object, const char* signal)
    {
        int (QObject::*receivers)(const char*) const = &SignalPeek::receivers;
        return (object->*receivers)(signal);
    }
};

bool doesSomething(QAction* action)
{
    auto* proxy = qobject_cast<ProxyAction*>(action);
    QAction* target = proxy ? proxy->action() : action;
    return target &&
           (target->menu() || SignalPeek::listeners(target, SIGNAL(triggered(bool))) > 0 ||
            SignalPeek::listeners(target, SIGNAL(toggled(bool))) > 0);
}

// Every enabled entry below \a widget that runs nothing, by its menu path.
QStringList deadEntries(const QWidget* widget, const QString& path)
{
    QStringList dead;
    for (QAction* action : widget->actions()) {
        // A tool bar's own widgets (a spin box, a drop-down button) are not entries.
        if (action->isSeparator() || !action->isVisible() || !action->isEnabled() ||
            qobject_cast<QWidgetAction*>(action))
            continue;
        const QString name = path + QLatin1String(" > ") + action->text().remove('&');
        if (action->menu() && !qobject_cast<const QToolBar*>(widget))
            dead << deadEntries(action->menu(), name);
        else if (!doesSomething(action))
            dead << name;
    }
    return dead;
}

// Every action with a key in the main window's tree, or in its menus, must be a command's proxy,
// and no QShortcut may sit there: a key anywhere else bypasses the user's settings and clash
// detection. Two commands may share a key only when they are never active together.
QStringList shortcutFaults(MainWindow* window)
{
    QSet<QAction*> proxies;
    for (ContextAction* command : ActionManager::getActions())
        proxies.insert(command->getAction());
    QSet<QAction*> actions;
    const QList<QAction*> owned = window->findChildren<QAction*>();
    actions.unite(QSet<QAction*>(owned.cbegin(), owned.cend()));
    QList<QWidget*> widgets = window->findChildren<QWidget*>();
    widgets << window << QApplication::topLevelWidgets();
    for (const QWidget* widget : qAsConst(widgets)) {
        const QList<QAction*> added = widget->actions();
        actions.unite(QSet<QAction*>(added.cbegin(), added.cend()));
    }
    QStringList faults;
    for (QAction* action : qAsConst(actions)) {
        if (!action->shortcuts().isEmpty() && !proxies.contains(action))
            faults << QStringLiteral("not a command: %1 (%2)")
                          .arg(action->text(), action->shortcut().toString());
    }
    for (const QShortcut* shortcut : window->findChildren<QShortcut*>())
        faults << QStringLiteral("not a command: %1 on %2")
                      .arg(shortcut->key().toString(), shortcut->parent()->objectName());
    const CommandScopes scopes = CommandScopes::current();
    const QList<ContextAction*> commands = ActionManager::getActions();
    for (int i = 0; i < commands.size(); ++i) {
        for (int j = i + 1; j < commands.size(); ++j) {
            for (const QKeySequence& a : commands.at(i)->getAction()->shortcuts())
                for (const QKeySequence& b : commands.at(j)->getAction()->shortcuts())
                    if (KeyboardOptionPage::clashes(a, b) &&
                        scopes.activeTogether(commands.at(i)->getId(), commands.at(j)->getId()))
                        faults << QStringLiteral("%1 for both %2 and %3")
                                      .arg(a.toString(), commands.at(i)->getId(),
                                           commands.at(j)->getId());
        }
    }
    return faults;
}

QAction* command(const char* id)
{
    ContextAction* found = ActionManager::getAction(QLatin1String(id));
    return found ? found->getAction() : nullptr;
}

} // namespace

class tst_Menus : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void everyEntryWorksAndEveryKeyIsBoundOnce_data();
    void everyEntryWorksAndEveryKeyIsBoundOnce();
    void copyPasteUndoAndCloseByKeys();
    void aboutCopiesAndReportOpensTheAddress();
    void automaticUpdateCheckUsesTheBarOncePerDay();

private:
    QWidget* openProject(const QString& name);

    std::unique_ptr<TestEnvironment> m_environment;
    QTemporaryDir m_folder;
    MainWindow* m_window = nullptr;
};

void tst_Menus::initTestCase()
{
    m_environment = std::make_unique<TestEnvironment>();
    // No test reaches for an outside address.
    m_environment->userSettings()->setValue(UpdateCheck::checkAtStartKey(), false);
    PluginManager::setPluginPaths(
        {qEnvironmentVariable("ZENUB_BUILD_DIR") + QStringLiteral("/lib/zenub/plugins")});
    QVERIFY2(PluginManager::loadPlugins(), qPrintable(PluginManager::errors().join('\n')));
    m_window = ICore::getMainWindow();
    QVERIFY(m_window);
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
    // Without a window manager nothing activates the window; the keys need an active one.
    QApplication::setActiveWindow(m_window);
    QTRY_COMPARE(QApplication::activeWindow(), m_window);
}

void tst_Menus::cleanupTestCase()
{
    PluginManager::shutdown();
}

QWidget* tst_Menus::openProject(const QString& name)
{
    ZenubProject project = ZenubProject::createNew(name, 400, 300, 12);
    ZenubShape square(ZenubShape::Type::Rectangle, QStringLiteral("Square"));
    square.setKeyframe(ZenubKeyframe(0, 150, 100, 100, 100));
    project.scenes()[0].layers()[0].addShape(square);
    const QString path = m_folder.filePath(name + QLatin1String(".zenub"));
    if (!ZenubProjectFile(path).save(project) || !m_window->loadFile(path))
        return nullptr;
    QWidget* stage = m_window->getMdiArea()->activeSubWindow()->findChild<QWidget*>("stage");
    stage->setFocus();
    QApplication::processEvents();
    return stage;
}

void tst_Menus::everyEntryWorksAndEveryKeyIsBoundOnce_data()
{
    QTest::addColumn<bool>("withProject");
    QTest::newRow("no project") << false;
    QTest::newRow("project open") << true;
}

void tst_Menus::everyEntryWorksAndEveryKeyIsBoundOnce()
{
    QFETCH(bool, withProject);
    if (withProject)
        QVERIFY(openProject(QStringLiteral("Walked")));
    const QMenuBar* menuBar =
        ActionManager::getActionContainer(QStringLiteral("Zenub.MenuBar"))->getMenuBar();
    QStringList dead = deadEntries(menuBar, QStringLiteral("Menu")) +
                       deadEntries(m_window->getFileToolbar(), QStringLiteral("Toolbar"));
    for (QToolBar* bar : m_window->getMdiArea()->findChildren<QToolBar*>())
        dead << deadEntries(bar, bar->objectName());
    QVERIFY2(dead.isEmpty(), qPrintable(dead.join('\n')));
    const QStringList faults = shortcutFaults(m_window);
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n')));
    // The command palette shows what a command does; the editor's are told once one is open.
    QStringList undescribed;
    for (ContextAction* command : ActionManager::getActions())
        if (withProject && !command->isSeparator() && !command->getAction()->text().isEmpty() &&
            command->getDescription().isEmpty())
            undescribed << command->getId();
    QVERIFY2(undescribed.isEmpty(), qPrintable(undescribed.join(' ')));

    // A preview or export with nothing to show is not offered.
    for (const char* id :
         {"File.Preview_Project_In_Browser", "File.Preview_Current_Scene_In_Browser",
          "File.Preview_Project", "File.Export_To_HTML5"})
        QVERIFY2(command(id)->isEnabled() == withProject, id);
    if (withProject) {
        // Opening the open project again brings its tab forward instead of a second one.
        const QString path = m_window->getMdiArea()->activeSubWindow()->windowFilePath();
        QVERIFY(m_window->loadFile(path));
        QCOMPARE(m_window->getMdiArea()->subWindowList().size(), 1);
        // The welcome page can be shown over an open project, and hidden again.
        auto* welcome = m_window->findChild<QWidget*>(QStringLiteral("welcomeView"));
        QVERIFY(welcome && !welcome->isVisible());
        command("View.Welcome_Page")->trigger();
        QVERIFY(welcome->isVisible());
        command("View.Welcome_Page")->trigger();
        QVERIFY(!welcome->isVisible());
        ModalAnswerer answerer;
        answerer.answer(QMessageBox::No);
        command("File.Close")->trigger();
        QTRY_VERIFY(m_window->getMdiArea()->subWindowList().isEmpty());
    }
}

void tst_Menus::copyPasteUndoAndCloseByKeys()
{
    QWidget* stage = openProject(QStringLiteral("Keys"));
    QVERIFY(stage);
    const QString path = m_window->getMdiArea()->activeSubWindow()->windowFilePath();
    const auto press = [stage](Qt::Key key, Qt::KeyboardModifiers modifiers) {
        QTest::keyClick(stage, key, modifiers);
        QApplication::processEvents();
    };
    const auto shapesOnDisk = [&path] {
        ZenubProject saved;
        ZenubProjectFile(path).load(&saved);
        return saved.getScenes().value(0).getLayers().value(0).getShapes().size();
    };
    QAction* undo = command("Edit.Undo");

    // The stage is centred, so its middle is the square's middle.
    QTest::mouseClick(stage, Qt::LeftButton, Qt::NoModifier, stage->rect().center());
    press(Qt::Key_C, Qt::ControlModifier);
    const QMimeData* copied = QApplication::clipboard()->mimeData();
    QVERIFY(copied->hasFormat(QStringLiteral("application/x-zenub-shapes")));
    QVERIFY(copied->data(QStringLiteral("image/svg+xml")).contains("<rect"));
    press(Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(undo->text(), QStringLiteral("Undo Paste"));
    // The editor's own keys are commands too, for the focused editor only.
    press(Qt::Key_BracketLeft, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(undo->text(), QStringLiteral("Undo Send to Back"));
    press(Qt::Key_Z, Qt::ControlModifier);
    press(Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(command("Edit.Redo")->text(), QStringLiteral("Redo Paste"));
    press(Qt::Key_Y, Qt::ControlModifier);
    QCOMPARE(undo->text(), QStringLiteral("Undo Paste"));
    press(Qt::Key_A, Qt::ControlModifier);
    press(Qt::Key_D, Qt::ControlModifier);
    QCOMPARE(undo->text(), QStringLiteral("Undo Duplicate"));
    press(Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(shapesOnDisk(), 4);
    QWidget* editor = m_window->getMdiArea()->activeSubWindow();
    press(Qt::Key_Equal, Qt::ControlModifier);
    QVERIFY(!command("View.Fit_Stage")->isChecked());
    press(Qt::Key_0, Qt::ControlModifier);
    QVERIFY(command("View.Fit_Stage")->isChecked());
    press(Qt::Key_Period, Qt::NoModifier);
    press(Qt::Key_Period, Qt::NoModifier);
    QCOMPARE(editor->findChild<QSpinBox*>(QStringLiteral("frameSpin"))->value(), 2);
    press(Qt::Key_F6, Qt::NoModifier);
    QCOMPARE(undo->text(), QStringLiteral("Undo Add Keyframe"));
    // In the time line the Edit menu's keys act on keyframes.
    auto* timeline = editor->findChild<QWidget*>(QStringLiteral("timelineView"));
    timeline->setFocus();
    QTest::keyClick(timeline, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(timeline, Qt::Key_Delete);
    QCOMPARE(undo->text(), QStringLiteral("Undo Delete Keyframes"));
    stage->setFocus();
    press(Qt::Key_A, Qt::ControlModifier);
    press(Qt::Key_Delete, Qt::NoModifier);
    QCOMPARE(undo->text(), QStringLiteral("Undo Delete 4 Shapes"));
    QVERIFY(!command("Edit.Copy")->isEnabled());

    // One press of Ctrl+W closes the project, after asking about the unsaved deletion.
    ModalAnswerer answerer;
    answerer.answer(QMessageBox::No);
    press(Qt::Key_W, Qt::ControlModifier);
    QTRY_VERIFY(m_window->getMdiArea()->subWindowList().isEmpty());
    QCOMPARE(answerer.answered(), 1);
    QCOMPARE(shapesOnDisk(), 4);
}

void tst_Menus::aboutCopiesAndReportOpensTheAddress()
{
    QApplication::clipboard()->clear();
    QTimer::singleShot(0, this, [] {
        QWidget* dialog = QApplication::activeModalWidget();
        QVERIFY(dialog);
        QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("copyButton")),
                          Qt::LeftButton);
        QMetaObject::invokeMethod(dialog, "reject");
    });
    command("Help.About")->trigger();
    const QString copied = QApplication::clipboard()->text();
    for (const char* expected :
         {"Zenub Animate", ZENUB_VERSION, "Build: ", "Qt: ", "LGPL", "FFmpeg"})
        QVERIFY2(copied.contains(QLatin1String(expected)), expected);

    // The report goes nowhere until the user has written something and asks for it.
    m_environment->userSettings()->setValue(ReportDialog::addressKey(),
                                            QStringLiteral("https://example.invalid/new"));
    DesktopRecorder desktop;
    QTimer::singleShot(0, this, [] {
        QWidget* dialog = QApplication::activeModalWidget();
        auto* open = dialog->findChild<QPushButton*>(QStringLiteral("openButton"));
        QVERIFY(!open->isEnabled());
        QTest::keyClicks(dialog->findChild<QPlainTextEdit*>(QStringLiteral("userText")),
                         QStringLiteral("Paste + undo"));
        QTest::mouseClick(open, Qt::LeftButton);
    });
    command("Help.ReportProblem")->trigger();
    QCOMPARE(desktop.urls.size(), 1);
    const QString sent = desktop.urls.first().toString(QUrl::FullyEncoded);
    QVERIFY2(sent.contains("body=Paste%20%2B%20undo") &&
                 sent.contains("Version%3A%20" ZENUB_VERSION) &&
                 sent.contains("Animate%20Problem%3A%20Paste"),
             qPrintable(sent));
}

void tst_Menus::automaticUpdateCheckUsesTheBarOncePerDay()
{
    // A feed on a local port announcing a newer version, its version string written as markup.
    const RichTextProbe probe;
    UpdateTransfer::setLocalHttpAllowed(true);
    QTcpServer feed;
    QVERIFY(feed.listen(QHostAddress::LocalHost));
    int requests = 0;
    connect(&feed, &QTcpServer::newConnection, this, [&feed, &requests] {
        QTcpSocket* socket = feed.nextPendingConnection();
        ++requests;
        connect(socket, &QTcpSocket::readyRead, socket, [socket] {
            const QByteArray body =
                R"({"updates":{"linux":{"latest-version":"99.0<img src=\"probe.png\">",)"
                R"("open-url":"https://zenub.korva.example/"}}})";
            socket->write("HTTP/1.0 200 OK\r\nContent-Length: " + QByteArray::number(body.size()) +
                          "\r\n\r\n" + body);
            socket->disconnectFromHost();
        });
    });
    QSettings* settings = m_environment->userSettings();
    settings->setValue(UpdateCheck::feedUrlKey(),
                       QStringLiteral("http://127.0.0.1:%1/feed").arg(feed.serverPort()));
    settings->setValue(UpdateCheck::checkAtStartKey(), true);
    ModalAnswerer answerer;
    answerer.finish(QDialog::Rejected);
    auto* check = m_window->findChild<UpdateCheck*>();
    check->scheduleAutomaticCheck(0);
    QLabel* message = m_window->getNotificationBar()->findChild<QLabel*>("m_pMessageLabel");
    QTRY_VERIFY(message->isVisible());
    QVERIFY2(message->text().contains("99.0" + RichTextProbe::markup()),
             qPrintable(message->text()));
    QVERIFY(RichTextProbe::tallestLabel(m_window->getNotificationBar()) < 100);
    QCOMPARE(answerer.answered(), 0);

    check->scheduleAutomaticCheck(0);
    QTest::qWait(300);
    QCOMPARE(requests, 1);
}

int main(int argc, char** argv)
{
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    tst_Menus test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_menus.moc"
