// SPDX-License-Identifier: MIT
#ifndef ILANGUAGEMANAGER_H
#define ILANGUAGEMANAGER_H

#include "core_export.h"
#include "languageinfo.h"

#include <QList>
#include <QLocale>
#include <QObject>

class QSettings;

/*!
    Knows the installed interface languages and the user's choice. A new choice is stored by
    saveLanguage() and takes effect at the next start; the current locale never changes while
    the application runs.
*/
class CORE_EXPORT ILanguageManager : public QObject
{
    Q_OBJECT
public:
    static ILanguageManager& getInstance();

    /*! Reads the stored choice and lists the catalogues below resourcePath()/translations. */
    bool initialize();
    /*! As initialize(), listing the catalogues of \a catalogueFolder. */
    bool initialize(const QString& catalogueFolder);

    void setSettings(QSettings* settings);
    QString getCurrentLangId() const;
    QString getCurrentLangNoCountry() const;
    const QList<LanguageInfo*>& getLanguages() const;
    QString getSaveLangId() const;
    /*!
        The listed language the interface runs in: the one stored at start when it is listed,
        English otherwise (no catalogue is loaded then). Empty before initialize().
    */
    QString getActiveLangId() const;
    /*! Stores \a langId when it names a listed language exactly; false otherwise. */
    bool saveLanguage(QString langId);

private:
    ILanguageManager();
    ~ILanguageManager() override;

    QList<LanguageInfo*> m_languages;
    QLocale m_currentLocale;
    QString m_activeLangId;
    QSettings* m_settings = nullptr;
};

#endif
