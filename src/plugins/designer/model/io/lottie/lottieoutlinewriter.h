// SPDX-License-Identifier: MIT
#ifndef LOTTIEOUTLINEWRITER_H
#define LOTTIEOUTLINEWRITER_H

#include "model/project/zenubpath.h"
#include "model/project/zenubtrack.h"

#include <QVector>

class QPainterPath;
class ZenubJsonWriter;

/*! Writes outlines as Lottie paths: a path shape's, a rounded polystar's, a text's glyphs. */
class LottieOutlineWriter
{
public:
    /*!
        Each subpath of an animated outline as a Lottie path of its own, keyed where the outline
        is; a key with fewer subpaths gives the rest no nodes.
    */
    static void pathItems(ZenubJsonWriter& out, const ZenubTrack<ZenubPath>& track, double start);
    /*! The subpaths of \a outline (glyphs), each a still Lottie path. */
    static void glyphs(ZenubJsonWriter& out, const QPainterPath& outline);

    /*!
        A subpath as numbers: closed, node count, then each node's point and handles (relative).
        Players keep the node count of an outline's first key, so a subpath with fewer nodes is
        given more on its last node (drawn the same); a missing one is \a nodes on one point.
    */
    static QVector<double> subpathValues(const ZenubPath& path, int index, int nodes = 0);
    /*! The Lottie outline value of subpathValues()' numbers. */
    static void subpath(ZenubJsonWriter& out, const QVector<double>& values);
    /*! Outlines of the same subpaths and node counts, closed alike, mix; others hold. */
    static bool sameForm(const ZenubPath& a, const ZenubPath& b);
};

#endif
