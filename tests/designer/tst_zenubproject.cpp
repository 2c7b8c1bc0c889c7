#include <germancatalogue.h>
#include <project/zenubhtmlexporter.h>
#include <project/zenubproject.h>
#include <project/zenubprojectfile.h>
#include <testfiles.h>

#include <QJsonDocument>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

using Error = ZenubProjectFile::Error;
Q_DECLARE_METATYPE(ZenubProjectFile::Error)

namespace {

ZenubKeyframe keyframe(int frame, double x, double y, double width, double height,
                       double rotation = 0, double opacity = 1)
{
    ZenubKeyframe result(frame, x, y, width, height);
    result.setRotation(rotation);
    result.setOpacity(opacity);
    return result;
}

// Touches every field, with values that survive only an exact round trip.
ZenubProject sampleProject()
{
    ZenubProject project =
        ZenubProject::createNew(QStringLiteral("Straße & <Intro> \"one\""), 960, 540, 30);
    project.setBackgroundColor(QColor(0x10, 0x20, 0x30, 0x80));

    ZenubShape box(ZenubShape::Type::Rectangle, QStringLiteral("Box"));
    box.setFillColor(QColor(QStringLiteral("#ff8800")));
    box.setKeyframe(keyframe(30, 400.25, 100, 80, 40, 90, 0.5));
    box.setKeyframe(keyframe(0, 0.1, 0.2, 80, 40));
    ZenubShape title(ZenubShape::Type::Text, QStringLiteral("Title"));
    title.setText(QStringLiteral("</script><b>Hallo Welt</b> 日本"));
    title.setKeyframe(keyframe(5, 10, 10, 300, 60, -12.5, 1));
    ZenubLayer hidden(QStringLiteral("Hidden"));
    hidden.setVisible(false);
    hidden.addShape(ZenubShape(ZenubShape::Type::Ellipse, QStringLiteral("Ghost")));
    project.scenes()[0].layers()[0].addShape(box);
    project.scenes()[0].layers()[0].addShape(title);
    project.scenes()[0].addLayer(hidden);

    ZenubScene outro(QStringLiteral("Outro"), 12);
    ZenubLayer layer(QStringLiteral("Dots"));
    ZenubShape dot(ZenubShape::Type::Ellipse, QStringLiteral("Dot"));
    dot.setFillColor(QColor(0, 255, 0, 10));
    dot.setKeyframe(keyframe(0, 1e-7, 5e5, 0, 1));
    layer.addShape(dot);
    outro.addLayer(layer);
    project.addScene(outro);
    return project;
}

QString writeFile(const QTemporaryDir& dir, const QString& name, const QByteArray& data)
{
    const QString path = dir.filePath(name);
    return writeFile(path, data) ? path : QString();
}

} // namespace

class tst_ZenubProject : public QObject
{
    Q_OBJECT
private slots:
    void roundTripThroughFile()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString path = dir.filePath(QStringLiteral("new folder/Intro.zenub"));
        const ZenubProject original = sampleProject();

        ZenubProjectFile writer(path);
        QVERIFY2(writer.save(original), qPrintable(writer.getErrorString()));
        QCOMPARE(writer.getError(), Error::None);

        const QJsonObject root = QJsonDocument::fromJson(readFile(path)).object();
        QCOMPARE(root.value(QStringLiteral("format")).toString(), QStringLiteral("zenub-project"));
        QCOMPARE(root.value(QStringLiteral("version")).toInt(), 1);

        ZenubProject loaded;
        ZenubProjectFile reader(path);
        QVERIFY2(reader.load(&loaded), qPrintable(reader.getErrorString()));
        QVERIFY(loaded == original);
        QCOMPARE(loaded.getScenes().size(), 2);
        QCOMPARE(loaded.getTotalFrames(), qint64(60 + 12));
        QCOMPARE(loaded.getBackgroundColor().alpha(), 0x80);

        // Saving again over the file gives the same bytes: nothing drifts from one save to the
        // next.
        QVERIFY(ZenubProjectFile(path).save(loaded));
        QCOMPARE(readFile(path), ZenubProjectFile::toBytes(original));
    }
    void loadErrors_data()
    {
        QTest::addColumn<QString>("setup");
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<Error>("error");
        QTest::addColumn<QString>("mentions");

        const auto project = [](const QByteArray& body) -> QByteArray {
            return QByteArray(R"({"format":"zenub-project","version":1,"project":)") + body + '}';
        };
        const auto shape = [&project](const QByteArray& body) -> QByteArray {
            return project(QByteArray(R"({"scenes":[{"layers":[{"shapes":[)") + body +
                           QByteArray("]}]}]}"));
        };

        QTest::newRow("missing file")
            << "missing" << QByteArray() << Error::FileNotFound << "does not exist";
        QTest::newRow("newer version")
            << "file" << QByteArray(R"({"format":"zenub-project","version":2,"project":{}})")
            << Error::NewerVersion << "(format version 2)";
        QTest::newRow("rate fraction")
            << "file" << project(R"({"frameRate":29.97})") << Error::InvalidContent
            << "\"project.frameRate\" must be a whole number";
        QTest::newRow("unknown shape")
            << "file" << shape(R"({"type":"star"})") << Error::InvalidContent
            << "\"project.scenes[0].layers[0].shapes[0].type\" must be "
               "one of: rectangle, ellipse, text";
    }
    void loadErrors()
    {
        QFETCH(QString, setup);
        QFETCH(QByteArray, content);
        QFETCH(Error, error);
        QFETCH(QString, mentions);

        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        // Placeholders in the name must reach the message as they are.
        const QString name = QStringLiteral("Intro %2%3.zenub");
        QString path = dir.filePath(name);
        if (setup == QLatin1String("file"))
            path = writeFile(dir, name, content);
        QVERIFY(!path.isEmpty());

        const ZenubProject before = sampleProject();
        ZenubProject project = before;
        ZenubProjectFile file(path);
        QVERIFY(!file.load(&project));
        QCOMPARE(file.getError(), error);
        QVERIFY2(file.getErrorString().contains(mentions), qPrintable(file.getErrorString()));
        QVERIFY2(file.getErrorString().contains(QDir::toNativeSeparators(path)),
                 qPrintable(file.getErrorString()));
        QVERIFY(project == before);
        // The file is only read, never repaired behind the user's back.
        if (setup == QLatin1String("file"))
            QCOMPARE(readFile(path), content);
    }
    void exportedPageHoldsTheProject()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString folder = dir.filePath(QStringLiteral("web/intro"));
        const ZenubProject project = sampleProject();
        QString error;
        QVERIFY2(ZenubHtmlExporter::exportHtml5(project, folder, &error), qPrintable(error));
        const QString html = QString::fromUtf8(readFile(folder + QStringLiteral("/index.html")));

        QVERIFY(html.startsWith(QLatin1String("<!DOCTYPE html>")));
        QVERIFY(html.contains(QLatin1String("<canvas id=\"stage\" width=\"960\" height=\"540\"")));
        QVERIFY(html.contains(
            QStringLiteral("<title>Straße &amp; &lt;Intro&gt; &quot;one&quot;</title>")));
        QVERIFY(!html.contains(QRegularExpression(QStringLiteral("@[A-Z]+@"))));
        // Self-contained: nothing is fetched from elsewhere.
        QVERIFY(!html.contains(QLatin1String(" src=")));
        QVERIFY(!html.contains(QLatin1String("<link")));

        // Two scripts, each closed once: the shape text "</script>" cannot end the data early.
        QCOMPARE(html.count(QLatin1String("<script")), 2);
        QCOMPARE(html.count(QLatin1String("</script>")), 2);
        const QRegularExpressionMatch data =
            QRegularExpression(
                QStringLiteral(
                    "<script type=\"application/json\" id=\"zenub-project\">(.*?)</script>"),
                QRegularExpression::DotMatchesEverythingOption)
                .match(html);
        QVERIFY(data.hasMatch());
        ZenubProject parsed;
        ZenubProjectFile reader(QStringLiteral("index.html"));
        QVERIFY2(reader.parse(data.captured(1).toUtf8(), &parsed),
                 qPrintable(reader.getErrorString()));
        QVERIFY(parsed == project);

        // A second export replaces the page.
        ZenubProject renamed = project;
        renamed.setName(QStringLiteral("Second"));
        QVERIFY(ZenubHtmlExporter::exportHtml5(renamed, folder));
        QVERIFY(readFile(folder + QStringLiteral("/index.html")).contains("<title>Second</title>"));
    }
};

QTEST_GUILESS_MAIN(tst_ZenubProject)
#include "tst_zenubproject.moc"
