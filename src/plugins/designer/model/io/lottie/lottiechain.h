// SPDX-License-Identifier: MIT
#ifndef LOTTIECHAIN_H
#define LOTTIECHAIN_H

#include "lottiedocument.h"

#include <QTransform>
#include <QVector>

/*! A step from a shape's coordinates towards the stage: a transform read in a layer's time. */
struct LottieStep
{
    const LottieTransform* transform = nullptr;
    const LottieLayer* layer = nullptr;
    /*! Whether its opacity fades what it moves (a parent layer's does not). */
    bool fades = true;
};

/*! The steps from a shape's coordinates to its parent's, innermost first, then \a after. */
struct LottieChain
{
    QVector<LottieStep> steps;
    QTransform after;

    QTransform matrixAt(double frame) const;
    double opacityAt(double frame) const;
    /*! The turn the transforms give, in full: past half a circle it keeps its number. */
    double turnAt(double frame) const;
    LottieChain then(const LottieChain& outer) const;
};

#endif
