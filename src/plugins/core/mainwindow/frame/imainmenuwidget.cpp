// SPDX-License-Identifier: MIT
#include "imainmenuwidget.h"

#include "windowbuttons.h"
#include "znnotificationbar.h"

#include "appearance/ithemesmanager.h"
#include "plugin/iui.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QDesktopWidget>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionTitleBar>
#include <QVBoxLayout>

namespace {

QString imageFolder()
{
    return QStringLiteral(":/core/images/");
}

QPixmap titleIconPixmap()
{
    return IUi::getInstance()->getPixmap(QStringLiteral("icon"), IUi::Normal, 2, imageFolder(),
                                         false);
}

} // namespace

IMainMenuWidget::IMainMenuWidget(QWidget* parent, const QString& title, const QIcon& icon)
    : QWidget(parent)
{
    m_pLayout = new QVBoxLayout;
    m_pLayout->setContentsMargins(0, 0, 0, 0);
    setLayout(m_pLayout);
    m_pNotificationBar = new ZNNotificationBar(this);
    m_pNotificationBar->hide();
    m_pLayout->addWidget(m_pNotificationBar);
    m_pLayout->setSpacing(0);

    updateWindowFilePath(QString());
    setWindowIcon(icon);
    setWindowTitle(title);

    // Only what the parent offers is followed, so any window can carry this title bar.
    if (parent) {
        const QMetaObject* meta = parent->metaObject();
        if (meta->indexOfSignal("updateWindowFilePath(QString)") >= 0)
            connect(parent, SIGNAL(updateWindowFilePath(QString)), this,
                    SLOT(updateWindowFilePath(QString)));
        if (meta->indexOfSignal("updateModified(bool)") >= 0)
            connect(parent, SIGNAL(updateModified(bool)), this, SLOT(updateModified(bool)));
        if (meta->indexOfSignal("dpiChanged(int)") >= 0)
            m_dpiConnection = connect(parent, SIGNAL(dpiChanged(int)), this, SLOT(onDPIChanged()));
    }
    // The window buttons' glyphs follow the theme's surface.
    connect(&IThemesManager::getInstance(), &IThemesManager::themeApplied, this,
            &IMainMenuWidget::onDPIChanged);
}

IMainMenuWidget::~IMainMenuWidget()
{
    disconnect(m_dpiConnection);
}

void IMainMenuWidget::installMenuBar(QMenuBar* menuBar)
{
    if (!menuBar || menuBar == m_pMenuBar)
        return;
    if (m_pMenuBar) {
        m_pLayout->removeWidget(m_pMenuBar);
        m_pMenuBar->removeEventFilter(this);
        m_pMenuBar->hide();
        if (m_pMenuBar->parent() == this)
            m_pMenuBar->deleteLater();
    }
    m_pMenuBar = menuBar;
    m_pLayout->insertWidget(0, menuBar);
    // Presses on the empty part of the menu bar drag the window when the system does not.
    menuBar->installEventFilter(this);

    m_pIconLabel = new QLabel(menuBar);
    m_pIconLabel->setPixmap(titleIconPixmap());
    menuBar->setCornerWidget(m_pIconLabel, Qt::TopLeftCorner);

    m_pWindowButtons = new WindowButtons(menuBar);
    menuBar->setCornerWidget(m_pWindowButtons, Qt::TopRightCorner);

    // The title is shown in the free part of the menu bar; presses go through it to the bar,
    // so the free part still moves the window.
    m_pTitleLabel = new QLabel(menuBar);
    m_pTitleLabel->setObjectName(QStringLiteral("titleLabel"));
    // The title holds the project's file name.
    m_pTitleLabel->setTextFormat(Qt::PlainText);
    m_pTitleLabel->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_pTitleLabel->setAlignment(Qt::AlignCenter);
    scheduleTitleLayout();

    updateMaximized(window()->isMaximized());
}

bool IMainMenuWidget::isTitleBarArea(int x, int y)
{
    const QPoint local = mapFrom(window(), QPoint(x, y));
    if (!rect().contains(local))
        return false;
    auto* menuBar = qobject_cast<QMenuBar*>(childAt(local));
    if (!menuBar)
        return false;
    const QPoint inMenuBar = menuBar->mapFrom(this, local);
    if (menuBar->childAt(inMenuBar))
        return false;
    return !menuBar->actionAt(inMenuBar);
}

QString IMainMenuWidget::titleText(const QString& fileName)
{
    const QString product = QStringLiteral("Zenub Animate");
    if (fileName.isEmpty())
        return product;
    return QStringLiteral("%1 - %2").arg(fileName, product);
}

QPoint IMainMenuWidget::restoredWindowPosition(const QPoint& cursor, int windowWidth,
                                               const QRect& desktop)
{
    int x = cursor.x() - windowWidth / 2;
    x = qMin(x, desktop.x() + desktop.width() - windowWidth);
    x = qMax(x, desktop.x());
    return QPoint(x, desktop.y());
}

bool IMainMenuWidget::restoresMaximizedWindow(const QPoint& delta)
{
    return delta.x() > 5 || delta.y() > 5;
}

QRect IMainMenuWidget::titleTextRect(int barWidth, int freeLeft, int freeRight, int textWidth,
                                     int height)
{
    const int gap = 16;
    const int left = freeLeft + gap;
    const int right = freeRight - gap;
    if (right - left < 3 * gap)
        return QRect();
    const int centredLeft = (barWidth - textWidth) / 2;
    if (centredLeft >= left && centredLeft + textWidth <= right)
        return QRect(centredLeft, 0, textWidth, height);
    const int width = qMin(textWidth, right - left);
    return QRect(left + (right - left - width) / 2, 0, width, height);
}

QString IMainMenuWidget::displayedTitle() const
{
    return (isWindowModified() ? QStringLiteral("*") : QString()) + windowTitle();
}

void IMainMenuWidget::scheduleTitleLayout()
{
    // The menu bar lays its titles out lazily; place the title once it has.
    if (!m_pTitleLabel || m_bTitleLayoutPending)
        return;
    m_bTitleLayoutPending = true;
    QMetaObject::invokeMethod(
        this, [this] { layoutTitle(); }, Qt::QueuedConnection);
}

void IMainMenuWidget::layoutTitle()
{
    m_bTitleLayoutPending = false;
    if (!m_pTitleLabel || !m_pMenuBar)
        return;
    int freeLeft = 0;
    if (QWidget* icon = m_pMenuBar->cornerWidget(Qt::TopLeftCorner))
        freeLeft = icon->geometry().right() + 1;
    for (QAction* action : m_pMenuBar->actions()) {
        const QRect geometry = m_pMenuBar->actionGeometry(action);
        if (action->isVisible() && geometry.isValid())
            freeLeft = qMax(freeLeft, geometry.right() + 1);
    }
    int freeRight = m_pMenuBar->width();
    if (QWidget* corner = m_pMenuBar->cornerWidget(Qt::TopRightCorner))
        freeRight = corner->geometry().left();

    const QString title = displayedTitle();
    m_pTitleLabel->ensurePolished();
    const QFontMetrics metrics = m_pTitleLabel->fontMetrics();
    // A little slack, so rounding in the label's own layout does not cut the last letter.
    const int textWidth = metrics.horizontalAdvance(title) + 4;
    const QRect area =
        titleTextRect(m_pMenuBar->width(), freeLeft, freeRight, textWidth, m_pMenuBar->height());
    if (area.isEmpty()) {
        m_pTitleLabel->hide();
        return;
    }
    m_pTitleLabel->setText(metrics.elidedText(title, Qt::ElideRight, area.width()));
    m_pTitleLabel->setGeometry(area);
    m_pTitleLabel->show();
    m_pTitleLabel->lower();
}

void IMainMenuWidget::updateWindowFilePath(const QString& fileName)
{
    setWindowTitle(titleText(fileName));
    // With no file there is nothing left to be modified.
    if (fileName.isEmpty())
        setWindowModified(false);
    syncNativeTitle();
    scheduleTitleLayout();
    update();
}

void IMainMenuWidget::updateModified(bool bIsModified)
{
    setWindowModified(bIsModified);
    syncNativeTitle();
    scheduleTitleLayout();
    update();
}

void IMainMenuWidget::syncNativeTitle()
{
    // The task list and window switchers show what the title bar shows. "[*]" in a file name
    // would be taken for Qt's modified placeholder, so it is doubled to stay literal.
    QWidget* window = this->window();
    if (window && window != this) {
        QString title = displayedTitle();
        title.replace(QLatin1String("[*]"), QLatin1String("[*][*]"));
        window->setWindowTitle(title);
    }
}

void IMainMenuWidget::updateMaximized(bool bIsMaximized)
{
    if (m_pWindowButtons)
        m_pWindowButtons->setMaximized(bIsMaximized);
    update();
}

void IMainMenuWidget::showMinimized()
{
    window()->showMinimized();
}

void IMainMenuWidget::showMaximized()
{
    window()->showMaximized();
}

void IMainMenuWidget::showNormal()
{
    window()->showNormal();
}

void IMainMenuWidget::close()
{
    window()->close();
}

void IMainMenuWidget::onDPIChanged()
{
    if (m_pIconLabel)
        m_pIconLabel->setPixmap(titleIconPixmap());
    if (m_pWindowButtons)
        m_pWindowButtons->refreshIcons(window()->isMaximized());
    update();
}

bool IMainMenuWidget::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_pMenuBar || !m_pMenuBar)
        return QWidget::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::Resize:
    case QEvent::Show:
    case QEvent::LayoutRequest:
    case QEvent::ActionAdded:
    case QEvent::ActionChanged:
    case QEvent::ActionRemoved:
    case QEvent::FontChange:
        scheduleTitleLayout();
        return false;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        const QPoint point = m_pMenuBar->mapTo(window(), mouse->pos());
        if (mouse->button() != Qt::LeftButton || !isTitleBarArea(point.x(), point.y()))
            return false;
        if (event->type() == QEvent::MouseButtonPress)
            beginDrag(mouse->globalPos());
        else
            window()->showMaximized();
        return true;
    }
    case QEvent::MouseMove:
        if (!m_bDragging)
            return false;
        dragTo(static_cast<QMouseEvent*>(event)->globalPos());
        return true;
    case QEvent::MouseButtonRelease:
        if (!m_bDragging)
            return false;
        endDrag();
        return true;
    default:
        return false;
    }
}

void IMainMenuWidget::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        beginDrag(event->globalPos());
    QWidget::mousePressEvent(event);
}

void IMainMenuWidget::mouseReleaseEvent(QMouseEvent* event)
{
    endDrag();
    QWidget::mouseReleaseEvent(event);
}

void IMainMenuWidget::mouseMoveEvent(QMouseEvent* event)
{
    if (m_bDragging)
        dragTo(event->globalPos());
    QWidget::mouseMoveEvent(event);
}

void IMainMenuWidget::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        window()->showMaximized();
    QWidget::mouseDoubleClickEvent(event);
}

void IMainMenuWidget::beginDrag(const QPoint& globalPos)
{
    m_bDragging = true;
    m_pressPosition = globalPos;
    m_windowPositionAtPress = window()->pos();
}

void IMainMenuWidget::dragTo(const QPoint& globalPos)
{
    QWidget* frame = window();
    const QPoint delta = globalPos - m_pressPosition;
    if (frame->windowState() == Qt::WindowMaximized) {
        if (restoresMaximizedWindow(delta)) {
            frame->showNormal();
            m_bRestorePending = true;
        }
        return;
    }
    if (m_bRestorePending) {
        const QRect desktop = QApplication::desktop()->geometry();
        const QPoint position = restoredWindowPosition(globalPos, frame->width(), desktop);
        frame->move(position);
        m_windowPositionAtPress = position;
        m_bRestorePending = false;
    }
    frame->move(m_windowPositionAtPress + delta);
}

void IMainMenuWidget::endDrag()
{
    m_bDragging = false;
}

void IMainMenuWidget::contextMenuEvent(QContextMenuEvent* event)
{
    QMenu menu(this);
    const bool maximized = window()->isMaximized();
    QAction* restore = menu.addAction(tr("Restore"), this, &IMainMenuWidget::showNormal);
    restore->setEnabled(maximized);
    menu.addAction(tr("Minimize"), this, &IMainMenuWidget::showMinimized);
    QAction* maximize = menu.addAction(tr("Maximize"), this, &IMainMenuWidget::showMaximized);
    maximize->setEnabled(!maximized);
    menu.addAction(tr("Close"), this, &IMainMenuWidget::close);
    menu.exec(event->globalPos());
}

void IMainMenuWidget::paintEvent(QPaintEvent* event)
{
    Q_UNUSED(event)
    QPainter painter(this);
    QStyleOptionTitleBar option;
    option.initFrom(this);
    const int h = style()->pixelMetric(QStyle::PM_TitleBarHeight, &option, this);
    option.rect = QRect(0, 0, width(), h);
    option.titleBarState = int(window()->windowState());
    option.icon = windowIcon();
    const QString title = (isWindowModified() ? QStringLiteral("*") : QString()) + windowTitle();
    option.text = option.fontMetrics.elidedText(title, Qt::ElideRight, option.rect.width());
    // The icon and text are drawn below, so the style only paints the strip.
    option.subControls = QStyle::SC_None;
    style()->drawComplexControl(QStyle::CC_TitleBar, &option, &painter, this);

    const int iconExtent = h - 3;
    painter.drawPixmap(QRect(3, 3, iconExtent, iconExtent), windowIcon().pixmap(iconExtent));
    const QRect textRect(iconExtent + 10, 0, width() - h - 10, h);
    style()->drawItemText(&painter, textRect, Qt::AlignLeft | Qt::AlignVCenter, palette(), true,
                          option.text, QPalette::Text);

    QStyleOption below;
    below.initFrom(this);
    below.rect = QRect(0, h, width(), height() - h);
    style()->drawPrimitive(QStyle::PE_Widget, &below, &painter, this);
}
