// SPDX-License-Identifier: MIT
#ifndef FRAMERENDERER_H
#define FRAMERENDERER_H

#include "model/edits/shaperef.h"

#include <QPair>
#include <QPointF>
#include <QRectF>
#include <QSize>
#include <QVector>

class QFont;
class QImage;
class QPainter;
class QTransform;
class ZenubKeyframe;
class ZenubProject;
class ZenubShape;

/*!
    Draws one frame of a scene: the stage's background and every shape of the visible layers
    in its state at that frame. The stage, the video export and the scene thumbnails all draw
    through it, so the exports show exactly what the user edits.

    The renderer keeps a reference to the project; the project must outlive it.
*/
class FrameRenderer
{
public:
    explicit FrameRenderer(const ZenubProject& project);

    /*! A shape of the scene: its layer's index and its index in that layer. */
    using ShapeIndex = QPair<int, int>;
    /*! Outlines the shapes \a shapes and draws them moved by \a offset. */
    void setSelection(const QVector<ShapeIndex>& shapes, const QPointF& offset = QPointF());

    /*! Paints in stage pixels, clipped to the stage, through \a painter's transformation. */
    void paint(QPainter* painter, int scene, double frame) const;
    /*! paint() in two steps, so that the editor can draw its aids between them. */
    void paintBackground(QPainter* painter) const;
    void paintShapes(QPainter* painter, int scene, double frame) const;
    /*!
        The whole stage scaled to fit \a size, centred, with the aspect kept. The image is
        opaque; what the stage does not cover has the stage's background colour.
    */
    QImage render(int scene, double frame, const QSize& size) const;

    /*!
        The topmost drawn shape at stage point \a point that may be picked (not on a locked
        layer), allowing \a tolerance stage pixels (see HitTest); false when there is none.
    */
    bool shapeAt(int scene, double frame, const QPointF& point, int* layer, int* shape,
                 double tolerance = 0) const;
    /*!
        The same as a reference; with \a within naming a group, the topmost of its members at
        \a point instead (invalid when none is there).
    */
    ShapeRef pick(int scene, double frame, const QPointF& point, double tolerance = 0,
                  const ShapeRef& within = ShapeRef()) const;

    static QRectF shapeRect(const ZenubKeyframe& state);
    /*! The font a text shape's own words are drawn with in \a box (see TextLayout). */
    static QFont textFont(const ZenubShape& shape, const QRectF& box);
    /*! Shapes turn about their centre. */
    static QTransform shapeTransform(const ZenubKeyframe& state);
    /*! A two-tone outline, so it stands out from any fill colour and background. */
    static void paintSelectionOutline(QPainter* painter, const QRectF& box);

private:
    const ZenubProject& m_project;
    QVector<ShapeIndex> m_selected;
    QPointF m_selectionOffset;
};

#endif
