// SPDX-License-Identifier: MIT
#ifndef GROUPSCOPE_H
#define GROUPSCOPE_H

#include "model/edits/shaperef.h"

#include <QPointF>
#include <QPolygonF>
#include <QVector>

class StageOverlay;
class ZenubProject;

/*!
    The group the stage works inside after a double-click on it: clicks, rubber bands and
    drags then pick and move its members, until Escape or a click beside them leaves it.
    Picking members elsewhere (in the layers panel) enters their group too.
*/
class GroupScope
{
public:
    /*! The entered group; invalid at the layers' level. */
    const ShapeRef& group() const { return m_group; }
    bool isEntered() const { return m_group.isValid(); }
    void enter(const ShapeRef& group) { m_group = group; }
    void leave() { m_group = ShapeRef(); }
    /*!
        Follows a new selection: members of one group enter it, shapes of the layers leave;
        an empty selection keeps the group.
    */
    void follow(const QVector<ShapeRef>& selection);
    /*! Whether \a project still has the entered group; leaves it otherwise. */
    void check(const ZenubProject& project);

    /*! The turned box of \a ref's shape at \a frame, on the stage. */
    static QPolygonF outline(const ZenubProject& project, const ShapeRef& ref, int frame);
    /*! A move by \a step stage pixels in the coordinates \a ref's keyframes live in. */
    static QPointF localStep(const ZenubProject& project, const ShapeRef& ref, int frame,
                             const QPointF& step);
    /*! Marks the entered group's box and the selected members in \a selected. */
    void paint(StageOverlay& overlay, const ZenubProject& project,
               const QVector<ShapeRef>& selected, int frame) const;

private:
    ShapeRef m_group;
};

#endif
