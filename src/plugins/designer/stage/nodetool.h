// SPDX-License-Identifier: MIT
#ifndef NODETOOL_H
#define NODETOOL_H

#include "gradientdrag.h"
#include "model/edits/pathedits.h"
#include "model/edits/shaperef.h"
#include "model/project/zenubproject.h"
#include "stagetool.h"

#include <QCoreApplication>
#include <QRectF>
#include <QTransform>

/*!
    Edits the nodes of the selected path: a click picks a node (Shift adds or drops it), a
    rectangle dragged over the stage picks the nodes in it (Shift adds them), dragging moves the
    picked nodes or one handle, a double-click on the path adds a node there. The arrow keys
    nudge the picked nodes, Backspace deletes them, Escape drops them. Each change is one undo
    step; the box of the path follows its nodes. The points of a selected shape's gradients
    are dragged here too, apart from the grips that size the box.
*/
class NodeTool : public StageTool
{
    Q_DECLARE_TR_FUNCTIONS(NodeTool)
public:
    explicit NodeTool(StageWidget* stage);

    /*! The picked nodes of the edited path. */
    QVector<NodeRef> selectedNodes() const;
    /*! The path being edited and where it is; false when the selection is no path. */
    bool target(ShapeRef* ref, const ZenubShape** shape) const;

    /*! Edits of the picked nodes, each one undo step; false when nothing changed. */
    bool deleteNodes();
    bool setSmooth(bool bSmooth);
    bool setClosed(bool bClosed);

    void press(const QPointF& point, Qt::KeyboardModifiers modifiers) override;
    void dragTo(const QPointF& point, Qt::KeyboardModifiers modifiers) override;
    void finish() override;
    void cancel() override;
    bool isActive() const override { return m_drag != Drag::None || m_gradient.isActive(); }
    const ZenubProject* preview() const override
    {
        return m_bPreview ? &m_preview : m_gradient.preview();
    }
    Qt::CursorShape cursorAt(const QPointF& point) const override;
    void paintOverlay(StageOverlay& overlay, const ZenubProject& shown) const override;
    bool doubleClick(const QPointF& point) override;
    bool keyPress(QKeyEvent* event) override;
    void putDown() override;

private:
    enum class Drag { None, Nodes, Handle, Band };

    /*! From the coordinates \a ref's path lives in (its group's or the stage's) to the stage's. */
    QTransform parentToStage(const ZenubProject& project, const ShapeRef& ref) const;
    /*! The nodes of \a ref's path in \a project where the stage draws them at its frame. */
    ZenubPath stagePath(const ZenubProject& project, const ShapeRef& ref) const;
    bool nodeAt(const QPointF& point, NodeRef* node) const;
    bool handleAt(const QPointF& point, NodeRef* node, bool* bOut) const;
    /*! Whether the handles of \a node show: it or a neighbour is picked. */
    bool showsHandles(const ZenubPath& path, const NodeRef& node) const;
    /*!
        Runs \a change on the edited path, in stage pixels, as one undo step named \a text;
        an animated path is keyed at the stage's frame.
    */
    bool edit(const QString& text, const std::function<bool(ZenubPath&)>& change);
    void updatePreview();
    void setSelectedNodes(const QVector<NodeRef>& nodes);

    ShapeRef m_ref;
    QVector<NodeRef> m_selected;
    QVector<NodeRef> m_selectedBefore;
    Drag m_drag = Drag::None;
    bool m_bDragged = false;
    NodeRef m_handleNode;
    bool m_bHandleOut = false;
    QPointF m_press;
    QPointF m_point;
    Qt::KeyboardModifiers m_modifiers;
    ZenubPath m_editedPath;
    ZenubProject m_preview;
    bool m_bPreview = false;
    GradientDrag m_gradient;
};

#endif
