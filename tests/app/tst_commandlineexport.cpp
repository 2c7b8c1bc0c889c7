// SPDX-License-Identifier: MIT
#include <model/io/zenub/zenubprojectfile.h>
#include <model/project/zenubproject.h>
#include <model/render/framerenderer.h>
#include <testfiles.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPainter>
#include <QProcess>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libswscale/swscale.h>
}

namespace {

// 161 x 90 (an odd width, which H.264 cannot hold as it is) at 12 frames a second. Scene 1,
// 12 frames: a red square crossing the stage over a white "Hi". Scene 2, 6 frames: an ellipse.
ZenubProject exportProject()
{
    ZenubProject project = ZenubProject::createNew(QStringLiteral("Export"), 161, 90, 12);
    project.setBackgroundColor(QColor(0x20, 0x30, 0x40));
    ZenubScene& first = project.scenes()[0];
    first.setDuration(12);
    ZenubShape text(ZenubShape::Type::Text, QStringLiteral("Text"));
    text.setText(QStringLiteral("Hi"));
    text.setFillColor(Qt::white);
    text.setKeyframe(ZenubKeyframe(0, 40, 20, 80, 50));
    ZenubShape square(ZenubShape::Type::Rectangle, QStringLiteral("Square"));
    square.setFillColor(Qt::red);
    square.setKeyframe(ZenubKeyframe(0, 0, 20, 40, 40));
    square.setKeyframe(ZenubKeyframe(11, 121, 20, 40, 40));
    first.layers()[0].shapes() << text << square;
    ZenubScene second(QStringLiteral("Second"), 6);
    second.addLayer(ZenubLayer(QStringLiteral("Layer")));
    ZenubShape ellipse(ZenubShape::Type::Ellipse, QStringLiteral("Ellipse"));
    ellipse.setFillColor(Qt::green);
    ellipse.setKeyframe(ZenubKeyframe(0, 20, 10, 120, 70));
    second.layers()[0].addShape(ellipse);
    project.addScene(second);
    return project;
}

struct Decoded
{
    QVector<QImage> frames;
    QString codec;
    double seconds = 0;
};

// Reads the file back with the libraries that wrote it: every frame as RGB.
Decoded decode(const QString& fileName)
{
    Decoded video;
    AVFormatContext* format = nullptr;
    const AVCodec* decoder = nullptr;
    if (avformat_open_input(&format, qPrintable(fileName), nullptr, nullptr) < 0)
        return video;
    const int stream = avformat_find_stream_info(format, nullptr) < 0
                           ? -1
                           : av_find_best_stream(format, AVMEDIA_TYPE_VIDEO, -1, -1, &decoder, 0);
    AVCodecContext* codec = avcodec_alloc_context3(decoder);
    if (stream >= 0 &&
        avcodec_parameters_to_context(codec, format->streams[stream]->codecpar) >= 0 &&
        avcodec_open2(codec, decoder, nullptr) >= 0) {
        video.codec = QString::fromLatin1(decoder->name);
        video.seconds = format->duration / double(AV_TIME_BASE);
        AVPacket* packet = av_packet_alloc();
        AVFrame* frame = av_frame_alloc();
        const auto receive = [&] {
            while (avcodec_receive_frame(codec, frame) == 0) {
                QImage image(frame->width, frame->height, QImage::Format_ARGB32);
                SwsContext* scaler =
                    sws_getContext(frame->width, frame->height, AVPixelFormat(frame->format),
                                   frame->width, frame->height, AV_PIX_FMT_BGRA,
                                   SWS_BICUBIC | SWS_ACCURATE_RND, nullptr, nullptr, nullptr);
                uint8_t* const target[] = {image.bits()};
                const int stride[] = {int(image.bytesPerLine())};
                sws_scale(scaler, frame->data, frame->linesize, 0, frame->height, target, stride);
                sws_freeContext(scaler);
                video.frames.append(image);
            }
        };
        while (av_read_frame(format, packet) == 0) {
            if (packet->stream_index == stream && avcodec_send_packet(codec, packet) == 0)
                receive();
            av_packet_unref(packet);
        }
        avcodec_send_packet(codec, nullptr);
        receive();
        av_frame_free(&frame);
        av_packet_free(&packet);
    }
    avcodec_free_context(&codec);
    avformat_close_input(&format);
    return video;
}

// How often an animated picture plays by its own header (0 for ever), and its length in
// milliseconds where FFmpeg cannot decode it (animated WebP, which joins equal frames into one).
int headerPlays(const QByteArray& file, int* webpMilliseconds)
{
    const auto le16 = [&file](int at) {
        return quint8(file[at]) | quint8(file[at + 1]) << 8;
    };
    if (file.startsWith("GIF")) {
        // The plays after the first; without the extension the picture plays once.
        const int at = file.indexOf("NETSCAPE2.0");
        return at < 0 ? 1 : le16(at + 13) == 0 ? 0 : le16(at + 13) + 1;
    }
    if (file.startsWith("RIFF")) {
        *webpMilliseconds = 0;
        for (int at = file.indexOf("ANMF"); at >= 0; at = file.indexOf("ANMF", at + 4))
            *webpMilliseconds += qFromLittleEndian<quint32>(file.constData() + at + 20) % (1 << 24);
        const int at = file.indexOf("ANIM");
        return at < 0 ? -1 : le16(at + 12);
    }
    const int at = file.indexOf("acTL");
    return at < 0 ? -1 : qFromBigEndian<quint32>(file.constData() + at + 8);
}

// Mean absolute difference per colour channel, 0 to 255.
double meanDifference(const QImage& a, const QImage& b)
{
    if (a.size() != b.size())
        return 255;
    qint64 sum = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            sum +=
                qAbs(qRed(p) - qRed(q)) + qAbs(qGreen(p) - qGreen(q)) + qAbs(qBlue(p) - qBlue(q));
        }
    return sum / (3.0 * a.width() * a.height());
}

} // namespace

/*! The command-line exports through the real executable, as a build script runs them. */
class tst_CommandLineExport : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void exportsPage();
    void exportsVideo_data();
    void exportsVideo();
    void exportsAnimatedPicture_data();
    void exportsAnimatedPicture();
    void exportsFrames();
    void exportsLottie_data();
    void exportsLottie();
    void failsWithMessage_data();
    void failsWithMessage();
    void outputLinkedToTheProjectIsRefused_data();
    void outputLinkedToTheProjectIsRefused();

private:
    /*! Runs the application with no display at all; returns its exit code. */
    int run(const QStringList& arguments);

    QString m_executable;
    QTemporaryDir m_folder;
    QByteArray m_errors;
};

void tst_CommandLineExport::initTestCase()
{
    m_executable = qEnvironmentVariable("ZENUB_BUILD_DIR") + "/bin/zenub-animate";
    QVERIFY2(QFile::exists(m_executable), qPrintable(m_executable));
    QVERIFY(ZenubProjectFile(m_folder.filePath("export.zenub")).save(exportProject()));
}

int tst_CommandLineExport::run(const QStringList& arguments)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove("DISPLAY");
    process.setProcessEnvironment(environment);
    process.setWorkingDirectory(m_folder.path());
    process.start(m_executable, QStringList{"-settingspath", m_folder.filePath("s")} + arguments);
    const bool bEnded = process.waitForFinished(120000);
    m_errors = process.readAllStandardError();
    return bEnded && process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

void tst_CommandLineExport::exportsPage()
{
    QCOMPARE(run({"--export-html5", "export.zenub", "web"}), 0);
    // The page carries the project it plays; read it back as the player does.
    const QByteArray page = readFile(m_folder.filePath("web/index.html"));
    const int start = page.indexOf('>', page.indexOf("id=\"zenub-project\"")) + 1;
    ZenubProject project;
    ZenubProjectFile reader{QString()};
    QVERIFY2(reader.parse(page.mid(start, page.indexOf("</script>", start) - start), &project),
             qPrintable(reader.getErrorString()));
    QCOMPARE(project, exportProject());
}

void tst_CommandLineExport::exportsVideo_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("codec");
    QTest::addColumn<QSize>("size");
    // H.264 needs even sides: the odd column takes the background colour.
    QTest::newRow("mp4") << "all.mp4"
                         << "h264" << QSize(162, 90);
    QTest::newRow("webm") << "all.webm"
                          << "vp9" << QSize(161, 90);
}

void tst_CommandLineExport::exportsVideo()
{
    QFETCH(QString, name);
    QFETCH(QString, codec);
    QFETCH(QSize, size);
    QCOMPARE(run({"--export-video", "export.zenub", name}), 0);
    QVERIFY2(m_errors.contains("Frame 18 of 18 (100 %)"), m_errors.constData());
    const Decoded video = decode(m_folder.filePath(name));
    QCOMPARE(video.codec, codec);
    // Both scenes one after the other: 18 frames, 1.5 seconds give or take a frame.
    QCOMPARE(video.frames.size(), 18);
    QCOMPARE(video.frames.at(0).size(), size);
    QVERIFY2(qAbs(video.seconds - 1.5) <= 1.0 / 12, qPrintable(QString::number(video.seconds)));

    // Frame 5, the square half way. Lossy coding and halved colour planes blur the edges, so
    // the mean differs by about 1; the square one frame off makes it several times that.
    QImage rendered(size, QImage::Format_RGB32);
    rendered.fill(exportProject().getBackgroundColor());
    QPainter painter(&rendered);
    const ZenubProject project = exportProject();
    FrameRenderer(project).paint(&painter, 0, 5);
    painter.end();
    const double difference = meanDifference(video.frames.at(5), rendered);
    QVERIFY2(difference < 3.0, qPrintable(QString::number(difference)));
    QVERIFY(meanDifference(video.frames.at(4), rendered) > 2 * difference);
}

void tst_CommandLineExport::exportsAnimatedPicture_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<int>("frames");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("plays");
    QTest::addColumn<bool>("transparent");
    QTest::newRow("gif for ever") << QStringList{"all.gif"} << 18 << QSize(161, 90) << 0 << false;
    QTest::newRow("gif once, one scene, clear")
        << QStringList{"once.gif", "--plays", "1", "--scene", "Second", "--transparent"} << 6
        << QSize(161, 90) << 1 << true;
    QTest::newRow("webp half size")
        << QStringList{"half.webp", "--plays", "3", "--scale", "50", "--transparent"} << 18
        << QSize(81, 45) << 3 << true;
    QTest::newRow("apng range") << QStringList{"range.apng", "--frames", "2-7", "--scale", "200"}
                                << 6 << QSize(322, 180) << 0 << false;
}

void tst_CommandLineExport::exportsAnimatedPicture()
{
    QFETCH(QStringList, options);
    QFETCH(int, frames);
    QFETCH(QSize, size);
    QFETCH(int, plays);
    QFETCH(bool, transparent);
    QCOMPARE(run(QStringList{"--export-video", "export.zenub"} + options), 0);
    const QString name = m_folder.filePath(options.first());
    const QByteArray file = readFile(name);
    int webpMilliseconds = -1;
    QCOMPARE(headerPlays(file, &webpMilliseconds), plays);
    if (webpMilliseconds >= 0) {
        // 12 frames a second.
        QVERIFY2(qAbs(webpMilliseconds - frames * 1000 / 12) < 1000 / 12,
                 qPrintable(QString::number(webpMilliseconds)));
        // The canvas's size and its alpha flag.
        QCOMPARE(QSize(qFromLittleEndian<quint32>(file.constData() + 24) % (1 << 24) + 1,
                       qFromLittleEndian<quint32>(file.constData() + 27) % (1 << 24) + 1),
                 size);
        QCOMPARE(bool(file.at(20) & 0x10), transparent);
        return;
    }
    const Decoded picture = decode(name);
    QCOMPARE(picture.frames.size(), frames);
    QCOMPARE(picture.frames.at(0).size(), size);
    // The corner is empty stage at the first frame.
    QCOMPARE(qAlpha(picture.frames.at(0).pixel(0, 0)), transparent ? 0 : 255);
}

void tst_CommandLineExport::exportsFrames()
{
    QCOMPARE(run({"--export-frames", "export.zenub", "frames", "--scene", "Second"}), 0);
    const QDir folder(m_folder.filePath("frames"));
    QCOMPARE(folder.entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot),
             (QStringList{"frame-00000.png", "frame-00001.png", "frame-00002.png",
                          "frame-00003.png", "frame-00004.png", "frame-00005.png"}));
    const ZenubProject project = exportProject();
    const QImage frame(folder.filePath("frame-00003.png"));
    QVERIFY(!frame.hasAlphaChannel());
    QCOMPARE(frame,
             FrameRenderer(project).render(1, 3, QSize(161, 90)).convertToFormat(frame.format()));
}

void tst_CommandLineExport::exportsLottie_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<double>("frames");
    QTest::addColumn<double>("lastStart");
    // Every scene in order: the ellipse's layer starts where the first scene ends.
    QTest::newRow("project") << QStringList{"export.zenub", "all.json"} << 18.0 << 12.0;
    QTest::newRow("scene") << QStringList{"export.zenub", "second.json", "--scene", "Second"} << 6.0
                           << 0.0;
    // A Lottie file is an input too: it opens as one scene.
    QTest::newRow("from Lottie") << QStringList{"all.json", "again.json"} << 18.0 << 0.0;
}

void tst_CommandLineExport::exportsLottie()
{
    QFETCH(QStringList, arguments);
    QFETCH(double, frames);
    QFETCH(double, lastStart);
    QCOMPARE(run(QStringList{"--export-lottie"} + arguments), 0);
    const QJsonObject lottie =
        QJsonDocument::fromJson(readFile(m_folder.filePath(arguments.at(1)))).object();
    QCOMPARE(lottie.value("w").toInt(), 161);
    QCOMPARE(lottie.value("fr").toDouble(), 12.0);
    QCOMPARE(lottie.value("op").toDouble(), frames);
    double start = -1;
    for (const QJsonValue& layer : lottie.value("layers").toArray())
        start = std::max(start, layer.toObject().value("ip").toDouble());
    QCOMPARE(start, lastStart);
}

void tst_CommandLineExport::failsWithMessage_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("message");
    QTest::newRow("html5") << QStringList{"--export-html5", "missing.zenub", "out"}
                           << "missing.zenub does not exist";
    QTest::newRow("video") << QStringList{"--export-video", "missing.zenub", "out.mp4"}
                           << "missing.zenub does not exist";
    QTest::newRow("suffix") << QStringList{"--export-video", "export.zenub", "out.avi"}
                            << "must end in \".mp4\", \".webm\"";
    QTest::newRow("scene") << QStringList{"--export-frames", "export.zenub", "out", "--scene", "X"}
                           << "no scene named \"X\"";
    QTest::newRow("scale") << QStringList{"--export-video", "export.zenub", "out.gif", "--scale",
                                          "201"}
                           << "scale must be a whole number from 50 to 200";
    QTest::newRow("range") << QStringList{"--export-video", "export.zenub", "out.gif", "--frames",
                                          "3-18"}
                           << "frames 3 to 18 are not among the 18 frames";
    QTest::newRow("link") << QStringList{"--export-html5", "export.zenub", "out", "--click-url",
                                         "javascript:alert(1)"}
                          << "is not a web address starting with http:// or https://";
    QTest::newRow("page only") << QStringList{"--export-video", "export.zenub", "out.gif",
                                              "--fallback-frame", "0"}
                               << "--fallback-frame applies only to the HTML5 export";
    QTest::newRow("lottie") << QStringList{"--export-lottie", "export.zenub", "out.json", "--plays",
                                           "2"}
                            << "--plays does not apply to the Lottie export";
    QTest::newRow("no target") << QStringList{"--export-video", "export.zenub"}
                               << "needs a project file and a video file";
}

void tst_CommandLineExport::failsWithMessage()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, message);
    QCOMPARE(run(arguments), 1);
    QVERIFY2(m_errors.contains(message.toUtf8()), m_errors.constData());
    QVERIFY(QDir(m_folder.path()).entryList({"out*"}).isEmpty());
}

void tst_CommandLineExport::outputLinkedToTheProjectIsRefused_data()
{
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("link");
    QTest::addColumn<QString>("target");
    QTest::newRow("video") << "--export-video"
                           << "linked.mp4"
                           << "linked.mp4";
    QTest::newRow("page") << "--export-html5"
                          << "linked/index.html"
                          << "linked";
}

void tst_CommandLineExport::outputLinkedToTheProjectIsRefused()
{
    QFETCH(QString, option);
    QFETCH(QString, link);
    QFETCH(QString, target);
    const QString project = m_folder.filePath("export.zenub");
    const QByteArray before = readFile(project);
    QVERIFY(QDir(m_folder.path()).mkpath(QFileInfo(m_folder.filePath(link)).path()));
    QVERIFY(QFile::link(project, m_folder.filePath(link)));
    QCOMPARE(run({option, "export.zenub", target}), 1);
    QVERIFY2(m_errors.contains("which this export reads"), m_errors.constData());
    QCOMPARE(readFile(project), before);
    QVERIFY(QFileInfo(m_folder.filePath(link)).isSymLink());
}

QTEST_MAIN(tst_CommandLineExport)
#include "tst_commandlineexport.moc"
