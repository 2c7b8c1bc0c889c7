// SPDX-License-Identifier: MIT
#include <modalanswerer.h>
#include <testdocuments.h>
#include <testenvironment.h>

#include <documents/documentmanager.h>
#include <documents/editormanager.h>
#include <mainwindow/menus/irecentfilesmanager.h>

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTimer>
#include <QUndoGroup>
#include <QUndoStack>
#include <QtTest>

#include <climits>
#include <functional>
#include <memory>
#include <vector>

using Breakpoints = DocumentManager::Breakpoints;
Q_DECLARE_METATYPE(Breakpoints)

namespace {

const QString projectPath = QStringLiteral("/projects/Intro.final.proj");
const QString otherPath = QStringLiteral("/projects/Other.proj");
const QString savedAsPath = QStringLiteral("/projects/Saved.proj");

class BackupDocument : public TestDocument
{
public:
    BackupDocument()
        : TestDocument(nullptr)
    {}
    bool saveBackup() override
    {
        times.append(clock.elapsed());
        if (onBackup)
            onBackup();
        return true;
    }
    QElapsedTimer clock;
    QList<qint64> times;
    std::function<void()> onBackup;
};

QList<QTimer*> backupTimers()
{
    return DocumentManager::getInstance()->findChildren<QTimer*>(QString(),
                                                                 Qt::FindDirectChildrenOnly);
}

// Records the manager's and the editors' activation signals as "signal:editor name".
class EventLog : public QObject
{
public:
    EventLog()
    {
        auto* manager = EditorManager::getInstance();
        connect(manager, &EditorManager::editorActivated, this, [this](IEditor* editor) {
            // Receivers must already see the new editor as the active one.
            events << "activated:" + name(editor);
            if (EditorManager::activeEditor() != editor)
                events << "activated before it was active";
        });
        connect(manager, &EditorManager::editorDeactivated, this,
                [this](IEditor* editor) { events << "deactivated:" + name(editor); });
    }
    void watch(IEditor* editor)
    {
        const QString editorName = editor->objectName();
        connect(editor, &IEditor::aboutToActivate, this,
                [this, editorName] { events << "aboutToActivate:" + editorName; });
        connect(editor, &IEditor::aboutToDeactivate, this,
                [this, editorName] { events << "aboutToDeactivate:" + editorName; });
    }
    // Through qobject_cast, so that an editor that is no longer an IEditor shows up as "?".
    static QString name(QObject* object)
    {
        auto* editor = qobject_cast<IEditor*>(object);
        return editor ? editor->objectName() : QStringLiteral("?");
    }
    QStringList events;
};

std::vector<std::unique_ptr<IEditor>> makeEditors(int count, EventLog* log)
{
    std::vector<std::unique_ptr<IEditor>> editors;
    for (int i = 0; i < count; ++i) {
        editors.push_back(std::make_unique<IEditor>());
        editors.back()->setObjectName(QString(QChar('A' + i)));
        log->watch(editors.back().get());
        EditorManager::addEditor(editors.back().get());
    }
    return editors;
}

QStringList names(const QList<IEditor*>& editors)
{
    QStringList result;
    for (IEditor* editor : editors)
        result << editor->objectName();
    return result;
}

} // namespace

class tst_Documents : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        m_environment = std::make_unique<TestEnvironment>();
        m_environment->createMainWindow();
    }
    void cleanup() { m_environment.reset(); }

    void close_data()
    {
        QTest::addColumn<bool>("temporary");
        QTest::addColumn<bool>("edited");
        // 0 closes the box without pressing any of its buttons.
        QTest::addColumn<QList<int>>("answers");
        QTest::addColumn<bool>("saveResult");
        QTest::addColumn<bool>("closes");
        QTest::addColumn<QString>("calls");
        QTest::addColumn<QStringList>("boxTexts");
        QTest::addColumn<QStringList>("recent");

        const QString question = QStringLiteral("Save changes made to Intro.final?");
        const QString failure = QStringLiteral("Could not save project Intro.final.");
        const QStringList untouched{projectPath, otherPath};
        const int yes = QMessageBox::Yes, no = QMessageBox::No;

        QTest::newRow("clean closes without prompt")
            << false << false << QList<int>() << true << true << "" << QStringList() << untouched;
        QTest::newRow("no") << false << true << QList<int>{no} << true << true << ""
                            << QStringList{question} << untouched;
        QTest::newRow("yes, saved") << false << true << QList<int>{yes} << true << true << "save"
                                    << QStringList{question} << untouched;
        QTest::newRow("yes, save fails")
            << false << true << QList<int>{yes, int(QMessageBox::Ok)} << false << false << "save"
            << QStringList{question, failure} << untouched;
        QTest::newRow("temporary, yes, saved as")
            << true << false << QList<int>{yes} << true << true << "saveAs" << QStringList{question}
            << QStringList{savedAsPath, otherPath};
        QTest::newRow("temporary, box closed without answer")
            << true << false << QList<int>{0} << true << false << "" << QStringList{question}
            << untouched;
    }
    void close()
    {
        QFETCH(bool, temporary);
        QFETCH(bool, edited);
        QFETCH(QList<int>, answers);
        QFETCH(bool, saveResult);
        QFETCH(bool, closes);
        QFETCH(QString, calls);
        QFETCH(QStringList, boxTexts);
        QFETCH(QStringList, recent);
        IRecentFilesManager::getInstance()->addRecentFile(otherPath);
        IRecentFilesManager::getInstance()->addRecentFile(projectPath);
        auto log = std::make_shared<QStringList>();
        TestDocument document(log);
        document.setFileName(projectPath);
        document.setIsTempDocument(temporary);
        document.saveResult = document.saveAsResult = saveResult;
        document.saveAsFileName = savedAsPath;
        if (edited)
            document.makeModified();
        ModalAnswerer answerer;
        for (int answer : answers) {
            if (answer)
                answerer.answer(static_cast<QMessageBox::StandardButton>(answer));
            else
                answerer.finish(0);
        }
        // A spare answer: a box too many is answered (and counted) instead of hanging the test.
        answerer.answer(QMessageBox::Ok);
        QSignalSpy aboutToClose(&document, &IDocument::aboutToClose);
        QCOMPARE(document.close(), closes);
        QCOMPARE(answerer.texts(), boxTexts);
        QCOMPARE(answerer.pending(), 1);
        QCOMPARE(aboutToClose.count(), closes ? 1 : 0);
        QCOMPARE(log->filter(QRegularExpression("^save")).join(',').section(' ', 0, 0), calls);
        QCOMPARE(IRecentFilesManager::getInstance()->getRecentFiles(), recent);
    }
    void editorKeepsItsFirstDocument()
    {
        TestDocument first(nullptr), second(nullptr);
        IEditor editor;
        editor.setDocument(&first);
        editor.setDocument(&second);
        QCOMPARE(editor.getDocument(), &first);
        EditorManager::addEditor(&editor);
        EditorManager::addEditor(&editor);
        EditorManager::addEditor(nullptr);
        QCOMPARE(EditorManager::getEditors(), QList<IEditor*>{&editor});
        QSignalSpy titles(&editor, &IEditor::documentTitleChanged);
        emit second.titleChanged();
        emit first.titleChanged();
        QCOMPARE(titles.count(), 1);
    }
    void switchingEditorsDeactivatesThePreviousOne()
    {
        EventLog log;
        auto editors = makeEditors(2, &log);
        EditorManager::activateEditor(editors[0].get());
        EditorManager::activateEditor(editors[0].get());
        EditorManager::activateEditor(editors[1].get());
        QCOMPARE(log.events, (QStringList{"aboutToActivate:A", "activated:A", "aboutToDeactivate:A",
                                          "deactivated:A", "aboutToActivate:B", "activated:B"}));
    }
    void successor_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("active");
        QTest::addColumn<int>("removed");
        QTest::addColumn<bool>("deleteInstead");
        QTest::addColumn<QString>("activeAfter");
        QTest::addColumn<QStringList>("remaining");
        QTest::addColumn<QStringList>("events");
        const auto moves = [](const QString& from, const QString& to) {
            return QStringList{"aboutToDeactivate:" + from, "deactivated:" + from,
                               "aboutToActivate:" + to, "activated:" + to};
        };
        for (bool deleteInstead : {false, true}) {
            const char* how = deleteInstead ? "deleted" : "removed";
            QTest::addRow("%s middle active editor", how)
                << 3 << 1 << 1 << deleteInstead << "C" << QStringList{"A", "C"} << moves("B", "C");
            QTest::addRow("%s last active editor", how)
                << 3 << 2 << 2 << deleteInstead << "B" << QStringList{"A", "B"} << moves("C", "B");
            QTest::addRow("%s inactive editor", how)
                << 3 << 1 << 0 << deleteInstead << "B" << QStringList{"B", "C"} << QStringList();
            QTest::addRow("%s only editor", how)
                << 1 << 0 << 0 << deleteInstead << "" << QStringList()
                << QStringList{"aboutToDeactivate:A", "deactivated:A"};
        }
    }
    void successor()
    {
        QFETCH(int, count);
        QFETCH(int, active);
        QFETCH(int, removed);
        QFETCH(bool, deleteInstead);
        QFETCH(QString, activeAfter);
        QFETCH(QStringList, remaining);
        QFETCH(QStringList, events);
        EventLog log;
        auto editors = makeEditors(count, &log);
        EditorManager::activateEditor(editors[size_t(active)].get());
        log.events.clear();
        if (deleteInstead)
            editors[size_t(removed)].reset();
        else
            QVERIFY(EditorManager::removeEditor(editors[size_t(removed)].get()));
        QCOMPARE(log.events, events);
        QCOMPARE(names(EditorManager::getEditors()), remaining);
        IEditor* now = EditorManager::activeEditor();
        QCOMPARE(now ? now->objectName() : QString(), activeAfter);
        // A removed editor is no longer watched: deleting it later changes nothing.
        log.events.clear();
        editors[size_t(removed)].reset();
        QCOMPARE(names(EditorManager::getEditors()), remaining);
        QVERIFY(log.events.isEmpty());
    }
    void editorOutlivesManager()
    {
        // Editors still registered when the manager goes must not reach it afterwards.
        auto* late = new IEditor;
        EditorManager::addEditor(late);
        EditorManager::activateEditor(late);
        m_environment.reset();
        QVERIFY(!EditorManager::getInstance());
        delete late;
    }
    void readsStoredPreferences_data()
    {
        QTest::addColumn<QByteArray>("ini");
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<int>("interval");
        QTest::addColumn<bool>("paste");
        QTest::addColumn<Breakpoints>("horizontal");
        QTest::addColumn<Breakpoints>("vertical");
        QTest::newRow("stored") << QByteArray("[Zenub]\nAutoBackup.Enable=false\n"
                                              "AutoBackup.Interval=60\nEdit.PasteSvgAsFreeform=0\n"
                                              "[Breakpoints]\nVertical\\size=1\n"
                                              "Vertical\\1\\Value=-20\nVertical\\1\\Enable=true\n")
                                << false << 60 << false << Breakpoints()
                                << Breakpoints{{-20, true}};
        QTest::newRow("wrong types keep defaults")
            << QByteArray("[Zenub]\nAutoBackup.Enable=maybe\nAutoBackup.Interval=abc\n"
                          "Edit.PasteSvgAsFreeform=1, 2\n")
            << true << 300 << true << Breakpoints() << Breakpoints();
        QTest::newRow("damaged array sizes")
            << QByteArray("[Breakpoints]\nHorizontal\\size=1000000000\n"
                          "Horizontal\\1\\Value=400\nHorizontal\\1\\Enable=true\n"
                          "Horizontal\\3\\Value=900\nHorizontal\\3\\Enable=false\n"
                          "Vertical\\size=abc\nVertical\\1\\Value=10\nVertical\\1\\Enable=true\n")
            << true << 300 << true << Breakpoints{{400, true}, {900, false}} << Breakpoints();
    }
    void readsStoredPreferences()
    {
        QFETCH(QByteArray, ini);
        QFETCH(bool, enabled);
        QFETCH(int, interval);
        QFETCH(bool, paste);
        QFETCH(Breakpoints, horizontal);
        QFETCH(Breakpoints, vertical);
        restart(ini);
        QCOMPARE(DocumentManager::isAutobackupEnabled(), enabled);
        QCOMPARE(DocumentManager::getAutobackupTimeout(), interval);
        QCOMPARE(DocumentManager::isPasteSvgAsFreeform(), paste);
        QCOMPARE(DocumentManager::getHBreakpoints(), horizontal);
        QCOMPARE(DocumentManager::getVBreakpoints(), vertical);
    }
    void initBreakpoints_data()
    {
        QTest::addColumn<Breakpoints>("storedH");
        QTest::addColumn<bool>("reset");
        QTest::addColumn<int>("expectedH"); // entries of the caller's list afterwards
        const Breakpoints storedH{{10, true}, {20, false}};
        // The caller's list is appended to when nothing is stored, replaced otherwise.
        QTest::newRow("nothing stored") << Breakpoints() << false << 6;
        QTest::newRow("only horizontal stored") << storedH << false << 2;
        QTest::newRow("reset over stored") << storedH << true << 5;
    }
    void initBreakpoints()
    {
        QFETCH(Breakpoints, storedH);
        QFETCH(bool, reset);
        QFETCH(int, expectedH);
        DocumentManager::setHBreakpoints(storedH);
        Breakpoints givenH{{1, true}}, givenV{{1, true}};
        DocumentManager::initBreakpoints(givenH, givenV, reset);
        QCOMPARE(givenH.size(), expectedH);
        QCOMPARE(givenV.isEmpty(), !storedH.isEmpty() && !reset);
        QCOMPARE(DocumentManager::getHBreakpoints(), storedH);
    }
    void documentRegistration()
    {
        QUndoGroup* group = DocumentManager::getUndoGroup();
        BackupDocument document, stranger;
        DocumentManager::addDocument(&document);
        DocumentManager::addDocument(&document);
        DocumentManager::addDocument(nullptr);
        QCOMPARE(DocumentManager::getDocuments(), (QList<IDocument*>{&document}));
        QCOMPARE(backupTimers().size(), 1);
        QVERIFY(!backupTimers().first()->isActive());
        QCOMPARE(group->stacks(), (QList<QUndoStack*>{document.getUndoStack()}));
        QVERIFY(!DocumentManager::removeDocument(&stranger));
        DocumentManager::startWaitingBackup(&document);
        QVERIFY(DocumentManager::removeDocument(&document));
        QVERIFY(backupTimers().isEmpty());
        QVERIFY(group->stacks().isEmpty());
        QVERIFY(!DocumentManager::removeDocument(&document));

        // A document deleted while registered leaves nothing behind.
        auto* deleted = new BackupDocument;
        DocumentManager::addDocument(deleted);
        DocumentManager::startWaitingBackup(deleted);
        delete deleted;
        QVERIFY(DocumentManager::getDocuments().isEmpty());
        QVERIFY(backupTimers().isEmpty());
        QVERIFY(group->stacks().isEmpty());
    }
    void backupWait_data()
    {
        QTest::addColumn<int>("seconds");
        QTest::addColumn<int>("msecs");
        QTest::newRow("one second") << 1 << 1000;
        QTest::newRow("largest exact") << INT_MAX / 1000 << INT_MAX / 1000 * 1000;
        QTest::newRow("beyond a timer") << INT_MAX / 1000 + 1 << INT_MAX;
    }
    void backupWait()
    {
        QFETCH(int, seconds);
        QFETCH(int, msecs);
        QCOMPARE(DocumentManager::backupWaitMsecs(seconds), msecs);
    }
    void backupRepeats()
    {
        DocumentManager::setAutobackupTimeout(1);
        BackupDocument document;
        DocumentManager::addDocument(&document);
        DocumentManager::startWaitingBackup(&document);
        QTRY_COMPARE_WITH_TIMEOUT(document.times.size(), 1, 10000);
        QVERIFY(backupTimers().first()->isActive());
        DocumentManager::removeDocument(&document);
    }
    void documentClosedDuringBackup()
    {
        DocumentManager::setAutobackupTimeout(1);
        BackupDocument document;
        bool removed = false;
        document.onBackup = [&] {
            removed = DocumentManager::removeDocument(&document);
        };
        DocumentManager::addDocument(&document);
        DocumentManager::startWaitingBackup(&document);
        QTRY_VERIFY_WITH_TIMEOUT(removed, 10000);
        QTRY_VERIFY(backupTimers().isEmpty());
        QCOMPARE(document.times.size(), 1);
    }

private:
    void restart(const QByteArray& ini)
    {
        m_environment->deleteMainWindow();
        QFile file(m_environment->userSettingsFile());
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(ini);
        file.close();
        m_environment->reloadSettings();
        m_environment->createMainWindow();
    }

    std::unique_ptr<TestEnvironment> m_environment;
};

QTEST_MAIN(tst_Documents)
#include "tst_documents.moc"
