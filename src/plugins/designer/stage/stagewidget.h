// SPDX-License-Identifier: MIT
#ifndef STAGEWIDGET_H
#define STAGEWIDGET_H

#include "document/designerdocument.h"
#include "stage/groupscope.h"
#include "stage/guidedrag.h"
#include "stage/onionskin.h"
#include "stage/stagegesture.h"
#include "stage/stageinput.h"
#include "stage/stageviewport.h"

#include <QLineF>
#include <QPointer>
#include <QVector>
#include <QWidget>

#include <functional>
#include <map>
#include <memory>

/*!
    Draws one scene of a project at one frame and lets the user pick shapes (click, Shift+click,
    a rectangle dragged over the empty stage), move them, resize and turn them with the handles
    around the selection, and zoom and pan the view. While a drag runs only the picture
    follows the pointer; on release it becomes one command on the document's undo stack.
*/
class StageSnapper;
class StageTextEditor;

class StageWidget : public QWidget
{
    Q_OBJECT
public:
    explicit StageWidget(QWidget* parent = nullptr);

    void setDocument(DesignerDocument* document);
    DesignerDocument* getDocument() const { return m_pDocument; }
    /*! The project as the stage shows it: with a drag under way, the dragged shapes where they are.
     */
    const ZenubProject* shownProject() const;
    void setScene(int scene);
    int getScene() const { return m_scene; }
    void setFrame(int frame);
    int getFrame() const { return m_frame; }
    /*! The shape picked last; the one single-shape commands act on. */
    ShapeRef getSelection() const { return m_selection; }
    void setSelection(const ShapeRef& ref);
    /*! Every selected shape, the one picked last at the end. */
    QVector<ShapeRef> getSelectedShapes() const { return m_selected; }
    void setSelectedShapes(const QVector<ShapeRef>& refs);

    /*!
        The topmost drawn shape under stage point \a point, or an invalid reference; inside an
        entered group, the topmost of its members.
    */
    ShapeRef shapeAtStagePoint(const QPointF& point) const;
    /*! The group whose members clicks pick (entered by a double-click on it). */
    const GroupScope& groupScope() const { return m_scope; }
    /*! Back to the layers' shapes, the selection kept. */
    void leaveGroup();
    /*! Widget point to stage pixels and back, with the current zoom and panning. */
    QPointF toStage(const QPointF& widgetPoint) const;
    QPointF fromStage(const QPointF& stagePoint) const;

    /*! Screen pixels per stage pixel. */
    double getZoom() const;
    bool isFitToView() const { return m_viewport.isFit(); }
    bool isGridVisible() const { return m_bGrid; }
    bool areGuidesVisible() const { return m_bGuides; }
    /*! The frames around the current one, drawn faintly under it. */
    const OnionSkin& onionSkin() const { return m_onionSkin; }
    void setOnionSkin(bool bShown, int frames);
    /*! Whether the selected shapes' motion paths show (and their keys may be dragged). */
    bool areMotionPathsVisible() const { return m_bMotionPaths; }
    void setMotionPathsVisible(bool bVisible);
    /*! The view's panning, and how far it may pan each way, in widget pixels. */
    QPointF panOffset() const { return m_viewport.pan(); }
    QPointF panLimit() const;
    void setPanOffset(const QPointF& offset);
    /*!
        Edits the words of text shape \a ref in place, the caret at widget point \a at (a null
        point selects all the words).
    */
    void editText(const ShapeRef& ref, const QPointF& at);
    StageTextEditor* textEditor() const { return m_pTextEditor; }
    /*! The guide line being dragged; the rulers start it. */
    GuideDrag& guideDrag() { return m_guideDrag; }
    /*!
        What a drag of \a moving snaps to: the stage, the other shapes, and the grid and the
        guides while they show.
    */
    std::unique_ptr<StageSnapper> makeSnapper(const QVector<ShapeRef>& moving) const;

    /*! The tool a left-button press uses. */
    StageTool::Kind getTool() const { return m_tool; }
    /*! The tool of \a kind, or null (the hand is no tool object). */
    StageTool* tool(StageTool::Kind kind) const;
    /*! With the node tool in hand, deletes its picked nodes; false when there were none. */
    bool deleteSelectedNodes();
    /*! Whether the stage has a tool of \a kind. */
    bool hasTool(StageTool::Kind kind) const;
    /*! What the polygon tool draws: ZenubShape::Type::Polygon or ZenubShape::Type::Star. */
    ZenubShape::Type getPolygonType() const { return m_polygonType; }
    void setPolygonType(ZenubShape::Type type) { m_polygonType = type; }
    /*! The layer new shapes go to in the current scene, -1 for the top one. */
    int insertionLayer() const;
    /*! Where the insertion layer comes from (the layers panel's choice). */
    void setInsertionLayerSource(const std::function<int()>& source);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

public slots:
    void zoomIn();
    void zoomOut();
    void zoomToFit();
    void zoomToActualSize();
    /*! Shows the stage at \a zoom screen pixels per stage pixel, centred. */
    void setZoom(double zoom);
    void setGridVisible(bool bVisible);
    void setGuidesVisible(bool bVisible);
    /*! Removes every guide line, as one undo step. */
    void clearGuides();
    /*! Takes up the tool of \a kind; the one in hand is put down first. */
    void setTool(StageTool::Kind kind);

signals:
    void selectionChanged();
    /*! Another document, or new content in it. */
    void documentChanged();
    void shapeActivated(const ShapeRef& ref);
    /*! The zoom, the panning or the grid changed. */
    void viewChanged();
    /*! Whoever moved it: scrubbing, playback, stepping. */
    void frameChanged(int frame);
    void toolChanged(StageTool::Kind kind);
    /*! What the tool in hand can act on changed (the nodes it picked, say). */
    void toolStateChanged();
    /*! The pointer is over stage point \a point. */
    void pointerMoved(const QPointF& point);
    /*! A drag moved the shapes it shows (shownProject()), or ended and dropped them. */
    void previewChanged();
    /*! Space was tapped, not held for a pan: playback starts or stops. */
    void playToggleRequested();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    // Routes the pointer and keys through the stage's state.
    friend class StageInput;

    void syncViewport();
    void zoomAbout(double zoom, const QPointF& anchor);
    StageTool* currentTool() const;

    QPointer<DesignerDocument> m_pDocument;
    int m_scene = 0;
    int m_frame = 0;
    ShapeRef m_selection;
    QVector<ShapeRef> m_selected;
    StageViewport m_viewport;
    bool m_bGrid = false;
    bool m_bGuides = true;
    GuideDrag m_guideDrag;
    GroupScope m_scope;
    StageTextEditor* m_pTextEditor = nullptr;
    OnionSkin m_onionSkin;
    bool m_bMotionPaths = false;

    StageInput m_input;
    StageTool::Kind m_tool = StageTool::Kind::Select;
    std::map<StageTool::Kind, std::unique_ptr<StageTool>> m_tools;
    std::function<int()> m_insertionLayer;
    ZenubShape::Type m_polygonType = ZenubShape::Type::Polygon;
};

#endif
