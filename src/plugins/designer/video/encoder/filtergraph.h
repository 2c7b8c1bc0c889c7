// SPDX-License-Identifier: MIT
#ifndef FILTERGRAPH_H
#define FILTERGRAPH_H

#include <QSize>

extern "C" {
#include <libavutil/frame.h>
#include <libavutil/rational.h>
}

struct AVFilterContext;
struct AVFilterGraph;

/*!
    A chain of FFmpeg's filters between BGRA pictures of one size and the frames it gives
    back, described in FFmpeg's own filter syntax with the pads [in] and [out]. A second
    source [palette] takes one fixed picture (a palette), which every frame is filtered with.
    Returns FFmpeg's error codes, as its functions do.
*/
class FilterGraph
{
public:
    FilterGraph() = default;
    ~FilterGraph();
    FilterGraph(const FilterGraph&) = delete;
    FilterGraph& operator=(const FilterGraph&) = delete;

    int open(const char* description, const QSize& size, AVRational timeBase,
             const AVFrame* palette = nullptr);
    /*! Hands a frame to the chain; nullptr ends the input. */
    int send(AVFrame* frame);
    /*! The next frame out; AVERROR(EAGAIN) until the chain has one, AVERROR_EOF at the end. */
    int receive(AVFrame* frame);

private:
    AVFilterGraph* m_pGraph = nullptr;
    AVFilterContext* m_pSource = nullptr;
    AVFilterContext* m_pSink = nullptr;
};

#endif
