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
    void hitTest_data()
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
        QTest::newRow("below top border")
            << QPoint(400, 8) << false << false << int(Helper::HitClient) << 0;
        QTest::newRow("top-left, end of corner")
            << QPoint(16, 2) << false << false << int(Helper::HitTopLeft) << (top | left);
        QTest::newRow("top, just past corner")
            << QPoint(17, 2) << false << false << int(Helper::HitTop) << top;
        QTest::newRow("bottom") << QPoint(400, 592) << false << false << int(Helper::HitBottom)
                                << bottom;
        QTest::newRow("right") << QPoint(792, 300) << false << false << int(Helper::HitRight)
                               << right;
        QTest::newRow("before right border")
            << QPoint(791, 300) << false << false << int(Helper::HitClient) << 0;
        QTest::newRow("client") << QPoint(400, 300) << false << false << int(Helper::HitClient)
                                << 0;
        QTest::newRow("maximized top")
            << QPoint(400, 3) << true << false << int(Helper::HitClient) << 0;
        QTest::newRow("fixed corner")
            << QPoint(799, 599) << false << true << int(Helper::HitClient) << 0;
    }
    void hitTest()
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
    void metricsFollowDensity_data()
    {
        QTest::addColumn<int>("dpi");
        QTest::addColumn<int>("margin");
        QTest::addColumn<int>("border");
        QTest::addColumn<int>("corner");

        QTest::newRow("95") << 95 << 0 << 4 << 8;
        QTest::newRow("96") << 96 << 1 << 5 << 11;
        QTest::newRow("143") << 143 << 1 << 7 << 15;
        QTest::newRow("144") << 144 << 1 << 7 << 15;
        QTest::newRow("191") << 191 << 1 << 9 << 19;
        QTest::newRow("192") << 192 << 2 << 10 << 22;
    }
    void metricsFollowDensity()
    {
        QFETCH(int, dpi);
        QFETCH(int, margin);
        QFETCH(int, border);
        QFETCH(int, corner);

        QCOMPARE(Helper::contentsMarginForDpi(dpi), margin);
        QCOMPARE(Helper::borderWidth(dpi), border);
        QCOMPARE(Helper::cornerWidth(dpi), corner);
    }

    void bordersShowResizeCursors()
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
    void doubleClickOnTitleBarTogglesMaximized()
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
};

QTEST_MAIN(tst_ZNStyledFrame)
#include "tst_znstyledframe.moc"
