// SPDX-License-Identifier: MIT
#ifndef LOTTIESHAPEBUILDER_H
#define LOTTIESHAPEBUILDER_H

#include "lottiechain.h"
#include "lottiedrawn.h"
#include "lottiekeyfitter.h"

#include <QCoreApplication>
#include <QRectF>
#include <QStringList>
#include <QTransform>

#include <functional>

class ZenubShape;
class ZenubPath;

/*!
    Turns what a Lottie layer draws into shapes of a project, for frames 0 .. frames - 1 of
    the project (frame \a first of the file onwards).

    Each shape's box is taken from the whole way its outline is moved at each frame (layers,
    parents and groups), and keyed by LottieKeyFitter, so the shape is drawn the same at every
    whole frame. Rectangles, ellipses, polystars and single outlines stay what they are while
    they are only moved, turned and scaled along their sides; several outlines under one paint
    become one path. Groups of two or more drawn things become groups.
*/
class LottieShapeBuilder
{
    Q_DECLARE_TR_FUNCTIONS(LottieShapeBuilder)
public:
    LottieShapeBuilder(double first, int frames, QStringList* unsupported);

    /*!
        The shapes for \a drawn, moved by \a chain, and shown only between the layer's in and
        out points with \a visibleOnly: one shape, or its members when a group cannot be one.
    */
    QVector<ZenubShape> build(const LottieDrawn& drawn, const LottieLayer& layer,
                              const LottieChain& chain, bool visibleOnly);
    /*!
        A shape drawing the rectangle \a localAt gives for each frame in its coordinates, moved
        by \a chain (a layer's solid, picture or text).
    */
    bool buildBox(ZenubShape* shape, const std::function<QRectF(int)>& localAt,
                  const LottieLayer& layer, const LottieChain& chain);

private:
    struct Frame;
    ZenubShape buildLeaf(const LottieDrawn& drawn, const LottieLayer& layer,
                         const LottieChain& chain, bool visibleOnly);
    QVector<ZenubShape> buildGroup(const LottieDrawn& drawn, const LottieLayer& layer,
                                   const LottieChain& chain, bool visibleOnly);
    bool visible(const LottieLayer& layer, bool visibleOnly, int frame) const;
    void keyBoxes(ZenubShape* shape, const QVector<Frame>& frames,
                  const QVector<LottieKeyFitter::Candidate>& candidates) const;
    QVector<LottieKeyFitter::Candidate> candidates(const LottieLayer& layer,
                                                   const LottieChain& chain,
                                                   const QVector<const LottieTrack*>& more,
                                                   bool edges = true) const;
    void leaveOut(const QString& feature, const QString& place) const;

    double m_first = 0;
    int m_frames = 1;
    QStringList* m_unsupported = nullptr;
};

#endif
