// SPDX-License-Identifier: MIT
#ifndef STAGETOOL_H
#define STAGETOOL_H

#include <QPointF>
#include <Qt>

class QKeyEvent;
class StageOverlay;
class StageWidget;
class ZenubProject;

/*!
    What a left-button press on the stage does: one tool of the palette. The stage hands a
    tool the pointer in stage pixels; while a press-drag runs the stage draws the tool's
    preview() in place of the document's project and the tool's marks over it.
*/
class StageTool
{
public:
    enum class Kind { Select, Node, Rectangle, Ellipse, Polygon, Pen, Text, Hand };

    explicit StageTool(StageWidget* stage)
        : m_pStage(stage)
    {}
    virtual ~StageTool() = default;

    virtual void press(const QPointF& point, Qt::KeyboardModifiers modifiers) = 0;
    virtual void dragTo(const QPointF& point, Qt::KeyboardModifiers modifiers) = 0;
    /*! The button went up: whatever the drag did becomes one edit of the document. */
    virtual void finish() = 0;
    /*! Ends a running drag with nothing reaching the document. */
    virtual void cancel() = 0;
    /*! Whether a press-drag runs. */
    virtual bool isActive() const = 0;
    /*! The project as the running drag would leave it, or null for the document's own. */
    virtual const ZenubProject* preview() const { return nullptr; }

    /*! The pointer moves over stage point \a point while no drag runs. */
    virtual void hover(const QPointF& point) { Q_UNUSED(point) }
    /*! The pointer's shape over stage point \a point while no drag runs. */
    virtual Qt::CursorShape cursorAt(const QPointF& point) const
    {
        Q_UNUSED(point)
        return Qt::CrossCursor;
    }
    /*! Draws the tool's own marks (handles, guides, nodes) over the frame of \a shown. */
    virtual void paintOverlay(StageOverlay& overlay, const ZenubProject& shown) const
    {
        Q_UNUSED(overlay)
        Q_UNUSED(shown)
    }
    /*! True when the tool took the double-click. */
    virtual bool doubleClick(const QPointF& point)
    {
        Q_UNUSED(point)
        return false;
    }
    /*! True when the tool took the key; the stage handles it otherwise. */
    virtual bool keyPress(QKeyEvent* event)
    {
        Q_UNUSED(event)
        return false;
    }
    /*! Another tool is taken up: work in progress ends as the tool's rules say. */
    virtual void putDown() {}

protected:
    StageWidget* m_pStage;
};

#endif
