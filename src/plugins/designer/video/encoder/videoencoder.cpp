// SPDX-License-Identifier: MIT
#include "videoencoder.h"

#include <QDir>
#include <QImage>
#include <QSaveFile>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/error.h>
#include <libavutil/log.h>
#include <libavutil/opt.h>
#include <libswscale/swscale.h>
}

namespace {

// FFmpeg writes through these into a QSaveFile, which gives the all-or-nothing file.
int writePacket(void* opaque, uint8_t* data, int size)
{
    auto* file = static_cast<QSaveFile*>(opaque);
    return file->write(reinterpret_cast<const char*>(data), size) == size ? size : AVERROR(EIO);
}

int64_t seekFile(void* opaque, int64_t offset, int whence)
{
    auto* file = static_cast<QSaveFile*>(opaque);
    switch (whence & ~AVSEEK_FORCE) {
    case AVSEEK_SIZE:
        return file->size();
    case SEEK_SET:
        break;
    case SEEK_CUR:
        offset += file->pos();
        break;
    case SEEK_END:
        offset += file->size();
        break;
    default:
        return AVERROR(EINVAL);
    }
    return file->seek(offset) ? offset : AVERROR(EIO);
}

QString ffmpegError(int code)
{
    char text[AV_ERROR_MAX_STRING_SIZE] = {};
    av_strerror(code, text, sizeof text);
    return QString::fromLocal8Bit(text);
}

} // namespace

struct VideoEncoder::Private
{
    ~Private()
    {
        sws_freeContext(scaler);
        av_frame_free(&frame);
        av_packet_free(&packet);
        avcodec_free_context(&codec);
        if (format) {
            if (format->pb) {
                av_freep(&format->pb->buffer);
                avio_context_free(&format->pb);
            }
            avformat_free_context(format);
        }
    }

    QSaveFile file;
    AVFormatContext* format = nullptr;
    AVCodecContext* codec = nullptr;
    AVStream* stream = nullptr;
    AVFrame* frame = nullptr;
    AVPacket* packet = nullptr;
    SwsContext* scaler = nullptr;
    QSize size;
    qint64 frames = 0;
};

VideoEncoder::VideoEncoder() = default;
VideoEncoder::~VideoEncoder() = default;

bool VideoEncoder::fail(const QString& message, int code)
{
    m_errorString = code ? tr("%1 (%2)").arg(message, ffmpegError(code)) : message;
    d.reset();
    return false;
}

bool VideoEncoder::open(const QString& fileName, const QSize& stageSize, int frameRate)
{
    m_errorString.clear();
    Format kind;
    if (!formatForFileName(fileName, &kind))
        return fail(tr("The video file name must end in \".mp4\" or \".webm\"."));
    if (stageSize.isEmpty() || frameRate <= 0)
        return fail(tr("The stage size or the frame rate is not valid for a video."));
    // The encoders' statistics and notes are not for our users; errors come back as codes.
    av_log_set_level(AV_LOG_ERROR);
    d = std::make_unique<Private>();
    d->size = encodedSize(kind, stageSize);

    const bool bMp4 = kind == Format::Mp4;
    const char* const encoderName = bMp4 ? "libx264" : "libvpx-vp9";
    const AVCodec* encoder = avcodec_find_encoder_by_name(encoderName);
    if (!encoder)
        return fail(
            tr("The video encoder \"%1\" is not available.").arg(QString::fromLatin1(encoderName)));
    int code = avformat_alloc_output_context2(&d->format, nullptr, bMp4 ? "mp4" : "webm", nullptr);
    if (code < 0)
        return fail(tr("The video container cannot be prepared."), code);
    d->stream = avformat_new_stream(d->format, nullptr);
    d->codec = avcodec_alloc_context3(encoder);
    d->frame = av_frame_alloc();
    d->packet = av_packet_alloc();
    if (!d->stream || !d->codec || !d->frame || !d->packet)
        return fail(tr("Not enough memory for the video encoder."));

    d->codec->width = d->size.width();
    d->codec->height = d->size.height();
    d->codec->time_base = AVRational{1, frameRate};
    d->codec->framerate = AVRational{frameRate, 1};
    d->codec->pix_fmt = AV_PIX_FMT_YUV420P;
    d->codec->gop_size = frameRate * 2;
    // The converter below writes BT.601 in the limited range; say so, so players agree.
    d->codec->color_range = AVCOL_RANGE_MPEG;
    d->codec->colorspace = AVCOL_SPC_SMPTE170M;
    d->codec->color_primaries = AVCOL_PRI_SMPTE170M;
    d->codec->color_trc = AVCOL_TRC_SMPTE170M;
    if (d->format->oformat->flags & AVFMT_GLOBALHEADER)
        d->codec->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
    AVDictionary* options = nullptr;
    if (bMp4) {
        av_dict_set(&options, "preset", "medium", 0);
        av_dict_set(&options, "crf", "18", 0);
    } else {
        // Constant quality; "good" with a higher cpu-used keeps long scenes bearable.
        av_dict_set(&options, "crf", "24", 0);
        av_dict_set(&options, "b", "0", 0);
        av_dict_set(&options, "deadline", "good", 0);
        av_dict_set(&options, "cpu-used", "4", 0);
        av_dict_set(&options, "row-mt", "1", 0);
    }
    code = avcodec_open2(d->codec, encoder, &options);
    av_dict_free(&options);
    if (code < 0)
        return fail(tr("The video encoder could not be started."), code);
    code = avcodec_parameters_from_context(d->stream->codecpar, d->codec);
    if (code < 0)
        return fail(tr("The video encoder could not be started."), code);
    d->stream->time_base = d->codec->time_base;
    d->stream->avg_frame_rate = d->codec->framerate;

    d->frame->format = d->codec->pix_fmt;
    d->frame->width = d->size.width();
    d->frame->height = d->size.height();
    code = av_frame_get_buffer(d->frame, 0);
    if (code < 0)
        return fail(tr("Not enough memory for the video encoder."), code);
    // QImage::Format_RGB32 is B, G, R, X in memory on little-endian machines.
    d->scaler = sws_getContext(d->size.width(), d->size.height(),
                               Q_BYTE_ORDER == Q_LITTLE_ENDIAN ? AV_PIX_FMT_BGRA : AV_PIX_FMT_ARGB,
                               d->size.width(), d->size.height(), AV_PIX_FMT_YUV420P,
                               SWS_BICUBIC | SWS_ACCURATE_RND, nullptr, nullptr, nullptr);
    if (!d->scaler)
        return fail(tr("The picture converter could not be started."));

    d->file.setFileName(fileName);
    if (!d->file.open(QIODevice::WriteOnly))
        return fail(tr("The file \"%1\" cannot be written: %2")
                        .arg(QDir::toNativeSeparators(fileName), d->file.errorString()));
    const int bufferSize = 64 * 1024;
    auto* buffer = static_cast<unsigned char*>(av_malloc(bufferSize));
    d->format->pb =
        buffer ? avio_alloc_context(buffer, bufferSize, 1, &d->file, nullptr, writePacket, seekFile)
               : nullptr;
    if (!d->format->pb) {
        av_free(buffer);
        return fail(tr("Not enough memory for the video encoder."));
    }
    code = avformat_write_header(d->format, nullptr);
    if (code < 0)
        return fail(tr("The video file could not be started."), code);
    return true;
}

bool VideoEncoder::drain(bool bFlush)
{
    for (;;) {
        int code = avcodec_receive_packet(d->codec, d->packet);
        if (code == AVERROR(EAGAIN) || (bFlush && code == AVERROR_EOF))
            return true;
        if (code < 0)
            return fail(tr("The video could not be encoded."), code);
        if (d->packet->duration == 0)
            d->packet->duration = 1;
        av_packet_rescale_ts(d->packet, d->codec->time_base, d->stream->time_base);
        d->packet->stream_index = d->stream->index;
        code = av_interleaved_write_frame(d->format, d->packet);
        if (code < 0)
            return fail(tr("The video file could not be written."), code);
    }
}

bool VideoEncoder::addFrame(const QImage& image)
{
    if (!d)
        return false;
    const QImage picture = image.format() == QImage::Format_RGB32
                               ? image
                               : image.convertToFormat(QImage::Format_RGB32);
    if (picture.size() != d->size)
        return fail(tr("A frame has the wrong size for the video."));
    int code = av_frame_make_writable(d->frame);
    if (code < 0)
        return fail(tr("Not enough memory for the video encoder."), code);
    const uint8_t* const source[] = {picture.constBits()};
    const int sourceStride[] = {int(picture.bytesPerLine())};
    sws_scale(d->scaler, source, sourceStride, 0, d->size.height(), d->frame->data,
              d->frame->linesize);
    d->frame->pts = d->frames++;
    code = avcodec_send_frame(d->codec, d->frame);
    if (code < 0)
        return fail(tr("The video could not be encoded."), code);
    return drain(false);
}

bool VideoEncoder::finish()
{
    if (!d)
        return false;
    const int code = avcodec_send_frame(d->codec, nullptr);
    if (code < 0)
        return fail(tr("The video could not be encoded."), code);
    if (!drain(true))
        return false;
    const int trailer = av_write_trailer(d->format);
    if (trailer < 0)
        return fail(tr("The video file could not be completed."), trailer);
    avio_flush(d->format->pb);
    if (!d->file.commit())
        return fail(tr("The file \"%1\" cannot be written: %2")
                        .arg(QDir::toNativeSeparators(d->file.fileName()), d->file.errorString()));
    d.reset();
    return true;
}
