// SPDX-License-Identifier: MIT
#include "filtergraph.h"

extern "C" {
#include <libavfilter/avfilter.h>
#include <libavfilter/buffersink.h>
#include <libavfilter/buffersrc.h>
#include <libavutil/error.h>
#include <libavutil/pixdesc.h>
}

#include <string>

namespace {

int createSource(AVFilterGraph* graph, const char* name, int width, int height,
                 AVPixelFormat format, AVRational timeBase, AVFilterContext** source)
{
    const std::string arguments =
        "video_size=" + std::to_string(width) + "x" + std::to_string(height) +
        ":pix_fmt=" + av_get_pix_fmt_name(format) + ":time_base=" + std::to_string(timeBase.num) +
        "/" + std::to_string(timeBase.den) + ":pixel_aspect=1/1";
    return avfilter_graph_create_filter(source, avfilter_get_by_name("buffer"), name,
                                        arguments.c_str(), nullptr, graph);
}

AVFilterInOut* pad(const char* name, AVFilterContext* filter, AVFilterInOut* next)
{
    AVFilterInOut* item = avfilter_inout_alloc();
    if (!item) {
        avfilter_inout_free(&next);
        return nullptr;
    }
    item->name = av_strdup(name);
    item->filter_ctx = filter;
    item->pad_idx = 0;
    item->next = next;
    return item;
}

} // namespace

FilterGraph::~FilterGraph()
{
    avfilter_graph_free(&m_pGraph);
}

int FilterGraph::open(const char* description, const QSize& size, AVRational timeBase,
                      const AVFrame* palette)
{
    avfilter_graph_free(&m_pGraph);
    m_pGraph = avfilter_graph_alloc();
    if (!m_pGraph)
        return AVERROR(ENOMEM);
    AVFilterContext* paletteSource = nullptr;
    int code = createSource(m_pGraph, "in", size.width(), size.height(), AV_PIX_FMT_BGRA, timeBase,
                            &m_pSource);
    if (code >= 0 && palette)
        code = createSource(m_pGraph, "palette", palette->width, palette->height,
                            AVPixelFormat(palette->format), timeBase, &paletteSource);
    if (code >= 0)
        code = avfilter_graph_create_filter(&m_pSink, avfilter_get_by_name("buffersink"), "out",
                                            nullptr, nullptr, m_pGraph);
    if (code < 0)
        return code;
    // The sources are the description's inputs and the sink its output, by their labels.
    AVFilterInOut* sources =
        pad("in", m_pSource, paletteSource ? pad("palette", paletteSource, nullptr) : nullptr);
    AVFilterInOut* sinks = pad("out", m_pSink, nullptr);
    code = sources && sinks
               ? avfilter_graph_parse_ptr(m_pGraph, description, &sinks, &sources, nullptr)
               : AVERROR(ENOMEM);
    avfilter_inout_free(&sources);
    avfilter_inout_free(&sinks);
    if (code >= 0)
        code = avfilter_graph_config(m_pGraph, nullptr);
    if (code >= 0 && paletteSource) {
        // One picture for the whole run: the filter keeps using it after its input ended.
        AVFrame* copy = av_frame_clone(palette);
        code = copy ? av_buffersrc_add_frame(paletteSource, copy) : AVERROR(ENOMEM);
        av_frame_free(&copy);
        if (code >= 0)
            code = av_buffersrc_add_frame(paletteSource, nullptr);
    }
    return code;
}

int FilterGraph::send(AVFrame* frame)
{
    // Pushed through at once: a filter that gives nothing back until the end (the palette's)
    // would otherwise have every frame queued in front of it.
    return av_buffersrc_add_frame_flags(m_pSource, frame,
                                        AV_BUFFERSRC_FLAG_KEEP_REF | AV_BUFFERSRC_FLAG_PUSH);
}

int FilterGraph::receive(AVFrame* frame)
{
    return av_buffersink_get_frame(m_pSink, frame);
}
