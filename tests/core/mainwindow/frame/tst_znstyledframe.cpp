// SPDX-License-Identifier: MIT
#include <germancatalogue.h>
#include <testenvironment.h>

#include <mainwindow/frame/imainmenuwidget.h>
#include <mainwindow/mainwindow.h>
#include <mainwindow/frame/znnotificationbar.h>
#include <mainwindow/frame/znstyledframe.h>

#include <QApplication>
#include <QDesktopWidget>
#include <QLabel>
#include <QLayout>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
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
    void dropNativeWindow() { destroy(); }

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

    void init()
    {
        m_environment = std::make_unique<TestEnvironment>();
        m_window = m_environment->createMainWindow();
        m_titleBar = qobject_cast<IMainMenuWidget*>(m_window->menuWidget());
        QVERIFY(m_titleBar);
        m_menuBar = m_titleBar->getMenuBar();
        QVERIFY(m_menuBar);
        m_menuBar->addMenu(QStringLiteral("&File"))->addAction(QStringLiteral("Open"));
        m_menuBar->addMenu(QStringLiteral("&Edit"));
        m_window->resize(900, 600);
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window));
    }
    void cleanup()
    {
        m_environment.reset();
        m_window = nullptr;
    }

    void isTitleBarArea_data()
    {
        QTest::addColumn<QString>("where");
        QTest::addColumn<bool>("titleBar");

        QTest::newRow("empty menu-bar space") << "empty" << true;
        QTest::newRow("title text") << "title" << true;
        QTest::newRow("menu title") << "menu" << false;
        QTest::newRow("minimize button") << "minizeButton" << false;
        QTest::newRow("outside the window") << "outside" << false;
    }
    void isTitleBarArea()
    {
        QFETCH(QString, where);
        QFETCH(bool, titleBar);

        m_window->showNotification(QStringLiteral("Note"), ZNNotificationBar::Info, QString(),
                                   true);
        QTRY_VERIFY(m_window->getNotificationBar()->isVisible());
        QWidget* target = m_menuBar;
        QPoint local;
        if (where == QLatin1String("empty")) {
            const QRect last = m_menuBar->actionGeometry(m_menuBar->actions().last());
            local = QPoint(last.right() + 40, m_menuBar->height() / 2);
            QVERIFY(local.x() < m_menuBar->cornerWidget(Qt::TopRightCorner)->x());
        } else if (where == QLatin1String("title")) {
            target = m_menuBar->findChild<QLabel*>(QStringLiteral("titleLabel"));
            QVERIFY(target);
            QTRY_VERIFY(target->isVisible());
            local = target->rect().center();
        } else if (where == QLatin1String("menu")) {
            local = m_menuBar->actionGeometry(m_menuBar->actions().first()).center();
        } else if (where == QLatin1String("icon")) {
            target = m_menuBar->cornerWidget(Qt::TopLeftCorner);
            local = target->rect().center();
        } else if (where == QLatin1String("notification")) {
            target = m_window->getNotificationBar();
            local = target->rect().center();
        } else if (where == QLatin1String("content")) {
            target = m_window;
            local = QPoint(m_window->width() / 2, m_window->height() - 20);
        } else if (where == QLatin1String("outside")) {
            target = m_window;
            local = QPoint(m_window->width() + 30, 5);
        } else {
            target = m_menuBar->findChild<QPushButton*>(where);
            QVERIFY(target);
            local = target->rect().center();
        }
        const QPoint point = target->mapTo(m_window, local);
        QCOMPARE(m_titleBar->isTitleBarArea(point.x(), point.y()), titleBar);
    }
    void frameWithoutWindowManager()
    {
        // No window manager runs here: the frame shows its cursors, resizes and maximizes
        // itself, and a press on its border never reaches the window.
        FramedWindow window;
        window.resize(400, 300);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QWindow* handle = window.windowHandle();
        const QPoint edge(window.width() - 2, 150);

        QTest::mouseMove(handle, edge);
        QTRY_COMPARE(window.cursor().shape(), Qt::SizeHorCursor);
        QTest::mousePress(handle, Qt::LeftButton, Qt::NoModifier, edge);
        QTest::mouseMove(handle, edge + QPoint(50, 0));
        QTest::mouseRelease(handle, Qt::LeftButton, Qt::NoModifier, edge + QPoint(50, 0));
        QCOMPARE(window.width(), 450);
        QCOMPARE(window.presses, 0);

        QTest::mouseDClick(handle, Qt::LeftButton, Qt::NoModifier, QPoint(200, 10));
        QVERIFY(window.isMaximized());
        QTest::mouseDClick(handle, Qt::LeftButton, Qt::NoModifier, QPoint(200, 10));
        QVERIFY(!window.isMaximized());

        // A new native window (as after a move to another screen) starts with the plain cursor.
        QTest::mouseMove(handle, QPoint(window.width() - 2, 150));
        QTRY_COMPARE(window.cursor().shape(), Qt::SizeHorCursor);
        window.dropNativeWindow();
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(window.cursor().shape(), Qt::ArrowCursor);
    }
    void titleBarDragWithoutWindowManager()
    {
        // The bar moves the window itself, and dragging a maximized window restores it first.
        QWindow* handle = m_window->windowHandle();
        const QRect last = m_menuBar->actionGeometry(m_menuBar->actions().last());
        const QPoint grip =
            m_menuBar->mapTo(m_window, QPoint(last.right() + 40, m_menuBar->height() / 2));
        const QPoint start = m_window->pos();
        QTest::mousePress(handle, Qt::LeftButton, Qt::NoModifier, grip);
        QTest::mouseMove(handle, grip + QPoint(60, 40));
        QTest::mouseRelease(handle, Qt::LeftButton, Qt::NoModifier, grip + QPoint(60, 40));
        // Synthetic moves are given in window coordinates, so the window may follow twice.
        QTRY_VERIFY(m_window->pos().x() > start.x() && m_window->pos().y() > start.y());

        m_window->showMaximized();
        QTest::mousePress(handle, Qt::LeftButton, Qt::NoModifier, grip);
        QTest::mouseMove(handle, grip + QPoint(0, 80));
        QTest::mouseRelease(handle, Qt::LeftButton, Qt::NoModifier, grip + QPoint(0, 80));
        QTRY_VERIFY(!m_window->isMaximized());
    }
    void titleTextRect_data()
    {
        QTest::addColumn<int>("freeLeft");
        QTest::addColumn<int>("freeRight");
        QTest::addColumn<int>("textWidth");
        QTest::addColumn<QRect>("rect");

        // A bar 1000 wide; 16 pixels are kept free on both sides of the title.
        QTest::newRow("centred on the bar") << 100 << 900 << 200 << QRect(400, 0, 200, 20);
        QTest::newRow("menus reach past the centre") << 500 << 900 << 200 << QRect(600, 0, 200, 20);
        QTest::newRow("cut to the free part") << 500 << 700 << 300 << QRect(516, 0, 168, 20);
        QTest::newRow("too narrow to show") << 500 << 570 << 100 << QRect();
    }
    void titleTextRect()
    {
        QFETCH(int, freeLeft);
        QFETCH(int, freeRight);
        QFETCH(int, textWidth);
        QFETCH(QRect, rect);
        QCOMPARE(IMainMenuWidget::titleTextRect(1000, freeLeft, freeRight, textWidth, 20), rect);
    }

private:
    std::unique_ptr<TestEnvironment> m_environment;
    MainWindow* m_window = nullptr;
    IMainMenuWidget* m_titleBar = nullptr;
    QMenuBar* m_menuBar = nullptr;
};

QTEST_MAIN(tst_ZNStyledFrame)

#include "tst_znstyledframe.moc"
