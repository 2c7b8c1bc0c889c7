// SPDX-License-Identifier: MIT
#include "aboutdialog.h"

#include "plugin/dpi.h"
#include "productinfo.h"

#include <QApplication>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QIcon>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

AboutDialog::AboutDialog(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("aboutDialog"));
    setWindowTitle(tr("About %1").arg(ProductInfo::productName()));
    setWindowFlags(Qt::Dialog | Qt::WindowCloseButtonHint);
    const int dpi = Dpi::screenDpi(parent);

    auto* layout = new QVBoxLayout(this);
    auto* header = new QGridLayout();
    auto* icon = new QLabel(this);
    const int edge = Dpi::scaled(64, dpi);
    icon->setPixmap(QIcon(QStringLiteral(":/app/images/app_icon.ico")).pixmap(edge, edge));
    header->addWidget(icon, 0, 0, 4, 1, Qt::AlignTop);
    // Rich text: the theme's style sheet would override a font set on the label.
    auto* name =
        new QLabel(QStringLiteral("<span style=\"font-size:x-large; font-weight:bold\">%1</span>")
                       .arg(ProductInfo::productName().toHtmlEscaped()),
                   this);
    name->setObjectName(QStringLiteral("productName"));
    header->addWidget(name, 0, 1);
    const QStringList facts = {tr("Version %1").arg(ProductInfo::version()),
                               tr("Build %1").arg(ProductInfo::buildNumber()),
                               tr("Built on Qt %1").arg(ProductInfo::qtVersion())};
    for (int row = 0; row < facts.size(); ++row) {
        auto* label = new QLabel(facts.at(row), this);
        label->setTextInteractionFlags(Qt::TextSelectableByMouse);
        header->addWidget(label, row + 1, 1);
    }
    header->setColumnStretch(1, 1);
    header->setHorizontalSpacing(Dpi::scaled(16, dpi));
    layout->addLayout(header);

    layout->addWidget(new QLabel(tr("Licences"), this));
    auto* licences = new QPlainTextEdit(ProductInfo::licences(), this);
    licences->setObjectName(QStringLiteral("licences"));
    licences->setReadOnly(true);
    layout->addWidget(licences, 1);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    m_pCopyButton = buttons->addButton(tr("&Copy"), QDialogButtonBox::ActionRole);
    m_pCopyButton->setObjectName(QStringLiteral("copyButton"));
    m_pCopyButton->setToolTip(tr("Copy the version and licence details"));
    connect(m_pCopyButton, &QPushButton::clicked, this, &AboutDialog::copyToClipboard);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    QPushButton* close = buttons->button(QDialogButtonBox::Close);
    close->setDefault(true);
    close->setFocus();

    resize(Dpi::scaled(520, dpi), Dpi::scaled(440, dpi));
}

void AboutDialog::copyToClipboard()
{
    QApplication::clipboard()->setText(ProductInfo::aboutText());
    // The button itself confirms; a message box for this would only be in the way.
    m_pCopyButton->setText(tr("Copied"));
    QTimer::singleShot(2000, this, [this] { m_pCopyButton->setText(tr("&Copy")); });
}
