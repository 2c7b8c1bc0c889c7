// SPDX-License-Identifier: MIT
#ifndef GRADIENTDRAG_H
#define GRADIENTDRAG_H

#include "gradienthandles.h"
#include "model/project/zenubproject.h"

#include <QCoreApplication>

class StageWidget;

/*!
    A drag of one of the selected shape's gradient points, as the node tool offers it: the
    picture follows the pointer, the release is one undo step.
*/
class GradientDrag
{
    Q_DECLARE_TR_FUNCTIONS(GradientDrag)
public:
    explicit GradientDrag(StageWidget* stage);

    /*! Takes the gradient point at stage point \a point; false when there is none. */
    bool press(const QPointF& point);
    void dragTo(const QPointF& point);
    void finish();
    void cancel();
    bool isActive() const { return m_bActive; }
    bool isAt(const QPointF& point) const;
    const ZenubProject* preview() const { return m_bPreview ? &m_preview : nullptr; }
    void paint(StageOverlay& overlay, const ZenubProject& shown) const;

private:
    /*! The one selected shape, whose gradients show their points; invalid otherwise. */
    ShapeRef shape() const;
    bool handleAt(const QPointF& point, GradientHandles::Handle* handle) const;

    StageWidget* m_pStage;
    bool m_bActive = false;
    ShapeRef m_ref;
    GradientHandles::Handle m_handle;
    QPointF m_point;
    ZenubProject m_preview;
    bool m_bPreview = false;
};

#endif
