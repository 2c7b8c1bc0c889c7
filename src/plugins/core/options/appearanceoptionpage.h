// SPDX-License-Identifier: MIT
#ifndef APPEARANCEOPTIONPAGE_H
#define APPEARANCEOPTIONPAGE_H

#include "ioptionpage.h"

class QComboBox;

/*!
    The theme and the interface language. A new theme is applied at once; a new language is
    stored and takes effect at the next start, as the language catalogues are loaded only then.
*/
class CORE_EXPORT AppearanceOptionPage : public IOptionPage
{
    Q_OBJECT
public:
    explicit AppearanceOptionPage(QWidget* parent);

    void initValues() override;
    void saveChanges() override;
    void discardChanges() override;

    /*! The theme's name as the user reads it. */
    static QString themeDisplayName(const QString& themeId);

private:
    void onEdited();

    QComboBox* m_pTheme = nullptr;
    QComboBox* m_pLanguage = nullptr;
    QString m_shownLanguage;
    bool m_bFilling = false;
};

#endif
