// SPDX-License-Identifier: MIT
#ifndef TIMELINEVIEW_H
#define TIMELINEVIEW_H

#include "document/designerdocument.h"
#include "model/edits/keyframeref.h"
#include "timeformat.h"
#include "timelinelayout.h"
#include "timelinerows.h"

#include <QAbstractScrollArea>
#include <QPointer>

class EdgeScroller;
class ZenubScene;

/*!
    The rows and frames of a scene's time line: each layer a row showing the keyframes of all its
    shapes, each shape a row of its own beneath it. Clicking the ruler or an empty cell moves the
    current-frame marker; keyframes are picked with a click (Ctrl or Shift adds) or with a
    rectangle dragged over empty cells, and dragged along the frames. The view only reports what the
   user asks for; TimelineWidget edits.
*/
class TimelineView : public QAbstractScrollArea
{
    Q_OBJECT
public:
    explicit TimelineView(QWidget* parent = nullptr);

    void setDocument(DesignerDocument* document);
    void setScene(int scene);
    int getScene() const { return m_scene; }
    void setFrame(int frame);
    int getFrame() const { return m_frame; }
    /*! The shapes selected on the stage; their rows are highlighted. */
    void setHighlightedShapes(const QVector<ShapeRef>& refs);

    KeyframeRefs getSelection() const { return m_selection; }
    void setSelection(const KeyframeRefs& refs);
    /*! Re-reads the scene, dropping selected keyframes that no longer exist. */
    void refresh();
    /*! The scene shown, or null. */
    const ZenubScene* scene() const;

    /*!
        Centre of a keyframe's mark in viewport coordinates: on its property's row for a
        property's keyframe, else on the shape's own row.
    */
    QPoint keyframePoint(const KeyframeRef& ref) const;
    /*! Centre of frame \a frame in the ruler, in viewport coordinates. */
    QPoint rulerPoint(int frame) const;

    /*! Shows or hides the rows of the keyed properties of a shape, beneath its row. */
    void setExpanded(int layer, int shape, bool bExpanded);
    bool isExpanded(int layer, int shape) const;
    /*! Where a click shows or hides a shape's property rows, in viewport coordinates. */
    QPoint disclosurePoint(int layer, int shape) const;

    /*!
        The property rows whose names were clicked (each a KeyframeRef of its layer, shape and
        property; the frame means nothing): the graph editor draws them.
    */
    KeyframeRefs getChosenRows() const { return m_chosenRows; }
    /*! Shows the row names only, beside the graph editor. */
    void setNamesOnly(bool bNamesOnly);

    /*! Counts the ruler in frames or seconds. */
    void setTimeFormat(const TimeFormat& format);
    static constexpr int kMinimumFrameWidth = 1;
    static constexpr int kMaximumFrameWidth = 64;
    /*! Zooms: the pixels a frame takes, within the bounds above. */
    void setFrameWidth(int pixels);
    int getFrameWidth() const { return m_layout.frameWidth(); }

    QSize sizeHint() const override { return QSize(600, 160); }

signals:
    void frameScrubbed(int frame);
    void selectionChanged();
    /*! The user dropped the selected keyframes \a delta frames away. */
    void moveRequested(const KeyframeRefs& refs, int delta);
    /*! A click on a row's name picks its shapes on the stage. */
    void shapesPicked(const QVector<ShapeRef>& refs);
    void keyframeActivated(const KeyframeRef& ref);
    void contextMenuRequested(const QPoint& globalPos);
    void chosenRowsChanged();
    void frameWidthChanged(int pixels);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool viewportEvent(QEvent* event) override;

private:
    int duration() const;
    void updateScrollBars();
    void scrubTo(int x);
    void paintRuler(QPainter& painter) const;
    void pressName(const QPoint& point, bool bAdd);
    void dragTo(const QPoint& pos);

    QPointer<DesignerDocument> m_pDocument;
    int m_scene = 0;
    int m_frame = 0;
    TimelineRows m_rows;
    TimelineRows::Expanded m_expanded;
    TimelineLayout m_layout;
    TimeFormat m_format;
    QVector<ShapeRef> m_highlighted;
    KeyframeRefs m_chosenRows;
    KeyframeRefs m_selection; // sorted, without repeats (KeyframeEdits::existing)
    EdgeScroller* m_pEdgeScroller;
    QPoint m_lastPos;
    bool m_bScrubbing = false;
    bool m_bDragPending = false;
    int m_pressFrame = 0;
    KeyframeRefs m_pressHits;
    int m_dragDelta = 0;
    bool m_bBandPending = false;
    bool m_bBand = false;
    QRect m_band;
    KeyframeRefs m_bandBase;
};

#endif
