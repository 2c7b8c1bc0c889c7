// SPDX-License-Identifier: MIT
#include "pasteoptionpage.h"

#include <documents/documentmanager.h>

#include <QCheckBox>
#include <QLabel>
#include <QVBoxLayout>

PasteOptionPage::PasteOptionPage(QWidget* parent)
    : IOptionPage(parent)
{
    auto* layout = new QVBoxLayout(this);
    m_pFreeform =
        new QCheckBox(tr("Paste SVG drawings from other programs as &editable shapes"), this);
    m_pFreeform->setObjectName(QStringLiteral("pasteSvgAsShapes"));
    layout->addWidget(m_pFreeform);
    auto* note = new QLabel(tr("Rectangles, circles, ellipses and texts become shapes of their "
                               "own. A drawing with anything else, and every drawing when this "
                               "is off, is pasted whole as one image."),
                            this);
    note->setWordWrap(true);
    layout->addWidget(note);
    layout->addStretch(1);
    connect(m_pFreeform, &QCheckBox::toggled, this, [this] {
        if (m_bFilling)
            return;
        setChanged(true);
        emit dataChanged();
    });
}

void PasteOptionPage::initValues()
{
    m_bFilling = true;
    m_pFreeform->setChecked(DocumentManager::isPasteSvgAsFreeform());
    m_bFilling = false;
    IOptionPage::initValues();
}

void PasteOptionPage::saveChanges()
{
    if (DocumentManager::getInstance()) {
        DocumentManager::setPasteSvgAsFreeform(m_pFreeform->isChecked());
        DocumentManager::saveSettings();
    }
    IOptionPage::saveChanges();
}

void PasteOptionPage::discardChanges()
{
    IOptionPage::discardChanges();
    setNeedInitConfig2UI();
}
