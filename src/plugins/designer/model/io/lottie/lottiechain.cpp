// SPDX-License-Identifier: MIT
#include "lottiechain.h"

QTransform LottieChain::matrixAt(double frame) const
{
    QTransform m;
    for (const LottieStep& step : steps)
        m = m * step.transform->matrixAt(step.layer->localFrame(frame));
    return m * after;
}

double LottieChain::opacityAt(double frame) const
{
    double opacity = 1;
    for (const LottieStep& step : steps)
        if (step.fades)
            opacity *= step.transform->opacityAt(step.layer->localFrame(frame));
    return opacity;
}

LottieChain LottieChain::then(const LottieChain& outer) const
{
    // Only chains without a constant end of their own are continued.
    Q_ASSERT(after.isIdentity() || outer.steps.isEmpty());
    LottieChain chain = *this;
    chain.steps += outer.steps;
    chain.after = after * outer.after;
    return chain;
}

double LottieChain::turnAt(double frame) const
{
    double degrees = 0;
    for (const LottieStep& step : steps)
        degrees += step.transform->rotation.scalarAt(step.layer->localFrame(frame));
    return degrees;
}
