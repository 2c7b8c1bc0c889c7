// SPDX-License-Identifier: MIT
#include "ioptionsdlg.h"

IOptionsDlg::IOptionsDlg(QWidget* parent, Qt::WindowFlags flags)
    : QDialog()
{
    Q_UNUSED(parent)
    Q_UNUSED(flags)
}

IOptionsDlg::~IOptionsDlg() = default;
