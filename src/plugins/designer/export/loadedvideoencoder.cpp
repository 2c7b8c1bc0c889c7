#include "loadedvideoencoder.h"

#include "videoencoderapi.h"

#include <dlfcn.h>

namespace {

// Stays loaded once loaded: FFmpeg's libraries do not expect to be unloaded. Our own dlopen()
// searches the run paths of the calling library, which name the folder the encoder is in.
const VideoEncoderApi* loadApi(QString* error)
{
    static void* handle = nullptr;
    if (!handle)
        handle = dlopen(ZENUB_VIDEO_ENCODER_LIBRARY, RTLD_NOW | RTLD_LOCAL);
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

bool LoadedVideoEncoder::open(const QString& fileName, const QSize& size, int frameRate)
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
    return m_pApi->open(m_pEncoder, fileName, size, frameRate);
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
