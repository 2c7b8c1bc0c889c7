// SPDX-License-Identifier: MIT
#include "breakpointlistwidget.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QMap>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {
const int maximumPosition = 100000;
}

BreakpointListWidget::BreakpointListWidget(const QString& title, QWidget* parent)
    : QWidget(parent)
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    m_pTable = new QTableWidget(0, 1, this);
    m_pTable->setHorizontalHeaderLabels({title});
    m_pTable->horizontalHeader()->setStretchLastSection(true);
    m_pTable->verticalHeader()->hide();
    m_pTable->setSelectionBehavior(QAbstractItemView::SelectRows);
    layout->addWidget(m_pTable, 1);
    auto* buttons = new QHBoxLayout();
    auto* add = new QPushButton(tr("Add"), this);
    m_pRemove = new QPushButton(tr("Remove"), this);
    buttons->addWidget(add);
    buttons->addWidget(m_pRemove);
    buttons->addStretch(1);
    layout->addLayout(buttons);
    connect(add, &QPushButton::clicked, this, &BreakpointListWidget::addEntry);
    connect(m_pRemove, &QPushButton::clicked, this, &BreakpointListWidget::removeSelected);
    connect(m_pTable, &QTableWidget::itemChanged, this, [this](QTableWidgetItem* item) {
        if (m_bFilling)
            return;
        // The editor accepts any whole number; keep it to a position a stage can have.
        const int value = item->data(Qt::EditRole).toInt();
        if (value < 0 || value > maximumPosition) {
            m_bFilling = true;
            item->setData(Qt::EditRole, qBound(0, value, maximumPosition));
            m_bFilling = false;
        }
        emit edited();
    });
    connect(m_pTable, &QTableWidget::itemSelectionChanged, this,
            [this] { m_pRemove->setEnabled(!m_pTable->selectedItems().isEmpty()); });
    m_pRemove->setEnabled(false);
}

void BreakpointListWidget::appendRow(int position, bool enabled)
{
    auto* item = new QTableWidgetItem();
    item->setData(Qt::EditRole, position);
    item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemIsEditable |
                   Qt::ItemIsUserCheckable);
    item->setCheckState(enabled ? Qt::Checked : Qt::Unchecked);
    const int row = m_pTable->rowCount();
    m_pTable->insertRow(row);
    m_pTable->setItem(row, 0, item);
}

void BreakpointListWidget::setBreakpoints(const Breakpoints& breakpoints)
{
    m_bFilling = true;
    m_pTable->setRowCount(0);
    for (const auto& breakpoint : breakpoints)
        appendRow(breakpoint.first, breakpoint.second);
    m_bFilling = false;
}

BreakpointListWidget::Breakpoints BreakpointListWidget::breakpoints() const
{
    QMap<int, bool> sorted;
    for (int row = 0; row < m_pTable->rowCount(); ++row) {
        const QTableWidgetItem* item = m_pTable->item(row, 0);
        if (item)
            sorted.insert(item->data(Qt::EditRole).toInt(), item->checkState() == Qt::Checked);
    }
    Breakpoints result;
    for (auto it = sorted.constBegin(); it != sorted.constEnd(); ++it)
        result.append(qMakePair(it.key(), it.value()));
    return result;
}

void BreakpointListWidget::addEntry()
{
    const Breakpoints current = breakpoints();
    const int position =
        current.isEmpty() ? 320 : qMin(current.constLast().first + 100, maximumPosition);
    m_bFilling = true;
    appendRow(position, true);
    m_bFilling = false;
    QTableWidgetItem* item = m_pTable->item(m_pTable->rowCount() - 1, 0);
    m_pTable->setCurrentItem(item);
    m_pTable->editItem(item);
    emit edited();
}

void BreakpointListWidget::removeSelected()
{
    QList<int> rows;
    for (const QTableWidgetItem* item : m_pTable->selectedItems())
        rows.append(item->row());
    std::sort(rows.begin(), rows.end(), std::greater<int>());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    for (int row : qAsConst(rows))
        m_pTable->removeRow(row);
    if (!rows.isEmpty())
        emit edited();
}
