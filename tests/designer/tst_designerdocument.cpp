#include <modalanswerer.h>
#include <testenvironment.h>
#include <testfiles.h>

#include "backupoptionpage.h"
#include "designerdocument.h"
#include "designerdocumentfactory.h"
#include "designereditor.h"
#include "designereditorwidget.h"
#include "designeroptionsdlg.h"
#include "newprojectdialog.h"
#include "project/zenubprojectfile.h"
#include "stagewidget.h"
#include "welcomeview.h"

#include <actions/actionmanager.h>
#include <actions/contextaction.h>
#include <actions/contextmanager.h>
#include <documents/documentmanager.h>
#include <mainwindow/mainwindow.h>

#include <QAction>
#include <QCheckBox>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QSettings>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QUndoStack>
#include <QtTest>

namespace {

QString writeFile(const QTemporaryDir& dir, const QString& name, const QByteArray& data)
{
    const QString path = dir.filePath(name);
    return writeFile(path, data) ? path : QString();
}

ZenubKeyframe stateOf(const DesignerDocument& document, const ShapeRef& ref, int frame)
{
    ZenubKeyframe state;
    const ZenubShape* shape = document.shapeAt(ref);
    if (shape)
        shape->stateAt(frame, &state);
    return state;
}

// Saves to a fixed path instead of asking, so the save-as path can be driven by a test.
class ScriptedDocument : public DesignerDocument
{
public:
    QString answer;

protected:
    QString askSaveFileName() override { return answer; }
};

} // namespace

class tst_DesignerDocument : public QObject
{
    Q_OBJECT
private slots:
    void openFailureIsReportedOnce_data();
    void openFailureIsReportedOnce();
    void saveAndReopen();
    void initNewDocument_data();
    void initNewDocument();
    void undoRedoMove();
    void moveBetweenKeyframesAddsOne();
    void editsUndoExactly_data();
    void editsUndoExactly();
    void failedSaveKeepsDocument();
    void saveAsAddsSuffix();
    void backupFollowsModification();
    void newerBackupIsOffered_data();
    void newerBackupIsOffered();
    void factoryObjects();
    void newProjectValidation_data();
    void newProjectValidation();
    void backupPageWritesPreferences();
    void dragOnStageIsOneUndoableMove();
    void closeCommandServesEditorContext();
    void editorLivesInWorkspace();
    void welcomeAddress_data();
    void welcomeAddress();
};

void tst_DesignerDocument::openFailureIsReportedOnce_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QByteArray>("content");
    QTest::newRow("missing") << QStringLiteral("missing.zenub") << QByteArray();
    QTest::newRow("not json") << QStringLiteral("broken.zenub") << QByteArray("{ not json");
    QTest::newRow("other format")
        << QStringLiteral("other.zenub")
        << QByteArray(R"({"format": "something-else", "version": 1, "project": {}})");
    QTest::newRow("bad field") << QStringLiteral("field.zenub")
                               << QByteArray(R"({"format": "zenub-project", "version": 1,
                                  "project": {"name": "x", "frameRate": "fast"}})");
}

void tst_DesignerDocument::openFailureIsReportedOnce()
{
    QFETCH(QString, fileName);
    QFETCH(QByteArray, content);
    QTemporaryDir dir;
    const QString path =
        content.isEmpty() ? dir.filePath(fileName) : writeFile(dir, fileName, content);
    DesignerDocument document;
    document.setFileName(path);
    ModalAnswerer answerer;
    answerer.answer(QMessageBox::Ok);
    answerer.answer(QMessageBox::Ok);
    QVERIFY(!document.open());
    QCOMPARE(answerer.answered(), 1);
    ZenubProjectFile reader(path);
    ZenubProject ignored;
    QVERIFY(!reader.load(&ignored));
    QVERIFY(answerer.texts().constFirst().contains(reader.getErrorString()));
    QVERIFY(document.getProject().getScenes().isEmpty());
}

void tst_DesignerDocument::saveAndReopen()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Intro.zenub"));
    DesignerDocument document;
    document.setFileName(path);
    QVERIFY(document.initNewDocument(640, 360, 30, true));
    QVERIFY(document.addShape(0, int(ZenubShape::Type::Ellipse)));
    QVERIFY(document.addScene());
    QVERIFY(document.addShape(1, int(ZenubShape::Type::Text), QStringLiteral("Hello")));
    QVERIFY(document.isModified());
    QSignalSpy modified(&document, &IDocument::modifyChanged);
    QVERIFY(document.save());
    QVERIFY(!document.isModified());
    QVERIFY(!modified.isEmpty());
    QCOMPARE(modified.last().at(0).toBool(), false);

    DesignerDocument reopened;
    reopened.setFileName(path);
    QVERIFY(reopened.open());
    QCOMPARE(reopened.getProject(), document.getProject());
    QCOMPARE(reopened.getProject().getName(), QStringLiteral("Intro"));
    QVERIFY(!reopened.isModified());
    QCOMPARE(reopened.getUndoStack()->count(), 0);
}

void tst_DesignerDocument::initNewDocument_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("frameRate");
    QTest::addColumn<bool>("flag");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<int>("shapes");
    QTest::newRow("plain") << 800 << 600 << 25 << false << true << 0;
    QTest::newRow("with title") << 1920 << 1080 << 60 << true << true << 1;
    QTest::newRow("largest") << ZenubProject::maximumStageSize() << 1
                             << ZenubProject::maximumFrameRate() << false << true << 0;
    QTest::newRow("zero width") << 0 << 600 << 25 << false << false << 0;
    QTest::newRow("too high") << 800 << ZenubProject::maximumStageSize() + 1 << 25 << false << false
                              << 0;
    QTest::newRow("no frames") << 800 << 600 << 0 << false << false << 0;
    QTest::newRow("too fast") << 800 << 600 << ZenubProject::maximumFrameRate() + 1 << false
                              << false << 0;
}

void tst_DesignerDocument::initNewDocument()
{
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(int, frameRate);
    QFETCH(bool, flag);
    QFETCH(bool, accepted);
    QFETCH(int, shapes);
    DesignerDocument document;
    document.setFileName(QStringLiteral("/projects/Logo Reveal.zenub"));
    QCOMPARE(document.initNewDocument(width, height, frameRate, flag), accepted);
    if (!accepted) {
        QVERIFY(document.getProject().getScenes().isEmpty());
        return;
    }
    const ZenubProject& project = document.getProject();
    QCOMPARE(project.getName(), QStringLiteral("Logo Reveal"));
    QCOMPARE(project.getStageWidth(), width);
    QCOMPARE(project.getStageHeight(), height);
    QCOMPARE(project.getFrameRate(), frameRate);
    QCOMPARE(project.getScenes().size(), 1);
    QCOMPARE(project.getScenes().at(0).getLayers().at(0).getShapes().size(), shapes);
    QCOMPARE(document.getUndoStack()->count(), 0);
}

void tst_DesignerDocument::undoRedoMove()
{
    DesignerDocument document;
    QVERIFY(document.initNewDocument(400, 300, 24, false));
    QVERIFY(document.addShape(0, int(ZenubShape::Type::Rectangle)));
    document.getUndoStack()->setClean();
    const ShapeRef ref{0, 0, 0};
    const ZenubKeyframe before = stateOf(document, ref, 0);

    QVERIFY(document.moveShape(ref, 0, 15, -20));
    ZenubKeyframe after = stateOf(document, ref, 0);
    QCOMPARE(after.getX(), before.getX() + 15);
    QCOMPARE(after.getY(), before.getY() - 20);
    QCOMPARE(after.getWidth(), before.getWidth());
    QVERIFY(document.isModified());

    document.getUndoStack()->undo();
    QCOMPARE(stateOf(document, ref, 0), before);
    QVERIFY(!document.isModified());
    document.getUndoStack()->redo();
    QCOMPARE(stateOf(document, ref, 0), after);

    QVERIFY(!document.moveShape(ShapeRef{0, 0, 5}, 0, 1, 1));
    QVERIFY(!document.moveShape(ShapeRef{3, 0, 0}, 0, 1, 1));
    QCOMPARE(document.getUndoStack()->count(), 2);
}

void tst_DesignerDocument::moveBetweenKeyframesAddsOne()
{
    DesignerDocument document;
    QVERIFY(document.initNewDocument(400, 300, 24, false));
    QVERIFY(document.addShape(0, int(ZenubShape::Type::Ellipse)));
    const ShapeRef ref{0, 0, 0};
    // A static shape moves as a whole, whatever frame is shown.
    QVERIFY(document.moveShape(ref, 30, 10, 0));
    QCOMPARE(document.shapeAt(ref)->getKeyframes().size(), 1);
    QVERIFY(document.setKeyframe(ref, 40));
    QVERIFY(document.moveShape(ref, 40, 100, 0));
    QCOMPARE(document.shapeAt(ref)->getKeyframes().size(), 2);
    const double x0 = stateOf(document, ref, 0).getX();
    const double x40 = stateOf(document, ref, 40).getX();
    QCOMPARE(x40, x0 + 100);
    QCOMPARE(stateOf(document, ref, 20).getX(), x0 + 50);

    QVERIFY(document.moveShape(ref, 20, 0, 30));
    QCOMPARE(document.shapeAt(ref)->getKeyframes().size(), 3);
    QCOMPARE(stateOf(document, ref, 20).getY(), stateOf(document, ref, 0).getY() + 30);
    document.getUndoStack()->undo();
    QCOMPARE(document.shapeAt(ref)->getKeyframes().size(), 2);
}

void tst_DesignerDocument::editsUndoExactly_data()
{
    QTest::addColumn<QString>("edit");
    QTest::addColumn<bool>("applies");
    QTest::newRow("add rectangle") << "addRectangle" << true;
    QTest::newRow("add to missing scene") << "addToScene9" << false;
    QTest::newRow("remove shape") << "remove" << true;
    QTest::newRow("remove missing shape") << "removeMissing" << false;
    QTest::newRow("add scene") << "addScene" << true;
    QTest::newRow("rename scene") << "rename" << true;
    QTest::newRow("rename to blank") << "renameBlank" << false;
    QTest::newRow("rename to same") << "renameSame" << false;
    QTest::newRow("scene length") << "duration" << true;
    QTest::newRow("scene length zero") << "durationZero" << false;
    QTest::newRow("colour") << "colour" << true;
    QTest::newRow("same colour") << "colourSame" << false;
    QTest::newRow("text") << "text" << true;
    QTest::newRow("empty text") << "textEmpty" << false;
    QTest::newRow("keyframe") << "keyframe" << true;
    QTest::newRow("keyframe before start") << "keyframeNegative" << false;
}

void tst_DesignerDocument::editsUndoExactly()
{
    QFETCH(QString, edit);
    QFETCH(bool, applies);
    DesignerDocument document;
    QVERIFY(document.initNewDocument(320, 200, 10, true));
    const ShapeRef title{0, 0, 0};
    const QColor titleColor = document.shapeAt(title)->getFillColor();
    const ZenubProject before = document.getProject();
    QSignalSpy changed(&document, &IDocument::dataChanged);

    bool result = false;
    if (edit == "addRectangle")
        result = document.addShape(0, int(ZenubShape::Type::Rectangle));
    else if (edit == "addToScene9")
        result = document.addShape(9, int(ZenubShape::Type::Rectangle));
    else if (edit == "remove")
        result = document.removeShape(title);
    else if (edit == "removeMissing")
        result = document.removeShape(ShapeRef{0, 0, 1});
    else if (edit == "addScene")
        result = document.addScene();
    else if (edit == "rename")
        result = document.renameScene(0, QStringLiteral(" Opening "));
    else if (edit == "renameBlank")
        result = document.renameScene(0, QStringLiteral("  "));
    else if (edit == "renameSame")
        result = document.renameScene(0, before.getScenes().at(0).getName());
    else if (edit == "duration")
        result = document.setSceneDuration(0, 99);
    else if (edit == "durationZero")
        result = document.setSceneDuration(0, 0);
    else if (edit == "colour")
        result = document.setShapeColor(title, Qt::red);
    else if (edit == "colourSame")
        result = document.setShapeColor(title, titleColor);
    else if (edit == "text")
        result = document.setShapeText(title, QStringLiteral("Welcome"));
    else if (edit == "textEmpty")
        result = document.setShapeText(title, QString());
    else if (edit == "keyframe")
        result = document.setKeyframe(title, 7);
    else if (edit == "keyframeNegative")
        result = document.setKeyframe(title, -1);
    else
        QFAIL("unknown edit");

    QCOMPARE(result, applies);
    QCOMPARE(document.getUndoStack()->count(), applies ? 1 : 0);
    QCOMPARE(document.isModified(), applies);
    if (!applies) {
        QCOMPARE(document.getProject(), before);
        QCOMPARE(changed.count(), 0);
        return;
    }
    const ZenubProject after = document.getProject();
    QVERIFY(after != before);
    QVERIFY(changed.count() >= 1);
    document.getUndoStack()->undo();
    QCOMPARE(document.getProject(), before);
    QVERIFY(!document.isModified());
    document.getUndoStack()->redo();
    QCOMPARE(document.getProject(), after);
    if (edit == "rename")
        QCOMPARE(after.getScenes().at(0).getName(), QStringLiteral("Opening"));
}

void tst_DesignerDocument::failedSaveKeepsDocument()
{
    QTemporaryDir dir;
    const QString blocker = writeFile(dir, QStringLiteral("file"), "x");
    const QString path = blocker + QStringLiteral("/inside/Project.zenub");
    DesignerDocument document;
    document.setFileName(path);
    QVERIFY(document.initNewDocument(100, 100, 10, false));
    QVERIFY(document.addScene());
    ModalAnswerer answerer;
    answerer.answer(QMessageBox::Ok);
    answerer.answer(QMessageBox::Ok);
    QVERIFY(!document.save());
    QCOMPARE(answerer.answered(), 1);
    QVERIFY(document.isModified());
    QCOMPARE(document.getFileName(), path);
}

void tst_DesignerDocument::saveAsAddsSuffix()
{
    QTemporaryDir dir;
    ScriptedDocument document;
    document.setFileName(dir.filePath(QStringLiteral("first.zenub")));
    document.setIsTempDocument(true);
    QVERIFY(document.initNewDocument(100, 100, 10, false));
    QSignalSpy titles(&document, &IDocument::titleChanged);
    document.answer = QString();
    QVERIFY(!document.saveAs());
    QVERIFY(document.isTempDocument());

    document.answer = dir.filePath(QStringLiteral("second"));
    QVERIFY(document.save());
    QCOMPARE(document.getFileName(), dir.filePath(QStringLiteral("second.zenub")));
    QVERIFY(QFileInfo::exists(document.getFileName()));
    QVERIFY(!document.isTempDocument());
    QVERIFY(!document.isModified());
    QCOMPARE(titles.count(), 1);
}

void tst_DesignerDocument::backupFollowsModification()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Backup.zenub"));
    const QString backup = DesignerDocument::backupFileName(path);
    {
        DesignerDocument document;
        document.setFileName(path);
        QVERIFY(document.initNewDocument(300, 200, 12, false));
        QVERIFY(document.save());
        QVERIFY(document.saveBackup());
        QVERIFY2(!QFileInfo::exists(backup), "an unchanged project needs no backup");

        QVERIFY(document.addShape(0, int(ZenubShape::Type::Rectangle)));
        QVERIFY(document.saveBackup());
        ZenubProject copy;
        QVERIFY(ZenubProjectFile(backup).load(&copy));
        QCOMPARE(copy, document.getProject());
        ZenubProject onDisk;
        QVERIFY(ZenubProjectFile(path).load(&onDisk));
        QVERIFY(onDisk != document.getProject());

        QVERIFY(document.save());
        QVERIFY(!QFileInfo::exists(backup));
        QVERIFY(document.addScene());
        QVERIFY(document.saveBackup());
        QVERIFY(QFileInfo::exists(backup));
    }
    QVERIFY2(!QFileInfo::exists(backup), "a closed project leaves no backup behind");
}

void tst_DesignerDocument::newerBackupIsOffered_data()
{
    QTest::addColumn<int>("backupAgeSeconds"); // negative: the backup is newer than the file
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("asked");
    QTest::addColumn<bool>("recovered");
    QTest::newRow("newer, recover") << -60 << int(QMessageBox::Yes) << true << true;
    QTest::newRow("newer, decline") << -60 << int(QMessageBox::No) << true << false;
    QTest::newRow("older") << 60 << int(QMessageBox::Yes) << false << false;
}

void tst_DesignerDocument::newerBackupIsOffered()
{
    QFETCH(int, backupAgeSeconds);
    QFETCH(int, answer);
    QFETCH(bool, asked);
    QFETCH(bool, recovered);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Crash.zenub"));
    ZenubProject saved;
    ZenubProject edited;
    {
        DesignerDocument document;
        document.setFileName(path);
        QVERIFY(document.initNewDocument(300, 200, 12, false));
        QVERIFY(document.save());
        saved = document.getProject();
        QVERIFY(document.addScene());
        edited = document.getProject();
        // What a crash leaves behind: the backup survives the document.
        QVERIFY(ZenubProjectFile(DesignerDocument::backupFileName(path)).save(edited));
        QFile backup(DesignerDocument::backupFileName(path));
        QVERIFY(backup.open(QIODevice::ReadWrite));
        QVERIFY(backup.setFileTime(QFileInfo(path).lastModified().addSecs(-backupAgeSeconds),
                                   QFileDevice::FileModificationTime));
        document.setFileName(QString());
    }

    DesignerDocument document;
    document.setFileName(path);
    ModalAnswerer answerer;
    answerer.answer(QMessageBox::StandardButton(answer));
    QVERIFY(document.open());
    QCOMPARE(answerer.answered(), asked ? 1 : 0);
    QCOMPARE(document.getProject(), recovered ? edited : saved);
    QCOMPARE(document.isOpenAsBackup(), recovered);
    QCOMPARE(document.isModified(), recovered);
}

void tst_DesignerDocument::factoryObjects()
{
    DesignerDocumentFactory factory;
    QCOMPARE(factory.supportedSuffixes(),
             QStringList({QStringLiteral("zenub"), QStringLiteral("zenubpack")}));
    QVERIFY(DesignerDocumentFactory::openFilter().contains(QLatin1String("*.zenubpack")));

    std::unique_ptr<IDocument> document(factory.createDocument());
    QVERIFY(qobject_cast<DesignerDocument*>(document.get()));
    QVERIFY(!document->parent());
    QVERIFY(document->getUndoStack());
    QVERIFY(!document->isModified());

    std::unique_ptr<IEditor> editor(factory.createEditor());
    QVERIFY(qobject_cast<DesignerEditor*>(editor.get()));
    QVERIFY(!editor->parent());
    editor->setDocument(document.get());
    emit document->aboutToOpen();
    QCOMPARE(static_cast<DesignerEditor*>(editor.get())->getDesignerDocument(), document.get());

    std::unique_ptr<ICreateDocumentDlg> dialog(factory.createNewDocumentDialog());
    QVERIFY(qobject_cast<NewProjectDialog*>(dialog.get()));
    QCOMPARE(dialog->getValue1(), 1280);
    QCOMPARE(dialog->getValue2(), 720);
    QCOMPARE(dialog->getValue3(), 24);
    QVERIFY(dialog->getDocumentPath().isEmpty());

    std::unique_ptr<IOptionsDlg> options(factory.createOptionsDialog());
    auto* designerOptions = qobject_cast<DesignerOptionsDlg*>(options.get());
    QVERIFY(designerOptions);
    QVERIFY(options->isWindow());
    QVERIFY(!designerOptions->getPages().isEmpty());
    QVERIFY(qobject_cast<BackupOptionPage*>(designerOptions->getPages().constFirst()));
}

void tst_DesignerDocument::newProjectValidation_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("folder"); // relative to a scratch folder; "" stays empty
    QTest::addColumn<QString>("error");  // part of the expected message; "" when accepted

    QTest::newRow("fine") << "Intro"
                          << "projects"
                          << "";
    QTest::newRow("missing folder is created") << "Intro"
                                               << "new/deeper"
                                               << "";
    QTest::newRow("suffix given") << "Intro.zenub"
                                  << "projects"
                                  << "";
    QTest::newRow("empty name") << "   "
                                << "projects"
                                << "enter a name";
    QTest::newRow("slash") << "a/b"
                           << "projects"
                           << "cannot contain";
    QTest::newRow("colon") << "a:b"
                           << "projects"
                           << "cannot contain";
    QTest::newRow("dot") << ".."
                         << "projects"
                         << "dot";
    QTest::newRow("no folder") << "Intro"
                               << ""
                               << "choose a folder";
    QTest::newRow("folder is a file") << "Intro"
                                      << "plain.txt"
                                      << "is a file";
    QTest::newRow("folder below a file") << "Intro"
                                         << "plain.txt/sub"
                                         << "could not be created";
    QTest::newRow("existing project") << "Existing"
                                      << "projects"
                                      << "already exists";
}

void tst_DesignerDocument::newProjectValidation()
{
    QFETCH(QString, name);
    QFETCH(QString, folder);
    QFETCH(QString, error);
    TestEnvironment environment;
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("projects")));
    QVERIFY(!writeFile(dir, QStringLiteral("plain.txt"), "x").isEmpty());
    QVERIFY(!writeFile(dir, QStringLiteral("projects/Existing.zenub"), "{}").isEmpty());

    NewProjectDialog dialog;
    dialog.setProjectName(name);
    dialog.setFolder(folder.isEmpty() ? QString() : dir.filePath(folder));
    dialog.setStageSize(320, 240);
    dialog.setFrameRate(12);
    dialog.show();
    dialog.accept();
    if (!error.isEmpty()) {
        QVERIFY2(dialog.validate().contains(error), qPrintable(dialog.validate()));
        QVERIFY(dialog.isVisible());
        QVERIFY(dialog.getDocumentPath().isEmpty());
        return;
    }
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QString expected = dir.filePath(folder) + QLatin1Char('/') + name.trimmed();
    if (!expected.endsWith(QLatin1String(".zenub")))
        expected += QLatin1String(".zenub");
    QCOMPARE(dialog.getDocumentPath(), expected);
    QVERIFY(QFileInfo(dir.filePath(folder)).isDir());
    QCOMPARE(dialog.getValue1(), 320);
    QCOMPARE(dialog.getValue2(), 240);
    QCOMPARE(dialog.getValue3(), 12);
    // The next dialog starts in the folder used last.
    QCOMPARE(environment.userSettings()->value(QStringLiteral("Designer/LastFolder")).toString(),
             dir.filePath(folder));
}

void tst_DesignerDocument::backupPageWritesPreferences()
{
    TestEnvironment environment;
    environment.createMainWindow();
    DocumentManager::setAutoBackupEnabled(true);
    DocumentManager::setAutobackupTimeout(300);
    DesignerOptionsDlg dialog;
    auto* page = qobject_cast<BackupOptionPage*>(dialog.getPages().constFirst());
    QVERIFY(page);
    page->initValues();
    QVERIFY(!page->isChanged());
    QCOMPARE(page->enableBox()->isChecked(), true);
    QCOMPARE(page->intervalBox()->value(), 300);

    page->intervalBox()->setValue(90);
    page->enableBox()->setChecked(false);
    QVERIFY(page->isChanged());
    QVERIFY(dialog.hasChanges());
    dialog.onApply();
    QVERIFY(!dialog.hasChanges());
    QCOMPARE(DocumentManager::getAutobackupTimeout(), 90);
    QVERIFY(!DocumentManager::isAutobackupEnabled());
    environment.userSettings()->sync();
    QSettings onDisk(environment.userSettingsFile(), QSettings::IniFormat);
    QCOMPARE(onDisk.value(QStringLiteral("Zenub/AutoBackup.Interval")).toInt(), 90);
    QCOMPARE(onDisk.value(QStringLiteral("Zenub/AutoBackup.Enable")).toBool(), false);

    // Cancelling drops an edit; the page shows the stored values again.
    page->intervalBox()->setValue(600);
    dialog.onCancel();
    QCOMPARE(DocumentManager::getAutobackupTimeout(), 90);
    page->initValues();
    QCOMPARE(page->intervalBox()->value(), 90);
}

void tst_DesignerDocument::dragOnStageIsOneUndoableMove()
{
    DesignerDocument document;
    QVERIFY(document.initNewDocument(400, 300, 24, false));
    QVERIFY(document.addShape(0, int(ZenubShape::Type::Rectangle)));
    DesignerEditorWidget widget;
    widget.setDocument(&document);
    widget.resize(900, 700);
    widget.show();
    QVERIFY(QTest::qWaitForWindowExposed(&widget));
    StageWidget* stage = widget.getStage();
    const ShapeRef ref{0, 0, 0};
    const ZenubKeyframe before = stateOf(document, ref, 0);
    const QPointF centre(before.getX() + before.getWidth() / 2,
                         before.getY() + before.getHeight() / 2);
    const QPoint press = stage->fromStage(centre).toPoint();
    const QPoint release = stage->fromStage(centre + QPointF(50, 25)).toPoint();
    const int steps = document.getUndoStack()->count();

    QTest::mousePress(stage, Qt::LeftButton, Qt::NoModifier, press);
    QCOMPARE(stage->getSelection(), ref);
    QTest::mouseMove(stage, (press + release) / 2);
    QTest::mouseMove(stage, release);
    QCOMPARE(document.getUndoStack()->count(), steps);
    QTest::mouseRelease(stage, Qt::LeftButton, Qt::NoModifier, release);
    QCOMPARE(document.getUndoStack()->count(), steps + 1);
    const ZenubKeyframe after = stateOf(document, ref, 0);
    QVERIFY(qAbs(after.getX() - before.getX() - 50) < 2);
    QVERIFY(qAbs(after.getY() - before.getY() - 25) < 2);

    // A click without motion selects but records nothing; a click on the empty stage clears.
    QTest::mouseClick(stage, Qt::LeftButton, Qt::NoModifier, release);
    QCOMPARE(document.getUndoStack()->count(), steps + 1);
    QTest::mouseClick(stage, Qt::LeftButton, Qt::NoModifier, stage->fromStage({2, 2}).toPoint());
    QVERIFY(!stage->getSelection().isValid());

    document.getUndoStack()->undo();
    QCOMPARE(stateOf(document, ref, 0), before);
}

void tst_DesignerDocument::closeCommandServesEditorContext()
{
    TestEnvironment environment;
    environment.createMainWindow();
    auto* document = new DesignerDocument;
    QVERIFY(document->initNewDocument(200, 100, 10, false));
    auto* editor = new DesignerEditor;
    editor->setDocument(document);
    emit document->aboutToOpen();
    QSignalSpy closing(document, &IDocument::requestClosing);

    ContextAction* close = ActionManager::getAction(QStringLiteral("File.Close"));
    QVERIFY(close);
    ActionManager::setContext(editor->getWidget());
    close->getAction()->trigger();
    QCOMPARE(closing.count(), 1);
    QCOMPARE(closing.at(0).at(0).toBool(), true);

    // A modified project asks first; Cancel keeps it open.
    QVERIFY(document->addScene());
    ModalAnswerer answerer;
    answerer.answer(QMessageBox::Cancel);
    close->getAction()->trigger();
    QCOMPARE(answerer.answered(), 1);
    QCOMPARE(closing.count(), 1);

    ActionManager::setContext(nullptr);
    delete editor;
    delete document;
    // A deleted editor must leave no context behind that points at its widget.
    for (const Context& context : ContextManager::getContexts())
        QVERIFY(context.id != DesignerEditor::contextId());
}

void tst_DesignerDocument::editorLivesInWorkspace()
{
    TestEnvironment environment;
    MainWindow* window = environment.createMainWindow();
    auto* area = qobject_cast<QMdiArea*>(window->centralWidget());
    if (!area) {
        area = new QMdiArea;
        window->setCentralWidget(area);
    }
    window->show();
    QTemporaryDir dir;
    auto* document = new DesignerDocument;
    document->setFileName(dir.filePath(QStringLiteral("Tabbed.zenub")));
    QVERIFY(document->initNewDocument(200, 100, 10, false));
    QVERIFY(document->save());
    auto* editor = new DesignerEditor;
    editor->setDocument(document);
    emit document->aboutToOpen();
    QCOMPARE(area->subWindowList().size(), 1);
    QMdiSubWindow* sub = area->subWindowList().constFirst();
    QCOMPARE(sub->widget(), editor->getWidget());
    QCOMPARE(sub->windowTitle(), QStringLiteral("Tabbed[*]"));
    QCOMPARE(sub->windowFilePath(), document->getFileName());
    QVERIFY(!sub->isWindowModified());
    QVERIFY(document->addScene());
    QVERIFY(sub->isWindowModified());

    // Closing the tab asks first; Cancel keeps everything.
    QSignalSpy closing(document, &IDocument::requestClosing);
    ModalAnswerer answerer;
    answerer.answer(QMessageBox::Cancel);
    sub->close();
    QCOMPARE(answerer.answered(), 1);
    QCOMPARE(closing.count(), 0);
    QCOMPARE(area->subWindowList().size(), 1);
    answerer.answer(QMessageBox::No);
    sub->close();
    QCOMPARE(closing.count(), 1);

    delete editor;
    QVERIFY(area->subWindowList().isEmpty());
    delete document;
}

void tst_DesignerDocument::welcomeAddress_data()
{
    QTest::addColumn<QString>("theme");
    QTest::addColumn<QString>("address");
    QTest::newRow("dark") << "Dark"
                          << "qrc:///welcome/index.html?port=4711";
    QTest::newRow("none stored") << ""
                                 << "qrc:///welcome/index.html?port=4711";
    QTest::newRow("light") << "Light"
                           << "qrc:///welcome/index.html?port=4711&theme=light";
    QTest::newRow("light, any case") << "zenub_LIGHT"
                                     << "qrc:///welcome/index.html?port=4711&theme=light";
}

void tst_DesignerDocument::welcomeAddress()
{
    QFETCH(QString, theme);
    QFETCH(QString, address);
    QCOMPARE(WelcomeView::pageUrl(4711, theme), QUrl(address));
}

QTEST_MAIN(tst_DesignerDocument)
#include "tst_designerdocument.moc"
