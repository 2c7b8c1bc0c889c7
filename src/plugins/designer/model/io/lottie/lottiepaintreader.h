// SPDX-License-Identifier: MIT
#ifndef LOTTIEPAINTREADER_H
#define LOTTIEPAINTREADER_H

#include "lottieshapebuilder.h"

#include <functional>

/*!
    Reads the fill and stroke of something a shape layer draws into a shape: colours and
    gradients placed in the shape's box, opacities, width, caps, joins and dashes, each on its
    track with keys where its values change (fitted by LottieKeyFitter to the frames drawn,
    0 .. frames - 1 of the project from the file's frame \a first).
*/
class LottiePaintReader
{
public:
    /*! The file's keys a fit may keep, for the properties that feed the values. */
    using Candidates =
        std::function<QVector<LottieKeyFitter::Candidate>(const QVector<const LottieTrack*>&)>;

    LottiePaintReader(double first, int frames, const Candidates& candidates);

    /*!
        Paints \a shape as \a drawn says, its gradients placed through \a toParent; \a faded:
        the paints' opacity is already in the shape's.
    */
    void read(const LottieDrawn& drawn, const LottieLayer& layer, const QTransform& toParent,
              bool faded, ZenubShape* shape) const;

private:
    double m_first = 0;
    int m_frames = 1;
    Candidates m_candidates;
};

#endif
