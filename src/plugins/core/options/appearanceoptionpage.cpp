// SPDX-License-Identifier: MIT
#include "appearanceoptionpage.h"

#include "appearance/ilanguagemanager.h"
#include "appearance/ithemesmanager.h"
#include "appearance/languageinfo.h"
#include "appearance/themesinfo.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QVBoxLayout>

AppearanceOptionPage::AppearanceOptionPage(QWidget* parent)
    : IOptionPage(parent)
{
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout();
    m_pTheme = new QComboBox(this);
    m_pTheme->setObjectName(QStringLiteral("themeBox"));
    form->addRow(tr("&Theme:"), m_pTheme);
    auto* themeNote =
        new QLabel(tr("A new theme is applied as soon as you apply the change."), this);
    themeNote->setWordWrap(true);
    form->addRow(QString(), themeNote);
    m_pLanguage = new QComboBox(this);
    m_pLanguage->setObjectName(QStringLiteral("languageBox"));
    form->addRow(tr("&Language:"), m_pLanguage);
    auto* languageNote =
        new QLabel(tr("The interface language changes the next time Zenub Animate starts."), this);
    languageNote->setWordWrap(true);
    form->addRow(QString(), languageNote);
    layout->addLayout(form);
    layout->addStretch(1);
    connect(m_pTheme, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &AppearanceOptionPage::onEdited);
    connect(m_pLanguage, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &AppearanceOptionPage::onEdited);
}

QString AppearanceOptionPage::themeDisplayName(const QString& themeId)
{
    if (themeId == QLatin1String("Dark"))
        return tr("Dark");
    if (themeId == QLatin1String("Light"))
        return tr("Light");
    return themeId;
}

void AppearanceOptionPage::onEdited()
{
    if (m_bFilling)
        return;
    setChanged(true);
    emit dataChanged();
}

void AppearanceOptionPage::initValues()
{
    m_bFilling = true;
    m_pTheme->clear();
    const IThemesManager& themes = IThemesManager::getInstance();
    for (const ThemesInfo* info : themes.getThemes())
        m_pTheme->addItem(themeDisplayName(info->themeId), info->themeId);
    m_pTheme->setCurrentIndex(qMax(0, m_pTheme->findData(themes.getSaveThemeId())));

    m_pLanguage->clear();
    const ILanguageManager& languages = ILanguageManager::getInstance();
    for (const LanguageInfo* info : languages.getLanguages())
        m_pLanguage->addItem(
            QStringLiteral("%1 (%2)").arg(info->nativeLanguage, info->nativeCountry), info->langId);
    // The choice waiting for the next start, or else the language in use.
    int language = m_pLanguage->findData(languages.getSaveLangId());
    if (language < 0)
        language = m_pLanguage->findData(languages.getActiveLangId());
    m_pLanguage->setCurrentIndex(qMax(0, language));
    m_shownLanguage = m_pLanguage->currentData().toString();
    m_bFilling = false;
    IOptionPage::initValues();
}

void AppearanceOptionPage::saveChanges()
{
    IThemesManager& themes = IThemesManager::getInstance();
    const QString theme = m_pTheme->currentData().toString();
    if (!theme.isEmpty() && theme != themes.getCurrentThemeId() && themes.saveThemes(theme))
        themes.initialize();
    const QString language = m_pLanguage->currentData().toString();
    ILanguageManager& languages = ILanguageManager::getInstance();
    // Only a language the user picked is stored: English needs no entry (it has no catalogue),
    // and choosing the language in use again clears a pending change.
    if (!language.isEmpty() && language != m_shownLanguage) {
        languages.saveLanguage(language);
        m_shownLanguage = language;
    }
    IOptionPage::saveChanges();
}

void AppearanceOptionPage::discardChanges()
{
    IOptionPage::discardChanges();
    setNeedInitConfig2UI();
}
