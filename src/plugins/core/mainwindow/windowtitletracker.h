// SPDX-License-Identifier: MIT
#ifndef WINDOWTITLETRACKER_H
#define WINDOWTITLETRACKER_H

#include <QObject>
#include <QPointer>

class IEditor;
class MainWindow;

/*!
    Keeps the window title on the active editor's document: its file and whether it has unsaved
    changes. The workspace's own activation signal does not come while the window is inactive
    (a dialog is up, or no window manager gives it focus), and it says nothing about edits.
*/
class WindowTitleTracker : public QObject
{
    Q_OBJECT
public:
    explicit WindowTitleTracker(MainWindow* window);

private:
    void follow(IEditor* editor);
    void schedulePublish();
    void publish();

    MainWindow* m_pWindow;
    QPointer<IEditor> m_pEditor;
    bool m_bPending = false;
};

#endif
