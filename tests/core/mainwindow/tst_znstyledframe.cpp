#include <mainwindow/znstyledframe.h>

#include <QMainWindow>
#include <QMouseEvent>
#include <QtTest>

using Helper = ZNStyledFrameHelper;
using Rect = ZNStyledFrameHelper::Rect;

Q_DECLARE_METATYPE(Rect)

namespace {

// A frameless window whose top 30 pixels are its title bar.
class FramedWindow : public ZNStyledFrame<QMainWindow>
{
public:
    int presses = 0;

protected:
    bool isStyledFrameTitleBar(int x, int y) const override
    {
        Q_UNUSED(x)
        return y < 30;
    }
    void mousePressEvent(QMouseEvent* event) override
    {
        ++presses;
        QMainWindow::mousePressEvent(event);
    }
};

} // namespace

class tst_ZNStyledFrame : public QObject
{
    Q_OBJECT
private slots:
    void hitTest_data();
    void hitTest();
    void metricsFollowDensity_data();
    void metricsFollowDensity();
    void windowRegion_data();
    void windowRegion();
    void fitMaximizedToWorkArea_data();
    void fitMaximizedToWorkArea();
    void resizeInvalidation_data();
    void resizeInvalidation();
    void autoHiddenTaskbar_data();
    void autoHiddenTaskbar();

    void windowIsFrameless();
    void bordersShowResizeCursors();
    void pressesFallBackToQtWithoutWindowManager();
    void doubleClickOnTitleBarTogglesMaximized();
};

void tst_ZNStyledFrame::hitTest_data()
{
    QTest::addColumn<QPoint>("point");
    QTest::addColumn<bool>("maximized");
    QTest::addColumn<bool>("fixed");
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("edges");

    // Client 800 x 600, border 8, corner 17.
    const int top = Qt::TopEdge, bottom = Qt::BottomEdge, left = Qt::LeftEdge,
              right = Qt::RightEdge;
    QTest::newRow("top") << QPoint(400, 3) << false << false << int(Helper::HitTop) << top;
    QTest::newRow("top, last row of border")
        << QPoint(400, 7) << false << false << int(Helper::HitTop) << top;
    QTest::newRow("below top border")
        << QPoint(400, 8) << false << false << int(Helper::HitClient) << 0;
    QTest::newRow("top-left corner")
        << QPoint(0, 0) << false << false << int(Helper::HitTopLeft) << (top | left);
    QTest::newRow("top-left, end of corner")
        << QPoint(16, 2) << false << false << int(Helper::HitTopLeft) << (top | left);
    QTest::newRow("top, just past corner")
        << QPoint(17, 2) << false << false << int(Helper::HitTop) << top;
    QTest::newRow("top-right corner")
        << QPoint(783, 2) << false << false << int(Helper::HitTopRight) << (top | right);
    QTest::newRow("top, before right corner")
        << QPoint(782, 2) << false << false << int(Helper::HitTop) << top;
    QTest::newRow("bottom") << QPoint(400, 592) << false << false << int(Helper::HitBottom)
                            << bottom;
    QTest::newRow("above bottom border")
        << QPoint(400, 591) << false << false << int(Helper::HitClient) << 0;
    QTest::newRow("bottom-left") << QPoint(5, 599) << false << false << int(Helper::HitBottomLeft)
                                 << (bottom | left);
    QTest::newRow("bottom-right") << QPoint(799, 599) << false << false
                                  << int(Helper::HitBottomRight) << (bottom | right);
    QTest::newRow("left, beside corner height")
        << QPoint(3, 12) << false << false << int(Helper::HitLeft) << left;
    QTest::newRow("left") << QPoint(7, 300) << false << false << int(Helper::HitLeft) << left;
    QTest::newRow("right") << QPoint(792, 300) << false << false << int(Helper::HitRight) << right;
    QTest::newRow("before right border")
        << QPoint(791, 300) << false << false << int(Helper::HitClient) << 0;
    QTest::newRow("client") << QPoint(400, 300) << false << false << int(Helper::HitClient) << 0;
    QTest::newRow("maximized top")
        << QPoint(400, 3) << true << false << int(Helper::HitClient) << 0;
    QTest::newRow("maximized corner")
        << QPoint(0, 0) << true << false << int(Helper::HitClient) << 0;
    QTest::newRow("fixed top") << QPoint(400, 3) << false << true << int(Helper::HitClient) << 0;
    QTest::newRow("fixed corner") << QPoint(799, 599) << false << true << int(Helper::HitClient)
                                  << 0;
    QTest::newRow("fixed left") << QPoint(2, 300) << false << true << int(Helper::HitClient) << 0;
}

void tst_ZNStyledFrame::hitTest()
{
    QFETCH(QPoint, point);
    QFETCH(bool, maximized);
    QFETCH(bool, fixed);
    QFETCH(int, code);
    QFETCH(int, edges);

    QCOMPARE(Helper::hitTest(point, QSize(800, 600), 8, 17, maximized, fixed), code);
    QCOMPARE(int(Helper::edgesForHitCode(code)), edges);
    QCOMPARE(Helper::cursorForHitCode(code) == Qt::ArrowCursor, edges == 0);
}

void tst_ZNStyledFrame::metricsFollowDensity_data()
{
    QTest::addColumn<int>("dpi");
    QTest::addColumn<int>("margin");
    QTest::addColumn<int>("border");
    QTest::addColumn<int>("corner");

    QTest::newRow("95") << 95 << 0 << 4 << 8;
    QTest::newRow("96") << 96 << 1 << 5 << 11;
    QTest::newRow("120") << 120 << 1 << 6 << 13;
    QTest::newRow("143") << 143 << 1 << 7 << 15;
    QTest::newRow("144") << 144 << 1 << 7 << 15;
    QTest::newRow("168") << 168 << 1 << 8 << 17;
    QTest::newRow("191") << 191 << 1 << 9 << 19;
    QTest::newRow("192") << 192 << 2 << 10 << 22;
    QTest::newRow("288") << 288 << 3 << 15 << 33;
}

void tst_ZNStyledFrame::metricsFollowDensity()
{
    QFETCH(int, dpi);
    QFETCH(int, margin);
    QFETCH(int, border);
    QFETCH(int, corner);

    QCOMPARE(Helper::contentsMarginForDpi(dpi), margin);
    QCOMPARE(Helper::borderWidth(dpi), border);
    QCOMPARE(Helper::cornerWidth(dpi), corner);
}

void tst_ZNStyledFrame::windowRegion_data()
{
    QTest::addColumn<bool>("maximized");
    QTest::addColumn<bool>("composition");
    QTest::addColumn<Rect>("expected");

    QTest::newRow("maximized") << true << true << Rect{8, 8, 1928, 1048};
    QTest::newRow("maximized, no composition") << true << false << Rect{8, 8, 1928, 1048};
    QTest::newRow("normal, composition") << false << true << Rect();
    QTest::newRow("normal, no composition") << false << false << Rect{0, 0, 32767, 32767};
}

void tst_ZNStyledFrame::windowRegion()
{
    QFETCH(bool, maximized);
    QFETCH(bool, composition);
    QFETCH(Rect, expected);

    // A maximised window hangs its frame over the monitor edges.
    const Rect window{-8, -8, 1928, 1048};
    const Rect client{0, 0, 1920, 1040};
    QCOMPARE(Helper::windowRegion(maximized, composition, window, client), expected);
}

void tst_ZNStyledFrame::fitMaximizedToWorkArea_data()
{
    QTest::addColumn<Rect>("proposed");
    QTest::addColumn<Rect>("workArea");
    QTest::addColumn<Rect>("expected");

    const Rect monitor{0, 0, 1920, 1080};
    QTest::newRow("covers monitor, taskbar at bottom")
        << monitor << Rect{0, 0, 1920, 1040} << Rect{0, 0, 1920, 1040};
    QTest::newRow("covers monitor, taskbar on the left")
        << monitor << Rect{60, 0, 1920, 1080} << Rect{60, 0, 1920, 1080};
    QTest::newRow("no taskbar space") << monitor << monitor << monitor;
    QTest::newRow("already inside")
        << Rect{0, 0, 1920, 1040} << Rect{0, 0, 1920, 1040} << Rect{0, 0, 1920, 1040};
}

void tst_ZNStyledFrame::fitMaximizedToWorkArea()
{
    QFETCH(Rect, proposed);
    QFETCH(Rect, workArea);
    QFETCH(Rect, expected);

    Rect rect = proposed;
    const bool changed = Helper::fitMaximizedToWorkArea(rect, Rect{0, 0, 1920, 1080}, workArea);
    QCOMPARE(rect, expected);
    QCOMPARE(changed, proposed != expected);
}

void tst_ZNStyledFrame::resizeInvalidation_data()
{
    QTest::addColumn<QSize>("oldSize");
    QTest::addColumn<QSize>("newSize");
    QTest::addColumn<Rect>("column");
    QTest::addColumn<Rect>("row");

    QTest::newRow("grows") << QSize(800, 600) << QSize(900, 700) << Rect{799, 0, 800, 600}
                           << Rect{0, 599, 800, 600};
    QTest::newRow("shrinks") << QSize(800, 600) << QSize(700, 500) << Rect{699, 0, 700, 500}
                             << Rect{0, 499, 700, 500};
    QTest::newRow("wider, lower") << QSize(800, 600) << QSize(900, 500) << Rect{799, 0, 800, 600}
                                  << Rect{0, 499, 900, 500};
    QTest::newRow("narrower, taller")
        << QSize(800, 600) << QSize(700, 700) << Rect{699, 0, 700, 700} << Rect{0, 599, 800, 600};
}

void tst_ZNStyledFrame::resizeInvalidation()
{
    QFETCH(QSize, oldSize);
    QFETCH(QSize, newSize);
    QFETCH(Rect, column);
    QFETCH(Rect, row);

    const Helper::Invalidation strips = Helper::resizeInvalidation(oldSize, newSize);
    QCOMPARE(strips.column, column);
    QCOMPARE(strips.row, row);
}

void tst_ZNStyledFrame::autoHiddenTaskbar_data()
{
    QTest::addColumn<QRect>("available");
    QTest::addColumn<QRect>("frame");
    QTest::addColumn<bool>("covers");

    const QRect screen(0, 0, 1920, 1080);
    QTest::newRow("hidden taskbar, window fills screen") << screen << screen << true;
    QTest::newRow("hidden taskbar, smaller window") << screen << QRect(0, 0, 1920, 1079) << false;
    QTest::newRow("visible taskbar, window fills work area")
        << QRect(0, 0, 1920, 1040) << QRect(0, 0, 1920, 1040) << false;
}

void tst_ZNStyledFrame::autoHiddenTaskbar()
{
    QFETCH(QRect, available);
    QFETCH(QRect, frame);
    QFETCH(bool, covers);

    QCOMPARE(Helper::coversAutoHiddenTaskbar(QRect(0, 0, 1920, 1080), available, frame), covers);
    QCOMPARE(Helper::autoHideTaskbarSize(available),
             QSize(available.width(), available.height() - 1));
}

void tst_ZNStyledFrame::windowIsFrameless()
{
    FramedWindow window;
    QVERIFY(window.windowFlags() & Qt::FramelessWindowHint);
    QVERIFY(window.windowHandle());
    QVERIFY(window.windowHandle()->flags() & Qt::FramelessWindowHint);
}

void tst_ZNStyledFrame::bordersShowResizeCursors()
{
    FramedWindow window;
    window.setCentralWidget(new QWidget);
    window.resize(400, 300);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QWindow* handle = window.windowHandle();

    struct Probe
    {
        QPoint point;
        Qt::CursorShape shape;
    };
    const Probe probes[] = {
        {{200, 1}, Qt::SizeVerCursor},     {{1, 150}, Qt::SizeHorCursor},
        {{398, 150}, Qt::SizeHorCursor},   {{1, 1}, Qt::SizeFDiagCursor},
        {{398, 298}, Qt::SizeFDiagCursor}, {{398, 1}, Qt::SizeBDiagCursor},
        {{200, 150}, Qt::ArrowCursor},
    };
    for (const Probe& probe : probes) {
        QTest::mouseMove(handle, probe.point);
        QTRY_COMPARE(handle->cursor().shape(), probe.shape);
    }

    // A fixed-size window has no resize borders.
    window.setWindowFlag(Qt::MSWindowsFixedSizeDialogHint);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    handle = window.windowHandle();
    QTest::mouseMove(handle, QPoint(200, 150));
    QTest::mouseMove(handle, QPoint(200, 1));
    QCOMPARE(handle->cursor().shape(), Qt::ArrowCursor);
}

void tst_ZNStyledFrame::pressesFallBackToQtWithoutWindowManager()
{
    // Xvfb has no window manager, so neither system move nor resize is available: a press
    // inside must reach the widgets, one on the border resizes the window itself.
    FramedWindow window;
    window.resize(400, 300);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTest::mousePress(window.windowHandle(), Qt::LeftButton, {}, QPoint(200, 10));
    QTest::mouseRelease(window.windowHandle(), Qt::LeftButton, {}, QPoint(200, 10));
    QTest::mousePress(window.windowHandle(), Qt::LeftButton, {}, QPoint(200, 1));
    QTest::mouseRelease(window.windowHandle(), Qt::LeftButton, {}, QPoint(200, 1));
    QCOMPARE(window.presses, 1);
}

void tst_ZNStyledFrame::doubleClickOnTitleBarTogglesMaximized()
{
    FramedWindow window;
    window.resize(400, 300);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QVERIFY(!window.isMaximized());
    QTest::mouseDClick(window.windowHandle(), Qt::LeftButton, {}, QPoint(200, 20));
    QTRY_VERIFY(window.isMaximized());
    QTest::mouseDClick(window.windowHandle(), Qt::LeftButton, {}, QPoint(200, 20));
    QTRY_VERIFY(!window.isMaximized());
    // Below the title bar a double click is the content's business.
    QTest::mouseDClick(window.windowHandle(), Qt::LeftButton, {}, QPoint(200, 200));
    QVERIFY(!window.isMaximized());
}

QTEST_MAIN(tst_ZNStyledFrame)
#include "tst_znstyledframe.moc"
