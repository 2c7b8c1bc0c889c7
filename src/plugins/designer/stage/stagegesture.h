// SPDX-License-Identifier: MIT
#ifndef STAGEGESTURE_H
#define STAGEGESTURE_H

#include "document/designerdocument.h"
#include "stagedrag.h"

#include <QCoreApplication>
#include <QPointF>
#include <QRectF>
#include <QVector>

class StageWidget;

/*!
    A left-button gesture on the stage: a rectangle dragged over the empty stage picks shapes,
    a press on a shape or a handle drags the selection. While it runs the stage draws preview()
    in place of the document's project; finish() hands the drag to the document as one edit.
*/
class StageGesture
{
    Q_DECLARE_TR_FUNCTIONS(StageGesture)
public:
    enum class Kind { None, Drag, Select };

    explicit StageGesture(StageWidget* stage);

    Kind kind() const { return m_kind; }
    bool isActive() const { return m_kind != Kind::None; }
    const StageDrag& drag() const { return m_drag; }
    /*! The project as the running drag would leave it, or null. */
    const ZenubProject* preview() const { return m_bPreview ? &m_preview : nullptr; }
    QRectF rubberBand() const { return QRectF(m_pressStage, m_dragStage); }

    /*! Starts at stage point \a point; a Shift+click on a selected shape only drops it. */
    void press(const QPointF& point, Qt::KeyboardModifiers modifiers);
    void dragTo(const QPointF& point, Qt::KeyboardModifiers modifiers);
    /*! Commits a drag to the document and ends the gesture. */
    void finish();
    /*! Ends the gesture with nothing reaching the document and the selection as it was. */
    void cancel();
    /*! Ends the gesture and drops its preview. */
    void reset();

    /*! Where the selection's handles sit in \a project; false when they do not show. */
    bool handleBox(const ZenubProject& project, ZenubKeyframe* box) const;

private:
    void updatePreview();

    StageWidget* m_pStage;
    Kind m_kind = Kind::None;
    StageDrag m_drag;
    QPointF m_pressStage;
    QPointF m_dragStage;
    QVector<ShapeRef> m_selectedBefore;
    ZenubProject m_preview;
    bool m_bPreview = false;
};

#endif
