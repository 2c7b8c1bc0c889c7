// SPDX-License-Identifier: MIT
#include <model/io/zenub/zenubjsonwriter.h>
#include <model/io/zenub/zenubprojectfile.h>
#include <model/project/zenubproject.h>
#include <testfiles.h>

#include <QJsonDocument>
#include <QTemporaryDir>
#include <QtTest>

#include <cmath>

namespace {

// Text and a number put into every kind of field the writer formats.
ZenubProject projectWith(const QString& text, double number, int shapes)
{
    ZenubProject project = ZenubProject::createNew(text, 640, 480, 25);
    ZenubLayer& layer = project.scenes()[0].layers()[0];
    for (int i = 0; i < shapes; ++i) {
        ZenubShape shape(ZenubShape::Type::Text, text);
        shape.setText(text);
        shape.setStrokeWidth(std::abs(number));
        ZenubKeyframe keyframe(i % 50, number, -number, std::abs(number), 3);
        keyframe.setRotation(number);
        if (i % 2)
            keyframe.setEasing(ZenubEasing::bezier(0.5, number / 1e6, 0.25, 1));
        shape.setKeyframe(keyframe);
        layer.addShape(shape);
    }
    // Empty lists and an image as well.
    ZenubLayer locked(QStringLiteral("Locked"));
    locked.setLocked(true);
    ZenubShape picture(ZenubShape::Type::Image, QStringLiteral("Logo"));
    picture.setImageData(QByteArray("\x89PNG\r\n\0\xff", 8));
    locked.addShape(picture);
    project.scenes()[0].addLayer(locked);
    project.addScene(ZenubScene(QStringLiteral("Empty"), 1));
    return project;
}

} // namespace

class tst_ProjectStreaming : public QObject
{
    Q_OBJECT
private slots:
    void savesWhatQJsonDocumentWrites_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("number");
        QTest::addColumn<int>("shapes");

        QTest::newRow("plain") << QStringLiteral("Box") << 12.0 << 1;
        QTest::newRow("escapes") << QStringLiteral("a\"b\\c\b\f\n\r\t\x01\x1f\x7f/") << 0.5 << 1;
        QTest::newRow("non-ASCII")
            << QStringLiteral("Straße € 日本 ") + QString::fromUtf8("\xF0\x9F\x98\x80") << 1e-7
            << 1;
        QTest::newRow("lone surrogates")
            << QString(QChar(0xdc00)) + QStringLiteral("x") + QChar(0xd800) << -0.0 << 1;
        QTest::newRow("shortest doubles") << QString() << 0.1 + 0.2 << 1;
        QTest::newRow("whole beyond five digits") << QStringLiteral("n") << 120000.0 << 1;
        QTest::newRow("large fraction") << QStringLiteral("n") << 999999.75 << 1;
        // More than the writer holds before it writes to the file.
        QTest::newRow("several blocks") << QStringLiteral("Shape") << 400.25 << 6000;
    }
    void savesWhatQJsonDocumentWrites()
    {
        QFETCH(QString, text);
        QFETCH(double, number);
        QFETCH(int, shapes);

        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString path = dir.filePath(QStringLiteral("p.zenub"));
        const ZenubProject project = projectWith(text, number, shapes);
        ZenubProjectFile file(path);
        QVERIFY2(file.save(project), qPrintable(file.getErrorString()));
        const QByteArray expected =
            QJsonDocument(ZenubProjectFile::toDocument(project)).toJson(QJsonDocument::Indented);
        QCOMPARE(readFile(path), expected);
        QCOMPARE(ZenubProjectFile::toBytes(project), expected);
        // The same document from its tree, in the compact layout of Lottie files.
        const QJsonObject tree = ZenubProjectFile::toDocument(project);
        ZenubJsonWriter compact(nullptr, ZenubJsonWriter::Layout::Compact);
        compact.value(QJsonValue(tree));
        QCOMPARE(compact.takeBytes(), QJsonDocument(tree).toJson(QJsonDocument::Compact));
    }

    void firstErrorNamed_data()
    {
        QTest::addColumn<QByteArray>("shapes");
        QTest::addColumn<QString>("mentions");

        // Members come sorted from the file; the error named is still the first field read.
        QTest::newRow("type before fill") << QByteArray(R"({"fill":"red","type":"hexagon"})")
                                          << "shapes[0].type\" must be one of";
        QTest::newRow("deep index")
            << QByteArray(R"({},{"keyframes":[{"frame":1},{"frame":2},{"opacity":2,"x":"a"}]})")
            << "\"project.scenes[0].layers[0].shapes[1].keyframes[2].x\" must be a number";
        QTest::newRow("repeated frame")
            << QByteArray(R"({"keyframes":[{"frame":3},{"frame":3}]})")
            << "\"project.scenes[0].layers[0].shapes[0].keyframes[1]\" repeats frame 3";
        QTest::newRow("element not an object")
            << QByteArray(R"({"keyframes":[{}, 5]})")
            << "\"project.scenes[0].layers[0].shapes[0].keyframes[1]\" must be an object";
    }
    void firstErrorNamed()
    {
        QFETCH(QByteArray, shapes);
        QFETCH(QString, mentions);

        ZenubProject project;
        ZenubProjectFile file(QStringLiteral("p.zenub"));
        QVERIFY(!file.parse(
            R"({"format":"zenub-project","version":2,"project":{"scenes":[{"layers":[{"shapes":[)" +
                shapes + "]}]}]}}",
            &project));
        QVERIFY2(file.getErrorString().contains(mentions), qPrintable(file.getErrorString()));
    }
};

QTEST_GUILESS_MAIN(tst_ProjectStreaming)
#include "tst_projectstreaming.moc"
