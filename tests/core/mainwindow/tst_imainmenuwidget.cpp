#include <germancatalogue.h>
#include <testenvironment.h>

#include <mainwindow/imainmenuwidget.h>
#include <mainwindow/mainwindow.h>
#include <mainwindow/znnotificationbar.h>

#include <QApplication>
#include <QDesktopWidget>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTranslator>
#include <QtTest>

class tst_IMainMenuWidget : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void titleText_data();
    void titleText();
    void isTitleBarArea_data();
    void isTitleBarArea();
    void maximizeButtonFollowsState();
    void cornerButtonsDriveWindow();
    void restoredWindowPosition_data();
    void restoredWindowPosition();
    void titleTextRect_data();
    void titleTextRect();
    void titleIsShownInFreeMenuBarSpace();
    void restoresMaximizedWindow_data();
    void restoresMaximizedWindow();
    void draggingMovesWindow();
    void draggingMaximizedWindowRestoresUnderCursor();
    void contextMenuFollowsState();
    void laterMenuBarReplacesEarlier();
    void germanTexts();

private:
    void sendMouse(QWidget* widget, QEvent::Type type, const QPoint& local, Qt::MouseButton button,
                   Qt::MouseButtons buttons, const QPoint& global);

    std::unique_ptr<TestEnvironment> m_environment;
    MainWindow* m_window = nullptr;
    IMainMenuWidget* m_titleBar = nullptr;
    QMenuBar* m_menuBar = nullptr;
};

void tst_IMainMenuWidget::init()
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

void tst_IMainMenuWidget::cleanup()
{
    m_environment.reset();
    m_window = nullptr;
}

void tst_IMainMenuWidget::sendMouse(QWidget* widget, QEvent::Type type, const QPoint& local,
                                    Qt::MouseButton button, Qt::MouseButtons buttons,
                                    const QPoint& global)
{
    QMouseEvent event(type, local, global, button, buttons, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

void tst_IMainMenuWidget::titleText_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QString>("title");

    QTest::newRow("no file") << ""
                             << "Zenub Animate";
    QTest::newRow("file") << "/home/ann/intro.zenub"
                          << "/home/ann/intro.zenub - Zenub Animate";
    QTest::newRow("placeholder-like name") << "%1 %2.zenub"
                                           << "%1 %2.zenub - Zenub Animate";
}

void tst_IMainMenuWidget::titleText()
{
    QFETCH(QString, fileName);
    QFETCH(QString, title);

    QCOMPARE(IMainMenuWidget::titleText(fileName), title);
    QSignalSpy paths(m_window, &MainWindow::updateWindowFilePath);
    m_window->setWindowFilePath(QStringLiteral("other"));
    m_window->setWindowFilePath(fileName);
    QCOMPARE(paths.count(), 2);
    QCOMPARE(m_titleBar->windowTitle(), title);
}

void tst_IMainMenuWidget::isTitleBarArea_data()
{
    QTest::addColumn<QString>("where");
    QTest::addColumn<bool>("titleBar");

    QTest::newRow("empty menu-bar space") << "empty" << true;
    QTest::newRow("title text") << "title" << true;
    QTest::newRow("menu title") << "menu" << false;
    QTest::newRow("minimize button") << "minizeButton" << false;
    QTest::newRow("maximize button") << "maximizeButton" << false;
    QTest::newRow("close button") << "closeButton" << false;
    QTest::newRow("application icon") << "icon" << false;
    QTest::newRow("notification bar") << "notification" << false;
    QTest::newRow("window content") << "content" << false;
    QTest::newRow("outside the window") << "outside" << false;
}

void tst_IMainMenuWidget::isTitleBarArea()
{
    QFETCH(QString, where);
    QFETCH(bool, titleBar);

    m_window->showNotification(QStringLiteral("Note"), ZNNotificationBar::Info, QString(), true);
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

void tst_IMainMenuWidget::maximizeButtonFollowsState()
{
    auto* button = m_menuBar->findChild<QPushButton*>(QStringLiteral("maximizeButton"));
    QVERIFY(button);
    const QImage maximizeImage = button->icon().pixmap(16).toImage();
    m_window->showMaximized();
    QTRY_COMPARE(button->toolTip(), QStringLiteral("Restore Down"));
    QVERIFY(button->icon().pixmap(16).toImage() != maximizeImage);
    m_window->showNormal();
    QTRY_COMPARE(button->toolTip(), QStringLiteral("Maximize"));
    QCOMPARE(button->icon().pixmap(16).toImage(), maximizeImage);
}

void tst_IMainMenuWidget::cornerButtonsDriveWindow()
{
    auto button = [this](const char* name) {
        return m_menuBar->findChild<QPushButton*>(QLatin1String(name));
    };
    button("maximizeButton")->click();
    QTRY_VERIFY(m_window->isMaximized());
    button("maximizeButton")->click();
    QTRY_VERIFY(!m_window->isMaximized());
    button("minizeButton")->click();
    QTRY_VERIFY(m_window->windowState() & Qt::WindowMinimized);
    m_window->showNormal();
    button("closeButton")->click();
    QTRY_VERIFY(!m_window->isVisible());
}

void tst_IMainMenuWidget::restoredWindowPosition_data()
{
    QTest::addColumn<QPoint>("cursor");
    QTest::addColumn<QRect>("desktop");
    QTest::addColumn<QPoint>("position");

    const QRect desktop(0, 0, 1920, 1080);
    QTest::newRow("centred under cursor") << QPoint(960, 300) << desktop << QPoint(560, 0);
    QTest::newRow("kept off the left edge") << QPoint(100, 5) << desktop << QPoint(0, 0);
    QTest::newRow("kept off the right edge") << QPoint(1900, 5) << desktop << QPoint(1120, 0);
    QTest::newRow("second screen on the left")
        << QPoint(-1800, 40) << QRect(-1920, -200, 3840, 1280) << QPoint(-1920, -200);
    QTest::newRow("desktop narrower than window")
        << QPoint(300, 5) << QRect(0, 0, 600, 400) << QPoint(0, 0);
}

void tst_IMainMenuWidget::restoredWindowPosition()
{
    QFETCH(QPoint, cursor);
    QFETCH(QRect, desktop);
    QFETCH(QPoint, position);

    QCOMPARE(IMainMenuWidget::restoredWindowPosition(cursor, 800, desktop), position);
}

void tst_IMainMenuWidget::titleTextRect_data()
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

void tst_IMainMenuWidget::titleTextRect()
{
    QFETCH(int, freeLeft);
    QFETCH(int, freeRight);
    QFETCH(int, textWidth);
    QFETCH(QRect, rect);
    QCOMPARE(IMainMenuWidget::titleTextRect(1000, freeLeft, freeRight, textWidth, 20), rect);
}

void tst_IMainMenuWidget::titleIsShownInFreeMenuBarSpace()
{
    auto* label = m_menuBar->findChild<QLabel*>(QStringLiteral("titleLabel"));
    QVERIFY(label);
    m_window->setWindowFilePath(QStringLiteral("intro.zenub"));
    m_window->setWindowModified(true);
    QTRY_COMPARE(label->text(), QStringLiteral("*intro.zenub - Zenub Animate"));
    QVERIFY(m_titleBar->isWindowModified());
    m_window->setWindowModified(false);
    QTRY_COMPARE(label->text(), QStringLiteral("intro.zenub - Zenub Animate"));
    m_window->setWindowModified(true);
    QTRY_COMPARE(label->text(), QStringLiteral("*intro.zenub - Zenub Animate"));
    const QRect menus = m_menuBar->actionGeometry(m_menuBar->actions().last());
    QVERIFY(label->geometry().left() > menus.right());
    QVERIFY(label->geometry().right() < m_menuBar->cornerWidget(Qt::TopRightCorner)->x());

    // Many menus leave no room: the title gives way to them.
    for (int i = 0; i < 40; ++i)
        m_menuBar->addMenu(QStringLiteral("Menu %1").arg(i));
    QTRY_VERIFY(!label->isVisible());
}

void tst_IMainMenuWidget::restoresMaximizedWindow_data()
{
    QTest::addColumn<QPoint>("delta");
    QTest::addColumn<bool>("restores");

    QTest::newRow("6 right") << QPoint(6, 0) << true;
    QTest::newRow("6 down") << QPoint(0, 6) << true;
    QTest::newRow("5 right and down") << QPoint(5, 5) << false;
    QTest::newRow("far left") << QPoint(-300, 0) << false;
    QTest::newRow("far up") << QPoint(0, -300) << false;
}

void tst_IMainMenuWidget::restoresMaximizedWindow()
{
    QFETCH(QPoint, delta);
    QFETCH(bool, restores);
    QCOMPARE(IMainMenuWidget::restoresMaximizedWindow(delta), restores);
}

void tst_IMainMenuWidget::draggingMovesWindow()
{
    m_window->move(100, 100);
    QTRY_COMPARE(m_window->pos(), QPoint(100, 100));
    const QRect last = m_menuBar->actionGeometry(m_menuBar->actions().last());
    const QPoint local(last.right() + 40, m_menuBar->height() / 2);
    const QPoint global = m_menuBar->mapToGlobal(local);
    sendMouse(m_menuBar, QEvent::MouseButtonPress, local, Qt::LeftButton, Qt::LeftButton, global);
    sendMouse(m_menuBar, QEvent::MouseMove, local, Qt::NoButton, Qt::LeftButton,
              global + QPoint(30, 20));
    QTRY_COMPARE(m_window->pos(), QPoint(130, 120));
    sendMouse(m_menuBar, QEvent::MouseButtonRelease, local, Qt::LeftButton, Qt::NoButton,
              global + QPoint(30, 20));
    sendMouse(m_menuBar, QEvent::MouseMove, local, Qt::NoButton, Qt::NoButton,
              global + QPoint(90, 90));
    QCOMPARE(m_window->pos(), QPoint(130, 120));

    // A press on a menu title opens the menu instead of dragging.
    const QPoint menu = m_menuBar->actionGeometry(m_menuBar->actions().first()).center();
    QTest::mouseClick(m_menuBar, Qt::LeftButton, {}, menu);
    QTRY_VERIFY(m_menuBar->actions().first()->menu()->isVisible());
    m_menuBar->actions().first()->menu()->hide();
}

void tst_IMainMenuWidget::draggingMaximizedWindowRestoresUnderCursor()
{
    m_window->showNormal();
    m_window->resize(800, 500);
    m_window->showMaximized();
    QTRY_VERIFY(m_window->isMaximized());
    const QRect last = m_menuBar->actionGeometry(m_menuBar->actions().last());
    const QPoint local(last.right() + 40, m_menuBar->height() / 2);
    const QPoint global = m_menuBar->mapToGlobal(local);
    sendMouse(m_menuBar, QEvent::MouseButtonPress, local, Qt::LeftButton, Qt::LeftButton, global);
    // Moving left or up, or by five pixels, keeps it maximised.
    sendMouse(m_menuBar, QEvent::MouseMove, local, Qt::NoButton, Qt::LeftButton,
              global + QPoint(-50, 0));
    sendMouse(m_menuBar, QEvent::MouseMove, local, Qt::NoButton, Qt::LeftButton,
              global + QPoint(5, 5));
    QVERIFY(m_window->isMaximized());
    sendMouse(m_menuBar, QEvent::MouseMove, local, Qt::NoButton, Qt::LeftButton,
              global + QPoint(6, 0));
    QTRY_VERIFY(!m_window->isMaximized());

    const QPoint cursor = global + QPoint(300, 40);
    sendMouse(m_menuBar, QEvent::MouseMove, local, Qt::NoButton, Qt::LeftButton, cursor);
    const QRect desktop = QApplication::desktop()->geometry();
    const QPoint placed =
        IMainMenuWidget::restoredWindowPosition(cursor, m_window->width(), desktop);
    QTRY_COMPARE(m_window->pos(), placed + (cursor - global));
    sendMouse(m_menuBar, QEvent::MouseButtonRelease, local, Qt::LeftButton, Qt::NoButton, cursor);
}

void tst_IMainMenuWidget::contextMenuFollowsState()
{
    for (bool maximized : {false, true}) {
        if (maximized)
            m_window->showMaximized();
        QTRY_COMPARE(m_window->isMaximized(), maximized);
        QStringList seen;
        QTimer::singleShot(0, this, [&] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            if (!menu)
                return;
            for (QAction* action : menu->actions())
                seen << action->text() + (action->isEnabled() ? "+" : "-");
            menu->close();
        });
        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5),
                                m_titleBar->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(m_titleBar, &event);
        const QStringList expected =
            maximized ? QStringList({"Restore+", "Minimize+", "Maximize-", "Close+"})
                      : QStringList({"Restore-", "Minimize+", "Maximize+", "Close+"});
        QCOMPARE(seen, expected);
    }
}

void tst_IMainMenuWidget::laterMenuBarReplacesEarlier()
{
    QPointer<QMenuBar> earlier = m_menuBar;
    auto* later = new QMenuBar;
    m_titleBar->installMenuBar(later);
    QCOMPARE(m_titleBar->getMenuBar(), later);
    QCOMPARE(m_titleBar->layout()->itemAt(0)->widget(), later);
    QTRY_VERIFY(earlier.isNull());
    QCOMPARE(m_titleBar->findChildren<QPushButton*>(QStringLiteral("maximizeButton")).size(), 1);
    QVERIFY(later->cornerWidget(Qt::TopRightCorner));
}

void tst_IMainMenuWidget::germanTexts()
{
    const GermanCatalogue german;
    QVERIFY2(german.isLoaded(), qPrintable(GermanCatalogue::path()));
    QWidget window;
    IMainMenuWidget titleBar(&window, QStringLiteral("Zenub Animate"), QIcon());
    titleBar.installMenuBar(new QMenuBar);
    titleBar.updateMaximized(true);
    QStringList tips;
    for (QPushButton* button :
         titleBar.getMenuBar()->cornerWidget(Qt::TopRightCorner)->findChildren<QPushButton*>())
        tips << button->toolTip();
    QCOMPARE(tips, QStringList({"Minimieren", "Verkleinern", "Schließen"}));
}

QTEST_MAIN(tst_IMainMenuWidget)
#include "tst_imainmenuwidget.moc"
