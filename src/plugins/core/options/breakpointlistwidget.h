// SPDX-License-Identifier: MIT
#ifndef BREAKPOINTLISTWIDGET_H
#define BREAKPOINTLISTWIDGET_H

#include <QList>
#include <QPair>
#include <QWidget>

class QPushButton;
class QTableWidget;

/*! One list of breakpoints: a position in pixels and whether it is on, with Add and Remove. */
class BreakpointListWidget : public QWidget
{
    Q_OBJECT
public:
    using Breakpoints = QList<QPair<int, bool>>;

    BreakpointListWidget(const QString& title, QWidget* parent);

    void setBreakpoints(const Breakpoints& breakpoints);
    /*! The entries in ascending order of position, each position once. */
    Breakpoints breakpoints() const;

signals:
    void edited();

private:
    void addEntry();
    void removeSelected();
    void appendRow(int position, bool enabled);

    QTableWidget* m_pTable = nullptr;
    QPushButton* m_pRemove = nullptr;
    bool m_bFilling = false;
};

#endif
