// SPDX-License-Identifier: MIT
#ifndef STAGEINPUT_H
#define STAGEINPUT_H

#include <QPointF>
#include <Qt>

class QKeyEvent;
class QMouseEvent;
class QWheelEvent;
class StageTool;
class StageWidget;

/*!
    Routes the stage's pointer and keys: a middle-button drag, a drag with Space held or with
    the hand pans the view (a tap of Space plays instead); a press on a guide drags it; the
    rest goes to the tool in hand, then to the selection (arrows nudge, Delete removes, Escape
    steps out). Each handler returns false for what the widget should pass on.
*/
class StageInput
{
public:
    explicit StageInput(StageWidget* stage);

    bool press(QMouseEvent* event);
    void move(QMouseEvent* event);
    void release(QMouseEvent* event);
    void doubleClick(QMouseEvent* event);
    bool wheel(QWheelEvent* event);
    bool keyPress(QKeyEvent* event);
    bool keyRelease(QKeyEvent* event);
    void focusOut();

    /*! Whether a pan, a guide drag or a tool's gesture runs. */
    bool isBusy() const;
    /*! Stops a pan (another tool, another document). */
    void stopPanning() { m_bPanning = false; }
    void updateCursor(const QPointF& widgetPoint);

private:
    void dragTo(const QPointF& widgetPoint, Qt::KeyboardModifiers modifiers);
    /*! The tool in hand; null for the hand, which is no tool object. */
    StageTool* tool() const;

    StageWidget* m_pStage;
    bool m_bSpaceHeld = false;
    bool m_bSpacePanned = false;
    bool m_bPanning = false;
    Qt::MouseButton m_panButton = Qt::NoButton;
    QPointF m_lastWidget;
};

#endif
