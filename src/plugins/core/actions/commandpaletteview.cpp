// SPDX-License-Identifier: MIT
#include "commandpaletteview.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

CommandPaletteView::CommandPaletteView(QWidget* parent)
    : QFrame(parent, Qt::Popup)
    , m_pSearch(new QLineEdit(this))
    , m_pList(new QTreeWidget(this))
    , m_pEmpty(new QLabel(tr("No enabled command matches."), this))
{
    setObjectName(QStringLiteral("commandPalette"));
    setFrameShape(QFrame::StyledPanel);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    m_pSearch->setObjectName(QStringLiteral("paletteSearch"));
    m_pSearch->setPlaceholderText(tr("Type the name of a command"));
    m_pSearch->setClearButtonEnabled(true);
    m_pSearch->installEventFilter(this);
    m_pList->setObjectName(QStringLiteral("paletteList"));
    m_pList->setHeaderLabels({tr("Command"), tr("Shortcut"), tr("Description")});
    m_pList->setRootIsDecorated(false);
    m_pList->setUniformRowHeights(true);
    m_pList->setFocusPolicy(Qt::NoFocus);
    m_pList->header()->setStretchLastSection(true);
    m_pEmpty->setAlignment(Qt::AlignCenter);
    m_pEmpty->hide();
    layout->addWidget(m_pSearch);
    layout->addWidget(m_pList, 1);
    layout->addWidget(m_pEmpty, 1);
    connect(m_pSearch, &QLineEdit::textChanged, this, &CommandPaletteView::queryChanged);
    connect(m_pList, &QTreeWidget::itemClicked, this,
            [this](QTreeWidgetItem* item) { emit chosen(m_pList->indexOfTopLevelItem(item)); });
}

void CommandPaletteView::setRows(const QList<QStringList>& rows)
{
    m_pList->clear();
    QList<QTreeWidgetItem*> items;
    for (const QStringList& row : rows) {
        auto* item = new QTreeWidgetItem(row);
        // The path may be cut short; its tip tells it whole.
        item->setToolTip(0, row.value(2).isEmpty()
                                ? row.value(0)
                                : row.value(0) + QLatin1Char('\n') + row.value(2));
        item->setToolTip(2, row.value(2));
        items.append(item);
    }
    m_pList->addTopLevelItems(items);
    if (!items.isEmpty())
        m_pList->setCurrentItem(items.constFirst());
    m_pList->setVisible(!items.isEmpty());
    m_pEmpty->setVisible(items.isEmpty());
    fitToRows();
}

void CommandPaletteView::fitToRows()
{
    if (m_maxHeight <= 0)
        return;
    // One long path (a recent project's) must not push the descriptions out of sight.
    m_pList->resizeColumnToContents(0);
    m_pList->resizeColumnToContents(1);
    const int widest = width() / 2;
    if (m_pList->columnWidth(0) > widest)
        m_pList->setColumnWidth(0, widest);
    const int count = m_pList->topLevelItemCount();
    const int body = count == 0 ? 3 * m_pEmpty->sizeHint().height()
                                : m_pList->header()->sizeHint().height() +
                                      count * std::max(1, m_pList->sizeHintForRow(0)) +
                                      2 * m_pList->frameWidth();
    const QMargins margins = layout()->contentsMargins();
    const int wanted = margins.top() + margins.bottom() + layout()->spacing() +
                       m_pSearch->sizeHint().height() + body + 2 * frameWidth();
    resize(width(), std::min(wanted, m_maxHeight));
}

void CommandPaletteView::popup(QWidget* window)
{
    m_pSearch->clear();
    // In screen coordinates whatever frame, if any, the window manager puts around the window.
    const QRect area(window->mapToGlobal(QPoint(0, 0)), window->size());
    const int width = std::min(760, std::max(320, area.width() - 80));
    m_maxHeight = std::min(440, std::max(200, area.height() - 120));
    setGeometry(area.x() + (area.width() - width) / 2, area.y() + 60, width, m_maxHeight);
    fitToRows();
    show();
    activateWindow();
    m_pSearch->setFocus(Qt::PopupFocusReason);
}

void CommandPaletteView::moveCurrent(int steps)
{
    const int count = m_pList->topLevelItemCount();
    if (count == 0)
        return;
    const int row = m_pList->indexOfTopLevelItem(m_pList->currentItem());
    m_pList->setCurrentItem(m_pList->topLevelItem(std::clamp(row + steps, 0, count - 1)));
}

bool CommandPaletteView::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_pSearch || event->type() != QEvent::KeyPress)
        return QFrame::eventFilter(watched, event);
    const int page =
        std::max(1, m_pList->viewport()->height() / std::max(1, m_pList->sizeHintForRow(0)));
    switch (static_cast<QKeyEvent*>(event)->key()) {
    case Qt::Key_Up:
        moveCurrent(-1);
        return true;
    case Qt::Key_Down:
        moveCurrent(1);
        return true;
    case Qt::Key_PageUp:
        moveCurrent(-page);
        return true;
    case Qt::Key_PageDown:
        moveCurrent(page);
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (QTreeWidgetItem* item = m_pList->currentItem())
            emit chosen(m_pList->indexOfTopLevelItem(item));
        return true;
    case Qt::Key_Escape:
        close();
        return true;
    default:
        return QFrame::eventFilter(watched, event);
    }
}
