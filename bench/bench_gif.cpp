// SPDX-License-Identifier: MIT
// GIF export of 240 frames at 640x360: the application's encoder (a palette fitted to every
// frame, then the frames with it) against the ffmpeg tool with palettegen and paletteuse on
// the same raw frames. The frames are drawn once beforehand, so neither figure includes drawing.

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
const int kFrames = 240;
const QSize kSize(640, 360);

// Moving, turning, growing shapes in many colours, so the palette has work to do.
ZenubProject makeProject()
{
    ZenubProject project =
        ZenubProject::createNew(QStringLiteral("Gif"), kSize.width(), kSize.height(), kFrameRate);
    project.scenes().clear();
    ZenubScene scene(QStringLiteral("Scene"), kFrames);
    ZenubLayer layer(QStringLiteral("Layer"));
    for (int i = 0; i < 40; ++i) {
        ZenubShape shape(i % 3 == 0 ? ZenubShape::Type::Ellipse : ZenubShape::Type::Rectangle,
                         QStringLiteral("Shape %1").arg(i));
        shape.setFillColor(QColor::fromHsv((i * 37) % 360, 160, 220));
        shape.setKeyframe(ZenubKeyframe(0, (i * 97) % 600, (i * 53) % 330, 20 + i % 40, 30));
        ZenubKeyframe last(kFrames - 1, (i * 61 + 230) % 600, (i * 89 + 100) % 330, 60,
                           20 + i % 45);
        last.setRotation(90 + i * 5);
        shape.setKeyframe(last);
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
    bool ok = encoder.open(fileName, kSize, kFrameRate);
    for (int pass = 0; ok && pass < encoder.passCount(); ++pass) {
        ok = pass == 0 || encoder.nextPass();
        for (const QImage& frame : frames)
            ok = ok && encoder.addFrame(frame);
    }
    ok = ok && encoder.finish();
    if (!ok) {
        std::fprintf(stderr, "bench_gif: %s\n", qPrintable(encoder.errorString()));
        return -1;
    }
    return double(frames.size()) / (double(timer.nsecsElapsed()) / 1e9);
}

// The filters and settings of VideoEncoder for GIF: a palette of 256 colours from the full
// statistics of every frame, no transparent entry, Sierra-2-4A dithering, changed rectangles.
QStringList ffmpegOutput(const QString& fileName)
{
    return {QStringLiteral("-filter_complex"),
            QStringLiteral("[0:v]split[a][b];"
                           "[a]palettegen=max_colors=256:reserve_transparent=0:stats_mode=full[p];"
                           "[b][p]paletteuse=dither=sierra2_4a:diff_mode=rectangle"),
            QStringLiteral("-loop"), QStringLiteral("0"), fileName};
}

} // namespace

int main(int argc, char* argv[])
{
    QGuiApplication application(argc, argv);
    const QString ffmpeg = QStandardPaths::findExecutable(QStringLiteral("ffmpeg"));
    if (ffmpeg.isEmpty()) {
        std::fprintf(stderr, "bench_gif: ffmpeg is not installed; no baseline\n");
        return 1;
    }
    const ZenubProject project = makeProject();
    const FrameRenderer renderer(project);
    std::vector<QImage> frames;
    for (int frame = 0; frame < kFrames; ++frame)
        frames.push_back(renderer.render(0, frame, kSize).convertToFormat(QImage::Format_RGB32));
    QTemporaryDir folder;
    for (int run = 0; run < bench::runs(); ++run) {
        const double ours =
            oursFramesPerSecond(frames, folder.filePath(QStringLiteral("ours.gif")));
        const double base =
            ffmpegFramesPerSecond(ffmpeg, frames, kFrameRate,
                                  ffmpegOutput(folder.filePath(QStringLiteral("ffmpeg.gif"))));
        if (ours < 0 || base < 0)
            return 1;
        bench::row("GIF export, 10 s at 640x360", QStringLiteral("240 frames"), ours, base,
                   "frames/s", bench::Better::Higher, 0.8,
                   "frames per second through the application's GIF encoder (a palette from "
                   "every frame, then every frame again with it) for 240 frames drawn "
                   "beforehand by the frame renderer, against the ffmpeg command-line tool with "
                   "palettegen and paletteuse, the same settings, on the same raw frames");
    }
    return 0;
}
