// SPDX-License-Identifier: MIT
#ifndef BEZIERCURVEEDITOR_H
#define BEZIERCURVEEDITOR_H

#include <QPointF>
#include <QWidget>

/*!
    Shows an easing curve from (0, 0) to (1, 1) and lets the user drag its two control points.
    Time runs to the right, progress upwards; a control point may leave the square upwards or
    downwards for a curve that overshoots.
*/
class BezierCurveEditor : public QWidget
{
    Q_OBJECT
public:
    explicit BezierCurveEditor(QWidget* parent = nullptr);

    QPointF controlPoint(int index) const { return m_points[index == 0 ? 0 : 1]; }
    void setControlPoints(const QPointF& first, const QPointF& second);

    QSize sizeHint() const override { return QSize(260, 260); }

signals:
    void controlPointsChanged();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QRectF square() const;
    QPointF toWidget(const QPointF& curve) const;
    QPointF toCurve(const QPointF& widget) const;

    QPointF m_points[2] = {QPointF(0.25, 0.1), QPointF(0.25, 1.0)};
    int m_dragged = -1;
};

#endif
