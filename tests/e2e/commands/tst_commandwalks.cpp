// SPDX-License-Identifier: MIT
#include <modalanswerer.h>
#include <testenvironment.h>

#include "model/io/zenub/zenubprojectfile.h"
#include "model/project/zenubproject.h"

#include <actions/actionmanager.h>
#include <actions/contextaction.h>
#include <extensionsystem/pluginmanager.h>
#include <mainwindow/imainmdiarea.h>
#include <mainwindow/mainwindow.h>
#include <options/keyboardoptionpage.h>
#include <plugin/icore.h>
#include <updater/updatecheck.h>

#include <QApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QKeySequenceEdit>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QSettings>
#include <QSpinBox>
#include <QToolBar>
#include <QToolButton>
#include <QTreeWidget>
#include <QtTest>

using ExtensionSystem::PluginManager;

namespace {

QAction* command(const char* id)
{
    ContextAction* found = ActionManager::getAction(QLatin1String(id));
    return found ? found->getAction() : nullptr;
}

// Runs \a steps on the Keyboard page of the preferences, then closes them with \a button.
void onKeyboardPage(const std::function<void(QDialog*, KeyboardOptionPage*)>& steps)
{
    QTimer::singleShot(0, [steps] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        // Without a window manager nothing activates the dialog.
        QApplication::setActiveWindow(dialog);
        auto* pages = dialog->findChild<QListWidget*>();
        pages->setCurrentRow(1);
        KeyboardOptionPage* page = dialog->findChild<KeyboardOptionPage*>();
        QTRY_VERIFY(page && page->isVisible());
        steps(dialog, page);
        if (dialog->isVisible())
            dialog->reject();
    });
    command("Edit.Preferences")->trigger();
}

// Picks the one command the filter finds for \a text and types \a key for it.
void typeKey(KeyboardOptionPage* page, const QString& text, const QKeySequence& key)
{
    auto* filter = page->findChild<QLineEdit*>(QStringLiteral("shortcutFilter"));
    filter->setText(text);
    auto* tree = page->findChild<QTreeWidget*>(QStringLiteral("shortcutTree"));
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {},
                      tree->visualItemRect(tree->currentItem()).center());
    auto* editor = page->findChild<QKeySequenceEdit*>(QStringLiteral("shortcutEditor"));
    QTest::keyClick(editor, Qt::Key(key[0] & ~Qt::KeyboardModifierMask),
                    Qt::KeyboardModifiers(key[0] & Qt::KeyboardModifierMask));
    // The field takes the key once the user has stopped typing.
    QTRY_COMPARE(tree->currentItem()->text(1), key.toString(QKeySequence::NativeText));
}

// Chooses \a fileName in the next file dialog, then runs \a then.
void chooseFile(const QString& fileName, const std::function<void()>& then = {})
{
    QTimer::singleShot(0, [fileName, then] {
        QFileDialog* dialog = nullptr;
        QTRY_VERIFY((dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget())));
        dialog->selectFile(fileName);
        QMetaObject::invokeMethod(dialog, "accept");
        if (then)
            then();
    });
}

// Without a window manager nothing gives the window and the stage the focus back after a dialog.
void backToStage(QWidget* stage)
{
    QApplication::setActiveWindow(stage->window());
    stage->setFocus();
    QTRY_VERIFY(stage->hasFocus());
}

QStringList paletteRows()
{
    QStringList rows;
    QWidget* popup = QApplication::activePopupWidget();
    if (!popup)
        return rows;
    auto* list = popup->findChild<QTreeWidget*>(QStringLiteral("paletteList"));
    for (int i = 0; i < list->topLevelItemCount(); ++i)
        rows << list->topLevelItem(i)->text(0);
    return rows;
}

} // namespace

class tst_CommandWalks : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase() { PluginManager::shutdown(); }
    void keysChangeOnTheKeyboardPageAndClashesAreRefused();
    void paletteRunsACommandWhereItWasOpened();

private:
    QWidget* openProject(const QString& name);

    std::unique_ptr<TestEnvironment> m_environment;
    QTemporaryDir m_folder;
    MainWindow* m_window = nullptr;
};

void tst_CommandWalks::initTestCase()
{
    m_environment = std::make_unique<TestEnvironment>();
    m_environment->userSettings()->setValue(UpdateCheck::checkAtStartKey(), false);
    PluginManager::setPluginPaths(
        {qEnvironmentVariable("ZENUB_BUILD_DIR") + QStringLiteral("/lib/zenub/plugins")});
    QVERIFY2(PluginManager::loadPlugins(), qPrintable(PluginManager::errors().join('\n')));
    m_window = ICore::getMainWindow();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
    QApplication::setActiveWindow(m_window);
    QTRY_COMPARE(QApplication::activeWindow(), m_window);
}

// A project with one square in the middle of the stage, its stage focused.
QWidget* tst_CommandWalks::openProject(const QString& name)
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

void tst_CommandWalks::keysChangeOnTheKeyboardPageAndClashesAreRefused()
{
    QWidget* stage = openProject(QStringLiteral("Keys"));
    QVERIFY(stage);
    const QString scheme = m_folder.filePath(QStringLiteral("mine.json"));
    ModalAnswerer answerer;
    onKeyboardPage([&](QDialog* dialog, KeyboardOptionPage* page) {
        // Ctrl+0 is Fit's, active wherever About is: the page says so and Apply refuses.
        typeKey(page, QStringLiteral("about"), QKeySequence(Qt::CTRL | Qt::Key_0));
        auto* conflict = page->findChild<QLabel*>(QStringLiteral("shortcutConflict"));
        QTRY_VERIFY2(conflict->text().contains("View > Fit Stage in Window"),
                     qPrintable(conflict->text()));
        auto* buttons = dialog->findChild<QDialogButtonBox*>();
        answerer.answer(QMessageBox::Ok);
        QTest::mouseClick(buttons->button(QDialogButtonBox::Apply), Qt::LeftButton);
        QCOMPARE(answerer.answered(), 1);
        QVERIFY(ActionManager::getAction("Help.About")->getKeySequence().isEmpty());
        for (QPushButton* button : page->findChildren<QPushButton*>())
            if (button->text() == KeyboardOptionPage::tr("C&lear"))
                QTest::mouseClick(button, Qt::LeftButton);

        typeKey(page, QStringLiteral("fit stage"), QKeySequence(Qt::CTRL | Qt::Key_9));
        QVERIFY(conflict->text().isEmpty());
        // Listed where the menus put it, whatever its id says.
        page->findChild<QLineEdit*>(QStringLiteral("shortcutFilter"))->setText("bold");
        QCOMPARE(
            page->findChild<QTreeWidget*>(QStringLiteral("shortcutTree"))->currentItem()->text(0),
            QStringLiteral("Object > Text > Bold"));
        chooseFile(scheme);
        QTest::mouseClick(page->findChild<QPushButton*>(QStringLiteral("exportShortcuts")),
                          Qt::LeftButton);
        QTest::mouseClick(buttons->button(QDialogButtonBox::Ok), Qt::LeftButton);
    });

    QCOMPARE(ActionManager::getAction("View.Fit_Stage")->getKeySequence(),
             QKeySequence(Qt::CTRL | Qt::Key_9));

    // The new key fits the stage at once, and the button's tip names it.
    backToStage(stage);
    QAction* fit = command("View.Fit_Stage");
    const QString tip = stage->window()->findChild<QAction*>(QStringLiteral("zoomFit"))->toolTip();
    QVERIFY2(tip.contains(QKeySequence(Qt::CTRL | Qt::Key_9).toString(QKeySequence::NativeText)),
             qPrintable(tip));
    QTest::keyClick(stage, Qt::Key_Equal, Qt::ControlModifier);
    QVERIFY(!fit->isChecked());
    QTest::keyClick(stage, Qt::Key_0, Qt::ControlModifier);
    QVERIFY(!fit->isChecked());
    QTest::keyClick(stage, Qt::Key_9, Qt::ControlModifier);
    QVERIFY(fit->isChecked());

    // The exported scheme, edited by hand: an unknown command and a clash with About.
    QFile file(scheme);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QByteArray json = file.readAll();
    file.close();
    QVERIFY(json.contains(R"("View.Fit_Stage": "Ctrl+9")"));
    json.replace(R"("Help.About": "")", R"("Help.About": "Ctrl+9", "Plugin.Gone": "F9")");
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(json);
    file.close();
    onKeyboardPage([&](QDialog*, KeyboardOptionPage* page) {
        // The report on what was read comes once the file is chosen.
        chooseFile(scheme, [&answerer] { answerer.answer(QMessageBox::Ok); });
        QTest::mouseClick(page->findChild<QPushButton*>(QStringLiteral("importShortcuts")),
                          Qt::LeftButton);
        QTRY_COMPARE(answerer.answered(), 2);
        const QString told = answerer.texts().constLast();
        QVERIFY2(told.contains("Plugin.Gone") && told.contains("Help > About"), qPrintable(told));
        QVERIFY(!page->conflictText().isEmpty());
    });
    QVERIFY(ActionManager::getAction("Help.About")->getKeySequence().isEmpty());
}

void tst_CommandWalks::paletteRunsACommandWhereItWasOpened()
{
    QWidget* stage = openProject(QStringLiteral("Palette"));
    QVERIFY(stage);
    QTest::mouseClick(stage, Qt::LeftButton, Qt::NoModifier, stage->rect().center());
    auto* frame = m_window->getMdiArea()->activeSubWindow()->findChild<QSpinBox*>("frameSpin");
    frame->setValue(10);
    stage->setFocus();

    QTest::keyClick(stage, Qt::Key_P, Qt::ControlModifier | Qt::ShiftModifier);
    QTRY_VERIFY(QApplication::activePopupWidget());
    QWidget* search = QApplication::activePopupWidget()->findChild<QLineEdit*>("paletteSearch");
    QTest::keyClicks(search, QStringLiteral("add key"));
    QCOMPARE(paletteRows().value(0), QStringLiteral("Time Line > Add Keyframe"));
    QTest::keyClick(search, Qt::Key_Return);
    QTRY_COMPARE(command("Edit.Undo")->text(), QStringLiteral("Undo Add Keyframe"));
    QTest::keyClick(stage, Qt::Key_S, Qt::ControlModifier);
    ZenubProject saved;
    QVERIFY(ZenubProjectFile(m_folder.filePath("Palette.zenub")).load(&saved));
    const QVector<ZenubKeyframe> keys =
        saved.getScenes().at(0).getLayers().at(0).getShapes().at(0).getKeyframes();
    QCOMPARE(keys.size(), 2);
    QCOMPARE(keys.at(1).getFrame(), 10);

    // What was run last comes first.
    QTest::keyClick(stage, Qt::Key_P, Qt::ControlModifier | Qt::ShiftModifier);
    QTRY_VERIFY(QApplication::activePopupWidget());
    QCOMPARE(paletteRows().value(0), QStringLiteral("Time Line > Add Keyframe"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    QTRY_VERIFY(!QApplication::activePopupWidget());

    // From the welcome page the editor's commands are not offered: they would act on nothing.
    command("View.Welcome_Page")->trigger();
    auto* welcome = m_window->findChild<QWidget*>(QStringLiteral("welcomeView"));
    QTRY_VERIFY(welcome->isVisible());
    welcome->setFocus();
    QTRY_VERIFY(welcome->isAncestorOf(QApplication::focusWidget()) || welcome->hasFocus());
    command("View.Command_Palette")->trigger();
    QTRY_VERIFY(QApplication::activePopupWidget());
    const QStringList rows = paletteRows();
    QVERIFY(rows.contains(QStringLiteral("File > New")));
    for (const char* editorOnly : {"Time Line > Add Keyframe", "View > Fit Stage in Window",
                                   "Edit > Copy", "Tools > Select"})
        QVERIFY2(!rows.contains(QLatin1String(editorOnly)), editorOnly);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
}

int main(int argc, char** argv)
{
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    tst_CommandWalks test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_commandwalks.moc"
