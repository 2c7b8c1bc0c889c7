#include "videodecoder.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libswscale/swscale.h>
}

#include <cstdlib>
#include <memory>

namespace {

void appendFrame(const AVFrame* frame, DecodedVideo* video)
{
    QImage image(frame->width, frame->height, QImage::Format_RGB32);
    SwsContext* scaler = sws_getContext(frame->width, frame->height, AVPixelFormat(frame->format),
                                        frame->width, frame->height, AV_PIX_FMT_BGRA,
                                        SWS_BICUBIC | SWS_ACCURATE_RND, nullptr, nullptr, nullptr);
    uint8_t* const target[] = {image.bits()};
    const int stride[] = {int(image.bytesPerLine())};
    sws_scale(scaler, frame->data, frame->linesize, 0, frame->height, target, stride);
    sws_freeContext(scaler);
    video->frames.append(image);
}

} // namespace

DecodedVideo decodeVideo(const QString& fileName)
{
    DecodedVideo video;
    AVFormatContext* format = nullptr;
    if (avformat_open_input(&format, fileName.toLocal8Bit().constData(), nullptr, nullptr) < 0) {
        video.error = "cannot open " + fileName;
        return video;
    }
    std::unique_ptr<AVFormatContext*, void (*)(AVFormatContext**)> formatGuard(
        &format, avformat_close_input);
    const AVCodec* decoder = nullptr;
    const int stream = avformat_find_stream_info(format, nullptr) < 0
                           ? -1
                           : av_find_best_stream(format, AVMEDIA_TYPE_VIDEO, -1, -1, &decoder, 0);
    if (stream < 0 || !decoder) {
        video.error = "no video stream";
        return video;
    }
    AVCodecContext* codec = avcodec_alloc_context3(decoder);
    std::unique_ptr<AVCodecContext*, void (*)(AVCodecContext**)> codecGuard(&codec,
                                                                            avcodec_free_context);
    avcodec_parameters_to_context(codec, format->streams[stream]->codecpar);
    if (avcodec_open2(codec, decoder, nullptr) < 0) {
        video.error = "cannot open the decoder";
        return video;
    }
    video.codec = QString::fromLatin1(decoder->name);
    video.size = QSize(codec->width, codec->height);
    video.seconds = format->duration / double(AV_TIME_BASE);

    AVPacket* packet = av_packet_alloc();
    AVFrame* frame = av_frame_alloc();
    const auto receive = [&] {
        while (avcodec_receive_frame(codec, frame) == 0)
            appendFrame(frame, &video);
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
    return video;
}

double meanDifference(const QImage& a, const QImage& b)
{
    if (a.size() != b.size() || a.isNull())
        return 255;
    const QImage x = a.convertToFormat(QImage::Format_RGB32);
    const QImage y = b.convertToFormat(QImage::Format_RGB32);
    qint64 sum = 0;
    for (int row = 0; row < x.height(); ++row) {
        const auto* p = reinterpret_cast<const QRgb*>(x.constScanLine(row));
        const auto* q = reinterpret_cast<const QRgb*>(y.constScanLine(row));
        for (int column = 0; column < x.width(); ++column)
            sum += std::abs(qRed(p[column]) - qRed(q[column])) +
                   std::abs(qGreen(p[column]) - qGreen(q[column])) +
                   std::abs(qBlue(p[column]) - qBlue(q[column]));
    }
    return sum / (3.0 * x.width() * x.height());
}
