// SPDX-License-Identifier: MIT
#ifndef LOTTIEPAINTWRITER_H
#define LOTTIEPAINTWRITER_H

#include "lottietrack.h"

class ZenubJsonWriter;
class ZenubPaint;
class ZenubShapeTracks;
class ZenubStroke;
template<typename T>
class ZenubTrack;

/*!
    Writes a shape's fill and stroke as Lottie fills, gradient fills, strokes and gradient
    strokes, with their colours, gradient stops and ends, opacities and width animated as the
    shape's tracks animate them.

    A Lottie paint keeps one kind (a colour, or a gradient of so many stops); a track that
    changes from one kind to another, which the editor shows as a jump, becomes one item per
    kind, each shown (by hold keys of its opacity) while its kind is the shape's. The shape's
    own opacity and its groups' (\a fade, 0..1) are multiplied into each item's.
*/
class LottiePaintWriter
{
public:
    explicit LottiePaintWriter(double sceneStart);

    /*! The fill items, the first drawn on top; \a size is the box's, where gradients lie. */
    void fill(ZenubJsonWriter& out, const ZenubShapeTracks& tracks, int fillRule,
              const LottieTrack& size, const LottieTrack& fade) const;
    void stroke(ZenubJsonWriter& out, const ZenubShapeTracks& tracks, const ZenubStroke& style,
                const LottieTrack& size, const LottieTrack& fade) const;
    /*! A fill of the colour \a rgb (0..1 each) at \a opacity (0..1): glyph outlines. */
    static void solid(ZenubJsonWriter& out, const LottieTrack& rgb, const LottieTrack& opacity);

    /*! The product of two opacities (0..1), exact at every frame when both change. */
    static LottieTrack product(const LottieTrack& a, const LottieTrack& b);

private:
    /*! The items of \a paint, fills with \a fillRule, or strokes of \a style when it is given. */
    void items(ZenubJsonWriter& out, const ZenubShapeTracks& tracks, const ZenubStroke* style,
               int fillRule, const LottieTrack& size, const LottieTrack& fade) const;

    double m_start = 0;
};

#endif
