// SPDX-License-Identifier: MIT
#include <germancatalogue.h>
#include <model/html5/zenubhtmlexporter.h>
#include <model/io/zenub/zenubprojectfile.h>
#include <model/project/zenubproject.h>
#include <testfiles.h>

#include <QJsonDocument>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

using Error = ZenubProjectFile::Error;
Q_DECLARE_METATYPE(ZenubProjectFile::Error)
Q_DECLARE_METATYPE(ZenubEasing)
Q_DECLARE_METATYPE(ZenubShape)

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
    ZenubGuides guides;
    guides.positions(Qt::Horizontal) << 300 << 0.5;
    guides.positions(Qt::Vertical) << -20;
    project.setGuides(guides);

    ZenubShape box(ZenubShape::Type::Rectangle, QStringLiteral("Box"));
    box.setFillColor(QColor(QStringLiteral("#ff8800")));
    box.setKeyframe(keyframe(30, 400.25, 100, 80, 40, 90, 0.5));
    ZenubKeyframe start = keyframe(0, 0.1, 0.2, 80, 40);
    start.setEasing(ZenubEasing::bezier(0.25, -0.5, 0.75, 1.5));
    box.setKeyframe(start);
    box.setStrokeWidth(2.5);
    box.setStrokeColor(QColor(1, 2, 3));
    box.setCornerRadius(6);
    ZenubShape title(ZenubShape::Type::Text, QStringLiteral("Title"));
    title.setText(QStringLiteral("</script><b>Hallo Welt</b> 日本"));
    title.setKeyframe(keyframe(5, 10, 10, 300, 60, -12.5, 1));
    title.setFontFamily(QStringLiteral("serif"));
    title.setFontSize(31);
    ZenubShape picture(ZenubShape::Type::Image, QStringLiteral("Logo"));
    picture.setImageFormat(QStringLiteral("png"));
    picture.setImageData(QByteArray("\x89PNG\r\n\0\xff", 8));
    ZenubLayer hidden(QStringLiteral("Hidden"));
    hidden.setVisible(false);
    hidden.setLocked(true);
    hidden.addShape(picture);
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

ZenubShape boxed(ZenubShape::Type type, const QString& name)
{
    ZenubShape shape(type, name);
    shape.setKeyframe(keyframe(0, 10, 20, 100, 50));
    return shape;
}

// One shape for each thing files hold beyond a box and a colour, each alone.
QVector<QPair<QString, ZenubShape>> newThings()
{
    QVector<QPair<QString, ZenubShape>> things;
    ZenubShape shape = boxed(ZenubShape::Type::Rectangle, QStringLiteral("Faded"));
    ZenubPaint faded(QColor(0x10, 0x20, 0x30));
    faded.setOpacity(0.25);
    shape.setFill(faded);
    things.append({QStringLiteral("fill opacity"), shape});

    shape = boxed(ZenubShape::Type::Ellipse, QStringLiteral("Sun"));
    shape.setFill(ZenubPaint::radial({{0, QColor(0xff, 0xff, 0)}, {1, QColor(0xff, 0x80, 0, 0x40)}},
                                     QPointF(0.5, 0.5), QPointF(1, 0.5)));
    things.append({QStringLiteral("radial gradient"), shape});

    shape = boxed(ZenubShape::Type::Rectangle, QStringLiteral("Dashed"));
    ZenubStroke stroke;
    stroke.setWidth(2);
    stroke.setDashes({4, 2.5, 1});
    stroke.setDashOffset(-3);
    shape.setStroke(stroke);
    things.append({QStringLiteral("dashes"), shape});

    shape = boxed(ZenubShape::Type::Rectangle, QStringLiteral("Round"));
    stroke = ZenubStroke();
    stroke.setWidth(2);
    stroke.setCap(ZenubStroke::Cap::Round);
    stroke.setJoin(ZenubStroke::Join::Bevel);
    stroke.setMiterLimit(4);
    stroke.setPaint(ZenubPaint::linear({{0.5, Qt::red}}, QPointF(0, 0), QPointF(1, 1)));
    shape.setStroke(stroke);
    things.append({QStringLiteral("stroke style"), shape});

    shape = boxed(ZenubShape::Type::Text, QStringLiteral("Words"));
    ZenubTextRun bold(QStringLiteral("bold"));
    bold.bold = true;
    bold.color = QColor(0x80, 0, 0);
    bold.size = 30;
    bold.family = QStringLiteral("serif");
    ZenubText text = shape.getTextContent();
    text.setRuns({ZenubTextRun(QStringLiteral("One\nTwo ")), bold});
    shape.setTextContent(text);
    things.append({QStringLiteral("styled run"), shape});

    shape = boxed(ZenubShape::Type::Text, QStringLiteral("Column"));
    text = ZenubText();
    text.setPlainText(QStringLiteral("left"));
    text.setAlignment(ZenubText::Alignment::Left);
    text.setBoxMode(ZenubText::BoxMode::Wrap);
    text.setLineSpacing(1.5);
    shape.setTextContent(text);
    things.append({QStringLiteral("text layout"), shape});

    shape = boxed(ZenubShape::Type::Path, QStringLiteral("Curve"));
    ZenubPath path;
    path.setFillRule(ZenubPath::FillRule::EvenOdd);
    path.addSubpath({ZenubPathNode(QPointF(0, 1)),
                     ZenubPathNode(QPointF(0.5, 0), QPointF(0.25, 0), QPointF(0.75, 0), true),
                     ZenubPathNode(QPointF(1, 1))},
                    true);
    path.addSubpath({ZenubPathNode(QPointF(-0.5, 2))}, false);
    shape.setPath(path);
    things.append({QStringLiteral("path"), shape});

    shape = boxed(ZenubShape::Type::Star, QStringLiteral("Star"));
    shape.setPoints(7);
    shape.setInnerRadius(0.25);
    shape.setRoundness(0.5);
    things.append({QStringLiteral("star"), shape});

    shape = boxed(ZenubShape::Type::Group, QStringLiteral("Pair"));
    shape.setContentSize(QSizeF(100, 50));
    shape.setMembers({things.at(0).second, things.at(6).second});
    things.append({QStringLiteral("group"), shape});

    // Every track keyed twice, on frames of its own, with every kind of easing.
    shape = things.at(6).second;
    shape.setName(QStringLiteral("Keyed"));
    const ZenubEasing easings[] = {ZenubEasing(ZenubEasing::Type::Hold),
                                   ZenubEasing(ZenubEasing::Type::EaseOut),
                                   ZenubEasing::bezier(0.1, -2, 0.9, 3), ZenubEasing()};
    const ZenubPaint sky = ZenubPaint::linear({{0, Qt::blue}, {0.75, QColor(1, 2, 3, 4)}},
                                              QPointF(0.5, 0), QPointF(0.5, 1));
    int frame = 1;
    for (const ZenubProperty property : ZenubProperties::all()) {
        ZenubShapeTracks& tracks = shape.tracks();
        const QVariant second = property == ZenubProperty::Fill || property == ZenubProperty::Stroke
                                    ? QVariant::fromValue(sky)
                                    : tracks.visit(property, [](const auto& track) {
                                          return QVariant::fromValue(track.value());
                                      });
        tracks.keyAt(frame, {property});
        tracks.setEasing(property, frame, easings[frame % 4]);
        tracks.setKey(property, frame * 3, second, easings[(frame + 1) % 4]);
        ++frame;
    }
    things.append({QStringLiteral("tracks"), shape});
    return things;
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
        QCOMPARE(root.value(QStringLiteral("version")).toInt(), 4);

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
        // Refused before anything else is read: the content here would be damaged.
        QTest::newRow("newer version")
            << "file"
            << QByteArray(R"({"format":"zenub-project","version":5,"project":{"scenes":7}})")
            << Error::NewerVersion << "(format version 5)";
        // A version number of 309 digits is cut, not printed whole.
        QTest::newRow("newer version past reason")
            << "file" << QByteArray(R"({"format":"zenub-project","version":1e308,"project":{}})")
            << Error::NewerVersion << "(format version 100000000\u2026)";
        QTest::newRow("link in a loop")
            << "loop" << QByteArray() << Error::ReadFailed << "a link that leads round in a loop";
        QTest::newRow("link to nothing")
            << "dangling" << QByteArray() << Error::FileNotFound << "is a link to";
        QTest::newRow("unknown easing")
            << "file" << shape(R"({"keyframes":[{"easing":"bounce"}]})") << Error::InvalidContent
            << "\"project.scenes[0].layers[0].shapes[0].keyframes[0].easing\" must be";
        const auto tracked = [&project](const QByteArray& tracks) -> QByteArray {
            QByteArray file =
                project(R"({"scenes":[{"layers":[{"shapes":[{"tracks":)" + tracks + "}]}]}]}");
            return file.replace(R"("version":1)", R"("version":4)");
        };
        QTest::newRow("unknown property")
            << "file" << tracked(R"({"colour":[]})") << Error::InvalidContent
            << "\"project.scenes[0].layers[0].shapes[0].tracks.colour\" names no property";
        QTest::newRow("two keyframes of a track on one frame")
            << "file" << tracked(R"({"opacity":[{"frame":3,"value":0},{"frame":3,"value":1}]})")
            << Error::InvalidContent
            << "\"project.scenes[0].layers[0].shapes[0].tracks.opacity[1]\" repeats frame 3";
        QTest::newRow("corners of a keyframe out of range")
            << "file" << tracked(R"({"points":[{"frame":0,"value":2}]})") << Error::InvalidContent
            << "\"project.scenes[0].layers[0].shapes[0].tracks.points[0].value\" must lie "
               "between 3 and 1000";
        QTest::newRow("rate fraction")
            << "file" << project(R"({"frameRate":29.97})") << Error::InvalidContent
            << "\"project.frameRate\" must be a whole number";
        QTest::newRow("unknown shape")
            << "file" << shape(R"({"type":"hexagon"})") << Error::InvalidContent
            << "\"project.scenes[0].layers[0].shapes[0].type\" must be "
               "one of: rectangle, ellipse, text, image, path, polygon, star, group";
        QTest::newRow("two corners")
            << "file" << shape(R"({"type":"polygon","points":2})") << Error::InvalidContent
            << "\"project.scenes[0].layers[0].shapes[0].points\" must lie between 3 and 1000";
        QTest::newRow("negative dash")
            << "file" << shape(R"({"strokeWidth":1,"strokeDashes":[4,-1]})")
            << Error::InvalidContent
            << "\"project.scenes[0].layers[0].shapes[0].strokeDashes[1]\" must lie between";
        QTest::newRow("stop beyond the end")
            << "file" << shape(R"({"fill":{"type":"linear","stops":[{"offset":1.5}]}})")
            << Error::InvalidContent
            << "\"project.scenes[0].layers[0].shapes[0].fill.stops[0].offset\"";
        QByteArray nested = R"({"type":"rectangle"})";
        for (int depth = 0; depth <= ZenubShape::maximumGroupDepth(); ++depth)
            nested = R"({"type":"group","members":[)" + nested + "]}";
        QTest::newRow("groups nested without end")
            << "file" << shape(nested) << Error::InvalidContent << "nests groups more than 32 deep";
        QTest::newRow("picture not in the table")
            << "file" << shape(R"({"type":"image","picture":"0123"})") << Error::InvalidContent
            << "\"project.scenes[0].layers[0].shapes[0].picture\" names no image";
        // Scenes are read side by side; the first fault in the file is the one named.
        QTest::newRow("first of two faulty scenes")
            << "file"
            << project(R"({"scenes":[{},{"layers":[{"shapes":[{"type":"hexagon"}]}]},7]})")
            << Error::InvalidContent << "\"project.scenes[1].layers[0].shapes[0].type\"";
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
        else if (setup != QLatin1String("missing"))
            QVERIFY(
                QFile::link(setup == QLatin1String("loop") ? path : dir.filePath("gone"), path));
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
    void savesEveryKind_data()
    {
        QTest::addColumn<ZenubShape>("shape");
        for (const auto& thing : newThings())
            QTest::newRow(qPrintable(thing.first)) << thing.second;
    }
    void savesEveryKind()
    {
        QFETCH(ZenubShape, shape);
        ZenubProject project = ZenubProject::createNew(QStringLiteral("P"), 200, 100, 10);
        project.scenes()[0].layers()[0].addShape(shape);
        const QByteArray bytes = ZenubProjectFile::toBytes(project);
        QCOMPARE(QJsonDocument::fromJson(bytes).object().value(QStringLiteral("version")).toInt(),
                 4);
        ZenubProject read;
        ZenubProjectFile file(QStringLiteral("p.zenub"));
        QVERIFY2(file.parse(bytes, &read), qPrintable(file.getErrorString()));
        QVERIFY(read == project);
        QCOMPARE(ZenubProjectFile::toBytes(read), bytes);
    }
    void opensEachVersion_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<ZenubShape>("shape");
        // Each file's shape has one keyframe, at frame 0.
        const auto moving = [](ZenubShape shape) {
            shape.setKeyframe(keyframe(0, 10, 20, 100, 50));
            return shape;
        };
        ZenubShape shape(ZenubShape::Type::Text, QStringLiteral("T"));
        shape.setText(QStringLiteral("Hi"));
        shape.setFillColor(QColor(0x10, 0x20, 0x30, 0x40));
        QTest::newRow("1") << "version1.zenub" << moving(shape);
        shape = ZenubShape(ZenubShape::Type::Rectangle, QStringLiteral("R"));
        shape.setStrokeWidth(3);
        shape.setStrokeColor(QColor(0, 0, 0xff));
        shape.setCornerRadius(4);
        QTest::newRow("2") << "version2.zenub" << moving(shape);
        ZenubShape group = newThings().at(8).second;
        group.tracks() = ZenubShape().tracks();
        QTest::newRow("3") << "version3.zenub" << moving(group);
    }
    void opensEachVersion()
    {
        QFETCH(QString, file);
        QFETCH(ZenubShape, shape);
        ZenubProject project;
        ZenubProjectFile reader(QStringLiteral(VERSIONS_DIR "/") + file);
        QVERIFY2(reader.load(&project), qPrintable(reader.getErrorString()));
        const ZenubShape& read = project.getScenes()[0].getLayers()[0].getShapes()[0];
        QVERIFY(read == shape);
        // The old keyframe is a keyframe of every property it held; the others have none.
        QStringList keyed;
        read.tracks().forEach([&keyed](ZenubProperty property, const auto& track) {
            QStringList keys;
            for (const auto& key : track.keys())
                keys << QStringLiteral("%1 %2").arg(key.frame).arg(
                    ZenubEasing::typeName(key.easing.getType()));
            if (!keys.isEmpty())
                keyed << ZenubProperties::name(property) + QLatin1String(": ") + keys.join(", ");
        });
        QCOMPARE(keyed, QStringList({"position: 0 linear", "size: 0 linear", "rotation: 0 linear",
                                     "opacity: 0 linear"}));
        // A version 4 file holds the same.
        ZenubProject again;
        QVERIFY(reader.parse(ZenubProjectFile::toBytes(project), &again));
        QVERIFY(again == project);
    }
    void olderVersionOpens()
    {
        // Written before outlines and images existed: everything takes its default. Each old
        // keyframe becomes a keyframe of every property of the box, with its easing.
        ZenubProject project;
        ZenubProjectFile file(QStringLiteral("old.zenub"));
        QVERIFY2(file.parse(R"({"format":"zenub-project","version":1,"project":{"scenes":[
            {"layers":[{"shapes":[{"type":"rectangle","keyframes":[{"frame":0,"x":0},
            {"frame":10,"x":100,"easing":"hold"},{"frame":20,"x":0,"opacity":0.5}]}]}]}]}})",
                            &project),
                 qPrintable(file.getErrorString()));
        const ZenubShape& shape = project.getScenes()[0].getLayers()[0].getShapes()[0];
        QCOMPARE(shape.getStrokeWidth(), 0.0);
        for (const ZenubProperty property : ZenubProperties::all()) {
            const QVector<int> frames =
                ZenubProperties::isBox(property) ? QVector<int>{0, 10, 20} : QVector<int>();
            QCOMPARE(shape.tracks().keyFrames(property), frames);
        }
        QCOMPARE(shape.tracks().easing(ZenubProperty::Opacity, 10),
                 ZenubEasing(ZenubEasing::Type::Hold));
        ZenubShapeState state;
        QVERIFY(shape.stateAt(5, &state));
        QCOMPARE(state.box.getX(), 50.0);
        QVERIFY(shape.stateAt(19, &state));
        QCOMPARE(state.box.getX(), 100.0);
        QCOMPARE(state.box.getOpacity(), 1.0);
    }
    void picturesAreStoredOnce()
    {
        // Version 2 kept a copy in every shape that showed the picture.
        const QByteArray logo = QByteArray("\x89PNG\r\n\x1a\nlogo").toBase64();
        const QByteArray photo = QByteArray("\xff\xd8\xffphoto").toBase64();
        const auto image = [](const QByteArray& data, const QString& format) {
            return QJsonObject{
                {"type", "image"}, {"imageFormat", format}, {"image", QString::fromLatin1(data)}};
        };
        const auto scene = [](const QJsonArray& shapes) {
            return QJsonObject{{"layers", QJsonArray{QJsonObject{{"shapes", shapes}}}}};
        };
        const QJsonArray scenes{
            scene({image(logo, "png"), image(photo, "jpeg"), image(logo, "png")}),
            scene({image(logo, "png")})};
        const QJsonObject old{{"format", "zenub-project"},
                              {"version", 2},
                              {"project", QJsonObject{{"scenes", scenes}}}};
        ZenubProject project;
        ZenubProjectFile file(QStringLiteral("old.zenub"));
        QVERIFY2(file.parse(QJsonDocument(old).toJson(), &project),
                 qPrintable(file.getErrorString()));
        const QByteArray saved = ZenubProjectFile::toBytes(project);
        QCOMPARE(saved.count(logo), 1);
        QCOMPARE(saved.count(photo), 1);
        ZenubProject again;
        QVERIFY2(file.parse(saved, &again), qPrintable(file.getErrorString()));
        QVERIFY(again == project);
    }
    void savesOnlyWhatOpensAgain_data()
    {
        QTest::addColumn<int>("over");
        QTest::newRow("at the limit") << 0;
        QTest::newRow("one byte past it") << 1;
    }
    void savesOnlyWhatOpensAgain()
    {
        QFETCH(int, over);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Big.zenub"));
        QVERIFY(ZenubProjectFile(path).save(sampleProject()));
        const QByteArray before = readFile(path);

        ZenubProject project = ZenubProject::createNew(QString(), 640, 480, 25);
        for (int i = 0; i < 3; ++i) {
            ZenubShape photo(ZenubShape::Type::Image, QStringLiteral("Photo %1").arg(i + 1));
            photo.setImageFormat(QStringLiteral("jpeg"));
            photo.setImageData(QByteArray((12 + i) << 20, char('a' + i)));
            project.scenes()[0].layers()[0].addShape(photo);
        }
        // Each letter of the name adds one byte: the file is brought to the limit, or past it.
        const qint64 size = ZenubProjectFile::maximumFileSize + over;
        project.setName(QString(int(size - ZenubProjectFile::encodedSize(project)), 'x'));
        QCOMPARE(ZenubProjectFile::encodedSize(project), size);

        ZenubProjectFile file(path);
        QCOMPARE(file.save(project), !over);
        if (over) {
            QCOMPARE(file.getError(), Error::TooLarge);
            const QString message = file.getErrorString();
            for (const QString& part :
                 {QLocale().formattedDataSize(size, 1), QStringLiteral("\"Photo 3\" (14.0 MiB)")})
                QVERIFY2(message.contains(part), qPrintable(message));
            QCOMPARE(readFile(path), before);
            QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"Big.zenub"});
            return;
        }
        ZenubProject loaded;
        QVERIFY2(ZenubProjectFile(path).load(&loaded), qPrintable(file.getErrorString()));
        QVERIFY(loaded == project);
    }
    void easedStates_data()
    {
        QTest::addColumn<ZenubEasing>("easing");
        QTest::addColumn<double>("frame");
        QTest::addColumn<double>("x");
        // Keyframes at 10 (x 0) and 20 (x 100); references from an independent solution.
        QTest::newRow("before the first") << ZenubEasing(ZenubEasing::Type::EaseIn) << 0.0 << 0.0;
        QTest::newRow("linear") << ZenubEasing() << 12.5 << 25.0;
        QTest::newRow("ease-in") << ZenubEasing(ZenubEasing::Type::EaseIn) << 15.0
                                 << 31.535681257253945;
        QTest::newRow("ease-out") << ZenubEasing(ZenubEasing::Type::EaseOut) << 15.0
                                  << 68.46431874274606;
        QTest::newRow("ease-in-out")
            << ZenubEasing(ZenubEasing::Type::EaseInOut) << 12.5 << 12.91619310473198;
        QTest::newRow("own curve, below 0")
            << ZenubEasing::bezier(0.5, -0.5, 0.5, 1.5) << 12.5 << -3.8214913949964575;
        QTest::newRow("at the last") << ZenubEasing(ZenubEasing::Type::EaseOut) << 20.0 << 100.0;
        QTest::newRow("hold, just before the next")
            << ZenubEasing(ZenubEasing::Type::Hold) << 19.9 << 0.0;
        QTest::newRow("hold, on the next") << ZenubEasing(ZenubEasing::Type::Hold) << 20.0 << 100.0;
    }
    void easedStates()
    {
        QFETCH(ZenubEasing, easing);
        QFETCH(double, frame);
        QFETCH(double, x);
        ZenubShape shape;
        ZenubKeyframe from = keyframe(10, 0, 0, 10, 10);
        from.setEasing(easing);
        shape.setKeyframe(from);
        shape.setKeyframe(keyframe(20, 100, 0, 10, 10));
        ZenubKeyframe state;
        QVERIFY(shape.stateAt(frame, &state));
        QVERIFY2(qAbs(state.getX() - x) < 1e-9, qPrintable(QString::number(state.getX(), 'g', 17)));
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

        // The project, the banner options and the player, each closed once: the shape text
        // "</script>" cannot end the data early.
        QCOMPARE(html.count(QLatin1String("<script")), 3);
        QCOMPARE(html.count(QLatin1String("</script>")), 3);
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
