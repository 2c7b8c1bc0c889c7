// SPDX-License-Identifier: MIT
#include "dpi.h"

#include "icore.h"
#include "mainwindow/mainwindow.h"

#include <QApplication>
#include <QDesktopWidget>
#include <QScreen>
#include <QWindow>

namespace Dpi {

int scalePercent(int dpi)
{
    return static_cast<int>(dpi / 96.0 * 100.0);
}

int scaled(int length, int dpi)
{
    return length * dpi / 96;
}

int screenDpi(const QWidget* preferred)
{
    const QWidget* widget = preferred ? preferred : ICore::getMainWindow();
    if (widget) {
        if (const QWindow* window = widget->window()->windowHandle()) {
            if (const QScreen* screen = window->screen())
                return static_cast<int>(screen->logicalDotsPerInchX());
        } else if (const QScreen* screen = widget->screen()) {
            return static_cast<int>(screen->logicalDotsPerInchX());
        }
    }
    return QApplication::desktop()->logicalDpiX();
}

} // namespace Dpi
