// SPDX-License-Identifier: MIT
#ifndef WINDOWMANAGERCHECK_H
#define WINDOWMANAGERCHECK_H

/*!
    Asks the window system whether something maximises windows on request. On X11 that is a
    window manager following the desktop conventions (one that names itself on the root window
    and lists the maximised states); without one, the frameless frame maximises and restores
    itself. Elsewhere the system always does.
*/
class WindowManagerCheck
{
public:
    static bool maximizesWindows();
};

#endif
