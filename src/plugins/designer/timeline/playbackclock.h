// SPDX-License-Identifier: MIT
#ifndef PLAYBACKCLOCK_H
#define PLAYBACKCLOCK_H

#include <QElapsedTimer>
#include <QObject>

class QTimer;

/*!
    Plays frames at a frame rate measured against the wall clock: when drawing falls behind,
    frames are skipped rather than time slowed down.
*/
class PlaybackClock : public QObject
{
    Q_OBJECT
public:
    explicit PlaybackClock(QObject* parent = nullptr);

    /*! Plays \a frameCount frames from \a startFrame, wrapping around when \a bLoop is set. */
    void start(int startFrame, int frameRate, int frameCount, bool bLoop);
    void stop();
    bool isRunning() const;
    /*! Takes effect from the frame shown now, without a jump. */
    void setLoop(bool bLoop);

    /*!
        The frame due \a elapsedMs after \a startFrame was shown. Without \a bLoop it stops at
        the last frame and sets \a ended.
    */
    static int frameAt(int startFrame, qint64 elapsedMs, int frameRate, int frameCount, bool bLoop,
                       bool* ended = nullptr);

signals:
    void frameChanged(int frame);
    /*! The last frame was reached without looping. */
    void finished();

private:
    void tick();

    QTimer* m_pTimer;
    QElapsedTimer m_clock;
    int m_startFrame = 0;
    int m_frame = 0;
    int m_frameRate = 24;
    int m_frameCount = 1;
    bool m_bLoop = true;
};

#endif
