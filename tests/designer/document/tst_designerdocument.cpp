// SPDX-License-Identifier: MIT
#include <modalanswerer.h>
#include <testenvironment.h>
#include <testfiles.h>

#include "document/designerdocument.h"
#include "editor/designereditor.h"
#include "editor/designereditorwidget.h"
#include "model/io/zenub/zenubprojectfile.h"
#include "stage/stagewidget.h"

#include <mainwindow/mainwindow.h>

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QUndoStack>
#include <QtTest>

namespace {

ZenubKeyframe stateOf(const DesignerDocument& document, const ShapeRef& ref, int frame)
{
    ZenubKeyframe state;
    const ZenubShape* shape = document.shapeAt(ref);
    if (shape)
        shape->stateAt(frame, &state);
    return state;
}

} // namespace

class tst_DesignerDocument : public QObject
{
    Q_OBJECT
private slots:
    void editsUndoExactly_data()
    {
        QTest::addColumn<QString>("edit");
        QTest::addColumn<bool>("applies");
        QTest::newRow("add rectangle") << "addRectangle" << true;
        QTest::newRow("add to missing scene") << "addToScene9" << false;
        QTest::newRow("rename to blank") << "renameBlank" << false;
        QTest::newRow("rename to same") << "renameSame" << false;
        QTest::newRow("scene length zero") << "durationZero" << false;
        QTest::newRow("same colour") << "colourSame" << false;
        QTest::newRow("keyframe before start") << "keyframeNegative" << false;
    }
    void editsUndoExactly()
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
        else if (edit == "renameBlank")
            result = document.renameScene(0, QStringLiteral("  "));
        else if (edit == "renameSame")
            result = document.renameScene(0, before.getScenes().at(0).getName());
        else if (edit == "durationZero")
            result = document.setSceneDuration(0, 0);
        else if (edit == "colourSame")
            result = document.setShapeColor(title, 5, titleColor);
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
    }
    void newerBackupIsOffered_data()
    {
        QTest::addColumn<int>("backupAgeSeconds"); // negative: the backup is newer than the file
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("asked");
        QTest::addColumn<bool>("recovered");
        QTest::newRow("newer, recover") << -60 << int(QMessageBox::Yes) << true << true;
        QTest::newRow("newer, decline") << -60 << int(QMessageBox::No) << true << false;
        QTest::newRow("older") << 60 << int(QMessageBox::Yes) << false << false;
    }
    void newerBackupIsOffered()
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
    void dragOnStageIsOneUndoableMove()
    {
        DesignerDocument document;
        QVERIFY(document.initNewDocument(400, 300, 24, false));
        QVERIFY(document.addShape(0, int(ZenubShape::Type::Rectangle)));
        DesignerEditorWidget widget;
        widget.setDocument(&document);
        // Large enough that snapping, which reaches 6 screen pixels, leaves the 50 pixels whole.
        widget.resize(1300, 900);
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
        QTest::mouseClick(stage, Qt::LeftButton, Qt::NoModifier,
                          stage->fromStage({2, 2}).toPoint());
        QVERIFY(!stage->getSelection().isValid());

        document.getUndoStack()->undo();
        QCOMPARE(stateOf(document, ref, 0), before);
    }
};

QTEST_MAIN(tst_DesignerDocument)
#include "tst_designerdocument.moc"
