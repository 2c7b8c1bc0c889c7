// SPDX-License-Identifier: MIT
#include "ilanguagemanager.h"

#include "plugin/icore.h"

#include <extensionsystem/pluginmanager.h>

#include <QDir>
#include <QSettings>

namespace {

const char languageKey[] = "Zenub/Language";

LanguageInfo* describe(const QLocale& locale, bool capitalise)
{
    auto* info = new LanguageInfo;
    info->langId = locale.name();
    info->language = QLocale::languageToString(locale.language());
    info->country = QLocale::countryToString(locale.country());
    info->nativeLanguage = locale.nativeLanguageName();
    if (capitalise && !info->nativeLanguage.isEmpty())
        info->nativeLanguage[0] = info->nativeLanguage.at(0).toUpper();
    info->nativeCountry = locale.nativeCountryName();
    return info;
}

} // namespace

ILanguageManager::ILanguageManager() = default;

ILanguageManager::~ILanguageManager()
{
    qDeleteAll(m_languages);
}

ILanguageManager& ILanguageManager::getInstance()
{
    static ILanguageManager instance;
    return instance;
}

bool ILanguageManager::initialize()
{
    return initialize(ICore::resourcePath() + QStringLiteral("/translations"));
}

bool ILanguageManager::initialize(const QString& catalogueFolder)
{
    m_settings = ExtensionSystem::PluginManager::settings();
    m_currentLocale = QLocale(getSaveLangId());
    m_languages.append(describe(QLocale(QStringLiteral("en_US")), false));

    const QStringList files = QDir(catalogueFolder)
                                  .entryList(QStringList(QStringLiteral("zenub_*.qm")), QDir::Files,
                                             QDir::Name | QDir::IgnoreCase);
    for (const QString& file : files) {
        QString name = file.left(file.lastIndexOf(QLatin1Char('.')));
        name = name.mid(name.indexOf(QLatin1Char('_')) + 1);
        m_languages.append(describe(QLocale(name), true));
    }
    const QString stored = getSaveLangId();
    m_activeLangId = m_languages.constFirst()->langId;
    for (const LanguageInfo* info : qAsConst(m_languages)) {
        if (!stored.isEmpty() && info->langId == stored)
            m_activeLangId = stored;
    }
    return true;
}

void ILanguageManager::setSettings(QSettings* settings)
{
    m_settings = settings;
}

QString ILanguageManager::getCurrentLangId() const
{
    return m_currentLocale.name();
}

QString ILanguageManager::getActiveLangId() const
{
    return m_activeLangId;
}

QString ILanguageManager::getCurrentLangNoCountry() const
{
    const QString name = m_currentLocale.name();
    return name.left(name.indexOf(QLatin1Char('_')));
}

const QList<LanguageInfo*>& ILanguageManager::getLanguages() const
{
    return m_languages;
}

QString ILanguageManager::getSaveLangId() const
{
    if (!m_settings)
        return QString();
    // A hand-edited file may hold a list or a number here; only text is a language.
    const QVariant value = m_settings->value(QLatin1String(languageKey));
    return value.type() == QVariant::String ? value.toString() : QString();
}

bool ILanguageManager::saveLanguage(QString langId)
{
    for (const LanguageInfo* info : qAsConst(m_languages)) {
        if (info->langId == langId) {
            if (m_settings)
                m_settings->setValue(QLatin1String(languageKey), langId);
            return true;
        }
    }
    return false;
}
