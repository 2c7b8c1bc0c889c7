// SPDX-License-Identifier: MIT
#ifndef ZNSTYLEDFRAMEHELPER_P_H
#define ZNSTYLEDFRAMEHELPER_P_H

#include "znstyledframefilter_p.h"
#include "znstyledframehelper.h"

#ifdef Q_OS_WIN
#include <qt_windows.h>
#endif

#include <memory>

class ZNStyledFrameHelperPrivate
{
public:
#ifdef Q_OS_WIN
    HWND hwnd = nullptr;
#endif
    ZNStyledFrameHelper::Rect windowRegion;
    int clientWidth = 0;
    int clientHeight = 0;
    bool themeActive = false;
    bool compositionEnabled = false;
    QWidget* widget = nullptr;
    bool nativeSetupDone = false;
#ifndef Q_OS_WIN
    std::unique_ptr<ZNStyledFrameFilter> filter;
#endif
};

#endif
