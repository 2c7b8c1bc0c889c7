// SPDX-License-Identifier: MIT
#include "updaterlogging.h"

Q_LOGGING_CATEGORY(lcUpdater, "zenub.updater")
