// SPDX-License-Identifier: MIT
#ifndef MOTIONPATH_H
#define MOTIONPATH_H

#include "model/edits/shaperef.h"

#include <QPointF>
#include <QVector>

class QPainter;
class StageViewport;
class ZenubProject;

/*!
    The way a shape's centre travels through its scene while its position is animated: one
    point per frame, in stage pixels, and the frames of its position keys. The stage draws it
    over the frame with a dot per frame and a larger mark on each key; a key's mark may be
    dragged to move that key.
*/
class MotionPath
{
public:
    /*! How near, in screen pixels, the pointer must be to a key's mark to take it. */
    static constexpr double kReach = 6.0;

    /*! The path of \a ref's shape in \a project; false when its position does not animate. */
    static bool of(const ZenubProject& project, const ShapeRef& ref, MotionPath* path);

    const ShapeRef& shape() const { return m_ref; }
    /*! The centre at each frame of the scene, from frame 0. */
    const QVector<QPointF>& centres() const { return m_centres; }
    /*! The frames of the position keys inside the scene. */
    const QVector<int>& keys() const { return m_keys; }

    /*!
        The key whose mark lies within \a reach stage pixels of \a point, the nearest, leaving
        out the one on \a skipped; -1 when there is none.
    */
    int keyNear(const QPointF& point, double reach, int skipped) const;

    /*! Draws the paths of those of \a refs in \a scene that move. */
    static void paintAll(QPainter* painter, const StageViewport& viewport,
                         const ZenubProject& project, const QVector<ShapeRef>& refs, int scene,
                         int frame);
    /*! Draws the path over the stage; \a frame, the current one, is marked. */
    void paint(QPainter* painter, const StageViewport& viewport, int frame) const;

    /*!
        Moves the position key on \a frame of \a ref's shape so that its centre there moves by
        \a offset stage pixels; nothing else changes. False when there is no such key.
    */
    static bool moveKey(ZenubProject& project, const ShapeRef& ref, int frame,
                        const QPointF& offset);

private:
    ShapeRef m_ref;
    QVector<QPointF> m_centres;
    QVector<int> m_keys;
};

#endif
