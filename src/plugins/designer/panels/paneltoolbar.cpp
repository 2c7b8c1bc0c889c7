// SPDX-License-Identifier: MIT
#include "paneltoolbar.h"

#include <QAction>
#include <QListWidget>
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

QAction* PanelToolBar::renameAction(QListWidget* list, const QString& text)
{
    auto* action = new QAction(text, list);
    connect(action, &QAction::triggered, list, [list] {
        if (QListWidgetItem* item = list->currentItem())
            list->editItem(item);
    });
    return action;
}
