// SPDX-License-Identifier: MIT
#ifndef ABOUTDIALOG_H
#define ABOUTDIALOG_H

#include "core_export.h"

#include <QDialog>

class QPushButton;

/*!
    Help > About: the product's name, version, build number, the Qt version and the licences of
    everything shipped, with a button that copies all of it as plain text.
*/
class CORE_EXPORT AboutDialog : public QDialog
{
    Q_OBJECT
public:
    explicit AboutDialog(QWidget* parent = nullptr);

private:
    void copyToClipboard();

    QPushButton* m_pCopyButton = nullptr;
};

#endif
