// SPDX-License-Identifier: MIT
#ifndef PASTEOPTIONPAGE_H
#define PASTEOPTIONPAGE_H

#include <options/ioptionpage.h>

class QCheckBox;

/*! How pictures pasted from other programs arrive: as editable shapes or as one image. */
class PasteOptionPage : public IOptionPage
{
    Q_OBJECT
public:
    explicit PasteOptionPage(QWidget* parent);

    void initValues() override;
    void saveChanges() override;
    void discardChanges() override;

private:
    QCheckBox* m_pFreeform = nullptr;
    bool m_bFilling = false;
};

#endif
