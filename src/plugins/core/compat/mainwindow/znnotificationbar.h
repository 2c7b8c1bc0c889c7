// SPDX-License-Identifier: MIT
// Kept so that plugins written against the 1.x headers build unchanged.
#ifndef COMPAT_ZNNOTIFICATIONBAR_H
#define COMPAT_ZNNOTIFICATIONBAR_H

#include <mainwindow/frame/znnotificationbar.h>

#endif
