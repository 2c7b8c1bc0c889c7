// SPDX-License-Identifier: MIT
#ifndef WARNINGLOG_H
#define WARNINGLOG_H

#include "core_export.h"

#include <QStringList>

/*!
    Keeps the last warnings, critical and fatal messages of this run, so that a problem report
    can include them. Installing it chains Qt's message handler: every message still goes
    wherever it went before.
*/
class CORE_EXPORT WarningLog
{
public:
    /*! Installs the handler once per process; later calls only change the capacity. */
    static void install(int capacity = 50);
    /*! The kept messages, oldest first, each with its time and kind. */
    static QStringList recent();
    /*! Forgets the kept messages. */
    static void clear();
};

#endif
