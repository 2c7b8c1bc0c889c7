// SPDX-License-Identifier: MIT
#include "loadedvideoencoder.h"

#include "videoencoderapi.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <dlfcn.h>

#include <mutex>

namespace {

// The encoder library sits in the folder of the libraries; this code runs in the Designer
// plugin (one folder below it) or in a program built with it (bin/ or a test folder beside
// lib/). An explicit path, because dlopen() searches the run paths of its caller, and under
// the address sanitizer that caller is the sanitizer's own library.
QString encoderLibraryPath()
{
    Dl_info info{};
    if (!dladdr(reinterpret_cast<void*>(&encoderLibraryPath), &info) || !info.dli_fname)
        return QStringLiteral(ZENUB_VIDEO_ENCODER_LIBRARY);
    const QDir here = QFileInfo(QString::fromLocal8Bit(info.dli_fname)).absoluteDir();
    for (const char* folder : {".", "..", "../lib/zenub", "../../lib/zenub"}) {
        const QString candidate = QDir::cleanPath(here.filePath(
            QLatin1String(folder) + QLatin1Char('/') + QLatin1String(ZENUB_VIDEO_ENCODER_LIBRARY)));
        if (QFileInfo::exists(candidate))
            return candidate;
    }
    return QStringLiteral(ZENUB_VIDEO_ENCODER_LIBRARY);
}

// Stays loaded once loaded: FFmpeg's libraries do not expect to be unloaded. Exports of two
// projects may start at once, each on its own thread.
const VideoEncoderApi* loadApi(QString* error)
{
    static std::mutex mutex;
    const std::lock_guard<std::mutex> lock(mutex);
    static void* handle = nullptr;
    if (!handle)
        handle = dlopen(QFile::encodeName(encoderLibraryPath()).constData(), RTLD_NOW | RTLD_LOCAL);
    if (!handle) {
        *error = QString::fromLocal8Bit(dlerror());
        return nullptr;
    }
    using Entry = const VideoEncoderApi* (*)();
    const auto entry = reinterpret_cast<Entry>(dlsym(handle, ZENUB_VIDEO_ENCODER_ENTRY));
    if (!entry) {
        *error = QString::fromLocal8Bit(dlerror());
        return nullptr;
    }
    return entry();
}

} // namespace

LoadedVideoEncoder::~LoadedVideoEncoder()
{
    if (m_pEncoder)
        m_pApi->destroy(m_pEncoder);
}

bool LoadedVideoEncoder::open(const QString& fileName, const QSize& size, int frameRate,
                              const VideoEncoderOptions& options)
{
    m_loadError.clear();
    if (!m_pApi) {
        QString reason;
        m_pApi = loadApi(&reason);
        if (!m_pApi) {
            m_loadError = tr("The video encoder cannot be loaded: %1").arg(reason);
            return false;
        }
    }
    if (!m_pEncoder)
        m_pEncoder = m_pApi->create();
    return m_pApi->open(m_pEncoder, fileName, size, frameRate, options);
}

int LoadedVideoEncoder::passCount() const
{
    return m_pEncoder ? m_pApi->passCount(m_pEncoder) : 1;
}

bool LoadedVideoEncoder::nextPass()
{
    return m_pEncoder && m_pApi->nextPass(m_pEncoder);
}

bool LoadedVideoEncoder::addFrame(const QImage& image)
{
    return m_pEncoder && m_pApi->addFrame(m_pEncoder, image);
}

bool LoadedVideoEncoder::finish()
{
    return m_pEncoder && m_pApi->finish(m_pEncoder);
}

QString LoadedVideoEncoder::errorString() const
{
    return m_pEncoder ? m_pApi->errorString(m_pEncoder) : m_loadError;
}
