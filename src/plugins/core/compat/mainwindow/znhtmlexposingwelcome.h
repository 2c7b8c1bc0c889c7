// SPDX-License-Identifier: MIT
// Kept so that plugins written against the 1.x headers build unchanged.
#ifndef COMPAT_ZNHTMLEXPOSINGWELCOME_H
#define COMPAT_ZNHTMLEXPOSINGWELCOME_H

#include <mainwindow/welcome/znhtmlexposingwelcome.h>

#endif
