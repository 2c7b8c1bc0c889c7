// SPDX-License-Identifier: MIT
#include "ioptionpage.h"

IOptionPage::IOptionPage(QWidget* parent)
    : QWidget(parent)
{}

IOptionPage::~IOptionPage() = default;

bool IOptionPage::isChanged()
{
    return m_bChanged;
}

void IOptionPage::setChanged(bool bChanged)
{
    // Pages call this from their edit handlers with whatever the widget reports; a page stays
    // changed until its values are saved or discarded.
    Q_UNUSED(bChanged)
    m_bChanged = true;
}

void IOptionPage::initValues()
{
    m_bValuesInitialized = true;
}

void IOptionPage::saveChanges()
{
    m_bChanged = false;
}

void IOptionPage::discardChanges()
{
    m_bChanged = false;
}

void IOptionPage::setNeedInitConfig2UI()
{
    m_bValuesInitialized = false;
}

bool IOptionPage::isValuesInitialized() const
{
    return m_bValuesInitialized;
}
