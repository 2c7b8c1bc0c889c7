// SPDX-License-Identifier: MIT
#ifndef GRAPHEDITORVIEW_H
#define GRAPHEDITORVIEW_H

#include "document/designerdocument.h"
#include "graphcurves.h"
#include "graphmapping.h"
#include "graphpicker.h"
#include "model/edits/keyframeref.h"
#include "timeformat.h"

#include <QPointer>
#include <QWidget>

/*!
    The time line's graph editor: the value curves of the chosen properties over time. A key
    dragged changes its frame and value, a handle dragged changes its segment's easing; each
    drag is one undo step. Ctrl+wheel zooms the frames, Ctrl+Shift+wheel the values, the wheel
    pans (with Shift sideways), and so does a drag with the middle button.
*/
class GraphEditorView : public QWidget
{
    Q_OBJECT
public:
    explicit GraphEditorView(QWidget* parent = nullptr);

    void setDocument(DesignerDocument* document);
    void setScene(int scene);
    void setFrame(int frame);
    void setTimeFormat(const TimeFormat& format);
    /*!
        Shows the numbers of the property rows \a rows, or where these have none, the keyed
        numbers of \a shapes. A new choice is fitted into view.
    */
    void setSources(const KeyframeRefs& rows, const QVector<ShapeRef>& shapes);
    /*! Re-reads the scene, keeping the view where it is. */
    void refresh();
    void fitToView();
    /*!
        Picks the keys it shows of \a refs (a whole keyframe of a shape: each of its numbers on
        that frame), as the time line's selection changes.
    */
    void setKeyframeSelection(const KeyframeRefs& refs);

    const GraphCurves& curves() const { return m_curves; }
    GraphKeyRefs getSelection() const { return m_selection; }
    /*! Where a key is drawn, or (-1, -1) when it is not shown. */
    QPoint keyPoint(const GraphKeyRef& key) const;
    /*! Where handle \a handle of the segment starting at \a key is drawn, or (-1, -1). */
    QPoint handlePoint(const GraphKeyRef& key, int handle) const;

    QSize sizeHint() const override { return QSize(600, 200); }

signals:
    void frameScrubbed(int frame);
    /*! The user picked keys: the keyframes of their properties, for the time line's edits. */
    void keyframesPicked(const KeyframeRefs& refs);

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    enum class Drag { None, Scrub, Key, Handle, Band, Pan };

    const ZenubScene* scene() const;
    int duration() const;
    void updatePlot();
    void scrubTo(int x);
    void pressKey(const GraphHit& hit, bool bAdd);
    void dragKey(const QPoint& pos, bool bOneAxis);
    void dragHandle(const QPoint& pos);
    void emitPicked();
    bool editTracks(const QString& text, const ZenubShapeTracks& tracks);

    QPointer<DesignerDocument> m_pDocument;
    int m_scene = 0;
    int m_frame = 0;
    KeyframeRefs m_rows;
    QVector<ShapeRef> m_shapes;
    QVector<GraphChannel> m_channels;
    GraphCurves m_curves;
    GraphMapping m_mapping;
    GraphKeyRefs m_selection;
    TimeFormat m_format;
    bool m_bFitPending = true;

    Drag m_drag = Drag::None;
    QPoint m_pressPos;
    GraphChannel m_dragChannel;
    GraphKey m_pressKey;
    GraphKey m_pressNext;
    int m_lowFrame = 0; // where a dragged key may go: between its neighbours, inside the scene
    int m_highFrame = 0;
    int m_dragFrame = 0; // where the dragged key is now
    int m_handle = 0;
    ZenubShapeTracks m_pressTracks;
    int m_mergeKey = 0;
    QRect m_band;
    GraphKeyRefs m_bandBase;
};

#endif
