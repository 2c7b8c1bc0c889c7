// SPDX-License-Identifier: MIT
#ifndef FLOWLAYOUT_H
#define FLOWLAYOUT_H

#include <QLayout>
#include <QVector>

/*!
    Lays its items out in rows, left to right, starting a new row where the next item would not
    fit: a row of buttons that wraps instead of hiding what does not fit. Its height follows the
    width it is given.
*/
class FlowLayout : public QLayout
{
    Q_OBJECT
public:
    explicit FlowLayout(QWidget* parent = nullptr);
    ~FlowLayout() override;

    void addItem(QLayoutItem* item) override;
    /*! Puts \a widget at \a index among the items. */
    void insertWidget(int index, QWidget* widget);
    int count() const override;
    QLayoutItem* itemAt(int index) const override;
    QLayoutItem* takeAt(int index) override;
    Qt::Orientations expandingDirections() const override;
    bool hasHeightForWidth() const override;
    int heightForWidth(int width) const override;
    QSize minimumSize() const override;
    QSize sizeHint() const override;
    void setGeometry(const QRect& rect) override;

private:
    /*! Places the items in \a rect (only measures when \a bApply is false); the height used. */
    int arrange(const QRect& rect, bool bApply) const;

    QVector<QLayoutItem*> m_items;
};

#endif
