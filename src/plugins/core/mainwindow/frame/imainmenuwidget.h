// SPDX-License-Identifier: MIT
#ifndef IMAINMENUWIDGET_H
#define IMAINMENUWIDGET_H

#include "core_export.h"

#include <QPoint>
#include <QWidget>

class QLabel;
class QMenuBar;
class QVBoxLayout;
class WindowButtons;
class ZNNotificationBar;

/*!
    The main window's own title bar on top of the frameless frame: the application icon, the
    menu bar with the minimise, maximise and close buttons in its corner, and the notification
    bar below. The empty part of the menu bar moves the window; a double click there maximises
    it, and a right click offers the usual window menu.

    The parent window may offer the signals updateWindowFilePath(QString), updateModified(bool)
    and dpiChanged(int); the title bar follows those it finds.
*/
class CORE_EXPORT IMainMenuWidget : public QWidget
{
    Q_OBJECT
public:
    IMainMenuWidget(QWidget* parent, const QString& title, const QIcon& icon);
    ~IMainMenuWidget() override;

    /*!
        Puts \a menuBar on top of the title bar with the icon and the window buttons in its
        corners. A menu bar installed earlier is replaced, and deleted when the title bar owns it.
    */
    void installMenuBar(QMenuBar* menuBar);
    QMenuBar* getMenuBar() const { return m_pMenuBar; }
    ZNNotificationBar* getNotificationBar() const { return m_pNotificationBar; }

    /*! True where a press should move the window: on the empty part of the menu bar only. */
    virtual bool isTitleBarArea(int x, int y);

    /*! "Zenub Animate", or "<file> - Zenub Animate" when a file is open. */
    static QString titleText(const QString& fileName);
    /*!
        Where a window restored by dragging its maximised title bar goes: centred under the
        cursor, kept within the desktop's horizontal extent, at the desktop's top.
    */
    static QPoint restoredWindowPosition(const QPoint& cursor, int windowWidth,
                                         const QRect& desktop);
    /*! Dragging a maximised window restores it after a move of more than 5 pixels right or down. */
    static bool restoresMaximizedWindow(const QPoint& delta);
    /*!
        Where the title goes in the free part of the menu bar between \a freeLeft and
        \a freeRight: centred on the whole bar (\a barWidth wide) when it fits, else centred in
        the free part and cut to it. An empty rectangle when the free part is too narrow.
    */
    static QRect titleTextRect(int barWidth, int freeLeft, int freeRight, int textWidth,
                               int height);

    // The order of the slots is part of the interface.
public slots:
    void updateWindowFilePath(const QString& fileName);
    void updateModified(bool bIsModified);
    void updateMaximized(bool bIsMaximized);
    void showMinimized();
    void showMaximized();
    void showNormal();
    void close();
    void onDPIChanged();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void beginDrag(const QPoint& globalPos);
    void dragTo(const QPoint& globalPos);
    void endDrag();
    QString displayedTitle() const;
    void scheduleTitleLayout();
    void syncNativeTitle();
    void layoutTitle();

    QVBoxLayout* m_pLayout = nullptr;
    QLabel* m_pIconLabel = nullptr;
    ZNNotificationBar* m_pNotificationBar = nullptr;
    QPoint m_pressPosition;
    QPoint m_windowPositionAtPress;
    bool m_bRestorePending = false;
    bool m_bDragging = false;
    QMenuBar* m_pMenuBar = nullptr;
    QLabel* m_pTitleLabel = nullptr;
    WindowButtons* m_pWindowButtons = nullptr;
    bool m_bTitleLayoutPending = false;
    QMetaObject::Connection m_dpiConnection;
};

#endif
