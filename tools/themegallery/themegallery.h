// SPDX-License-Identifier: MIT
#ifndef THEMEGALLERY_H
#define THEMEGALLERY_H

#include <QImage>

#include <memory>

class QMainWindow;
class QMenu;
class QWidget;

/*!
    The widgets a theme must dress: a main window shaped like the application's (title bar with
    its corner buttons, menus, notification bar, file tool bar, tabbed workspace with a dock)
    holding the common controls, plus an open menu, a message box, the update downloader and
    the release-notes dialog, built with the object names the application uses.
*/
class ThemeGallery
{
public:
    ThemeGallery();
    ~ThemeGallery();

    QMainWindow* mainWindow() const { return m_mainWindow.get(); }
    QList<QWidget*> panels() const;

    /*! Shows everything, lets it lay out, and paints it all side by side into one picture. */
    QImage render();

private:
    std::unique_ptr<QMainWindow> m_mainWindow;
    QMenu* m_openMenu = nullptr;
    std::unique_ptr<QWidget> m_messageBox;
    std::unique_ptr<QWidget> m_downloader;
    std::unique_ptr<QWidget> m_releaseNotes;
};

#endif
