// SPDX-License-Identifier: MIT
#ifndef LOTTIEKEYFITTER_H
#define LOTTIEKEYFITTER_H

#include "lottiesamples.h"
#include "model/project/zenubeasing.h"

#include <QVector>

/*!
    Finds keys that give the values a property has at each whole frame, so that an imported
    animation draws the same at every frame while keeping the file's own keys where it can.

    The file's keys (the frames of the properties that feed the values, with every timing given
    there, and a hold) are tried first: from each key, the farthest key that one of them
    reproduces is the next, so that keys of other properties are not copied where they change
    nothing. A stretch no timing reproduces gets a key on every frame, which is exact at every
    frame drawn.
*/
class LottieKeyFitter
{
public:
    struct Key
    {
        int frame = 0;
        QVector<double> value;
        ZenubEasing easing;
    };
    /*! A frame where the file has a key, with the timing its values leave it with. */
    struct Candidate
    {
        double frame = 0;
        ZenubEasing easing;
    };

    /*! How many of the file's keys ahead a timing is tried to reach. */
    static constexpr int maximumReach() { return 32; }

    /*!
        Keys for \a samples (the values at frames 0, 1, ...). Values closer than \a tolerance
        count as equal. One key when the values never change.
    */
    static QVector<Key> fit(const LottieSamples& samples, const QVector<Candidate>& candidates,
                            double tolerance = 1e-3);
};

#endif
