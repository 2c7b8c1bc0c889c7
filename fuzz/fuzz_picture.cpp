// SPDX-License-Identifier: MIT
// The one path picture bytes take to the screen, whatever brought them: any bytes are decoded
// within bounds or refused with a message, and an SVG picture never reaches the file system.
#include "model/images/picturedecoder.h"
#include "model/images/svgsanitizer.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <atomic>
#include <cstdarg>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dlfcn.h>
#include <fcntl.h>

namespace {

// While a picture is drawn, nothing may be opened but what the system's fonts need: an SVG that
// reached a file would show its pixels, or wait forever on a pipe.
std::atomic<bool> drawing{false};

void checkOpen(const char* path)
{
    if (!drawing || !path)
        return;
    for (const char* allowed : {"/usr/", "/etc/fonts/", "/var/cache/fontconfig/"})
        if (std::strncmp(path, allowed, std::strlen(allowed)) == 0)
            return;
    std::fprintf(stderr, "A picture opened the file %s\n", path);
    // The fuzzer writes the input out next.
    drawing = false;
    abort();
}

using OpenByName = int(const char*, int, ...);

int forward(const char* name, const char* path, int flags, va_list modes)
{
    checkOpen(path);
    const mode_t mode = (flags & (O_CREAT | O_TMPFILE)) ? va_arg(modes, mode_t) : 0;
    return reinterpret_cast<OpenByName*>(dlsym(RTLD_NEXT, name))(path, flags, mode);
}

} // namespace

// Every way the C library opens a file by name goes through these first.
extern "C" int open(const char* path, int flags, ...)
{
    va_list modes;
    va_start(modes, flags);
    const int fd = forward("open", path, flags, modes);
    va_end(modes);
    return fd;
}

extern "C" int open64(const char* path, int flags, ...)
{
    va_list modes;
    va_start(modes, flags);
    const int fd = forward("open64", path, flags, modes);
    va_end(modes);
    return fd;
}

extern "C" int openat(int folder, const char* path, int flags, ...)
{
    checkOpen(path);
    static auto* real =
        reinterpret_cast<int (*)(int, const char*, int, ...)>(dlsym(RTLD_NEXT, "openat"));
    va_list modes;
    va_start(modes, flags);
    const mode_t mode = (flags & (O_CREAT | O_TMPFILE)) ? va_arg(modes, mode_t) : 0;
    va_end(modes);
    return real(folder, path, flags, mode);
}

extern "C" FILE* fopen(const char* path, const char* how)
{
    checkOpen(path);
    static auto* real =
        reinterpret_cast<FILE* (*)(const char*, const char*)>(dlsym(RTLD_NEXT, "fopen"));
    return real(path, how);
}

namespace {

void draw(const QByteArray& bytes)
{
    drawing = true;
    const PictureDecoder decoder(bytes);
    const bool refused = decoder.problem() != PictureDecoder::Problem::None;
    if (refused == decoder.errorString(QStringLiteral("fuzz")).isEmpty())
        abort();
    // As the stage would draw it, shrunk to a thumbnail, and as an SVG is drawn: as vectors.
    const QImage image = decoder.image(QSize(64, 48));
    if (image.width() > 64 || image.height() > 48)
        abort();
    if (QSvgRenderer* svg = decoder.svg()) {
        QImage target(64, 48, QImage::Format_ARGB32_Premultiplied);
        QPainter painter(&target);
        svg->render(&painter);
        // What is drawn holds no link out of it any more.
        if (!SvgSanitizer(SvgSanitizer(bytes).document()).outsideReferences().isEmpty())
            abort();
    }
    drawing = false;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static int argc = 1;
    static char name[] = "fuzz_picture";
    static char* argv[] = {name, nullptr};
    static QGuiApplication application(argc, argv);
    // Qt finds its image plugins on the first pictures.
    static const bool warm = [] {
        for (const char* svg : {"<svg xmlns='http://www.w3.org/2000/svg' width='9' height='9'>"
                                "<text>a</text></svg>"})
            draw(svg);
        QImage image(2, 2, QImage::Format_RGB32);
        for (const char* format : {"png", "jpeg"}) {
            QByteArray encoded;
            QBuffer buffer(&encoded);
            buffer.open(QIODevice::WriteOnly);
            image.save(&buffer, format);
            draw(encoded);
        }
        return true;
    }();
    Q_UNUSED(warm)
    draw(QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<int>(size)));
    return 0;
}
