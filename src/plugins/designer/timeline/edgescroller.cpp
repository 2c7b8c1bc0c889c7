// SPDX-License-Identifier: MIT
#include "edgescroller.h"

#include <QScrollBar>
#include <QTimer>

#include <algorithm>

namespace {

constexpr int kZone = 24;
constexpr int kFastest = 48;

} // namespace

EdgeScroller::EdgeScroller(QScrollBar* bar, std::function<void()> scrolled, QObject* parent)
    : QObject(parent)
    , m_pBar(bar)
    , m_scrolled(std::move(scrolled))
    , m_pTimer(new QTimer(this))
{
    m_pTimer->setInterval(30);
    connect(m_pTimer, &QTimer::timeout, this, &EdgeScroller::step);
}

int EdgeScroller::speed(int position, int low, int high)
{
    if (high - low < 3 * kZone)
        return 0;
    if (position < low + kZone)
        return -std::clamp((low + kZone - position) / 2, 1, kFastest);
    if (position > high - kZone)
        return std::clamp((position - (high - kZone)) / 2, 1, kFastest);
    return 0;
}

void EdgeScroller::follow(int position, int low, int high)
{
    m_speed = speed(position, low, high);
    if (m_speed == 0)
        m_pTimer->stop();
    else if (!m_pTimer->isActive())
        m_pTimer->start();
}

void EdgeScroller::stop()
{
    m_speed = 0;
    m_pTimer->stop();
}

bool EdgeScroller::isScrolling() const
{
    return m_pTimer->isActive();
}

void EdgeScroller::step()
{
    const int before = m_pBar->value();
    m_pBar->setValue(before + m_speed);
    if (m_pBar->value() != before)
        m_scrolled();
}
