// SPDX-License-Identifier: MIT
#ifndef ZNNOTIFICATIONBAR_H
#define ZNNOTIFICATIONBAR_H

#include "core_export.h"

#include <QFrame>

namespace Ui {
class ZNNotificationBar;
}

/*!
    A thin strip under the menu bar that shows one message at a time: an information or warning
    icon, the text, an optional action button and an optional close button. It starts hidden.

    Every show() drops the receivers of buttonClicked(), so connect to it after showing the
    message you want to react to.
*/
class CORE_EXPORT ZNNotificationBar : public QFrame
{
    Q_OBJECT
public:
    enum Type { Info = 0, Warning = 1 };
    Q_ENUM(Type)

    explicit ZNNotificationBar(QWidget* parent = nullptr);
    ~ZNNotificationBar() override;

    /*!
        Shows \a message with the icon of \a type, an action button labelled \a buttonText
        (hidden when empty) and the close button when \a closeFlag is true.
    */
    void show(const QString& message, ZNNotificationBar::Type type, const QString& buttonText,
              bool closeFlag);
    using QFrame::show;

signals:
    void buttonClicked();

private:
    Ui::ZNNotificationBar* ui;
    QMetaObject::Connection m_buttonRelay;
};

#endif
