// SPDX-License-Identifier: MIT
#ifndef ZNSTYLEDFRAMEFILTER_P_H
#define ZNSTYLEDFRAMEFILTER_P_H

#include "znstyledframehelper.h"

#include <QCursor>
#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QRect>
#include <QWindow>

#ifndef Q_OS_WIN
/*!
    Watches the frame's window for presses on the resize borders and the title bar and hands
    them to the window system. Mouse events reach the QWindow before any child widget.
*/
class ZNStyledFrameFilter : public QObject
{
public:
    ZNStyledFrameFilter(ZNStyledFrameHelper* helper, QWidget* widget);
    /*! Follows the widget's native window, which Qt may recreate. */
    void attach();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    int hitCodeAt(const QPoint& point) const;
    void updateCursor(const QPoint& point);
    /*! Without a window manager, gives a new window state its size: the frame is ours. */
    void followWindowState(Qt::WindowStates oldState);

    ZNStyledFrameHelper* m_pHelper;
    QWidget* m_pWidget;
    QPointer<QWindow> m_pWindow;
    // Set while the window resizes itself because the window manager would not.
    Qt::Edges m_resizeEdges;
    QPoint m_pressPosition;
    QRect m_resizeStart;
    // The size to go back to from a maximised state the frame gave itself.
    QRect m_normalGeometry;
    bool m_bCursorOverridden = false;
    bool m_bHadOwnCursor = false;
    QCursor m_savedCursor;
};
#endif

#endif
