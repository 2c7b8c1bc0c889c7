// SPDX-License-Identifier: MIT
#include "znstyledframefilter_p.h"

#ifndef Q_OS_WIN

#include "plugin/dpi.h"
#include "windowmanagercheck.h"

#include <QEvent>
#include <QMouseEvent>
#include <QScreen>
#include <QWidget>
#include <QWindow>
#include <QWindowStateChangeEvent>

ZNStyledFrameFilter::ZNStyledFrameFilter(ZNStyledFrameHelper* helper, QWidget* widget)
    : m_pHelper(helper)
    , m_pWidget(widget)
{
    widget->installEventFilter(this);
    attach();
}

void ZNStyledFrameFilter::attach()
{
    QWindow* window = m_pWidget->windowHandle();
    if (window == m_pWindow)
        return;
    if (m_pWindow)
        m_pWindow->removeEventFilter(this);
    m_pWindow = window;
    if (m_bCursorOverridden) {
        if (m_bHadOwnCursor)
            m_pWidget->setCursor(m_savedCursor);
        else
            m_pWidget->unsetCursor();
        m_bCursorOverridden = false;
    }
    if (window)
        window->installEventFilter(this);
}

int ZNStyledFrameFilter::hitCodeAt(const QPoint& point) const
{
    const int dpi = Dpi::screenDpi(m_pWidget);
    const Qt::WindowStates state = m_pWidget->windowState();
    const bool maximized = state & (Qt::WindowMaximized | Qt::WindowFullScreen);
    const bool fixed = m_pWidget->windowFlags().testFlag(Qt::MSWindowsFixedSizeDialogHint);
    return ZNStyledFrameHelper::hitTest(point, m_pWidget->size(),
                                        ZNStyledFrameHelper::borderWidth(dpi),
                                        ZNStyledFrameHelper::cornerWidth(dpi), maximized, fixed);
}

void ZNStyledFrameFilter::updateCursor(const QPoint& point)
{
    const int code = hitCodeAt(point);
    if (code != ZNStyledFrameHelper::HitClient) {
        if (!m_bCursorOverridden) {
            m_bHadOwnCursor = m_pWidget->testAttribute(Qt::WA_SetCursor);
            m_savedCursor = m_pWidget->cursor();
        }
        // On the window for now, on the widget for children that inherit it when entered.
        const Qt::CursorShape shape = ZNStyledFrameHelper::cursorForHitCode(code);
        m_pWidget->setCursor(shape);
        m_pWindow->setCursor(shape);
        m_bCursorOverridden = true;
    } else if (m_bCursorOverridden) {
        if (m_bHadOwnCursor)
            m_pWidget->setCursor(m_savedCursor);
        else
            m_pWidget->unsetCursor();
        // Give the pointer back to whatever widget lies under it.
        const QWidget* child = m_pWidget->childAt(point);
        m_pWindow->setCursor((child ? child : m_pWidget)->cursor());
        m_bCursorOverridden = false;
    }
}

void ZNStyledFrameFilter::followWindowState(Qt::WindowStates oldState)
{
    const Qt::WindowStates filling = Qt::WindowMaximized | Qt::WindowFullScreen;
    const bool bWasFilling = oldState & filling;
    const Qt::WindowStates state = m_pWidget->windowState();
    const bool bFilling = state & filling;
    if (bWasFilling == bFilling || !m_pWindow || WindowManagerCheck::maximizesWindows())
        return;
    // Through the native window: QWidget::setGeometry() would take the maximised state back.
    if (bFilling) {
        m_normalGeometry = m_pWidget->normalGeometry();
        if (const QScreen* screen = m_pWindow->screen())
            m_pWindow->setGeometry(state & Qt::WindowFullScreen ? screen->geometry()
                                                                : screen->availableGeometry());
    } else if (m_normalGeometry.isValid()) {
        m_pWindow->setGeometry(m_normalGeometry);
    }
}

bool ZNStyledFrameFilter::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_pWidget) {
        if (event->type() == QEvent::WinIdChange || event->type() == QEvent::Show)
            attach();
        if (event->type() == QEvent::WindowStateChange)
            followWindowState(static_cast<QWindowStateChangeEvent*>(event)->oldState());
        return false;
    }
    if (watched != m_pWindow)
        return false;

    switch (event->type()) {
    case QEvent::MouseMove: {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (m_resizeEdges) {
            const QSize minimum = m_pWidget->minimumSize().expandedTo(m_pWidget->minimumSizeHint());
            m_pWidget->setGeometry(ZNStyledFrameHelper::resizedGeometry(
                m_resizeStart, m_resizeEdges, mouse->globalPos() - m_pressPosition, minimum));
            return true;
        }
        if (mouse->buttons() == Qt::NoButton)
            updateCursor(mouse->pos());
        return false;
    }
    case QEvent::MouseButtonRelease:
        if (!m_resizeEdges)
            return false;
        m_resizeEdges = Qt::Edges();
        return true;
    case QEvent::MouseButtonPress: {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() != Qt::LeftButton)
            return false;
        const int code = hitCodeAt(mouse->pos());
        if (code != ZNStyledFrameHelper::HitClient) {
            const Qt::Edges edges = ZNStyledFrameHelper::edgesForHitCode(code);
            if (m_pWindow->startSystemResize(edges))
                return true;
            // A window manager without _NET_WM_MOVERESIZE leaves the resize to us; the press
            // must not reach the title bar, which would move the window instead.
            m_resizeEdges = edges;
            m_pressPosition = mouse->globalPos();
            m_resizeStart = m_pWidget->geometry();
            return true;
        }
        // Without a window manager that moves windows, the title bar drags the window itself.
        if (m_pHelper->isStyledFrameTitleBar(mouse->pos().x(), mouse->pos().y()))
            return m_pWindow->startSystemMove();
        return false;
    }
    case QEvent::MouseButtonDblClick: {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() != Qt::LeftButton ||
            hitCodeAt(mouse->pos()) != ZNStyledFrameHelper::HitClient ||
            !m_pHelper->isStyledFrameTitleBar(mouse->pos().x(), mouse->pos().y()))
            return false;
        if (m_pWidget->isMaximized())
            m_pWidget->showNormal();
        else
            m_pWidget->showMaximized();
        return true;
    }
    default:
        return false;
    }
}

#endif
