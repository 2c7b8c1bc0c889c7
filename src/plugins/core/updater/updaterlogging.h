// SPDX-License-Identifier: MIT
#ifndef UPDATERLOGGING_H
#define UPDATERLOGGING_H

#include <QLoggingCategory>

Q_DECLARE_LOGGING_CATEGORY(lcUpdater)

#endif
