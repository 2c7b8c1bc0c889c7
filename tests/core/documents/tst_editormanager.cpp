#include <testenvironment.h>

#include <documents/editormanager.h>
#include <documents/idocument.h>
#include <documents/ieditor.h>

#include <QPointer>
#include <QSignalSpy>
#include <QtTest>

#include <memory>
#include <vector>

namespace {

class TestDocument : public IDocument
{
public:
    bool initNewDocument(int, int, int, bool) override { return true; }
};

QStringList methodsAfterQObject(const QMetaObject& meta)
{
    QStringList result;
    for (int i = QObject::staticMetaObject.methodCount(); i < meta.methodCount(); ++i)
        result << QString::fromLatin1(meta.method(i).methodSignature());
    return result;
}

// Records every activation signal of the manager and its editors as "signal:editor name".
class EventLog : public QObject
{
public:
    EventLog()
    {
        auto* manager = EditorManager::getInstance();
        connect(manager, &EditorManager::editorActivated, this, [this](IEditor* editor) {
            // Receivers must already see the new editor as the active one.
            events << QStringLiteral("activated:") + name(editor);
            if (EditorManager::activeEditor() != editor)
                events << QStringLiteral("activated before it was active");
        });
        connect(manager, &EditorManager::editorDeactivated, this, [this](IEditor* editor) {
            events << QStringLiteral("deactivated:") + name(editor);
        });
    }

    void watch(IEditor* editor)
    {
        const QString editorName = editor->objectName();
        connect(editor, &IEditor::aboutToActivate, this,
                [this, editorName] { events << QStringLiteral("aboutToActivate:") + editorName; });
        connect(editor, &IEditor::aboutToDeactivate, this, [this, editorName] {
            events << QStringLiteral("aboutToDeactivate:") + editorName;
        });
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

class tst_EditorManager : public QObject
{
    Q_OBJECT
private slots:
    void relaysDocumentSignals_data();
    void relaysDocumentSignals();
    void secondDocumentIsIgnored();
    void successor_data();
    void successor();
    void activation();
    void registration();
    void editorOutlivesManager();
    void signalAndSlotOrder();
};

void tst_EditorManager::relaysDocumentSignals_data()
{
    QTest::addColumn<QByteArray>("documentSignal");
    QTest::addColumn<QString>("argumentKind");
    QTest::addColumn<QString>("editorSignal");

    QTest::newRow("aboutToOpen") << QByteArray("aboutToOpen") << ""
                                 << "documentLoaded()";
    QTest::newRow("dataChanged") << QByteArray("dataChanged") << "object"
                                 << "documentDataChanged(QObject*)";
    QTest::newRow("aboutToClose") << QByteArray("aboutToClose") << ""
                                  << "documentUnloading()";
    QTest::newRow("titleChanged") << QByteArray("titleChanged") << ""
                                  << "documentTitleChanged()";
    QTest::newRow("modifyChanged") << QByteArray("modifyChanged") << "bool"
                                   << "documentModifyChanged(bool)";
    QTest::newRow("undoStackChanged") << QByteArray("undoStackChanged") << ""
                                      << "undoStackChanged()";
    QTest::newRow("statusChanged not relayed") << QByteArray("statusChanged") << "string"
                                               << "";
    QTest::newRow("requestClosing not relayed") << QByteArray("requestClosing") << "bool"
                                                << "";
}

void tst_EditorManager::relaysDocumentSignals()
{
    QFETCH(QByteArray, documentSignal);
    QFETCH(QString, argumentKind);
    QFETCH(QString, editorSignal);

    TestDocument document;
    IEditor editor;
    editor.setDocument(&document);
    QCOMPARE(editor.getDocument(), &document);

    std::vector<std::unique_ptr<QSignalSpy>> spies;
    QStringList signatures;
    const QMetaObject& meta = IEditor::staticMetaObject;
    for (int i = meta.methodOffset(); i < meta.methodCount(); ++i) {
        const QMetaMethod method = meta.method(i);
        if (method.methodType() != QMetaMethod::Signal)
            continue;
        spies.push_back(std::make_unique<QSignalSpy>(&editor, method));
        signatures << QString::fromLatin1(method.methodSignature());
    }

    QObject payload;
    bool invoked = false;
    if (argumentKind == QLatin1String("object"))
        invoked = QMetaObject::invokeMethod(&document, documentSignal, Q_ARG(QObject*, &payload));
    else if (argumentKind == QLatin1String("bool"))
        invoked = QMetaObject::invokeMethod(&document, documentSignal, Q_ARG(bool, true));
    else if (argumentKind == QLatin1String("string"))
        invoked = QMetaObject::invokeMethod(&document, documentSignal,
                                            Q_ARG(QString, QStringLiteral("status")));
    else
        invoked = QMetaObject::invokeMethod(&document, documentSignal);
    QVERIFY(invoked);

    for (size_t i = 0; i < spies.size(); ++i) {
        const QString& signature = signatures.at(int(i));
        QCOMPARE(spies[i]->count(), signature == editorSignal ? 1 : 0);
    }
    if (editorSignal.isEmpty())
        return;
    const QList<QVariant> arguments = spies[size_t(signatures.indexOf(editorSignal))]->first();
    if (argumentKind == QLatin1String("object"))
        QCOMPARE(arguments.first().value<QObject*>(), &payload);
    else if (argumentKind == QLatin1String("bool"))
        QCOMPARE(arguments.first().toBool(), true);
}

void tst_EditorManager::secondDocumentIsIgnored()
{
    TestDocument first;
    TestDocument second;
    IEditor editor;
    editor.setDocument(&first);
    editor.setDocument(&second);
    QCOMPARE(editor.getDocument(), &first);
    QSignalSpy titles(&editor, &IEditor::documentTitleChanged);
    emit second.titleChanged();
    QCOMPARE(titles.count(), 0);
    emit first.titleChanged();
    QCOMPARE(titles.count(), 1);
}

void tst_EditorManager::successor_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("active");
    QTest::addColumn<int>("removed");
    QTest::addColumn<bool>("deleteInstead");
    QTest::addColumn<QString>("activeAfter");
    QTest::addColumn<QStringList>("remaining");
    QTest::addColumn<QStringList>("events");

    const QStringList bToC{"aboutToDeactivate:B", "deactivated:B", "aboutToActivate:C",
                           "activated:C"};
    const QStringList cToB{"aboutToDeactivate:C", "deactivated:C", "aboutToActivate:B",
                           "activated:B"};
    const QStringList aToB{"aboutToDeactivate:A", "deactivated:A", "aboutToActivate:B",
                           "activated:B"};

    for (bool deleteInstead : {false, true}) {
        const char* how = deleteInstead ? "deleted" : "removed";
        QTest::addRow("%s middle active editor", how)
            << 3 << 1 << 1 << deleteInstead << "C" << QStringList{"A", "C"} << bToC;
        QTest::addRow("%s last active editor", how)
            << 3 << 2 << 2 << deleteInstead << "B" << QStringList{"A", "B"} << cToB;
        QTest::addRow("%s first active editor", how)
            << 3 << 0 << 0 << deleteInstead << "B" << QStringList{"B", "C"} << aToB;
        QTest::addRow("%s inactive editor", how)
            << 3 << 1 << 0 << deleteInstead << "B" << QStringList{"B", "C"} << QStringList();
        QTest::addRow("%s only editor", how) << 1 << 0 << 0 << deleteInstead << "" << QStringList()
                                             << QStringList{"aboutToDeactivate:A", "deactivated:A"};
        QTest::addRow("%s with none active", how)
            << 3 << -1 << 2 << deleteInstead << "" << QStringList{"A", "B"} << QStringList();
    }
}

void tst_EditorManager::successor()
{
    QFETCH(int, count);
    QFETCH(int, active);
    QFETCH(int, removed);
    QFETCH(bool, deleteInstead);
    QFETCH(QString, activeAfter);
    QFETCH(QStringList, remaining);
    QFETCH(QStringList, events);

    TestEnvironment environment;
    environment.createMainWindow();
    EventLog log;
    auto editors = makeEditors(count, &log);
    if (active >= 0)
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

void tst_EditorManager::activation()
{
    TestEnvironment environment;
    environment.createMainWindow();
    EventLog log;
    auto editors = makeEditors(2, &log);
    QVERIFY(!EditorManager::activeEditor());

    EditorManager::activateEditor(editors[0].get());
    QCOMPARE(log.events, (QStringList{"aboutToActivate:A", "activated:A"}));
    log.events.clear();
    EditorManager::activateEditor(editors[0].get());
    QVERIFY(log.events.isEmpty());

    EditorManager::activateEditor(editors[1].get());
    QCOMPARE(log.events, (QStringList{"aboutToDeactivate:A", "deactivated:A", "aboutToActivate:B",
                                      "activated:B"}));
    log.events.clear();

    // Reachable through the meta-object as well, as web pages and menus call it.
    QVERIFY(QMetaObject::invokeMethod(EditorManager::getInstance(), "activateEditor",
                                      Q_ARG(IEditor*, nullptr)));
    QCOMPARE(log.events, (QStringList{"aboutToDeactivate:B", "deactivated:B"}));
    QVERIFY(!EditorManager::activeEditor());
    log.events.clear();
    EditorManager::activateEditor(nullptr);
    QVERIFY(log.events.isEmpty());
}

void tst_EditorManager::registration()
{
    TestEnvironment environment;
    environment.createMainWindow();
    TestDocument shown;
    TestDocument notShown;
    IEditor editor;
    IEditor second;
    IEditor unregistered;
    editor.setDocument(&shown);
    second.setDocument(&shown);

    EditorManager::addEditor(&editor);
    EditorManager::addEditor(&editor);
    EditorManager::addEditor(nullptr);
    QCOMPARE(EditorManager::getEditors(), (QList<IEditor*>{&editor}));
    EditorManager::addEditor(&second);
    QCOMPARE(EditorManager::getEditorOfDocument(&shown), &editor);
    QVERIFY(!EditorManager::getEditorOfDocument(&notShown));

    QVERIFY(EditorManager::removeEditor(nullptr));
    QVERIFY(!EditorManager::removeEditor(&unregistered));
    QCOMPARE(EditorManager::getEditors().size(), 2);
    QVERIFY(EditorManager::removeEditor(&editor));
    QVERIFY(!EditorManager::removeEditor(&editor));
    QCOMPARE(EditorManager::getEditorOfDocument(&shown), &second);
}

void tst_EditorManager::editorOutlivesManager()
{
    // Editors still registered when the manager goes must not reach it afterwards.
    auto* late = new IEditor;
    {
        TestEnvironment environment;
        environment.createMainWindow();
        EditorManager::addEditor(late);
        EditorManager::activateEditor(late);
    }
    QVERIFY(!EditorManager::getInstance());
    delete late;
}

void tst_EditorManager::signalAndSlotOrder()
{
    QCOMPARE(
        methodsAfterQObject(IEditor::staticMetaObject),
        (QStringList{"documentLoaded()", "documentDataChanged(QObject*)", "documentUnloading()",
                     "documentTitleChanged()", "documentModifyChanged(bool)", "aboutToActivate()",
                     "aboutToDeactivate()", "undoStackChanged()"}));
    QCOMPARE(methodsAfterQObject(EditorManager::staticMetaObject),
             (QStringList{"editorActivated(IEditor*)", "editorDeactivated(IEditor*)",
                          "activateEditor(IEditor*)", "editorDestroyed(QObject*)"}));
}

QTEST_MAIN(tst_EditorManager)
#include "tst_editormanager.moc"
