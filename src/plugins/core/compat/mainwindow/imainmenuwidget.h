// SPDX-License-Identifier: MIT
// Kept so that plugins written against the 1.x headers build unchanged.
#ifndef COMPAT_IMAINMENUWIDGET_H
#define COMPAT_IMAINMENUWIDGET_H

#include <mainwindow/frame/imainmenuwidget.h>

#endif
