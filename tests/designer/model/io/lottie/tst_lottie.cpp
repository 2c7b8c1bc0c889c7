// SPDX-License-Identifier: MIT
#include "lottieharness.h"

#include <model/io/lottie/lottieexporter.h>
#include <model/io/lottie/lottieimporter.h>
#include <model/io/lottie/lottiereader.h>
#include <model/io/zenub/zenubprojectfile.h>
#include <model/project/zenubproject.h>

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

Q_DECLARE_METATYPE(ZenubProperty)

namespace {

// Each fixture once: exported projects are checked with the validator and drawn by lottie-web
// beside the editor's frames. Shapes must agree within 1 % of the pixels (pixelmatch's own
// threshold; anti-aliased edge pixels are not counted). Texts get 2 %: the browser places
// glyphs by its own hinting and kerning. Lottie files written by hand (import/) are opened as
// projects, and the editor's frames of those must be within 2 % of lottie-web's drawing.
struct Fixture
{
    const char* file;
    QVector<int> frames;
    double tolerance = 0.01;
    bool outlines = false;
};

bool isImport(const Fixture& entry)
{
    return QByteArray(entry.file).endsWith(".json");
}

QString jobName(const Fixture& entry)
{
    return QFileInfo(QLatin1String(entry.file)).completeBaseName() + (isImport(entry)  ? "-import"
                                                                      : entry.outlines ? "-outlines"
                                                                                       : "");
}

const QVector<Fixture>& exports()
{
    static const QVector<Fixture> table = {
        {"shapes.zenub", {0}},
        {"paints.zenub", {0}},
        {"groups.zenub", {0}},
        {"texts.zenub", {0}, 0.02},
        {"texts.zenub", {0}, 0.01, true},
        {"images.zenub", {0}},
        {"scenes.zenub", {0, 7, 12, 19, 20, 25, 29}},
        {"tracks.zenub", {0, 6, 12, 20, 24, 30, 36, 47}, 0.02},
        // Glyph outlines leave no room for hinting: a text drawn a size off shows here.
        {"tracks.zenub", {0, 12, 24, 36}, 0.003, true},
        {"import/shapes.json", {0}, 0.02},
        {"import/motion.json", {0, 5, 8, 12, 15, 16, 23}, 0.02},
    };
    return table;
}

// Shapes (groups' members too) of the shown layers by name, with their keyframes' frames in
// the whole animation.
QMultiMap<QString, QSet<int>> contents(const ZenubProject& project)
{
    QMultiMap<QString, QSet<int>> found;
    int start = 0;
    std::function<void(const ZenubShape&)> add = [&](const ZenubShape& shape) {
        QSet<int> frames;
        for (const ZenubKeyframe& key : shape.getKeyframes())
            frames << start + key.getFrame();
        found.insert(shape.getName(), frames);
        for (const ZenubShape& member : shape.getMembers())
            add(member);
    };
    for (const ZenubScene& scene : project.getScenes()) {
        for (const ZenubLayer& layer : scene.getLayers())
            if (layer.isVisible())
                for (const ZenubShape& shape : layer.getShapes())
                    add(shape);
        start += scene.getDuration();
    }
    return found;
}

// The first shape of \a before that \a after lost, or lost a key of; empty when none.
QString lost(const QMultiMap<QString, QSet<int>>& before,
             const QMultiMap<QString, QSet<int>>& after)
{
    for (auto shape = before.cbegin(); shape != before.cend(); ++shape) {
        bool kept = false;
        for (const QSet<int>& frames : after.values(shape.key()))
            kept = kept || frames.contains(shape.value());
        if (!kept)
            return shape.key();
    }
    return QString();
}

// The part of the pixels where the two pictures differ by more than anti-aliasing does.
double differing(const QImage& a, const QImage& b)
{
    if (a.size() != b.size())
        return 1;
    qint64 count = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            count += std::max({qAbs(qRed(p) - qRed(q)), qAbs(qGreen(p) - qGreen(q)),
                               qAbs(qBlue(p) - qBlue(q))}) > 32;
        }
    return double(count) / (a.width() * a.height());
}

// A track's keys as "frame easing; ...; frame" (the last key's easing leads nowhere).
QString keysOf(const ZenubShape& shape, ZenubProperty property)
{
    QStringList keys;
    shape.tracks().visit(property, [&keys](const auto& track) {
        for (const auto& key : track.keys()) {
            const ZenubEasing& e = key.easing;
            QString easing = ZenubEasing::typeName(e.getType());
            if (e.getType() == ZenubEasing::Type::CubicBezier)
                easing +=
                    QStringLiteral("(%1,%2,%3,%4)").arg(e.x1()).arg(e.y1()).arg(e.x2()).arg(e.y2());
            keys << QString::number(key.frame) + QLatin1Char(' ') + easing;
        }
    });
    if (!keys.isEmpty())
        keys.last() = keys.constLast().section(QLatin1Char(' '), 0, 0);
    return keys.join(QLatin1String("; "));
}

QString fixture(const char* name)
{
    return QDir(QStringLiteral(FIXTURES)).filePath(QLatin1String(name));
}

} // namespace

class tst_Lottie : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void exported_data();
    void exported();
    void roundTrip_data();
    void roundTrip();
    void keepsTracks_data();
    void keepsTracks();
    void opens_data();
    void opens();
    void cleanupTestCase();

private:
    const LottieHarness::Job* job(const QString& name) const
    {
        for (const LottieHarness::Job& job : m_jobs)
            if (job.name == name)
                return &job;
        return nullptr;
    }

    QTemporaryDir m_folder;
    QVector<LottieHarness::Job> m_jobs;
    // Cases that stopped at a failure, the preparation among them.
    int m_unfinished = 1;
};

void tst_Lottie::initTestCase()
{
    // The pictures stay for a look when something failed.
    m_folder.setAutoRemove(false);
    for (const Fixture& entry : exports()) {
        ZenubProject project;
        LottieHarness::Job job;
        job.name = jobName(entry);
        QString error;
        if (isImport(entry)) {
            job.lottie = fixture(entry.file);
            QStringList leftOut;
            QVERIFY2(LottieImporter::importFile(job.lottie, &project, &leftOut, &error),
                     qPrintable(error));
            QVERIFY2(leftOut.isEmpty(), qPrintable(leftOut.join('\n')));
        } else {
            ZenubProjectFile file(fixture(entry.file));
            QVERIFY2(file.load(&project), qPrintable(file.getErrorString()));
            LottieExportOptions options;
            options.textAsOutlines = entry.outlines;
            job.lottie = m_folder.filePath(job.name + ".json");
            QVERIFY2(LottieExporter(project, options).write(job.lottie, &error), qPrintable(error));
        }
        for (const int frame : entry.frames)
            job.frames.append(
                {double(frame), LottieHarness::editorFrame(project, frame), -1, QString()});
        m_jobs.append(job);
    }
    QString error;
    QVERIFY2(LottieHarness::run(m_jobs, m_folder.path(), &error), qPrintable(error));
    m_unfinished = 0;
}

void tst_Lottie::exported_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<double>("tolerance");
    for (const Fixture& entry : exports())
        QTest::newRow(qPrintable(jobName(entry))) << jobName(entry) << entry.tolerance;
}

void tst_Lottie::exported()
{
    QFETCH(QString, name);
    QFETCH(double, tolerance);
    const LottieHarness::Job* exported = job(name);
    QVERIFY(exported);
    ++m_unfinished;
    QVERIFY2(exported->errors.isEmpty(), qPrintable(exported->errors.join('\n')));
    for (const LottieHarness::Frame& frame : exported->frames)
        QVERIFY2(frame.differing >= 0 && frame.differing <= tolerance,
                 qPrintable(QStringLiteral("frame %1 differs in %2 % of its pixels; see %3")
                                .arg(frame.frame)
                                .arg(frame.differing * 100)
                                .arg(frame.drawn)));
    --m_unfinished;
}

void tst_Lottie::roundTrip_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QVector<int>>("frames");
    for (const Fixture& entry : exports())
        if (!entry.outlines && !isImport(entry))
            QTest::newRow(entry.file) << QString::fromLatin1(entry.file) << entry.frames;
}

void tst_Lottie::roundTrip()
{
    QFETCH(QString, file);
    QFETCH(QVector<int>, frames);
    ZenubProject project;
    ZenubProjectFile reader(fixture(qPrintable(file)));
    QVERIFY(reader.load(&project));
    LottieDocument document;
    QString error;
    QVERIFY2(LottieReader::read(LottieExporter(project, {}).toJson(), &document, &error),
             qPrintable(error));
    ZenubProject back;
    QStringList leftOut;
    QVERIFY2(LottieImporter::import(document, &back, &leftOut, &error), qPrintable(error));
    QVERIFY2(leftOut.isEmpty(), qPrintable(leftOut.join('\n')));
    // Scenes after the first need keys where they start and end, and a picture's border is a
    // shape of its own: the round trip may add shapes and keys, never lose one.
    QCOMPARE(lost(contents(project), contents(back)), QString());
    for (const int frame : frames) {
        const double part = differing(LottieHarness::editorFrame(back, frame),
                                      LottieHarness::editorFrame(project, frame));
        QVERIFY2(part <= 0.01,
                 qPrintable(QStringLiteral("frame %1: %2 %").arg(frame).arg(part * 100)));
    }
}

void tst_Lottie::keepsTracks_data()
{
    QTest::addColumn<QString>("shape");
    QTest::addColumn<ZenubProperty>("property");
    QTest::addColumn<QString>("keys");
    // Each track keeps its own keys, frames and easings through the file; where the editor
    // holds (outlines of other node counts), so does the file.
    QTest::newRow("eased over the scene")
        << "Ball" << ZenubProperty::Position << "0 ease-in-out; 47";
    QTest::newRow("other key times") << "Ball" << ZenubProperty::Opacity << "0 linear; 12";
    QTest::newRow("hold") << "Ball" << ZenubProperty::Fill << "0 hold; 24";
    QTest::newRow("first key after the start")
        << "Card" << ZenubProperty::CornerRadius << "6 ease-out; 30";
    QTest::newRow("still, then eased")
        << "Card" << ZenubProperty::StrokeWidth << "0 linear; 20 ease-in; 40";
    QTest::newRow("own curve") << "Card" << ZenubProperty::Stroke
                               << "0 cubic-bezier(0.2,0.9,0.6,0.1); 36";
    QTest::newRow("other node count")
        << "Wave" << ZenubProperty::Path << "0 ease-in-out; 24 hold; 36";
    QTest::newRow("whole numbers") << "Star" << ZenubProperty::Points << "0 linear; 20";
    QTest::newRow("gradient stops") << "Star" << ZenubProperty::Fill << "8 linear; 32";
    QTest::newRow("text colour") << "Title" << ZenubProperty::Fill << "0 linear; 30";
}

void tst_Lottie::keepsTracks()
{
    QFETCH(QString, shape);
    QFETCH(ZenubProperty, property);
    QFETCH(QString, keys);
    ZenubProject project;
    ZenubProjectFile reader(fixture("tracks.zenub"));
    QVERIFY(reader.load(&project));
    LottieDocument document;
    QString error;
    QVERIFY2(LottieReader::read(LottieExporter(project, {}).toJson(), &document, &error),
             qPrintable(error));
    ZenubProject back;
    QStringList leftOut;
    QVERIFY2(LottieImporter::import(document, &back, &leftOut, &error), qPrintable(error));
    for (const ZenubLayer& layer : back.getScenes().constFirst().getLayers())
        for (const ZenubShape& found : layer.getShapes())
            if (found.getName() == shape) {
                QCOMPARE(keysOf(found, property), keys);
                return;
            }
    QFAIL("the shape did not come back");
}

void tst_Lottie::opens_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("error");
    QTest::addColumn<QString>("leftOut");
    const QByteArray head = R"({"fr":24,"ip":0,"op":10,"w":50,"h":50,"layers":)";
    QTest::newRow("not JSON") << QByteArray("{\"fr\":") << "It is not JSON" << QString();
    QTest::newRow("not Lottie") << QByteArray("{\"w\":5}") << "it needs \"layers\"" << QString();
    QTest::newRow("circle")
        << head + R"([{"ty":4,"ind":3,"parent":1,"ip":0,"op":10,"ks":{},"shapes":[]},
        {"ty":3,"ind":1,"parent":2,"ip":0,"op":10,"ks":{}},
        {"ty":3,"ind":2,"parent":1,"ip":0,"op":10,"ks":{}}]})"
        << "lead round in a circle" << QString();
    QTest::newRow("layer number out of range")
        << head + R"([{"ty":3,"ind":5555555555555555555555,"ip":0,"op":10,"ks":{}}]})"
        << "\"layers[0].ind\" is not a layer number" << QString();
    QFile partly(fixture("import/partly.json"));
    QVERIFY(partly.open(QIODevice::ReadOnly));
    QTest::newRow("partly") << partly.readAll() << QString()
                            << "masks (layer \"Masked\"); effects (layer \"Masked\"); trim "
                               "paths (layer \"Masked\", \"Line\")";
}

void tst_Lottie::opens()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, error);
    QFETCH(QString, leftOut);
    const QString name = m_folder.filePath(QStringLiteral("open.json"));
    QFile file(name);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(content) == content.size());
    file.close();
    ZenubProject project;
    QStringList missing;
    QString found;
    QCOMPARE(LottieImporter::importFile(name, &project, &missing, &found), error.isEmpty());
    // The file and the first fault are named; what opens says what it left out, and keeps
    // the rest.
    if (!error.isEmpty())
        QVERIFY2(found.contains(error) && found.contains(name), qPrintable(found));
    else
        QVERIFY2(LottieImporter::leftOutMessage(name, missing).contains(leftOut),
                 qPrintable(missing.join("; ")));
    QCOMPARE(!error.isEmpty() || !project.getScenes().at(0).getLayers().isEmpty(), true);
}

void tst_Lottie::cleanupTestCase()
{
    m_folder.setAutoRemove(m_unfinished == 0);
}

QTEST_MAIN(tst_Lottie)
#include "tst_lottie.moc"
