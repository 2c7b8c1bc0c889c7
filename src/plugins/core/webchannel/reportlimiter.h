// SPDX-License-Identifier: MIT
#ifndef REPORTLIMITER_H
#define REPORTLIMITER_H

#include <QElapsedTimer>

/*!
    Lets a burst of reports through per interval and counts the rest, so that a peer repeating
    a fault cannot flood the log. The next report let through says how many were left out.
*/
class ReportLimiter
{
public:
    ReportLimiter(int burst, qint64 intervalMs);

    /*! True when this report may be written; *skipped tells how many were left out before. */
    bool allow(int* skipped);

private:
    const int m_burst;
    const qint64 m_intervalMs;
    QElapsedTimer m_window;
    int m_used = 0;
    int m_skipped = 0;
};

#endif
