// SPDX-License-Identifier: MIT
#ifndef ZNSTYLEDFRAMEHELPER_H
#define ZNSTYLEDFRAMEHELPER_H

#include "core_export.h"

#include <QByteArray>
#include <QRect>
#include <QSize>
#include <Qt>

class QWidget;
class ZNStyledFrameFilter;
class ZNStyledFrameHelperPrivate;

/*!
    Gives a frameless top-level window what a system frame provides: resize borders, moving by
    the title bar, double-click maximise, the shadow and a maximised size that leaves the taskbar
    visible. On Windows it filters the window's native messages; elsewhere it asks the window
    system through QWindow::startSystemResize() and QWindow::startSystemMove().

    Every decision lives in a static function of plain values, so it can be checked anywhere.
*/
class CORE_EXPORT ZNStyledFrameHelper
{
public:
    //! Hit-test answers; the values are those of the Windows HT* codes.
    enum HitCode {
        HitClient = 1,
        HitLeft = 10,
        HitRight = 11,
        HitTop = 12,
        HitTopLeft = 13,
        HitTopRight = 14,
        HitBottom = 15,
        HitBottomLeft = 16,
        HitBottomRight = 17
    };

    //! A rectangle as Windows keeps it: right and bottom are exclusive.
    struct Rect
    {
        int left = 0;
        int top = 0;
        int right = 0;
        int bottom = 0;
        bool isNull() const { return left == 0 && top == 0 && right == 0 && bottom == 0; }
        bool operator==(const Rect& other) const
        {
            return left == other.left && top == other.top && right == other.right &&
                   bottom == other.bottom;
        }
        bool operator!=(const Rect& other) const { return !(*this == other); }
    };

    //! The strips to repaint after a resize, so no stale border pixels stay behind.
    struct Invalidation
    {
        Rect column;
        Rect row;
    };

    explicit ZNStyledFrameHelper(QWidget* widget);
    virtual ~ZNStyledFrameHelper();
    ZNStyledFrameHelper(const ZNStyledFrameHelper&) = delete;
    ZNStyledFrameHelper& operator=(const ZNStyledFrameHelper&) = delete;

    /*! Returns true when the message was handled and \a result is the answer for the system. */
    bool handleNativeEvent(const QByteArray& eventType, void* message, long* result);
    /*! Creates the native window and prepares it; retried on later events until it succeeds. */
    void setupNativeWindow();

    /*!
        The frame part under \a point (client coordinates) of a window with the client size
        \a clientSize, resize borders \a border wide and corners \a corner long.
    */
    static int hitTest(const QPoint& point, const QSize& clientSize, int border, int corner,
                       bool maximized, bool fixedSize);
    static Qt::Edges edgesForHitCode(int code);
    /*!
        The geometry after dragging the \a edges of a window that had \a start by \a delta,
        never smaller than \a minimum; the opposite edges stay where they are.
    */
    static QRect resizedGeometry(const QRect& start, Qt::Edges edges, const QPoint& delta,
                                 const QSize& minimum);
    static Qt::CursorShape cursorForHitCode(int code);
    /*! Resize border width and corner length used where the system gives no metrics. */
    static int borderWidth(int dpi);
    static int cornerWidth(int dpi);
    /*! The window region: the client area when maximised, else none or the whole window. */
    static Rect windowRegion(bool maximized, bool compositionEnabled, const Rect& windowRect,
                             const Rect& clientRect);
    /*!
        A maximised window whose proposed client rectangle covers the whole monitor is cut to
        the work area, so the taskbar stays visible. Returns true when \a proposed changed.
    */
    static bool fitMaximizedToWorkArea(Rect& proposed, const Rect& monitor, const Rect& workArea);
    static Invalidation resizeInvalidation(const QSize& oldSize, const QSize& newSize);
    /*! The window's contents margin on each side at \a dpi: one pixel per 96 dpi. */
    static int contentsMarginForDpi(int dpi);
    /*!
        True when the screen reserves no space for a taskbar (it hides itself) and the window
        covers exactly the available area, so a maximised window would hide the taskbar.
    */
    static bool coversAutoHiddenTaskbar(const QRect& screenGeometry, const QRect& availableGeometry,
                                        const QRect& frameGeometry);
    /*! One pixel short of the available height, so the hidden taskbar can still appear. */
    static QSize autoHideTaskbarSize(const QRect& availableGeometry);

protected:
    /*! Whether the point (window coordinates) belongs to the title bar. */
    virtual bool isStyledFrameTitleBar(int x, int y) const;
    /*! Applies the frame again after a move to another screen. */
    void reapplyNativeFrame();

private:
    friend class ZNStyledFrameFilter;
    void updateCompositionState();
    void updateWindowRegion();

    ZNStyledFrameHelperPrivate* d;
};

#endif
