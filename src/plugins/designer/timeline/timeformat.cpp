// SPDX-License-Identifier: MIT
#include "timeformat.h"

#include <QLocale>
#include <QRegularExpression>

#include <cmath>

TimeFormat::TimeFormat(bool bSeconds, int frameRate)
    : m_bSeconds(bSeconds)
    , m_frameRate(frameRate)
{}

QString TimeFormat::text(int frame) const
{
    if (!isSeconds())
        return QString::number(frame);
    return tr("%1 s").arg(QLocale().toString(double(frame) / m_frameRate, 'f', 2));
}

QString TimeFormat::label(int frame) const
{
    if (!isSeconds())
        return QString::number(frame);
    return tr("%1 s").arg(QLocale().toString(double(frame) / m_frameRate, 'g', 6));
}

int TimeFormat::frameOf(const QString& text) const
{
    // The unit and the spaces around the number are the user's to leave out.
    QString number = text.trimmed();
    number.remove(QRegularExpression(QStringLiteral("\\s*[^\\d.,\\-]+$")));
    bool bOk = false;
    double value = QLocale().toDouble(number, &bOk);
    if (!bOk)
        value = QLocale::c().toDouble(number, &bOk);
    if (!bOk || value < 0)
        return -1;
    return isSeconds() ? int(std::lround(value * m_frameRate)) : int(std::lround(value));
}

int TimeFormat::labelStep(double frameWidth, int pixels) const
{
    if (isSeconds()) {
        for (const double seconds : {0.1, 0.2, 0.25, 0.5, 1.0, 2.0, 5.0, 10.0, 15.0, 30.0, 60.0,
                                     120.0, 300.0, 600.0, 1800.0, 3600.0}) {
            const double frames = seconds * m_frameRate;
            if (std::abs(frames - std::round(frames)) < 1e-9 && frames >= 1 &&
                frames * frameWidth >= pixels)
                return int(std::round(frames));
        }
    }
    for (const int frames : {1, 2, 5, 10, 25, 50, 100, 250, 500, 1000, 2500, 5000, 10000})
        if (frames * frameWidth >= pixels)
            return frames;
    return 100000;
}
