// SPDX-License-Identifier: MIT
#ifndef COMMANDPALETTEVIEW_H
#define COMMANDPALETTEVIEW_H

#include <QFrame>

class QLabel;
class QLineEdit;
class QTreeWidget;

/*!
    The pop-up of the command palette: a search field over a list of commands. The arrow keys
    move through the list while the field keeps the focus; Enter or a click chooses, Esc closes.
*/
class CommandPaletteView : public QFrame
{
    Q_OBJECT
public:
    explicit CommandPaletteView(QWidget* parent);

    /*! Shows one row per command: its path, its key and its description. */
    void setRows(const QList<QStringList>& rows);
    /*! Opens centred near the top of \a window with an empty search field. */
    void popup(QWidget* window);

signals:
    void queryChanged(const QString& query);
    void chosen(int row);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void moveCurrent(int steps);
    /*! As tall as the rows need, up to the height the window leaves; columns to their texts. */
    void fitToRows();

    QLineEdit* m_pSearch;
    QTreeWidget* m_pList;
    QLabel* m_pEmpty;
    int m_maxHeight = 0;
};

#endif
