// SPDX-License-Identifier: MIT
// Kept so that plugins written against the 1.x headers build unchanged.
#ifndef COMPAT_ZNSTYLEDFRAMEHELPER_H
#define COMPAT_ZNSTYLEDFRAMEHELPER_H

#include <mainwindow/frame/znstyledframehelper.h>

#endif
