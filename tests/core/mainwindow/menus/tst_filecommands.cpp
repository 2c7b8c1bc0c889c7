// SPDX-License-Identifier: MIT
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
#include <mainwindow/menus/irecentfilesmanager.h>
#include <mainwindow/mainwindow.h>
#include <mainwindow/welcome/znhtmlexposingwelcome.h>
#include <plugin/icore.h>

#include <QMdiSubWindow>
#include <QMenu>
#include <QMimeData>
#include <QUndoStack>
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
    void initTestCase()
    {
        QVERIFY(m_temp.isValid());
        qputenv("TMPDIR", QFile::encodeName(m_temp.path()));
    }
    void newProject_data()
    {
        QTest::addColumn<int>("result");
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("initResult");
        QTest::addColumn<bool>("created");
        QTest::addColumn<bool>("recorded");

        QTest::newRow("created") << int(QDialog::Accepted) << "new.zenub" << true << true << true;
        QTest::newRow("cancelled")
            << int(QDialog::Rejected) << "new.zenub" << true << false << false;
    }
    void newProject()
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
        QTRY_COMPARE(answerer.texts(), QStringList{"New Project"});

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
            QCOMPARE(shell.factory.log(),
                     (QStringList{"dialog value1", "dialog value2", "dialog value3", "dialog path",
                                  "dialog flag", "init new.zenub", "activate new.zenub",
                                  "save new.zenub"}));
            // The recent projects menu shows it without waiting for the next start.
            QCOMPARE(proxy(QStringLiteral("File.Recent_Projects.Project_1"))->text(),
                     QStringLiteral("1. ") + fullPath);
        }
    }
    void closeProject_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("closed");
        QTest::newRow("saved and closed") << int(QMessageBox::Yes) << true;
        QTest::newRow("cancelled") << int(QMessageBox::Cancel) << false;
    }
    void closeProject()
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
    void closeWindowAsksLastFirst_data()
    {
        QTest::addColumn<QList<int>>("answers");
        QTest::addColumn<QStringList>("asked");
        QTest::addColumn<QStringList>("left");

        const int no = QMessageBox::No;
        QTest::newRow("all closed")
            << QList<int>{no, no, no} << QStringList{"c", "b", "a"} << QStringList();
    }
    void closeWindowAsksLastFirst()
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
    void drop_data()
    {
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<QStringList>("opened");

        QTest::newRow("text file") << QStringList{"notes.txt"} << QStringList();
        QTest::newRow("only the first counts")
            << QStringList{"one.zenub", "two.zenub"} << QStringList{"one.zenub"};
    }
    void drop()
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

private:
    QTemporaryDir m_temp;
};

QTEST_MAIN(tst_FileCommands)
#include "tst_filecommands.moc"
