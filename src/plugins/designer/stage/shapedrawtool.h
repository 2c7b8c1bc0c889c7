// SPDX-License-Identifier: MIT
#ifndef SHAPEDRAWTOOL_H
#define SHAPEDRAWTOOL_H

#include "model/edits/shaperef.h"
#include "model/project/zenubproject.h"
#include "stagetool.h"

#include <QCoreApplication>
#include <QLineF>
#include <QRectF>
#include <QVector>

/*!
    Draws a new shape of one kind: a press-drag spans its box (Shift: as wide as high, Alt:
    from the press outwards both ways), a click places the kind's default size there. The new
    shape is one undo step and becomes the selection; the tool stays in hand.
*/
class ShapeDrawTool : public StageTool
{
    Q_DECLARE_TR_FUNCTIONS(ShapeDrawTool)
public:
    ShapeDrawTool(StageWidget* stage, ZenubShape::Type type);

    /*!
        The box spanned from \a press to \a point: \a square makes it as wide as high, the
        larger side winning, \a fromCentre puts \a press in its middle.
    */
    static QRectF drawnBox(const QPointF& press, const QPointF& point, bool square,
                           bool fromCentre);
    /*! The box a click at \a point places a shape of \a size in. */
    static QRectF clickedBox(const QPointF& point, const QSizeF& size, bool fromCentre);

    void press(const QPointF& point, Qt::KeyboardModifiers modifiers) override;
    void dragTo(const QPointF& point, Qt::KeyboardModifiers modifiers) override;
    void finish() override;
    void cancel() override;
    bool isActive() const override { return m_bActive; }
    const ZenubProject* preview() const override { return m_bDragged ? &m_preview : nullptr; }
    void paintOverlay(StageOverlay& overlay, const ZenubProject& shown) const override;

protected:
    /*! The shape the gesture adds, in \a box; null when nothing can be added. */
    virtual bool makeShape(const QRectF& box, ZenubShape* shape) const;
    QRectF currentBox() const;

private:
    QPointF snapped(const QPointF& point);

    ZenubShape::Type m_type;
    bool m_bActive = false;
    bool m_bDragged = false;
    QPointF m_press;
    QPointF m_point;
    Qt::KeyboardModifiers m_modifiers;
    ZenubProject m_preview;
    QVector<QLineF> m_guides;
};

#endif
