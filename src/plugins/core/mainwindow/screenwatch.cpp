// SPDX-License-Identifier: MIT
#include "screenwatch.h"

#include "mainwindow.h"
#include "mainwindow/frame/znstyledframehelper.h"

#include <QScreen>
#include <QWindow>

#include <utility>

namespace {
// Long enough for the window system to finish moving the window between screens.
const int kCheckDelayMs = 200;
} // namespace

ScreenWatch::ScreenWatch(MainWindow* window, std::function<int()> currentDpi)
    : QObject(window)
    , m_pWindow(window)
    , m_currentDpi(std::move(currentDpi))
    , m_nLogicalDpiX(m_currentDpi())
{}

void ScreenWatch::start()
{
    connect(&m_checkTimer, &QTimer::timeout, this, &ScreenWatch::check);
    watchScreenDpi();
}

void ScreenWatch::stop()
{
    disconnect(m_screenDpiConnection);
    m_checkTimer.stop();
    disconnect(&m_checkTimer, nullptr, this, nullptr);
}

void ScreenWatch::scheduleCheck()
{
    m_checkTimer.start(kCheckDelayMs);
}

void ScreenWatch::check()
{
    const int dpi = m_currentDpi();
    if (dpi == m_nLogicalDpiX)
        return;
    const int margin = ZNStyledFrameHelper::contentsMarginForDpi(dpi);
    m_pWindow->setContentsMargins(margin, margin, margin, margin);
    m_nLogicalDpiX = dpi;
    // Stopped before the receivers run, so a receiver that spins the event loop sees no repeat.
    m_checkTimer.stop();
    emit m_pWindow->dpiChanged(dpi);
}

void ScreenWatch::screenChanged()
{
#ifndef Q_OS_WIN
    watchScreenDpi();
    scheduleCheck();
#endif
}

void ScreenWatch::watchScreenDpi()
{
#ifndef Q_OS_WIN
    // Windows announces density changes with a message; elsewhere the screen does.
    disconnect(m_screenDpiConnection);
    const QWindow* window = m_pWindow->windowHandle();
    if (QScreen* screen = window ? window->screen() : nullptr)
        m_screenDpiConnection =
            connect(screen, &QScreen::logicalDotsPerInchChanged, this, &ScreenWatch::scheduleCheck);
#endif
}

void ScreenWatch::fixAutoHideTaskbar()
{
#ifdef Q_OS_WIN
    const QWindow* handle = m_pWindow->windowHandle();
    const QScreen* screen = handle ? handle->screen() : nullptr;
    if (!screen || !ZNStyledFrameHelper::coversAutoHiddenTaskbar(
                       screen->geometry(), screen->availableGeometry(), m_pWindow->frameGeometry()))
        return;
    QTimer::singleShot(0, this, [this] {
        const QWindow* window = m_pWindow->windowHandle();
        const QScreen* current = window ? window->screen() : nullptr;
        if (!current || !ZNStyledFrameHelper::coversAutoHiddenTaskbar(current->geometry(),
                                                                      current->availableGeometry(),
                                                                      m_pWindow->frameGeometry()))
            return;
        m_pWindow->resize(ZNStyledFrameHelper::autoHideTaskbarSize(current->availableGeometry()));
        m_pWindow->setWindowState(m_pWindow->windowState() | Qt::WindowMaximized);
    });
#else
    // Other window managers keep a maximised window at the full available size and would undo
    // the shortened height at once, so the two would resize the window against each other.
#endif
}
