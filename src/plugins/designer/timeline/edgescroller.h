// SPDX-License-Identifier: MIT
#ifndef EDGESCROLLER_H
#define EDGESCROLLER_H

#include <QObject>

#include <functional>

class QScrollBar;
class QTimer;

/*!
    Scrolls while a drag holds the pointer near or past an edge of the visible part, faster the
    further out, so a key can be dragged to a frame out of sight. After each step it calls back,
    so the drag follows the frames that came into view.
*/
class EdgeScroller : public QObject
{
    Q_OBJECT
public:
    EdgeScroller(QScrollBar* bar, std::function<void()> scrolled, QObject* parent);

    /*! The pointer is at \a position; the visible part runs from \a low to \a high. */
    void follow(int position, int low, int high);
    void stop();
    bool isScrolling() const;

    /*! Pixels a step for the pointer at \a position: negative towards \a low, 0 away from both. */
    static int speed(int position, int low, int high);

private:
    void step();

    QScrollBar* m_pBar;
    std::function<void()> m_scrolled;
    QTimer* m_pTimer;
    int m_speed = 0;
};

#endif
