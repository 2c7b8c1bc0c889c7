// SPDX-License-Identifier: MIT
#include <modalanswerer.h>
#include <testenvironment.h>

#include "model/project/zenubproject.h"
#include "model/io/zenub/zenubprojectfile.h"

#include <actions/actionmanager.h>
#include <actions/contextaction.h>
#include <documents/editormanager.h>
#include <documents/idocument.h>
#include <documents/ieditor.h>
#include <extensionsystem/pluginmanager.h>
#include <mainwindow/menus/irecentfilesmanager.h>
#include <mainwindow/mainwindow.h>
#include <plugin/icore.h>

#include <QAction>
#include <QApplication>
#include <QDialogButtonBox>
#include <QKeySequenceEdit>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QWindow>
#include <QtTest>

using ExtensionSystem::PluginManager;

namespace {

QAction* command(const char* id)
{
    ContextAction* found = ActionManager::getAction(QLatin1String(id));
    return found ? found->getAction() : nullptr;
}

template<typename T>
T* visibleChild(QWidget* parent, const QString& name)
{
    for (T* child : parent->findChildren<T*>(name))
        if (child->isVisible())
            return child;
    return nullptr;
}

QPushButton* buttonNamed(QWidget* parent, const QString& text)
{
    for (QPushButton* button : parent->findChildren<QPushButton*>())
        if (button->isVisible() && button->text().remove(QLatin1Char('&')) == text)
            return button;
    return nullptr;
}

QDialog* topDialog(const QString& name)
{
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (widget->isVisible() && widget->objectName() == name)
            return qobject_cast<QDialog*>(widget);
    return nullptr;
}

// The one command row the filter leaves visible; null when there are none or several.
QTreeWidgetItem* onlyVisibleRow(QTreeWidget* tree)
{
    QTreeWidgetItem* found = nullptr;
    for (int i = 0; i < tree->topLevelItemCount(); ++i) {
        if (tree->topLevelItem(i)->isHidden())
            continue;
        if (found)
            return nullptr;
        found = tree->topLevelItem(i);
    }
    return found;
}

// Runs \a steps once the modal dialog that \a trigger opens is up, then lets trigger return.
void whileModal(QAction* trigger, const std::function<void(QDialog*)>& steps)
{
    QTimer::singleShot(0, [steps] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        steps(dialog);
        if (dialog->isVisible())
            dialog->reject();
    });
    trigger->trigger();
}

void typeInto(QWidget* widget, int key, Qt::KeyboardModifiers modifiers)
{
    QTest::mouseClick(widget, Qt::LeftButton);
    QTRY_VERIFY(widget->hasFocus() || widget->focusProxy() == QApplication::focusWidget());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key(key), modifiers);
}

} // namespace

class tst_PreferencesWalk : public QObject
{
    Q_OBJECT
private slots:
    void userWalksThroughRecoveryProjectsAndPreferences();
};

void tst_PreferencesWalk::userWalksThroughRecoveryProjectsAndPreferences()
{
    TestEnvironment environment;
    QTemporaryDir folder;
    // A crash left a backup with one more shape than the saved project.
    const QString crashed = folder.filePath(QStringLiteral("Crashed.zenub"));
    ZenubProject saved = ZenubProject::createNew("Crashed", 320, 240, 12);
    QVERIFY(ZenubProjectFile(crashed).save(saved));
    ZenubProject edited = saved;
    edited.scenes()[0].layers()[0].addShape(ZenubShape(ZenubShape::Type::Ellipse, "Lost"));
    QTest::qWait(20);
    QVERIFY(ZenubProjectFile(crashed + ".bak").save(edited));
    IRecentFilesManager::getInstance()->addRecentFile(crashed);

    PluginManager::setPluginPaths({qEnvironmentVariable("ZENUB_BUILD_DIR") + "/lib/zenub/plugins"});
    QVERIFY2(PluginManager::loadPlugins(), qPrintable(PluginManager::errors().join('\n')));
    MainWindow* window = ICore::getMainWindow();
    QVERIFY(window);

    // The offer comes by itself at start; restoring opens the project with the lost edit.
    QDialog* offer = nullptr;
    QTRY_VERIFY((offer = topDialog(QStringLiteral("backupRestoreDialog"))));
    QTest::mouseClick(buttonNamed(offer, QStringLiteral("Restore")), Qt::LeftButton);
    QTRY_COMPARE(EditorManager::getEditors().size(), 1);
    QTRY_VERIFY(!topDialog(QStringLiteral("backupRestoreDialog")));
    IDocument* document = EditorManager::getEditors().constFirst()->getDocument();
    QVERIFY(document->isModified());
    QTRY_COMPARE(window->windowTitle(), QString("*" + crashed + " - Zenub Animate"));

    // A name longer than a file name may be is refused in the dialog, a short one accepted.
    whileModal(command("File.New"), [&](QDialog* dialog) {
        auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("nameEdit"));
        name->selectAll();
        QTest::keyClicks(name, QString(300, QLatin1Char('n')));
        auto* buttons = dialog->findChild<QDialogButtonBox*>();
        QTest::mouseClick(buttons->button(QDialogButtonBox::Ok), Qt::LeftButton);
        auto* error = dialog->findChild<QLabel*>(QStringLiteral("errorLabel"));
        QVERIFY(dialog->isVisible() && error->isVisible());
        QVERIFY2(error->text().contains("too long"), qPrintable(error->text()));
        dialog->findChild<QLineEdit*>(QStringLiteral("folderEdit"))->setText(folder.path());
        name->selectAll();
        QTest::keyClicks(name, QStringLiteral("Second"));
        QTest::mouseClick(buttons->button(QDialogButtonBox::Ok), Qt::LeftButton);
        QVERIFY(!dialog->isVisible());
    });
    QTRY_COMPARE(EditorManager::getEditors().size(), 2);

    // Save All from the keyboard writes the recovered project and drops its backup.
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
    QVERIFY(command("File.Save_All")->isEnabled());
    QTest::keyClick(window, Qt::Key_S, Qt::ControlModifier | Qt::AltModifier);
    QTRY_VERIFY(!QFileInfo::exists(crashed + ".bak"));
    ZenubProject onDisk;
    QVERIFY(ZenubProjectFile(crashed).load(&onDisk));
    QCOMPARE(onDisk, edited);
    QVERIFY(!command("File.Save_All")->isEnabled());

    // Keyboard page: Ctrl+N for Open Project clashes with New; Apply refuses until reassigned.
    ModalAnswerer answerer;
    whileModal(command("Edit.Preferences"), [&](QDialog* dialog) {
        auto* pages = dialog->findChild<QListWidget*>();
        QTest::mouseClick(pages->viewport(), Qt::LeftButton, {},
                          pages->visualItemRect(pages->item(1)).center());
        QWidget* page = visibleChild<QWidget>(dialog, QStringLiteral("keyboardPage"));
        QVERIFY(page);
        auto* filter = page->findChild<QLineEdit*>(QStringLiteral("shortcutFilter"));
        QTest::keyClicks(filter, QStringLiteral("open project"));
        auto* tree = page->findChild<QTreeWidget*>(QStringLiteral("shortcutTree"));
        QTreeWidgetItem* open = onlyVisibleRow(tree);
        QVERIFY(open);
        QCOMPARE(open->text(0), QStringLiteral("File > Open Project"));
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, {},
                          tree->visualItemRect(open).center());
        auto* editor = page->findChild<QKeySequenceEdit*>(QStringLiteral("shortcutEditor"));
        typeInto(editor, Qt::Key_N, Qt::ControlModifier);
        auto* conflict = page->findChild<QLabel*>(QStringLiteral("shortcutConflict"));
        QTRY_VERIFY2(conflict->text().contains("File > New"), qPrintable(conflict->text()));

        auto* buttons = dialog->findChild<QDialogButtonBox*>();
        answerer.answer(QMessageBox::Ok);
        QTest::mouseClick(buttons->button(QDialogButtonBox::Apply), Qt::LeftButton);
        QCOMPARE(answerer.answered(), 1);
        QVERIFY(ActionManager::getAction("File.Open_Project")->getKeySequence() !=
                QKeySequence("Ctrl+N"));
        QTest::mouseClick(buttonNamed(page, QStringLiteral("Reassign")), Qt::LeftButton);
        QVERIFY(conflict->text().isEmpty());
        QTest::mouseClick(buttons->button(QDialogButtonBox::Ok), Qt::LeftButton);
        QVERIFY(!dialog->isVisible());
    });
    QCOMPARE(ActionManager::getAction("File.Open_Project")->getKeySequence(),
             QKeySequence("Ctrl+N"));
    QVERIFY(ActionManager::getAction("File.New")->getKeySequence().isEmpty());
    environment.userSettings()->sync();
    QSettings stored(environment.userSettingsFile(), QSettings::IniFormat);
    QCOMPARE(stored.value("Shortcuts/File.Open_Project").toString(), QStringLiteral("Ctrl+N"));

    // The new shortcut works: Ctrl+N now asks for a project to open.
    QSignalSpy opened(command("File.Open_Project"), &QAction::triggered);
    answerer.finish(QDialog::Rejected);
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
    QTest::keyClick(window, Qt::Key_N, Qt::ControlModifier);
    QTRY_COMPARE(opened.count(), 1);

    // Cancel drops an edit: the command keeps its shortcut.
    const QKeySequence saveAll = ActionManager::getAction("File.Save_All")->getKeySequence();
    whileModal(command("Edit.Preferences"), [&](QDialog* dialog) {
        QWidget* page = dialog->findChild<QWidget*>(QStringLiteral("keyboardPage"));
        auto* filter = page->findChild<QLineEdit*>(QStringLiteral("shortcutFilter"));
        filter->clear();
        QTest::keyClicks(filter, QStringLiteral("save all"));
        auto* tree = page->findChild<QTreeWidget*>(QStringLiteral("shortcutTree"));
        QVERIFY(onlyVisibleRow(tree));
        tree->setCurrentItem(onlyVisibleRow(tree));
        typeInto(page->findChild<QKeySequenceEdit*>(), Qt::Key_K, Qt::ControlModifier);
        auto* buttons = dialog->findChild<QDialogButtonBox*>();
        QVERIFY(buttons->button(QDialogButtonBox::Apply)->isEnabled());
        QTest::mouseClick(buttons->button(QDialogButtonBox::Cancel), Qt::LeftButton);
    });
    QCOMPARE(ActionManager::getAction("File.Save_All")->getKeySequence(), saveAll);

    // The top edge of a normal window resizes it, also where no window manager helps.
    window->showNormal();
    window->setGeometry(200, 200, 900, 600);
    QTRY_COMPARE(window->geometry(), QRect(200, 200, 900, 600));
    QWindow* handle = window->windowHandle();
    QTest::mousePress(handle, Qt::LeftButton, {}, QPoint(450, 1));
    QTest::mouseMove(handle, QPoint(450, -49));
    // The window has moved up under the pointer, which is released where it stopped.
    QTest::mouseRelease(handle, Qt::LeftButton, {}, QPoint(450, 1));
    QTRY_COMPARE(window->geometry(), QRect(200, 150, 900, 650));
}

QTEST_MAIN(tst_PreferencesWalk)
#include "tst_preferenceswalk.moc"
