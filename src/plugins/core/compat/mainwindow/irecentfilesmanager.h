// SPDX-License-Identifier: MIT
// Kept so that plugins written against the 1.x headers build unchanged.
#ifndef COMPAT_IRECENTFILESMANAGER_H
#define COMPAT_IRECENTFILESMANAGER_H

#include <mainwindow/menus/irecentfilesmanager.h>

#endif
