// SPDX-License-Identifier: MIT
#ifndef GRADIENTSTOPSBAR_H
#define GRADIENTSTOPSBAR_H

#include "model/project/zenubpaint.h"

#include <QWidget>

/*!
    A gradient's stops along a bar that shows the gradient: a stop is dragged along it, a click
    on the bar adds one there in the colour the gradient has there, a double-click on a stop
    asks for its colour, Delete removes the picked stop (two always stay). Every change is
    reported at once; a drag reports its end as finished.
*/
class GradientStopsBar : public QWidget
{
    Q_OBJECT
public:
    explicit GradientStopsBar(QWidget* parent = nullptr);

    QVector<ZenubGradientStop> stops() const { return m_stops; }
    void setStops(const QVector<ZenubGradientStop>& stops);
    int currentStop() const { return m_current; }
    void setCurrentStop(int index);

    /*! The colour the stops give at \a offset. */
    static QColor colorAt(const QVector<ZenubGradientStop>& stops, double offset);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    /*! \a bFinished: the last change of a drag, or a change of its own. */
    void stopsChanged(bool bFinished);
    void currentStopChanged(int index);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void sortStops();
    QRectF barRect() const;
    double offsetAt(double x) const;
    int stopAt(const QPointF& point) const;

    QVector<ZenubGradientStop> m_stops;
    int m_current = -1;
    bool m_bDragging = false;
};

#endif
