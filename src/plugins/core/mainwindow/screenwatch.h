// SPDX-License-Identifier: MIT
#ifndef SCREENWATCH_H
#define SCREENWATCH_H

#include <QMetaObject>
#include <QObject>
#include <QTimer>

#include <functional>

class MainWindow;

/*!
    Follows the main window's screen: notices a change of its density, adapts the frame margin
    and announces the new density through the window's dpiChanged(); on Windows it also keeps a
    maximised window clear of an auto-hidden task bar.
*/
class ScreenWatch : public QObject
{
    Q_OBJECT
public:
    /*! \a currentDpi reads the density of the window's screen now; it is asked on every check. */
    ScreenWatch(MainWindow* window, std::function<int()> currentDpi);

    /*! The density as last seen. */
    int logicalDpiX() const { return m_nLogicalDpiX; }
    /*! Starts following the screen's own density announcements. */
    void start();
    /*! Ends every check: nothing may reach the window any more. */
    void stop();
    /*! Checks the density shortly, once the window system has settled. */
    void scheduleCheck();
    /*! The window moved to another screen. */
    void screenChanged();
    /*! Called on every move and resize of the window. */
    void fixAutoHideTaskbar();

private:
    void check();
    void watchScreenDpi();

    MainWindow* m_pWindow;
    std::function<int()> m_currentDpi;
    int m_nLogicalDpiX;
    QTimer m_checkTimer;
    QMetaObject::Connection m_screenDpiConnection;
};

#endif
