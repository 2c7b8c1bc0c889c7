// SPDX-License-Identifier: MIT
#include "znstyledframehelper.h"

#include "znstyledframehelper_p.h"

#include "plugin/dpi.h"

#include <QWidget>
#include <QWindow>

#ifdef Q_OS_WIN
#include <dwmapi.h>
#include <uxtheme.h>
#include <windowsx.h>
#endif

// ---- plain decisions --------------------------------------------------------------------------

int ZNStyledFrameHelper::hitTest(const QPoint& point, const QSize& clientSize, int border,
                                 int corner, bool maximized, bool fixedSize)
{
    if (maximized || fixedSize)
        return HitClient;
    const int x = point.x();
    const int y = point.y();
    const int width = clientSize.width();
    const int height = clientSize.height();
    if (y < border) {
        if (x < corner)
            return HitTopLeft;
        if (x >= width - corner)
            return HitTopRight;
        return HitTop;
    }
    if (y >= height - border) {
        if (x < corner)
            return HitBottomLeft;
        if (x >= width - corner)
            return HitBottomRight;
        return HitBottom;
    }
    if (x < border)
        return HitLeft;
    if (x >= width - border)
        return HitRight;
    return HitClient;
}

Qt::Edges ZNStyledFrameHelper::edgesForHitCode(int code)
{
    switch (code) {
    case HitLeft:
        return Qt::LeftEdge;
    case HitRight:
        return Qt::RightEdge;
    case HitTop:
        return Qt::TopEdge;
    case HitTopLeft:
        return Qt::TopEdge | Qt::LeftEdge;
    case HitTopRight:
        return Qt::TopEdge | Qt::RightEdge;
    case HitBottom:
        return Qt::BottomEdge;
    case HitBottomLeft:
        return Qt::BottomEdge | Qt::LeftEdge;
    case HitBottomRight:
        return Qt::BottomEdge | Qt::RightEdge;
    default:
        return Qt::Edges();
    }
}

QRect ZNStyledFrameHelper::resizedGeometry(const QRect& start, Qt::Edges edges, const QPoint& delta,
                                           const QSize& minimum)
{
    QRect result = start;
    if (edges & Qt::LeftEdge)
        result.setLeft(qMin(start.left() + delta.x(), start.right() + 1 - minimum.width()));
    if (edges & Qt::RightEdge)
        result.setRight(qMax(start.right() + delta.x(), start.left() + minimum.width() - 1));
    if (edges & Qt::TopEdge)
        result.setTop(qMin(start.top() + delta.y(), start.bottom() + 1 - minimum.height()));
    if (edges & Qt::BottomEdge)
        result.setBottom(qMax(start.bottom() + delta.y(), start.top() + minimum.height() - 1));
    return result;
}

Qt::CursorShape ZNStyledFrameHelper::cursorForHitCode(int code)
{
    switch (code) {
    case HitLeft:
    case HitRight:
        return Qt::SizeHorCursor;
    case HitTop:
    case HitBottom:
        return Qt::SizeVerCursor;
    case HitTopLeft:
    case HitBottomRight:
        return Qt::SizeFDiagCursor;
    case HitTopRight:
    case HitBottomLeft:
        return Qt::SizeBDiagCursor;
    default:
        return Qt::ArrowCursor;
    }
}

int ZNStyledFrameHelper::borderWidth(int dpi)
{
    return Dpi::scaled(5, dpi);
}

int ZNStyledFrameHelper::cornerWidth(int dpi)
{
    return Dpi::scaled(1, dpi) + 2 * borderWidth(dpi);
}

ZNStyledFrameHelper::Rect ZNStyledFrameHelper::windowRegion(bool maximized, bool compositionEnabled,
                                                            const Rect& windowRect,
                                                            const Rect& clientRect)
{
    if (maximized) {
        return Rect{clientRect.left - windowRect.left, clientRect.top - windowRect.top,
                    clientRect.right - windowRect.left, clientRect.bottom - windowRect.top};
    }
    if (compositionEnabled)
        return Rect();
    return Rect{0, 0, 32767, 32767};
}

bool ZNStyledFrameHelper::fitMaximizedToWorkArea(Rect& proposed, const Rect& monitor,
                                                 const Rect& workArea)
{
    if (proposed != monitor || monitor == workArea)
        return false;
    proposed = workArea;
    return true;
}

ZNStyledFrameHelper::Invalidation ZNStyledFrameHelper::resizeInvalidation(const QSize& oldSize,
                                                                          const QSize& newSize)
{
    // A growing side repaints the old edge, which was drawn as a border; a shrinking side the new.
    const QSize byWidth = newSize.width() > oldSize.width() ? oldSize : newSize;
    const QSize byHeight = newSize.height() > oldSize.height() ? oldSize : newSize;
    Invalidation result;
    result.column = Rect{byWidth.width() - 1, 0, byWidth.width(), byWidth.height()};
    result.row = Rect{0, byHeight.height() - 1, byHeight.width(), byHeight.height()};
    return result;
}

int ZNStyledFrameHelper::contentsMarginForDpi(int dpi)
{
    return dpi / 96;
}

bool ZNStyledFrameHelper::coversAutoHiddenTaskbar(const QRect& screenGeometry,
                                                  const QRect& availableGeometry,
                                                  const QRect& frameGeometry)
{
    return screenGeometry == availableGeometry && frameGeometry == availableGeometry;
}

QSize ZNStyledFrameHelper::autoHideTaskbarSize(const QRect& availableGeometry)
{
    return QSize(availableGeometry.width(), availableGeometry.height() - 1);
}

// ---- the helper -------------------------------------------------------------------------------

ZNStyledFrameHelper::ZNStyledFrameHelper(QWidget* widget)
    : d(new ZNStyledFrameHelperPrivate)
{
    d->widget = widget;
}

ZNStyledFrameHelper::~ZNStyledFrameHelper()
{
    delete d;
}

bool ZNStyledFrameHelper::isStyledFrameTitleBar(int x, int y) const
{
    Q_UNUSED(x)
    Q_UNUSED(y)
    return false;
}

#ifdef Q_OS_WIN

namespace {

ZNStyledFrameHelper::Rect fromNative(const RECT& rect)
{
    return ZNStyledFrameHelper::Rect{static_cast<int>(rect.left), static_cast<int>(rect.top),
                                     static_cast<int>(rect.right), static_cast<int>(rect.bottom)};
}

RECT toNative(const ZNStyledFrameHelper::Rect& rect)
{
    RECT result;
    result.left = rect.left;
    result.top = rect.top;
    result.right = rect.right;
    result.bottom = rect.bottom;
    return result;
}

} // namespace

void ZNStyledFrameHelper::setupNativeWindow()
{
    if (d->nativeSetupDone)
        return;
    d->nativeSetupDone = true;
    d->hwnd = reinterpret_cast<HWND>(d->widget->winId());
    if (!d->hwnd) {
        d->nativeSetupDone = false;
        return;
    }
    const LONG exStyle = GetWindowLongW(d->hwnd, GWL_EXSTYLE);
    SetWindowLongW(d->hwnd, GWL_EXSTYLE, exStyle | WS_EX_LAYERED);
    // Pure magenta becomes transparent.
    SetLayeredWindowAttributes(d->hwnd, RGB(255, 0, 255), 0, LWA_COLORKEY);
    updateCompositionState();
    d->themeActive = IsThemeActive() == 1;
}

void ZNStyledFrameHelper::updateCompositionState()
{
    BOOL enabled = FALSE;
    if (FAILED(DwmIsCompositionEnabled(&enabled)))
        enabled = FALSE;
    d->compositionEnabled = enabled == 1;
    if (enabled) {
        // One pixel of frame inside the client area keeps the system shadow.
        const MARGINS margins = {0, 0, 1, 0};
        DwmExtendFrameIntoClientArea(d->hwnd, &margins);
        const DWORD policy = DWMNCRP_ENABLED;
        DwmSetWindowAttribute(d->hwnd, DWMWA_NCRENDERING_POLICY, &policy, sizeof(policy));
    }
    updateWindowRegion();
}

void ZNStyledFrameHelper::updateWindowRegion()
{
    const Rect previous = d->windowRegion;
    const bool zoomed = IsZoomed(d->hwnd) != FALSE;
    Rect windowRect;
    Rect clientRect;
    if (zoomed) {
        WINDOWINFO info;
        info.cbSize = sizeof(info);
        GetWindowInfo(d->hwnd, &info);
        windowRect = fromNative(info.rcWindow);
        clientRect = fromNative(info.rcClient);
    }
    const Rect region = windowRegion(zoomed, d->compositionEnabled, windowRect, clientRect);
    if (region == previous)
        return;
    d->windowRegion = region;
    if (region.isNull()) {
        SetWindowRgn(d->hwnd, nullptr, TRUE);
    } else {
        const RECT native = toNative(region);
        // The system owns the region once it is set.
        SetWindowRgn(d->hwnd, CreateRectRgnIndirect(&native), TRUE);
    }
}

void ZNStyledFrameHelper::reapplyNativeFrame()
{
    if (!d->hwnd)
        return;
    RECT rect;
    if (!GetWindowRect(d->hwnd, &rect))
        return;
    SetWindowPos(d->hwnd, nullptr, rect.left, rect.top, rect.right - rect.left,
                 rect.bottom - rect.top, SWP_NOZORDER | SWP_FRAMECHANGED);
}

bool ZNStyledFrameHelper::handleNativeEvent(const QByteArray& eventType, void* message,
                                            long* result)
{
    if (eventType != "windows_generic_MSG")
        return false;
    if (!d->nativeSetupDone)
        setupNativeWindow();
    if (!d->hwnd)
        return false;

    MSG* msg = static_cast<MSG*>(message);
    switch (msg->message) {
    case WM_NCACTIVATE:
        // -1 keeps the system from repainting the (absent) caption on activation changes.
        *result = static_cast<long>(DefWindowProcW(d->hwnd, msg->message, msg->wParam, -1));
        return true;
    case WM_SETTEXT:
    case WM_SETICON: {
        if (d->compositionEnabled || d->themeActive)
            return false;
        // Without themes the system paints a classic caption while it sets the text or icon.
        const LONG style = GetWindowLongW(d->hwnd, GWL_STYLE);
        SetWindowLongW(d->hwnd, GWL_STYLE, style & ~WS_VISIBLE);
        *result =
            static_cast<long>(DefWindowProcW(d->hwnd, msg->message, msg->wParam, msg->lParam));
        SetWindowLongW(d->hwnd, GWL_STYLE, style);
        return true;
    }
    case WM_WINDOWPOSCHANGED: {
        RECT client;
        GetClientRect(d->hwnd, &client);
        const QSize oldSize(d->clientWidth, d->clientHeight);
        const QSize newSize(client.right - client.left, client.bottom - client.top);
        d->clientWidth = newSize.width();
        d->clientHeight = newSize.height();
        if (oldSize == newSize) {
            const auto* position = reinterpret_cast<const WINDOWPOS*>(msg->lParam);
            if (position && (position->flags & SWP_FRAMECHANGED))
                updateWindowRegion();
        } else {
            updateWindowRegion();
            const Invalidation strips = resizeInvalidation(oldSize, newSize);
            const RECT column = toNative(strips.column);
            const RECT row = toNative(strips.row);
            InvalidateRect(d->hwnd, &column, TRUE);
            InvalidateRect(d->hwnd, &row, TRUE);
        }
        return false;
    }
    case WM_NCCALCSIZE: {
        DefWindowProcW(d->hwnd, msg->message, msg->wParam, msg->lParam);
        if (IsZoomed(d->hwnd)) {
            HMONITOR monitor = MonitorFromWindow(d->hwnd, MONITOR_DEFAULTTOPRIMARY);
            MONITORINFO info;
            info.cbSize = sizeof(info);
            // Both forms of the message start with the proposed rectangle.
            auto* first = reinterpret_cast<RECT*>(msg->lParam);
            if (monitor && first && GetMonitorInfoW(monitor, &info)) {
                Rect proposed = fromNative(*first);
                if (fitMaximizedToWorkArea(proposed, fromNative(info.rcMonitor),
                                           fromNative(info.rcWork)))
                    *first = toNative(proposed);
            }
        }
        *result = 0;
        return true;
    }
    case WM_NCHITTEST: {
        if (IsZoomed(d->hwnd)) {
            *result = HitClient;
            return true;
        }
        POINT point = {GET_X_LPARAM(msg->lParam), GET_Y_LPARAM(msg->lParam)};
        ScreenToClient(d->hwnd, &point);
        const int border = GetSystemMetrics(SM_CXPADDEDBORDER) + GetSystemMetrics(SM_CXSIZEFRAME);
        const int corner = GetSystemMetrics(SM_CXBORDER) + 2 * border;
        const bool fixed = d->widget->windowFlags().testFlag(Qt::MSWindowsFixedSizeDialogHint);
        *result = hitTest(QPoint(point.x, point.y), QSize(d->clientWidth, d->clientHeight), border,
                          corner, false, fixed);
        return true;
    }
    case WM_NCPAINT:
        if (d->compositionEnabled)
            return false;
        *result = 0;
        return true;
    case 0x00AE: // undocumented: draws the classic caption
    case 0x00AF: // undocumented: draws the classic frame
        *result = 0;
        return true;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
        const qreal ratio = d->widget->devicePixelRatioF();
        const int x = qRound(GET_X_LPARAM(msg->lParam) / ratio);
        const int y = qRound(GET_Y_LPARAM(msg->lParam) / ratio);
        if (!isStyledFrameTitleBar(x, y))
            return false;
        if (msg->message == WM_LBUTTONDOWN) {
            // Let the system move the window as if its caption had been pressed.
            ReleaseCapture();
            SendMessageW(d->hwnd, WM_NCLBUTTONDOWN, HTCAPTION, 0);
        } else {
            const bool wasMaximized = IsZoomed(d->hwnd) != FALSE;
            SendMessageW(d->hwnd, WM_NCLBUTTONDBLCLK, HTCAPTION, 0);
            if (!wasMaximized)
                d->widget->showMaximized();
        }
        *result = 0;
        return true;
    }
    case WM_THEMECHANGED:
        d->themeActive = IsThemeActive() == 1;
        return false;
    case WM_DWMCOMPOSITIONCHANGED:
        updateCompositionState();
        *result = 0;
        return true;
    default:
        return false;
    }
}

#else // not Q_OS_WIN

void ZNStyledFrameHelper::setupNativeWindow()
{
    if (d->nativeSetupDone)
        return;
    d->nativeSetupDone = true;
    d->widget->winId();
    if (!d->widget->windowHandle()) {
        d->nativeSetupDone = false;
        return;
    }
    d->filter = std::make_unique<ZNStyledFrameFilter>(this, d->widget);
}

void ZNStyledFrameHelper::updateCompositionState()
{
    // Compositing is the window system's business here.
    updateWindowRegion();
}

void ZNStyledFrameHelper::updateWindowRegion()
{
    d->windowRegion = windowRegion(d->widget->isMaximized(), true, Rect(), Rect());
}

void ZNStyledFrameHelper::reapplyNativeFrame()
{
    if (d->filter)
        d->filter->attach();
}

bool ZNStyledFrameHelper::handleNativeEvent(const QByteArray& eventType, void* message,
                                            long* result)
{
    Q_UNUSED(eventType)
    Q_UNUSED(message)
    Q_UNUSED(result)
    if (!d->nativeSetupDone)
        setupNativeWindow();
    return false;
}

#endif
