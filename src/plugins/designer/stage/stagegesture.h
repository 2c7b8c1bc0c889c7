// SPDX-License-Identifier: MIT
#ifndef STAGEGESTURE_H
#define STAGEGESTURE_H

#include "document/designerdocument.h"
#include "motionkeydrag.h"
#include "stagedrag.h"
#include "stagetool.h"

#include <QCoreApplication>
#include <QPointF>
#include <QRectF>
#include <QVector>

/*!
    The Select tool's gesture: a rectangle dragged over the empty stage picks shapes, a press
    on a shape or a handle drags the selection, a press on a key of a motion path moves it. While it
   runs the stage draws preview() in place of the document's project; finish() hands the drag to the
   document as one edit.
*/
class StageGesture : public StageTool
{
    Q_DECLARE_TR_FUNCTIONS(StageGesture)
public:
    enum class Kind { None, Drag, Select, MotionKey };

    explicit StageGesture(StageWidget* stage);

    Kind kind() const { return m_kind; }
    bool isActive() const override { return m_kind != Kind::None; }
    const StageDrag& drag() const { return m_drag; }
    const ZenubProject* preview() const override
    {
        return m_kind == Kind::MotionKey ? m_motionKey.preview()
               : m_bPreview              ? &m_preview
                                         : nullptr;
    }
    QRectF rubberBand() const { return QRectF(m_pressStage, m_dragStage); }

    /*! Starts at stage point \a point; a Shift+click on a selected shape only drops it. */
    void press(const QPointF& point, Qt::KeyboardModifiers modifiers) override;
    void dragTo(const QPointF& point, Qt::KeyboardModifiers modifiers) override;
    /*! Commits a drag to the document and ends the gesture. */
    void finish() override;
    /*! Ends the gesture with nothing reaching the document and the selection as it was. */
    void cancel() override;
    /*! Ends the gesture and drops its preview. */
    void reset();
    Qt::CursorShape cursorAt(const QPointF& point) const override;
    void paintOverlay(StageOverlay& overlay, const ZenubProject& shown) const override;

    /*! Where the selection's handles sit in \a project; false when they do not show. */
    bool handleBox(const ZenubProject& project, ZenubKeyframe* box) const;

private:
    void updatePreview();
    /*! \a state of \a ref's shape as the drag leaves it; \a toStage maps its coordinates. */
    ZenubKeyframe applied(const ZenubKeyframe& state, const ShapeRef& ref,
                          const QTransform& toStage) const;

    Kind m_kind = Kind::None;
    StageDrag m_drag;
    MotionKeyDrag m_motionKey;
    QPointF m_pressStage;
    QPointF m_dragStage;
    QVector<ShapeRef> m_selectedBefore;
    ZenubProject m_preview;
    bool m_bPreview = false;
};

#endif
