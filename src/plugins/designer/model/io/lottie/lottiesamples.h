// SPDX-License-Identifier: MIT
#ifndef LOTTIESAMPLES_H
#define LOTTIESAMPLES_H

#include <QVector>

#include <initializer_list>

/*!
    A property's values at frames 0, 1, ...: a run of numbers for each frame, all kept in one
    block, so that sampling every property of every shape at every frame allocates nothing per
    frame. Runs are as long as their values (usually all alike).
*/
class LottieSamples
{
public:
    /*! One frame's numbers, valid until the next append. */
    struct Sample
    {
        const double* values = nullptr;
        int size = 0;

        /*! The number at \a index, 0 past the end (as QVector::value()). */
        double value(int index) const { return index < size ? values[index] : 0; }
        QVector<double> toVector() const { return QVector<double>(values, values + size); }
    };

    void reserve(int frames, int dimensions)
    {
        m_values.reserve(frames * dimensions);
        m_ends.reserve(frames);
    }
    void append(std::initializer_list<double> values)
    {
        append(values.begin(), int(values.size()));
    }
    void append(const QVector<double>& values) { append(values.constData(), values.size()); }
    void append(const double* values, int count)
    {
        for (int i = 0; i < count; ++i)
            m_values.append(values[i]);
        m_ends.append(m_values.size());
    }

    int size() const { return m_ends.size(); }
    bool isEmpty() const { return m_ends.isEmpty(); }
    Sample at(int frame) const
    {
        const int begin = frame > 0 ? m_ends.at(frame - 1) : 0;
        return {m_values.constData() + begin, m_ends.at(frame) - begin};
    }

private:
    QVector<double> m_values;
    QVector<int> m_ends;
};

#endif
