// SPDX-License-Identifier: MIT
#include "reportlimiter.h"

ReportLimiter::ReportLimiter(int burst, qint64 intervalMs)
    : m_burst(burst)
    , m_intervalMs(intervalMs)
{}

bool ReportLimiter::allow(int* skipped)
{
    if (!m_window.isValid() || m_window.elapsed() >= m_intervalMs) {
        m_window.start();
        m_used = 0;
    }
    if (m_used >= m_burst) {
        ++m_skipped;
        return false;
    }
    ++m_used;
    *skipped = m_skipped;
    m_skipped = 0;
    return true;
}
