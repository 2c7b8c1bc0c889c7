// SPDX-License-Identifier: MIT
#include "videoencoder.h"

#include "filtergraph.h"

#include <QDir>
#include <QImage>
#include <QSaveFile>

#include <cstring>
#include <string>

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

// The file's own quality scale from ours of 1 to 100, where our default of 80 gives the
// format's usual setting.
int scaled(int quality, int best, int usual, int worst)
{
    const int clamped = qBound(1, quality, 100);
    return clamped >= 80 ? usual + (best - usual) * (clamped - 80) / 20
                         : worst + (usual - worst) * (clamped - 1) / 79;
}

} // namespace

struct VideoEncoder::Private
{
    ~Private()
    {
        sws_freeContext(scaler);
        av_frame_free(&frame);
        av_frame_free(&filtered);
        av_frame_free(&palette);
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
    AVFrame* filtered = nullptr;
    AVFrame* palette = nullptr;
    AVPacket* packet = nullptr;
    SwsContext* scaler = nullptr;
    // Between the pictures and the encoder where the format needs FFmpeg's filters.
    std::unique_ptr<FilterGraph> graph;
    Format kind = Format::Mp4;
    VideoEncoderOptions options;
    QSize size;
    int frameRate = 0;
    int pass = 0;
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

int VideoEncoder::passCount() const
{
    return d && d->kind == Format::Gif ? 2 : 1;
}

bool VideoEncoder::openCodec(Format kind, const VideoEncoderOptions& options)
{
    const char* encoderName = "libx264";
    const char* muxerName = "mp4";
    AVPixelFormat pixelFormat = AV_PIX_FMT_YUV420P;
    switch (kind) {
    case Format::Mp4:
        break;
    case Format::WebM:
        encoderName = "libvpx-vp9";
        muxerName = "webm";
        break;
    case Format::Gif:
        encoderName = muxerName = "gif";
        pixelFormat = AV_PIX_FMT_PAL8;
        break;
    case Format::WebP:
        encoderName = "libwebp_anim";
        muxerName = "webp";
        pixelFormat = AV_PIX_FMT_BGRA;
        break;
    case Format::Apng:
        encoderName = muxerName = "apng";
        // Without alpha a third smaller.
        pixelFormat = options.bTransparent ? AV_PIX_FMT_RGBA : AV_PIX_FMT_RGB24;
        break;
    }
    const AVCodec* encoder = avcodec_find_encoder_by_name(encoderName);
    if (!encoder)
        return fail(
            tr("The video encoder \"%1\" is not available.").arg(QString::fromLatin1(encoderName)));
    int code = avformat_alloc_output_context2(&d->format, nullptr, muxerName, nullptr);
    if (code < 0)
        return fail(tr("The video container cannot be prepared."), code);
    d->stream = avformat_new_stream(d->format, nullptr);
    d->codec = avcodec_alloc_context3(encoder);
    d->frame = av_frame_alloc();
    d->filtered = av_frame_alloc();
    d->packet = av_packet_alloc();
    if (!d->stream || !d->codec || !d->frame || !d->filtered || !d->packet)
        return fail(tr("Not enough memory for the video encoder."));

    d->codec->width = d->size.width();
    d->codec->height = d->size.height();
    d->codec->time_base = AVRational{1, d->frameRate};
    d->codec->framerate = AVRational{d->frameRate, 1};
    d->codec->pix_fmt = pixelFormat;
    if (kind == Format::Mp4 || kind == Format::WebM) {
        d->codec->gop_size = d->frameRate * 2;
        // The converter below writes BT.601 in the limited range; say so, so players agree.
        d->codec->color_range = AVCOL_RANGE_MPEG;
        d->codec->colorspace = AVCOL_SPC_SMPTE170M;
        d->codec->color_primaries = AVCOL_PRI_SMPTE170M;
        d->codec->color_trc = AVCOL_TRC_SMPTE170M;
    }
    if (d->format->oformat->flags & AVFMT_GLOBALHEADER)
        d->codec->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
    AVDictionary* codecOptions = nullptr;
    if (kind == Format::Mp4) {
        av_dict_set(&codecOptions, "preset", "medium", 0);
        av_dict_set_int(&codecOptions, "crf", scaled(options.quality, 10, 18, 40), 0);
        // The preset's own look-ahead, fewer frames where each is large.
        av_dict_set_int(&codecOptions, "rc-lookahead", lookaheadFrames(d->size, 40), 0);
    } else if (kind == Format::WebM) {
        // Constant quality; "good" with a higher cpu-used keeps long scenes bearable.
        av_dict_set_int(&codecOptions, "crf", scaled(options.quality, 10, 24, 50), 0);
        av_dict_set(&codecOptions, "b", "0", 0);
        av_dict_set(&codecOptions, "deadline", "good", 0);
        av_dict_set(&codecOptions, "cpu-used", "4", 0);
        av_dict_set(&codecOptions, "row-mt", "1", 0);
        av_dict_set_int(&codecOptions, "lag-in-frames", lookaheadFrames(d->size, 25), 0);
    } else if (kind == Format::WebP) {
        av_dict_set_int(&codecOptions, "quality", qBound(1, options.quality, 100), 0);
    }
    code = avcodec_open2(d->codec, encoder, &codecOptions);
    av_dict_free(&codecOptions);
    if (code < 0)
        return fail(tr("The video encoder could not be started."), code);
    code = avcodec_parameters_from_context(d->stream->codecpar, d->codec);
    if (code < 0)
        return fail(tr("The video encoder could not be started."), code);
    d->stream->time_base = d->codec->time_base;
    d->stream->avg_frame_rate = d->codec->framerate;
    return true;
}

bool VideoEncoder::open(const QString& fileName, const QSize& stageSize, int frameRate,
                        const VideoEncoderOptions& options)
{
    m_errorString.clear();
    Format kind;
    if (!formatForFileName(fileName, &kind))
        return fail(unknownFormatError());
    if (stageSize.isEmpty() || frameRate <= 0)
        return fail(tr("The stage size or the frame rate is not valid for a video."));
    // The encoders' statistics and notes are not for our users; errors come back as codes.
    av_log_set_level(AV_LOG_ERROR);
    d = std::make_unique<Private>();
    d->kind = kind;
    d->options = options;
    d->options.bTransparent = options.bTransparent && canBeTransparent(kind);
    d->size = encodedSize(kind, stageSize);
    d->frameRate = frameRate;
    if (!openCodec(kind, d->options))
        return false;

    // Pictures come as B, G, R, A in memory (QImage's 32-bit formats on little-endian machines).
    const AVPixelFormat pictureFormat =
        Q_BYTE_ORDER == Q_LITTLE_ENDIAN ? AV_PIX_FMT_BGRA : AV_PIX_FMT_ARGB;
    d->frame->format = pictureFormat;
    d->frame->width = d->size.width();
    d->frame->height = d->size.height();
    int code = av_frame_get_buffer(d->frame, 0);
    if (code < 0)
        return fail(tr("Not enough memory for the video encoder."), code);
    if (kind == Format::Gif) {
        // A palette fitted to every frame, from FFmpeg's own statistics; the transparent
        // entry only when it is needed, as it costs one colour.
        const std::string description =
            "[in]palettegen=max_colors=" + std::to_string(scaled(options.quality, 256, 256, 16)) +
            ":reserve_transparent=" + (d->options.bTransparent ? "1" : "0") +
            ":stats_mode=full[out]";
        d->graph = std::make_unique<FilterGraph>();
        code = d->graph->open(description.c_str(), d->size, d->codec->time_base);
        if (code < 0)
            return fail(tr("The picture filters could not be started."), code);
    } else if (d->codec->pix_fmt != pictureFormat) {
        d->scaler = sws_getContext(d->size.width(), d->size.height(), pictureFormat,
                                   d->size.width(), d->size.height(), d->codec->pix_fmt,
                                   SWS_BICUBIC | SWS_ACCURATE_RND, nullptr, nullptr, nullptr);
        if (!d->scaler)
            return fail(tr("The picture converter could not be started."));
        d->filtered->format = d->codec->pix_fmt;
        d->filtered->width = d->size.width();
        d->filtered->height = d->size.height();
        code = av_frame_get_buffer(d->filtered, 0);
        if (code < 0)
            return fail(tr("Not enough memory for the video encoder."), code);
    }

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
    // Each format counts its repeats its own way: GIF the plays after the first (-1 for none),
    // APNG and WebP all of them; 0 is for ever everywhere.
    AVDictionary* muxerOptions = nullptr;
    const int plays = qMax(0, options.plays);
    if (kind == Format::Gif)
        av_dict_set_int(&muxerOptions, "loop", plays == 0 ? 0 : plays == 1 ? -1 : plays - 1, 0);
    else if (kind == Format::WebP)
        av_dict_set_int(&muxerOptions, "loop", plays, 0);
    else if (kind == Format::Apng)
        av_dict_set_int(&muxerOptions, "plays", plays, 0);
    code = avformat_write_header(d->format, &muxerOptions);
    av_dict_free(&muxerOptions);
    if (code < 0)
        return fail(tr("The video file could not be started."), code);
    return true;
}

bool VideoEncoder::nextPass()
{
    if (!d || d->kind != Format::Gif || d->pass > 0)
        return d != nullptr;
    // The palette comes out once every frame has been seen.
    int code = d->graph->send(nullptr);
    if (code >= 0) {
        d->palette = av_frame_alloc();
        code = d->palette ? d->graph->receive(d->palette) : AVERROR(ENOMEM);
    }
    if (code < 0)
        return fail(tr("The picture's colours could not be chosen."), code);
    d->graph = std::make_unique<FilterGraph>();
    code = d->graph->open("[in][palette]paletteuse=dither=sierra2_4a:diff_mode=rectangle[out]",
                          d->size, d->codec->time_base, d->palette);
    if (code < 0)
        return fail(tr("The picture filters could not be started."), code);
    d->pass = 1;
    d->frames = 0;
    return true;
}

bool VideoEncoder::encode(AVFrame* frame)
{
    const int code = avcodec_send_frame(d->codec, frame);
    if (code < 0)
        return fail(tr("The video could not be encoded."), code);
    return drain(frame == nullptr);
}

bool VideoEncoder::filter(AVFrame* frame)
{
    int code = d->graph->send(frame);
    if (code < 0)
        return fail(tr("The picture could not be filtered."), code);
    // The palette pass only gathers colours.
    if (d->kind == Format::Gif && d->pass == 0)
        return true;
    for (;;) {
        code = d->graph->receive(d->filtered);
        if (code == AVERROR(EAGAIN) || code == AVERROR_EOF)
            return true;
        if (code < 0)
            return fail(tr("The picture could not be filtered."), code);
        const bool bEncoded = encode(d->filtered);
        av_frame_unref(d->filtered);
        if (!bEncoded)
            return false;
    }
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
    const QImage picture =
        image.format() == QImage::Format_RGB32 || image.format() == QImage::Format_ARGB32
            ? image
            : image.convertToFormat(QImage::Format_ARGB32);
    if (picture.size() != d->size)
        return fail(tr("A frame has the wrong size for the video."));
    int code = av_frame_make_writable(d->frame);
    if (code < 0)
        return fail(tr("Not enough memory for the video encoder."), code);
    const int lineBytes = d->size.width() * 4;
    for (int y = 0; y < d->size.height(); ++y)
        std::memcpy(d->frame->data[0] + y * d->frame->linesize[0], picture.constScanLine(y),
                    lineBytes);
    if (!d->options.bTransparent && picture.format() != QImage::Format_RGB32)
        for (int y = 0; y < d->size.height(); ++y) {
            uint8_t* line = d->frame->data[0] + y * d->frame->linesize[0];
            for (int x = 0; x < d->size.width(); ++x)
                line[x * 4 + (Q_BYTE_ORDER == Q_LITTLE_ENDIAN ? 3 : 0)] = 0xff;
        }
    d->frame->pts = d->frames++;
    if (d->graph)
        return filter(d->frame);
    if (!d->scaler)
        return encode(d->frame);
    code = av_frame_make_writable(d->filtered);
    if (code < 0)
        return fail(tr("Not enough memory for the video encoder."), code);
    sws_scale(d->scaler, d->frame->data, d->frame->linesize, 0, d->size.height(), d->filtered->data,
              d->filtered->linesize);
    d->filtered->pts = d->frame->pts;
    return encode(d->filtered);
}

bool VideoEncoder::finish()
{
    if (!d)
        return false;
    if (d->graph && !filter(nullptr))
        return false;
    if (!encode(nullptr))
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
