// SPDX-License-Identifier: MIT
#ifndef STAGEVIEWPORT_H
#define STAGEVIEWPORT_H

#include <QPointF>
#include <QSizeF>

/*!
    Where the stage sits in its widget: fitted to the widget, or at a zoom of its own and moved
    by panning. Widget points map to stage pixels and back through it.
*/
class StageViewport
{
public:
    static constexpr double kMinZoom = 0.05;
    static constexpr double kMaxZoom = 32.0;

    void setWidgetSize(const QSizeF& size) { m_widgetSize = size; }
    void setStageSize(const QSizeF& size) { m_stageSize = size; }

    /*! Fitted: the zoom follows the widget's size and the stage stays centred. */
    bool isFit() const { return m_bFit; }
    void fit();
    double scale() const;
    /*! Zooms to \a zoom, keeping the stage point under widget point \a anchor where it is. */
    void zoomTo(double zoom, const QPointF& anchor);
    void panBy(const QPointF& delta);
    /*! The stage's centre's distance from the widget's centre, in widget pixels. */
    QPointF pan() const { return m_pan; }
    /*! How far the view pans each way, so that a part of the stage always stays in view. */
    QPointF panLimit() const;

    QPointF origin() const;
    QPointF toStage(const QPointF& widgetPoint) const;
    QPointF fromStage(const QPointF& stagePoint) const;

    /*! The zoom \a steps steps in or out from \a zoom; steps pass through 100 % exactly. */
    static double steppedZoom(double zoom, double steps);

private:
    double fitScale() const;
    void clampPan();

    QSizeF m_widgetSize;
    QSizeF m_stageSize;
    bool m_bFit = true;
    double m_zoom = 1.0;
    // The stage's centre's distance from the widget's centre, in widget pixels.
    QPointF m_pan;
};

#endif
