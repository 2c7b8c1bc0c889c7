// SPDX-License-Identifier: MIT
// The Lottie importer: arbitrary bytes are refused with a message or opened as a project, within
// the importer's bounds; what opens has a stage, a frame rate and a scene, and draws.
#include "model/io/lottie/lottiedocument.h"
#include "model/io/lottie/lottieimporter.h"
#include "model/io/lottie/lottiereader.h"
#include "model/project/zenubproject.h"
#include "model/render/framerenderer.h"

#include <QGuiApplication>
#include <QImage>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static int argc = 1;
    static char name[] = "fuzz_lottie";
    static char* argv[] = {name, nullptr};
    static QGuiApplication application(argc, argv);
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<int>(size));
    LottieDocument document;
    QString error;
    ZenubProject project;
    QStringList leftOut;
    if (!LottieReader::read(bytes, &document, &error) ||
        !LottieImporter::import(document, &project, &leftOut, &error)) {
        if (error.isEmpty())
            abort();
        return 0;
    }
    if (project.getScenes().isEmpty() || project.getStageWidth() < 1 ||
        project.getStageHeight() < 1)
        abort();
    // The last frame too: keys fitted past the file's own must still draw.
    const ZenubScene& scene = project.getScenes().constFirst();
    FrameRenderer renderer(project);
    for (const int frame : {0, scene.getDuration() - 1})
        renderer.render(0, frame, QSize(64, 48));
    return 0;
}
