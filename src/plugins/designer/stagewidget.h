#ifndef STAGEWIDGET_H
#define STAGEWIDGET_H

#include "designerdocument.h"

#include <QPointer>
#include <QVector>
#include <QWidget>

/*!
    Draws one scene of a project at one frame, scaled to fit, and lets the user pick a shape
    and drag it. A drag becomes a single move on the document's undo stack when the mouse is
    released; while dragging only the picture follows the pointer.
*/
class StageWidget : public QWidget
{
    Q_OBJECT
public:
    explicit StageWidget(QWidget* parent = nullptr);

    void setDocument(DesignerDocument* document);
    DesignerDocument* getDocument() const { return m_pDocument; }
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

    /*! The topmost drawn shape under stage point \a point, or an invalid reference. */
    ShapeRef shapeAtStagePoint(const QPointF& point) const;
    /*! Widget point to stage pixels and back, with the current zoom. */
    QPointF toStage(const QPointF& widgetPoint) const;
    QPointF fromStage(const QPointF& stagePoint) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    void selectionChanged();
    /*! Another document, or new content in it. */
    void documentChanged();
    void shapeActivated(const ShapeRef& ref);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    double scale() const;
    QPointF origin() const;

    QPointer<DesignerDocument> m_pDocument;
    int m_scene = 0;
    int m_frame = 0;
    ShapeRef m_selection;
    QVector<ShapeRef> m_selected;
    bool m_bDragging = false;
    QPointF m_dragStart;
    QPointF m_dragOffset;
};

#endif
