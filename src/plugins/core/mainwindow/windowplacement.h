// SPDX-License-Identifier: MIT
#ifndef WINDOWPLACEMENT_H
#define WINDOWPLACEMENT_H

class QWidget;

/*!
    Where the main window appears: a first size on the first start, and afterwards the geometry
    the user left it with, kept in the host's settings.
*/
class WindowPlacement
{
public:
    /*! True when no settings exist yet or another plugin has not written its "Designer" group. */
    static bool isFirstRun();
    /*! Three quarters of the screen's available area, centred. */
    static void setFirstSize(QWidget* window);
    /*! A stored value that is not a saved geometry is ignored. */
    static void restore(QWidget* window);
    static void save(const QWidget* window);
};

#endif
