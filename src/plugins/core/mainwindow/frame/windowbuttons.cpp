// SPDX-License-Identifier: MIT
#include "windowbuttons.h"

#include "imainmenuwidget.h"
#include "plugin/iui.h"

#include <QHBoxLayout>
#include <QIcon>
#include <QPushButton>

// The texts keep the title bar's translation context, where the catalogue files them.

namespace {
QIcon frameIcon(const char* name)
{
    return IUi::getInstance()->getGlyphIcon(QLatin1String(name), 2,
                                            QStringLiteral(":/core/images/"));
}
} // namespace

WindowButtons::WindowButtons(QWidget* parent)
    : QWidget(parent)
{
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    // The object names are what style sheets and tests know the buttons by.
    m_pMinimize = addButton("minizeButton", IMainMenuWidget::tr("Minimize"), "minimize");
    m_pMaximize = addButton("maximizeButton", IMainMenuWidget::tr("Maximize"), "maximize");
    m_pClose = addButton("closeButton", IMainMenuWidget::tr("Close"), "close");
    connect(m_pMinimize, &QPushButton::clicked, this, [this] { window()->showMinimized(); });
    connect(m_pMaximize, &QPushButton::clicked, this, [this] {
        if (window()->windowState() & Qt::WindowMaximized)
            window()->showNormal();
        else
            window()->showMaximized();
    });
    connect(m_pClose, &QPushButton::clicked, this, [this] { window()->close(); });
}

QPushButton* WindowButtons::addButton(const char* name, const QString& toolTip, const char* icon)
{
    auto* button = new QPushButton(this);
    button->setObjectName(QLatin1String(name));
    button->setToolTip(toolTip);
    button->setIcon(frameIcon(icon));
    button->setFlat(true);
    button->setFocusPolicy(Qt::NoFocus);
    layout()->addWidget(button);
    return button;
}

void WindowButtons::setMaximized(bool maximized)
{
    if (maximized) {
        m_pMaximize->setToolTip(IMainMenuWidget::tr("Restore Down"));
        m_pMaximize->setIcon(frameIcon("restore"));
    } else {
        m_pMaximize->setToolTip(IMainMenuWidget::tr("Maximize"));
        m_pMaximize->setIcon(frameIcon("maximize"));
    }
}

void WindowButtons::refreshIcons(bool maximized)
{
    m_pMinimize->setIcon(frameIcon("minimize"));
    m_pClose->setIcon(frameIcon("close"));
    setMaximized(maximized);
}
