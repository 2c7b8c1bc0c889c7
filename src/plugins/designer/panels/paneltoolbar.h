// SPDX-License-Identifier: MIT
#ifndef PANELTOOLBAR_H
#define PANELTOOLBAR_H

#include <QAction>
#include <QHash>
#include <QWidget>

class QAbstractItemView;

/*!
    The row of commands on top of a panel: words for the commands, arrows for moving rows. The
    buttons wrap onto a second row where a narrow dock or a long translation leaves no room, so
    no command is ever hidden. Each action added (addAction()) gets its button.
*/
class PanelToolBar : public QWidget
{
    Q_OBJECT
public:
    explicit PanelToolBar(QWidget* parent = nullptr);

    using QWidget::addAction;
    /*! A new command named \a text, shown as a button. */
    QAction* addAction(const QString& text);
    template<typename Receiver, typename Slot>
    QAction* addAction(const QString& text, const Receiver* receiver, Slot slot)
    {
        QAction* action = addAction(text);
        connect(action, &QAction::triggered, receiver, slot);
        return action;
    }
    /*! Adds \a action as a button that shows an arrow of \a type instead of its text. */
    void addArrowAction(QAction* action, Qt::ArrowType type);
    /*! A command named \a text that starts editing \a view's current row in place. */
    static QAction* renameAction(QAbstractItemView* view, const QString& text);

protected:
    void actionEvent(QActionEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QHash<QAction*, QWidget*> m_widgets;
};

#endif
