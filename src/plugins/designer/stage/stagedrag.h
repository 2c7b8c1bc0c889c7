// SPDX-License-Identifier: MIT
#ifndef STAGEDRAG_H
#define STAGEDRAG_H

#include "document/designerdocument.h"
#include "stagehandles.h"

#include <QLineF>
#include <QRectF>
#include <QVector>

#include <memory>

class StageSnapper;

/*!
    A drag of shapes on the stage: a move of the selection, or a resize or turn of one shape by
    a handle. It knows how far the pointer has taken the shapes, snapped, and which guides to
    show; the stage draws that and hands it to the document on release.
*/
class StageDrag
{
public:
    enum class Kind { None, Move, Resize, Rotate };

    StageDrag();
    ~StageDrag();

    /*! \a snapper pulls the moved shapes onto what is near. */
    void beginMove(const ZenubProject& project, int scene, int frame,
                   const QVector<ShapeRef>& shapes, const QPointF& press,
                   std::unique_ptr<StageSnapper> snapper);
    /*! Several shapes resize and turn as one box, about its middle. */
    void beginHandle(const ZenubProject& project, int frame, const QVector<ShapeRef>& shapes,
                     StageHandles::Handle handle, const QPointF& press,
                     std::unique_ptr<StageSnapper> snapper);
    void end();

    /*!
        The box the handles of \a shapes sit on: one shape's own, turned with it, or the upright
        bounds of several; false when a shape is missing.
    */
    static bool handleBox(const ZenubProject& project, int frame, const QVector<ShapeRef>& shapes,
                          ZenubKeyframe* box);

    Kind kind() const { return m_kind; }
    /*!
        Follows the pointer to stage point \a point. Shift keeps a move on one axis, the aspect
        of a resize, a turn in 15 degree steps; Alt does not snap. \a zoom is the view's.
    */
    void dragTo(const QPointF& point, Qt::KeyboardModifiers modifiers, double zoom);
    /*! Whether the drag changes anything yet. */
    bool hasChanged() const;
    /*! How far a move has gone, snapped. */
    QPointF offset() const { return m_offset; }
    /*! \a state as the drag leaves it so far. */
    ZenubKeyframe applied(const ZenubKeyframe& state) const;
    /*! The lines the drag snapped to, in stage pixels. */
    const QVector<QLineF>& guides() const { return m_guides; }

private:
    ZenubKeyframe appliedToGroup(const ZenubKeyframe& state) const;

    Kind m_kind = Kind::None;
    bool m_bStarted = false;
    bool m_bGroup = false;
    StageHandles::Handle m_handle = StageHandles::None;
    ZenubKeyframe m_start;
    QRectF m_startBounds;
    QPointF m_press;
    QPointF m_point;
    QPointF m_offset;
    Qt::KeyboardModifiers m_modifiers;
    std::unique_ptr<StageSnapper> m_pSnapper;
    QVector<QLineF> m_guides;
};

#endif
