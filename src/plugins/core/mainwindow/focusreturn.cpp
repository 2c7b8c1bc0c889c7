// SPDX-License-Identifier: MIT
#include "focusreturn.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

FocusReturn::FocusReturn(QWidget* window)
    : QObject(window)
    , m_pWindow(window)
{
    qApp->installEventFilter(this);
}

bool FocusReturn::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Hide && !m_bPending && watched->isWidgetType()) {
        const auto* widget = static_cast<QWidget*>(watched);
        if (widget->isWindow() && widget->isModal() && widget != m_pWindow) {
            m_bPending = true;
            // Once the dialog is gone and a window manager has had its turn.
            QTimer::singleShot(0, this, &FocusReturn::giveBack);
        }
    }
    return QObject::eventFilter(watched, event);
}

void FocusReturn::giveBack()
{
    m_bPending = false;
    if (!m_pWindow || !m_pWindow->isVisible() || m_pWindow->isMinimized() ||
        QApplication::activeModalWidget())
        return;
    const QWidget* active = QApplication::activeWindow();
    if (active && active->isVisible())
        return;
    m_pWindow->activateWindow();
    // The window system answers later; the editor's commands follow the focus now.
    QApplication::setActiveWindow(m_pWindow);
}
