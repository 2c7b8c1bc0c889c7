#include <germancatalogue.h>
#include <modalanswerer.h>
#include <testenvironment.h>

#include <documents/idocument.h>
#include <mainwindow/irecentfilesmanager.h>

#include <QDir>
#include <QSignalSpy>
#include <QTranslator>
#include <QUndoStack>
#include <QtTest>

namespace {

const QString projectPath = QStringLiteral("/projects/Intro.final.proj");
const QString otherPath = QStringLiteral("/projects/Other.proj");
const QString savedAsPath = QStringLiteral("/projects/Saved.proj");

class TestDocument : public IDocument
{
public:
    TestDocument() { m_pUndoStack = new QUndoStack(this); }

    bool initNewDocument(int, int, int, bool) override { return true; }
    bool save() override
    {
        ++saves;
        return saveResult;
    }
    bool save(const QString&) override { return saveResult; }
    bool saveAs() override
    {
        ++saveAsCalls;
        if (saveAsResult) {
            setFileName(savedAsPath);
            setIsTempDocument(false);
        }
        return saveAsResult;
    }
    void edit() { m_pUndoStack->push(new QUndoCommand(QStringLiteral("edit"))); }

    bool saveResult = true;
    bool saveAsResult = true;
    int saves = 0;
    int saveAsCalls = 0;
};

QStringList methodsAfterQObject(const QMetaObject& meta)
{
    QStringList result;
    for (int i = QObject::staticMetaObject.methodCount(); i < meta.methodCount(); ++i)
        result << QString::fromLatin1(meta.method(i).methodSignature());
    return result;
}

} // namespace

class tst_IDocument : public QObject
{
    Q_OBJECT
private slots:
    void close_data();
    void close();
    void modifiedFollowsUndoStack();
    void destroyedSeesDocumentOnce();
    void germanPrompts();
    void signalAndSlotOrder();
};

void tst_IDocument::close_data()
{
    QTest::addColumn<bool>("temporary");
    QTest::addColumn<bool>("edited");
    // 0 closes the box without pressing any of its buttons.
    QTest::addColumn<QList<int>>("answers");
    QTest::addColumn<bool>("saveResult");
    QTest::addColumn<bool>("saveAsResult");
    QTest::addColumn<bool>("closes");
    QTest::addColumn<int>("saves");
    QTest::addColumn<int>("saveAsCalls");
    QTest::addColumn<QStringList>("boxTexts");
    QTest::addColumn<QStringList>("recent");

    const QString question = QStringLiteral("Save changes made to Intro.final?");
    const QString failure = QStringLiteral("Could not save project Intro.final.");
    const QStringList untouched{projectPath, otherPath};
    const int yes = QMessageBox::Yes, no = QMessageBox::No, cancel = QMessageBox::Cancel;
    const int ok = QMessageBox::Ok;

    QTest::newRow("clean closes without prompt") << false << false << QList<int>() << true << true
                                                 << true << 0 << 0 << QStringList() << untouched;
    QTest::newRow("cancel") << false << true << QList<int>{cancel} << true << true << false << 0
                            << 0 << QStringList{question} << untouched;
    QTest::newRow("no") << false << true << QList<int>{no} << true << true << true << 0 << 0
                        << QStringList{question} << untouched;
    QTest::newRow("yes, saved") << false << true << QList<int>{yes} << true << true << true << 1
                                << 0 << QStringList{question} << untouched;
    QTest::newRow("yes, save fails")
        << false << true << QList<int>{yes, ok} << false << true << false << 1 << 0
        << QStringList{question, failure} << untouched;
    QTest::newRow("box closed without answer")
        << false << true << QList<int>{0} << true << true << true << 0 << 0 << QStringList{question}
        << untouched;
    QTest::newRow("temporary, yes, saved as")
        << true << false << QList<int>{yes} << true << true << true << 0 << 1
        << QStringList{question} << QStringList{savedAsPath, otherPath};
    QTest::newRow("temporary, yes, save as fails")
        << true << false << QList<int>{yes} << true << false << false << 0 << 1
        << QStringList{question} << untouched;
    QTest::newRow("temporary, no") << true << false << QList<int>{no} << true << true << true << 0
                                   << 0 << QStringList{question} << QStringList{otherPath};
    QTest::newRow("temporary, cancel") << true << true << QList<int>{cancel} << true << true
                                       << false << 0 << 0 << QStringList{question} << untouched;
    QTest::newRow("temporary, box closed without answer")
        << true << false << QList<int>{0} << true << true << false << 0 << 0
        << QStringList{question} << untouched;
}

void tst_IDocument::close()
{
    QFETCH(bool, temporary);
    QFETCH(bool, edited);
    QFETCH(QList<int>, answers);
    QFETCH(bool, saveResult);
    QFETCH(bool, saveAsResult);
    QFETCH(bool, closes);
    QFETCH(int, saves);
    QFETCH(int, saveAsCalls);
    QFETCH(QStringList, boxTexts);
    QFETCH(QStringList, recent);

    TestEnvironment environment;
    environment.createMainWindow();
    IRecentFilesManager::getInstance()->addRecentFile(otherPath);
    IRecentFilesManager::getInstance()->addRecentFile(projectPath);

    TestDocument document;
    document.setFileName(projectPath);
    document.setIsTempDocument(temporary);
    document.saveResult = saveResult;
    document.saveAsResult = saveAsResult;
    if (edited)
        document.edit();

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
    QCOMPARE(document.saves, saves);
    QCOMPARE(document.saveAsCalls, saveAsCalls);
    QCOMPARE(IRecentFilesManager::getInstance()->getRecentFiles(), recent);
}

void tst_IDocument::modifiedFollowsUndoStack()
{
    TestDocument document;
    QVERIFY(!document.isModified());
    document.edit();
    QVERIFY(document.isModified());
    document.getUndoStack()->setClean();
    QVERIFY(!document.isModified());
    document.setIsTempDocument(true);
    QVERIFY(document.isModified());
}

void tst_IDocument::destroyedSeesDocumentOnce()
{
    auto* document = new TestDocument;
    int emissions = 0;
    bool sawDocument = false;
    QString fileName;
    document->setFileName(projectPath);
    connect(document, &QObject::destroyed, this, [&](QObject* object) {
        ++emissions;
        if (auto* asDocument = qobject_cast<IDocument*>(object)) {
            sawDocument = true;
            fileName = asDocument->getFileName();
        }
    });
    delete document;
    QCOMPARE(emissions, 1);
    QVERIFY(sawDocument);
    QCOMPARE(fileName, projectPath);
}

void tst_IDocument::germanPrompts()
{
    const GermanCatalogue german;
    QVERIFY2(german.isLoaded(), qPrintable(GermanCatalogue::path()));

    TestEnvironment environment;
    TestDocument document;
    document.setFileName(projectPath);
    document.edit();
    document.saveResult = false;
    ModalAnswerer answerer;
    answerer.answer(QMessageBox::Yes);
    answerer.answer(QMessageBox::Ok);
    QVERIFY(!document.close());
    QCOMPARE(answerer.texts(),
             (QStringList{QStringLiteral("\u00c4nderungen an Intro.final speichern?"),
                          QStringLiteral("Projekt Intro.final konnte nicht gespeichert werden.")}));
}

void tst_IDocument::signalAndSlotOrder()
{
    const QStringList expected{"aboutToOpen()",
                               "aboutToClose()",
                               "dataChanged(QObject*)",
                               "titleChanged()",
                               "modifyChanged(bool)",
                               "undoStackChanged()",
                               "statusChanged(QString)",
                               "requestClosing(bool)",
                               "requestClosing()",
                               "open()",
                               "close()",
                               "save()",
                               "save(QString)",
                               "saveAs()",
                               "revert()",
                               "cleanTempDir()",
                               "saveBackup()"};
    QCOMPARE(methodsAfterQObject(IDocument::staticMetaObject), expected);
}

QTEST_MAIN(tst_IDocument)
#include "tst_idocument.moc"
