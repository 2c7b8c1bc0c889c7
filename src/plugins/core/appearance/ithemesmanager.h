// SPDX-License-Identifier: MIT
#ifndef ITHEMESMANAGER_H
#define ITHEMESMANAGER_H

#include "core_export.h"
#include "themesinfo.h"

#include <QList>
#include <QObject>
#include <QString>

class QSettings;

/*!
    Gives the application its look: lists the theme style sheets shipped below
    resourcePath()/resources/styles/ ("zenub_*.qss"), applies the stored choice to the
    application together with ZNAppStyle, and stores a new choice for the next start.

    The built-in theme "Dark" is assembled from win_zenub_dark.qss followed by zenub_dark.qss, and
    every length written as $Npx$ in it is scaled to the screen density; processDPIChange()
    rescales it when the density changes. Other themes are applied as they are.
*/
class CORE_EXPORT IThemesManager : public QObject
{
    Q_OBJECT
public:
    static IThemesManager& getInstance();

    /*!
        Lists the themes, applies the stored one ("Dark" on a first start) and installs a new
        ZNAppStyle. Returns whether a theme sheet was loaded. The folder is the one of the last
        initialize(styleFolder), or else resourcePath()/resources/styles/.
    */
    bool initialize();
    /*! As initialize(), with the theme sheets of \a styleFolder. */
    bool initialize(const QString& styleFolder);

    void setSettings(QSettings* settings);
    /*! The applied theme. Empty before initialize() or when no theme sheet could be loaded. */
    QString getCurrentThemeId() const;
    QString getCurrentThemeName() const;
    const QList<ThemesInfo*>& getThemes() const;
    /*! The stored choice; "Dark" when none is stored. */
    QString getSaveThemeId() const;
    /*! Stores \a themeId when it names a listed theme exactly; it applies at the next start. */
    bool saveThemes(QString themeId);
    /*! Applies the "Dark" sheet again for the current density (or initialises afresh). */
    void processDPIChange();

    /*!
        Replaces every marked length $Npx$ by N * dpi / 96 px (truncated toward zero). A marked
        token without "px" loses only its opening "$"; a token that is not a whole number once
        "px" is removed becomes 0px. Runs in time linear in the sheet's length.
    */
    static QString scaleMarkedLengths(const QString& sheet, int dpi);

    /*! Whether \a themeId names a theme of dark text on light surfaces ("Light"). */
    static bool isLightTheme(const QString& themeId);
    /*! Whether the applied theme is light. */
    bool isLight() const;

signals:
    /*!
        A theme sheet was applied (at start or after a change in the preferences). Images drawn
        for one theme and pages with their own colours follow it here.
    */
    void themeApplied(const QString& themeId);

private:
    IThemesManager();
    ~IThemesManager() override;

    QString processStyleSheet(const QString& sheet);
    QString storedThemeId() const;

    ThemesInfo* m_currentTheme = nullptr;
    QList<ThemesInfo*> m_themes;
    QSettings* m_settings = nullptr;
    QString m_darkStyleSheet;
    QString m_styleFolder;
};

#endif
