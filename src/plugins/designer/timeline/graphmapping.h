// SPDX-License-Identifier: MIT
#ifndef GRAPHMAPPING_H
#define GRAPHMAPPING_H

#include <QPointF>
#include <QRectF>

/*!
    Where frames and values sit in the graph editor's plot: frames run to the right, values
    upwards. Zooming keeps the point under the pointer in place.
*/
class GraphMapping
{
public:
    void setPlot(const QRectF& plot) { m_plot = plot; }
    const QRectF& plot() const { return m_plot; }

    double x(double frame) const { return m_plot.left() + (frame - m_firstFrame) * m_frameScale; }
    double y(double value) const { return m_plot.bottom() - (value - m_lowValue) * m_valueScale; }
    QPointF point(double frame, double value) const { return QPointF(x(frame), y(value)); }
    double frameAt(double x) const { return m_firstFrame + (x - m_plot.left()) / m_frameScale; }
    double valueAt(double y) const { return m_lowValue + (m_plot.bottom() - y) / m_valueScale; }
    double pixelsPerFrame() const { return m_frameScale; }
    double pixelsPerValue() const { return m_valueScale; }

    /*! Shows frames \a first to \a last and values \a low to \a high, with a margin round them. */
    void fit(double first, double last, double low, double high);
    /*! Scales the frames by \a factor, keeping the frame at \a anchorX where it is. */
    void zoomFrames(double factor, double anchorX);
    void zoomValues(double factor, double anchorY);
    /*! Moves the contents by \a pixels. */
    void pan(const QPointF& pixels);

private:
    QRectF m_plot = QRectF(0, 0, 100, 100);
    double m_firstFrame = 0;
    double m_frameScale = 10;
    double m_lowValue = 0;
    double m_valueScale = 1;
};

#endif
