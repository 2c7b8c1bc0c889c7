// SPDX-License-Identifier: MIT
#include "znnotificationbar.h"

#include "plugin/iui.h"
#include "ui_znnotificationbar.h"

ZNNotificationBar::ZNNotificationBar(QWidget* parent)
    : QFrame(parent)
    , ui(new Ui::ZNNotificationBar)
{
    ui->setupUi(this);
    // Messages carry version strings from feeds and names from files: shown, never obeyed.
    ui->m_pMessageLabel->setTextFormat(Qt::PlainText);
    connect(ui->m_pCloseButton, &QToolButton::clicked, this, &QWidget::hide);
    m_buttonRelay =
        connect(ui->m_pButton, &QPushButton::clicked, this, &ZNNotificationBar::buttonClicked);
}

ZNNotificationBar::~ZNNotificationBar()
{
    disconnect(m_buttonRelay);
    delete ui;
}

void ZNNotificationBar::show(const QString& message, ZNNotificationBar::Type type,
                             const QString& buttonText, bool closeFlag)
{
    const QString iconName = type == Warning ? QStringLiteral("warning") : QStringLiteral("info");
    ui->m_pIconLabel->setPixmap(IUi::getInstance()->getPixmap(
        iconName, IUi::Normal, 2, QStringLiteral(":/core/images/"), false));
    ui->m_pMessageLabel->setText(message);
    ui->m_pMessageLabel->setVisible(!message.isEmpty());
    ui->m_pButton->setText(buttonText);
    ui->m_pButton->setVisible(!buttonText.isEmpty());
    ui->m_pCloseButton->setVisible(closeFlag);
    // Receivers belong to the message they were connected for, never to a later one.
    disconnect(this, &ZNNotificationBar::buttonClicked, nullptr, nullptr);
    QFrame::show();
}
