// SPDX-License-Identifier: MIT
#ifndef TIMELINEPAINTING_H
#define TIMELINEPAINTING_H

#include <QColor>

#include <functional>

class QPainter;
class QPalette;
class QPointF;
class QRect;
class QString;
class TimeFormat;

/*! The marks a time line draws, apart from the widget that places them. */
namespace TimelinePainting {

/*! The colour of shapes that move: the span between their keyframes and their row's mark. */
QColor animatedColor();

/*! A keyframe: a diamond for linear motion, a circle for an eased one. */
void drawKeyframe(QPainter& painter, const QPointF& centre, bool bEased, double size);

/*!
    Times in \a format and ticks in \a ruler for the frames \a first to \a last; \a frameX gives
    the centre of a frame.
*/
void drawRuler(QPainter& painter, const QPalette& palette, const QRect& ruler, int first, int last,
               double frameWidth, const TimeFormat& format, const std::function<int(int)>& frameX);

/*! The current-frame marker at \a x: a head in the ruler and a line down to \a bottom. */
void drawMarker(QPainter& painter, int x, int rulerHeight, int bottom);

/*! How deep a row's header is indented: a layer, a shape of it, a property of the shape. */
enum class RowDepth { Layer, Shape, Property };
/*! A shape's row may show its property rows: the arrow that shows and hides them. */
enum class Disclosure { None, Closed, Open };
/*! The width at the left of a shape's header where its arrow is clicked. */
constexpr int kDisclosureWidth = 18;

/*!
    A row's header: its title, bold for a layer, dimmed for a hidden one, the arrow of a shape
    with property rows, and the mark of a shape or property that changes.
*/
void drawRowHeader(QPainter& painter, const QPalette& palette, const QRect& rect,
                   const QString& title, RowDepth depth, Disclosure disclosure, bool bDimmed,
                   bool bAnimated, bool bHighlighted);

} // namespace TimelinePainting

#endif
