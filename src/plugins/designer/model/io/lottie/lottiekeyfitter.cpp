// SPDX-License-Identifier: MIT
#include "lottiekeyfitter.h"

#include <QMap>

#include <cmath>

namespace {

bool near(const QVector<double>& a, const QVector<double>& b, double tolerance)
{
    for (int i = 0; i < a.size(); ++i)
        if (std::abs(a.at(i) - b.value(i)) > tolerance)
            return false;
    return true;
}

bool segmentHolds(const QVector<QVector<double>>& samples, int from, int to,
                  const ZenubEasing& easing, double tolerance)
{
    for (int f = from + 1; f < to; ++f) {
        const double eased = easing.valueFor(double(f - from) / (to - from));
        QVector<double> expected = samples.at(from);
        for (int i = 0; i < expected.size(); ++i)
            expected[i] += (samples.at(to).value(i) - expected[i]) * eased;
        if (!near(expected, samples.at(f), tolerance))
            return false;
    }
    return true;
}

} // namespace

QVector<LottieKeyFitter::Key> LottieKeyFitter::fit(const QVector<QVector<double>>& samples,
                                                   const QVector<Candidate>& candidates,
                                                   double tolerance)
{
    QVector<Key> keys;
    if (samples.isEmpty())
        return keys;
    const int last = samples.size() - 1;
    bool still = true;
    for (const QVector<double>& sample : samples)
        still = still && near(sample, samples.constFirst(), tolerance);
    if (still)
        return {Key{0, samples.constFirst(), ZenubEasing()}};

    // The file's keys on whole frames inside the range; the first timing given wins.
    QMap<int, ZenubEasing> frames;
    for (const Candidate& candidate : candidates) {
        const double rounded = std::round(candidate.frame);
        if (std::abs(candidate.frame - rounded) < 1e-6 && rounded >= 0 && rounded <= last &&
            !frames.contains(int(rounded)))
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

    const QList<int> known = frames.keys();
    for (int k = 0; k < known.size(); ++k) {
        const int from = known.at(k);
        ZenubEasing easing = frames.value(from);
        if (k + 1 < known.size()) {
            const int to = known.at(k + 1);
            if (!segmentHolds(samples, from, to, easing, tolerance)) {
                // A key on every frame: exact wherever a frame is drawn.
                for (int f = from; f < to; ++f)
                    keys.append(Key{f, samples.at(f), ZenubEasing()});
                continue;
            }
        } else {
            easing = ZenubEasing();
        }
        keys.append(Key{from, samples.at(from), easing});
    }
    return keys;
}
