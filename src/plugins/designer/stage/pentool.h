// SPDX-License-Identifier: MIT
#ifndef PENTOOL_H
#define PENTOOL_H

#include "model/project/zenubpathnode.h"
#include "stagetool.h"

#include <QCoreApplication>
#include <QVector>

class ZenubShape;

/*!
    Draws a path node by node: a click sets a corner, a press-drag sets a smooth node whose
    handles follow the pointer (Shift: in steps of 45 degrees), a click on the first node
    closes the path. Enter or Escape ends an open path, Backspace takes the last node back.
    The finished path is one undo step; the tool stays in hand for the next.
*/
class PenTool : public StageTool
{
    Q_DECLARE_TR_FUNCTIONS(PenTool)
public:
    explicit PenTool(StageWidget* stage);

    /*!
        The shape of a path through \a nodes in stage pixels: its box the nodes' bounds (at
        least a pixel each way) and its nodes relative to the box; \a closed joins the ends.
    */
    static ZenubShape pathShape(const QVector<ZenubPathNode>& nodes, bool closed);

    void press(const QPointF& point, Qt::KeyboardModifiers modifiers) override;
    void dragTo(const QPointF& point, Qt::KeyboardModifiers modifiers) override;
    void finish() override;
    void cancel() override;
    bool isActive() const override { return m_bPressed; }
    void hover(const QPointF& point) override;
    void paintOverlay(StageOverlay& overlay, const ZenubProject& shown) const override;
    bool keyPress(QKeyEvent* event) override;
    void putDown() override;
    /*! Whether a path is under way. */
    bool isDrawing() const { return !m_nodes.isEmpty(); }

private:
    /*! Adds the path drawn so far to the document and starts afresh. */
    void commit(bool closed);
    bool nearFirstNode(const QPointF& point) const;

    QVector<ZenubPathNode> m_nodes;
    bool m_bPressed = false;
    bool m_bClosing = false;
    bool m_bDragged = false;
    QPointF m_press;
    QPointF m_hover;
};

#endif
