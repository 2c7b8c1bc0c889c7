// SPDX-License-Identifier: MIT
#ifndef DPI_H
#define DPI_H

#include "core_export.h"

class QWidget;

/*!
    Density arithmetic. Lengths are designed for 96 dots per inch; everything that depends on the
    screen goes through these plain functions so that it can be checked at any density.
*/
namespace Dpi {

/*! The scale in whole percent: dpi / 96 * 100, truncated. 144 dpi gives 150, 143 gives 148. */
CORE_EXPORT int scalePercent(int dpi);
/*! A length designed at 96 dpi, scaled with integer division: length * dpi / 96. */
CORE_EXPORT int scaled(int length, int dpi);
/*!
    The logical horizontal density that widgets should follow: that of the screen of
    \a preferred when given, else of the main window's screen, else of the desktop.
*/
CORE_EXPORT int screenDpi(const QWidget* preferred = nullptr);

} // namespace Dpi

#endif
