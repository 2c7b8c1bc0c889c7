// SPDX-License-Identifier: MIT
// Encoding of a 10-second 1080p video: the application's encoder against FFmpeg's own
// command-line encoder with the same codec settings, both fed the same frames. The frames are
// drawn once by the frame renderer and kept in memory, so neither figure includes drawing.

#include "benchrow.h"
#include "ffmpegpipe.h"

#include <model/project/zenubproject.h>
#include <model/render/framerenderer.h>
#include <video/encoder/videoencoder.h>

#include <QGuiApplication>
#include <QImage>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <vector>

namespace {

const int kFrameRate = 24;
const int kSeconds = 10;

// One scene of moving, turning and growing shapes over a filled stage.
ZenubProject makeProject()
{
    ZenubProject project = ZenubProject::createNew(QStringLiteral("Bench"), 1920, 1080, kFrameRate);
    project.scenes().clear();
    const int last = kFrameRate * kSeconds - 1;
    ZenubScene scene(QStringLiteral("Scene"), last + 1);
    ZenubLayer layer(QStringLiteral("Layer"));
    for (int i = 0; i < 60; ++i) {
        ZenubShape shape(i % 3 == 0 ? ZenubShape::Type::Ellipse : ZenubShape::Type::Rectangle,
                         QStringLiteral("Shape %1").arg(i));
        shape.setFillColor(QColor(QColor::fromHsv((i * 37) % 360, 160, 220).rgb()));
        shape.setKeyframe(ZenubKeyframe(0, (i * 97) % 1800, (i * 53) % 1000, 40 + i % 80, 60));
        shape.setKeyframe(
            ZenubKeyframe(last, (i * 61 + 700) % 1800, (i * 89 + 300) % 1000, 120, 40 + i % 90));
        layer.addShape(shape);
    }
    scene.addLayer(layer);
    project.addScene(scene);
    return project;
}

double oursFramesPerSecond(const std::vector<QImage>& frames, const QString& fileName)
{
    QElapsedTimer timer;
    timer.start();
    VideoEncoder encoder;
    bool ok = encoder.open(fileName, frames.front().size(), kFrameRate);
    for (const QImage& frame : frames)
        ok = ok && encoder.addFrame(frame);
    ok = ok && encoder.finish();
    if (!ok) {
        std::fprintf(stderr, "bench_video: %s\n", qPrintable(encoder.errorString()));
        return -1;
    }
    return double(frames.size()) / (double(timer.nsecsElapsed()) / 1e9);
}

// The settings of VideoEncoder for MP4: libx264, preset medium, CRF 18, a key frame every two
// seconds, BT.601 limited range, the same scaler flags for the colour conversion.
QStringList ffmpegOutput(const QString& fileName)
{
    return {QStringLiteral("-sws_flags"),
            QStringLiteral("bicubic+accurate_rnd"),
            QStringLiteral("-c:v"),
            QStringLiteral("libx264"),
            QStringLiteral("-preset"),
            QStringLiteral("medium"),
            QStringLiteral("-crf"),
            QStringLiteral("18"),
            QStringLiteral("-g"),
            QString::number(kFrameRate * 2),
            QStringLiteral("-pix_fmt"),
            QStringLiteral("yuv420p"),
            QStringLiteral("-color_range"),
            QStringLiteral("tv"),
            QStringLiteral("-colorspace"),
            QStringLiteral("smpte170m"),
            QStringLiteral("-color_primaries"),
            QStringLiteral("smpte170m"),
            QStringLiteral("-color_trc"),
            QStringLiteral("smpte170m"),
            fileName};
}

} // namespace

int main(int argc, char* argv[])
{
    QGuiApplication application(argc, argv);
    const QString ffmpeg = QStandardPaths::findExecutable(QStringLiteral("ffmpeg"));
    if (ffmpeg.isEmpty()) {
        std::fprintf(stderr, "bench_video: ffmpeg is not installed; no baseline\n");
        return 1;
    }
    const ZenubProject project = makeProject();
    const FrameRenderer renderer(project);
    const QSize size = VideoEncoder::encodedSize(VideoEncoder::Format::Mp4, QSize(1920, 1080));
    std::vector<QImage> frames;
    QElapsedTimer drawing;
    drawing.start();
    for (int frame = 0; frame < kFrameRate * kSeconds; ++frame) {
        frames.push_back(renderer.render(0, frame, size).convertToFormat(QImage::Format_RGB32));
    }
    std::fprintf(stderr, "bench_video: drawing %d frames took %.0f ms\n", int(frames.size()),
                 double(drawing.nsecsElapsed()) / 1e6);
    QTemporaryDir folder;
    // Encoding 1080p twice per run is the slowest row of all; two runs keep scripts/bench short.
    const int runs = qMin(bench::runs(), 2);
    for (int run = 0; run < runs; ++run) {
        const double ours =
            oursFramesPerSecond(frames, folder.filePath(QStringLiteral("ours.mp4")));
        const double base =
            ffmpegFramesPerSecond(ffmpeg, frames, kFrameRate,
                                  ffmpegOutput(folder.filePath(QStringLiteral("ffmpeg.mp4"))));
        if (ours < 0 || base < 0)
            return 1;
        bench::row("Video export encoding, 10 s of 1080p", QStringLiteral("240 frames"), ours, base,
                   "frames/s", bench::Better::Higher, 0,
                   "frames per second through the application's H.264 encoder (libx264, preset "
                   "medium, CRF 18) for 240 frames drawn beforehand by the frame renderer, "
                   "against the ffmpeg command-line tool encoding the same raw frames from a "
                   "pipe with the same settings");
    }
    return 0;
}
