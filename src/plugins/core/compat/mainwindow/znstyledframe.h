// SPDX-License-Identifier: MIT
// Kept so that plugins written against the 1.x headers build unchanged.
#ifndef COMPAT_ZNSTYLEDFRAME_H
#define COMPAT_ZNSTYLEDFRAME_H

#include <mainwindow/frame/znstyledframe.h>

#endif
