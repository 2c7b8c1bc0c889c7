// SPDX-License-Identifier: MIT
#include "paneltoolbar.h"

#include "flowlayout.h"

#include <QAbstractItemView>
#include <QActionEvent>
#include <QFrame>
#include <QPainter>
#include <QStyleOption>
#include <QToolButton>

namespace {

const char* const kArrowProperty = "panelArrow";

} // namespace

PanelToolBar::PanelToolBar(QWidget* parent)
    : QWidget(parent)
{
    auto* layout = new FlowLayout(this);
    layout->setContentsMargins(2, 1, 2, 1);
    layout->setSpacing(1);
}

QAction* PanelToolBar::addAction(const QString& text)
{
    auto* action = new QAction(text, this);
    QWidget::addAction(action);
    return action;
}

void PanelToolBar::addArrowAction(QAction* action, Qt::ArrowType type)
{
    action->setProperty(kArrowProperty, int(type));
    QWidget::addAction(action);
}

void PanelToolBar::actionEvent(QActionEvent* event)
{
    QAction* action = event->action();
    if (event->type() == QEvent::ActionAdded) {
        QWidget* widget = nullptr;
        if (action->isSeparator()) {
            auto* line = new QFrame(this);
            line->setFrameShape(QFrame::VLine);
            widget = line;
        } else {
            auto* button = new QToolButton(this);
            button->setDefaultAction(action);
            button->setAutoRaise(true);
            button->setFocusPolicy(Qt::NoFocus);
            const QVariant arrow = action->property(kArrowProperty);
            button->setArrowType(arrow.isValid() ? Qt::ArrowType(arrow.toInt()) : Qt::NoArrow);
            button->setToolButtonStyle(arrow.isValid() ? Qt::ToolButtonIconOnly
                                                       : Qt::ToolButtonTextOnly);
            widget = button;
        }
        widget->setVisible(action->isVisible());
        m_widgets.insert(action, widget);
        // In the order of the actions, wherever the new one was inserted.
        static_cast<FlowLayout*>(layout())->insertWidget(actions().indexOf(action), widget);
    } else if (event->type() == QEvent::ActionChanged) {
        if (QWidget* widget = m_widgets.value(action))
            widget->setVisible(action->isVisible());
    } else if (event->type() == QEvent::ActionRemoved) {
        delete m_widgets.take(action);
    }
    QWidget::actionEvent(event);
}

void PanelToolBar::paintEvent(QPaintEvent* event)
{
    Q_UNUSED(event)
    // The theme gives the bar its surface and its rule below.
    QStyleOption option;
    option.initFrom(this);
    QPainter painter(this);
    style()->drawPrimitive(QStyle::PE_Widget, &option, &painter, this);
}

QAction* PanelToolBar::renameAction(QAbstractItemView* view, const QString& text)
{
    auto* action = new QAction(text, view);
    connect(action, &QAction::triggered, view, [view] {
        if (view->currentIndex().isValid())
            view->edit(view->currentIndex());
    });
    return action;
}
