// SPDX-License-Identifier: MIT
#include "lottiekeyfitter.h"

#include <QMap>

#include <algorithm>
#include <cmath>

namespace {

using Sample = LottieSamples::Sample;

bool near(const Sample& a, const Sample& b, double tolerance)
{
    for (int i = 0; i < a.size; ++i)
        if (std::abs(a.values[i] - b.value(i)) > tolerance)
            return false;
    return true;
}

bool near(const QVector<double>& a, const QVector<double>& b, double tolerance)
{
    return near(Sample{a.constData(), a.size()}, Sample{b.constData(), b.size()}, tolerance);
}

bool segmentHolds(const LottieSamples& samples, int from, int to, const ZenubEasing& easing,
                  double tolerance)
{
    const Sample a = samples.at(from);
    const Sample b = samples.at(to);
    for (int f = from + 1; f < to; ++f) {
        const double eased = easing.valueFor(double(f - from) / (to - from));
        const Sample c = samples.at(f);
        for (int i = 0; i < a.size; ++i) {
            const double expected = a.values[i] + (b.value(i) - a.values[i]) * eased;
            if (std::abs(expected - c.value(i)) > tolerance)
                return false;
        }
    }
    return true;
}

} // namespace

QVector<LottieKeyFitter::Key> LottieKeyFitter::fit(const LottieSamples& samples,
                                                   const QVector<Candidate>& candidates,
                                                   double tolerance)
{
    QVector<Key> keys;
    if (samples.isEmpty())
        return keys;
    const int last = samples.size() - 1;
    bool still = true;
    for (int f = 0; f < samples.size() && still; ++f)
        still = near(samples.at(f), samples.at(0), tolerance);
    if (still)
        return {Key{0, samples.at(0).toVector(), ZenubEasing()}};

    // The file's keys on whole frames inside the range, with every timing given there.
    QMultiMap<int, ZenubEasing> frames;
    for (const Candidate& candidate : candidates) {
        const double rounded = std::round(candidate.frame);
        if (std::abs(candidate.frame - rounded) < 1e-6 && rounded >= 0 && rounded <= last &&
            !frames.contains(int(rounded), candidate.easing))
            frames.insert(int(rounded), candidate.easing);
    }
    // Still before the first key and after the last, or keyed from the ends.
    if (frames.isEmpty() || !near(samples.at(0), samples.at(frames.firstKey()), tolerance))
        frames.insert(0, ZenubEasing());
    if (!near(samples.at(last), samples.at(frames.lastKey()), tolerance))
        frames.insert(last, ZenubEasing());
    for (int f = 0; f < frames.firstKey(); ++f)
        if (!near(samples.at(f), samples.at(frames.firstKey()), tolerance)) {
            frames.insert(0, ZenubEasing());
            break;
        }
    for (int f = frames.lastKey() + 1; f <= last; ++f)
        if (!near(samples.at(f), samples.at(frames.lastKey()), tolerance)) {
            frames.insert(last, ZenubEasing());
            break;
        }

    // From each key, the farthest of the file's keys that one of the timings found on its
    // frame (or a hold) reaches; a stretch none reaches gets a key on every frame.
    const QList<int> known = frames.uniqueKeys();
    int k = 0;
    while (k < known.size()) {
        const int from = known.at(k);
        if (k + 1 == known.size()) {
            keys.append(Key{from, samples.at(from).toVector(), ZenubEasing()});
            break;
        }
        QVector<ZenubEasing> easings = frames.values(from).toVector();
        easings << ZenubEasing() << ZenubEasing(ZenubEasing::Type::Hold);
        int reached = -1;
        ZenubEasing easing;
        // Within a window, so that a file of many keys stays quick to open.
        const int farthest = std::min(int(known.size()) - 1, k + maximumReach());
        for (int j = farthest; j > k && reached < 0; --j)
            for (const ZenubEasing& candidate : qAsConst(easings))
                if (segmentHolds(samples, from, known.at(j), candidate, tolerance)) {
                    reached = j;
                    easing = candidate;
                    break;
                }
        if (reached < 0) {
            // A key on every frame: exact wherever a frame is drawn.
            for (int f = from; f < known.at(k + 1); ++f)
                keys.append(Key{f, samples.at(f).toVector(), ZenubEasing()});
            ++k;
            continue;
        }
        keys.append(Key{from, samples.at(from).toVector(), easing});
        k = reached;
    }
    // A key that repeats the one before it after a still stretch says nothing.
    while (keys.size() > 1 && near(keys.constLast().value, keys.at(keys.size() - 2).value, 0)) {
        keys.removeLast();
        keys.last().easing = ZenubEasing();
    }
    return keys;
}
