// SPDX-License-Identifier: MIT
#include "windowplacement.h"

#include <extensionsystem/pluginmanager.h>

#include <QScreen>
#include <QSettings>
#include <QStyle>
#include <QWidget>
#include <QWindow>

namespace {
const char geometryKey[] = "MainWindow/Geometry";
}

bool WindowPlacement::isFirstRun()
{
    const QSettings* settings = ExtensionSystem::PluginManager::settings();
    if (!settings)
        return true;
    return !settings->childGroups().contains(QStringLiteral("Designer"), Qt::CaseInsensitive);
}

void WindowPlacement::setFirstSize(QWidget* window)
{
    const QWindow* handle = window->windowHandle();
    if (const QScreen* screen = handle ? handle->screen() : nullptr) {
        const QRect available = screen->availableGeometry();
        const QSize size = available.size() * 3 / 4;
        window->setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size, available));
    }
}

void WindowPlacement::restore(QWidget* window)
{
    if (const QSettings* settings = ExtensionSystem::PluginManager::settings()) {
        const QVariant geometry = settings->value(QLatin1String(geometryKey));
        if (geometry.type() == QVariant::ByteArray)
            window->restoreGeometry(geometry.toByteArray());
    }
}

void WindowPlacement::save(const QWidget* window)
{
    if (QSettings* settings = ExtensionSystem::PluginManager::settings())
        settings->setValue(QLatin1String(geometryKey), window->saveGeometry());
}
