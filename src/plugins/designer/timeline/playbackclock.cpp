// SPDX-License-Identifier: MIT
#include "playbackclock.h"

#include <QTimer>

#include <algorithm>

PlaybackClock::PlaybackClock(QObject* parent)
    : QObject(parent)
    , m_pTimer(new QTimer(this))
{
    m_pTimer->setTimerType(Qt::PreciseTimer);
    connect(m_pTimer, &QTimer::timeout, this, &PlaybackClock::tick);
}

void PlaybackClock::start(int startFrame, int frameRate, int frameCount, bool bLoop)
{
    m_frameRate = std::max(1, frameRate);
    m_frameCount = std::max(1, frameCount);
    m_startFrame = std::clamp(startFrame, 0, m_frameCount - 1);
    m_frame = m_startFrame;
    m_bLoop = bLoop;
    m_clock.start();
    // Ticking twice per frame keeps the shown frame at most half a frame late.
    m_pTimer->start(std::max(1, 500 / m_frameRate));
}

void PlaybackClock::stop()
{
    m_pTimer->stop();
}

bool PlaybackClock::isRunning() const
{
    return m_pTimer->isActive();
}

void PlaybackClock::setLoop(bool bLoop)
{
    if (m_bLoop == bLoop)
        return;
    m_bLoop = bLoop;
    if (isRunning()) {
        m_startFrame = m_frame;
        m_clock.restart();
    }
}

int PlaybackClock::frameAt(int startFrame, qint64 elapsedMs, int frameRate, int frameCount,
                           bool bLoop, bool* ended)
{
    frameCount = std::max(1, frameCount);
    const qint64 frame =
        startFrame + std::max<qint64>(0, elapsedMs) * std::max(1, frameRate) / 1000;
    if (ended)
        *ended = !bLoop && frame >= frameCount - 1;
    if (bLoop)
        return int(frame % frameCount);
    return int(std::min<qint64>(frame, frameCount - 1));
}

void PlaybackClock::tick()
{
    bool bEnded = false;
    const int frame =
        frameAt(m_startFrame, m_clock.elapsed(), m_frameRate, m_frameCount, m_bLoop, &bEnded);
    if (frame != m_frame) {
        m_frame = frame;
        emit frameChanged(frame);
    }
    if (bEnded) {
        stop();
        emit finished();
    }
}
