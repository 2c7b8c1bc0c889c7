// SPDX-License-Identifier: MIT
#include "paneltoolbar.h"

#include <QAbstractItemView>
#include <QAction>
#include <QToolButton>

PanelToolBar::PanelToolBar(QWidget* parent)
    : QToolBar(parent)
{
    setToolButtonStyle(Qt::ToolButtonTextOnly);
    setIconSize(QSize(12, 12));
}

void PanelToolBar::addArrowAction(QAction* action, Qt::ArrowType type)
{
    auto* button = new QToolButton(this);
    button->setDefaultAction(action);
    button->setArrowType(type);
    button->setToolButtonStyle(Qt::ToolButtonIconOnly);
    button->setAutoRaise(true);
    addWidget(button);
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
