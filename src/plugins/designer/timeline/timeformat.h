// SPDX-License-Identifier: MIT
#ifndef TIMEFORMAT_H
#define TIMEFORMAT_H

#include <QCoreApplication>
#include <QString>

/*!
    How the time line counts: frames from 0 (the ruler, the frame field and the export dialogs
    all start at frame 0 and end at the scene's length less one), or seconds from 0. A frame's
    time is when it starts: frame 24 at 24 frames per second is 1 s.
*/
class TimeFormat
{
    Q_DECLARE_TR_FUNCTIONS(TimeFormat)
public:
    TimeFormat() = default;
    TimeFormat(bool bSeconds, int frameRate);

    bool isSeconds() const { return m_bSeconds && m_frameRate > 0; }
    int frameRate() const { return m_frameRate; }

    /*! "12", or "0.50 s" at 24 frames per second. */
    QString text(int frame) const;
    /*! The shortest form for the ruler: "12", "0.5 s". */
    QString label(int frame) const;
    /*! The frame a user typed, in the counter shown (a number alone counts as that); -1 if none. */
    int frameOf(const QString& text) const;
    /*!
        The frames between labels on a ruler, at least \a pixels apart at \a frameWidth pixels a
        frame: round numbers of frames, or of seconds (those that are whole frames).
    */
    int labelStep(double frameWidth, int pixels = 40) const;

private:
    bool m_bSeconds = false;
    int m_frameRate = 0;
};

#endif
