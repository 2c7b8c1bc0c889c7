// SPDX-License-Identifier: MIT
#include "ithemesmanager.h"

#include "appearance/znappstyle.h"
#include "plugin/dpi.h"
#include "plugin/icore.h"

#include <extensionsystem/pluginmanager.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QSettings>

namespace {

const char themeKey[] = "Zenub/Theme";
const char darkTheme[] = "Dark";
const char darkFileName[] = "zenub_dark";

bool readSheet(const QString& fileName, QString* text)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return false;
    *text = QString::fromUtf8(file.readAll());
    return true;
}

void applySheet(const QString& sheet)
{
    if (auto* application = qobject_cast<QApplication*>(QCoreApplication::instance()))
        application->setStyleSheet(sheet);
}

QString themeIdFromFileName(const QString& fileName)
{
    QString id = fileName.left(fileName.lastIndexOf(QLatin1Char('.')));
    id = id.mid(id.indexOf(QLatin1Char('_')) + 1);
    if (!id.isEmpty())
        id[0] = id.at(0).toUpper();
    return id;
}

} // namespace

IThemesManager::IThemesManager() = default;

IThemesManager::~IThemesManager()
{
    qDeleteAll(m_themes);
    delete m_currentTheme;
}

IThemesManager& IThemesManager::getInstance()
{
    static IThemesManager instance;
    return instance;
}

bool IThemesManager::initialize()
{
    // A change of theme reads the folder the themes were listed from.
    return initialize(m_styleFolder.isEmpty()
                          ? ICore::resourcePath() + QStringLiteral("/resources/styles/")
                          : m_styleFolder);
}

bool IThemesManager::initialize(const QString& styleFolder)
{
    m_styleFolder = styleFolder;
    const QDir folder(styleFolder);
    delete m_currentTheme;
    m_currentTheme = new ThemesInfo;
    m_settings = ExtensionSystem::PluginManager::settings();

    QString stored = storedThemeId();
    if (stored.isEmpty()) {
        stored = QLatin1String(darkTheme);
        if (m_settings)
            m_settings->setValue(QLatin1String(themeKey), stored);
    }

    // A second run (a density change with a non-Dark theme) lists the folder afresh rather than
    // appending the same themes again.
    qDeleteAll(m_themes);
    m_themes.clear();
    m_darkStyleSheet.clear();

    bool loaded = false;
    const QStringList files = folder.entryList(QStringList(QStringLiteral("zenub_*.qss")),
                                               QDir::Files, QDir::Name | QDir::IgnoreCase);
    for (const QString& file : files) {
        const QString id = themeIdFromFileName(file);
        m_themes.append(new ThemesInfo{id, id});
        if (id != stored || stored == QLatin1String(darkTheme))
            continue;
        QString sheet;
        if (readSheet(folder.filePath(file), &sheet)) {
            applySheet(sheet);
            *m_currentTheme = *m_themes.constLast();
            loaded = true;
        }
    }

    if (stored == QLatin1String(darkTheme)) {
        QString sheet;
        if (readSheet(folder.filePath(QStringLiteral("%1.qss").arg(QLatin1String(darkFileName))),
                      &sheet)) {
            m_currentTheme->themeId = QLatin1String(darkTheme);
            m_currentTheme->themeName = QLatin1String(darkTheme);
            loaded = true;
        }
        QString windowsPart;
        if (readSheet(
                folder.filePath(QStringLiteral("win_%1.qss").arg(QLatin1String(darkFileName))),
                &windowsPart))
            sheet.prepend(windowsPart);
        m_darkStyleSheet = sheet;
        applySheet(processStyleSheet(sheet));
    }

    if (!loaded)
        saveThemes(QLatin1String(darkTheme));

    if (qobject_cast<QApplication*>(QCoreApplication::instance()))
        QApplication::setStyle(new ZNAppStyle);
    if (loaded)
        emit themeApplied(m_currentTheme->themeId);
    return loaded;
}

void IThemesManager::setSettings(QSettings* settings)
{
    m_settings = settings;
}

QString IThemesManager::getCurrentThemeId() const
{
    return m_currentTheme ? m_currentTheme->themeId : QString();
}

QString IThemesManager::getCurrentThemeName() const
{
    return m_currentTheme ? m_currentTheme->themeName : QString();
}

const QList<ThemesInfo*>& IThemesManager::getThemes() const
{
    return m_themes;
}

QString IThemesManager::getSaveThemeId() const
{
    const QString stored = storedThemeId();
    return stored.isEmpty() ? QString::fromLatin1(darkTheme) : stored;
}

bool IThemesManager::saveThemes(QString themeId)
{
    for (const ThemesInfo* info : qAsConst(m_themes)) {
        if (info->themeId == themeId) {
            if (m_settings)
                m_settings->setValue(QLatin1String(themeKey), themeId);
            return true;
        }
    }
    return false;
}

void IThemesManager::processDPIChange()
{
    // Only the "Dark" sheet carries marked lengths; any other theme is simply loaded again.
    if (m_darkStyleSheet.isEmpty()) {
        initialize();
        return;
    }
    applySheet(processStyleSheet(m_darkStyleSheet));
}

QString IThemesManager::processStyleSheet(const QString& sheet)
{
    return scaleMarkedLengths(sheet, Dpi::screenDpi(nullptr));
}

QString IThemesManager::scaleMarkedLengths(const QString& sheet, int dpi)
{
    const QChar mark(QLatin1Char('$'));
    const QLatin1String unit("px");
    QString result;
    result.reserve(sheet.size());

    int i = 0;
    const int length = sheet.size();
    while (i < length) {
        // Plain text between marks is copied in one piece.
        const int next = sheet.indexOf(mark, i);
        if (next < 0) {
            result.append(sheet.midRef(i));
            break;
        }
        result.append(sheet.midRef(i, next - i));
        i = next;
        const int close = sheet.indexOf(mark, i + 1);
        const QStringRef token = close < 0 ? QStringRef() : sheet.midRef(i + 1, close - i - 1);
        if (!token.contains(unit)) {
            // Only this "$" goes; the token's text is read again as ordinary text.
            ++i;
            continue;
        }
        QString number = token.toString();
        number.remove(unit);
        const int value = number.toInt(nullptr, 10);
        // 64-bit so that a huge written length cannot overflow into the wrong sign.
        const qint64 scaled = qint64(value) * dpi / 96;
        result.append(QString::number(scaled));
        result.append(unit);
        i = close + 1;
    }
    return result;
}

bool IThemesManager::isLightTheme(const QString& themeId)
{
    return themeId.contains(QLatin1String("light"), Qt::CaseInsensitive);
}

bool IThemesManager::isLight() const
{
    return isLightTheme(getCurrentThemeId());
}

QString IThemesManager::storedThemeId() const
{
    if (!m_settings)
        return QString();
    const QVariant value = m_settings->value(QLatin1String(themeKey));
    if (!value.isValid())
        return QString();
    // A value that is not text (a hand-edited list, say) cannot name a theme.
    if (value.type() != QVariant::String) {
        qWarning("The stored theme is not a name; using the default theme.");
        return QString();
    }
    return value.toString();
}
