// SPDX-License-Identifier: MIT
#ifndef MOTIONKEYDRAG_H
#define MOTIONKEYDRAG_H

#include "model/edits/shaperef.h"
#include "model/project/zenubproject.h"

#include <QCoreApplication>
#include <QPointF>

class StageWidget;

/*!
    A position key taken by its mark on a motion path and dragged on the stage. Only that key
    moves; the drop is one undo step.
*/
class MotionKeyDrag
{
    Q_DECLARE_TR_FUNCTIONS(MotionKeyDrag)
public:
    explicit MotionKeyDrag(StageWidget* stage);

    /*!
        Whether a press at stage point \a point would take a key: the motion paths show and a
        key's mark is there (not the current frame's, where a press moves the shape as ever).
    */
    bool isOverKey(const QPointF& point) const;
    /*! Takes the key under stage point \a point; false when there is none. */
    bool begin(const QPointF& point);
    bool isActive() const { return m_frame >= 0; }
    void dragTo(const QPointF& point);
    /*! The project with the key where the pointer took it, or null before it moved. */
    const ZenubProject* preview() const { return m_bMoved ? &m_preview : nullptr; }
    void finish();
    void end();

private:
    bool keyAt(const QPointF& point, ShapeRef* ref, int* frame) const;

    StageWidget* m_pStage;
    ShapeRef m_ref;
    int m_frame = -1;
    QPointF m_pressed;
    QPointF m_offset;
    ZenubProject m_preview;
    bool m_bMoved = false;
};

#endif
