// SPDX-License-Identifier: MIT
#ifndef PANELTOOLBAR_H
#define PANELTOOLBAR_H

#include <QToolBar>

class QAbstractItemView;

/*!
    The row of commands on top of a panel: words for the commands, arrows for moving rows, so
    that all of them fit a narrow dock.
*/
class PanelToolBar : public QToolBar
{
    Q_OBJECT
public:
    explicit PanelToolBar(QWidget* parent = nullptr);

    /*! Adds \a action as a button that shows an arrow of \a type instead of its text. */
    void addArrowAction(QAction* action, Qt::ArrowType type);
    /*! A command named \a text that starts editing \a view's current row in place. */
    static QAction* renameAction(QAbstractItemView* view, const QString& text);
};

#endif
