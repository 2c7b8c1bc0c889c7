// SPDX-License-Identifier: MIT
#include <testenvironment.h>
#include <testfiles.h>

#include <appearance/ithemesmanager.h>
#include <appearance/znappstyle.h>
#include <plugin/dpi.h>

#include <QApplication>
#include <QFile>
#include <QSettings>
#include <QStyleFactory>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const char themeKey[] = "Zenub/Theme";

QStringList themeIds()
{
    QStringList ids;
    for (const ThemesInfo* info : IThemesManager::getInstance().getThemes()) {
        if (info->themeId != info->themeName)
            return {QStringLiteral("name differs for ") + info->themeId};
        ids << info->themeId;
    }
    return ids;
}

// The fixture folder of every test: a two-part Dark theme and a Blue one.
class StyleFolder
{
public:
    StyleFolder()
    {
        writeFile(filePath("zenub_dark.qss"), "QLabel { margin: $12px$; }");
        writeFile(filePath("win_zenub_dark.qss"), "QWidget { padding: $4px$ $-3px$; }\n");
        writeFile(filePath("zenub_blue.qss"), "QLabel { margin: 12px; } /* $12px$ */");
    }
    QString path() const { return m_folder.path() + QLatin1Char('/'); }
    QString filePath(const char* name) const { return m_folder.filePath(QLatin1String(name)); }

private:
    QTemporaryDir m_folder;
};

} // namespace

class tst_IThemesManager : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        qApp->setStyleSheet(QString());
        QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    }
    void scaleMarkedLengths_data()
    {
        QTest::addColumn<QString>("sheet");
        QTest::addColumn<int>("dpi");
        QTest::addColumn<QString>("expected");

        QTest::newRow("144 scales") << "$12px$" << 144 << "18px";
        QTest::newRow("120 truncates") << "$4px$" << 120 << "5px";
        QTest::newRow("negative toward zero") << "$-3px$" << 144 << "-4px";
        QTest::newRow("96 only drops marks") << "a { border: $1px$ solid; padding: $2px$ $13px$; }"
                                             << 96 << "a { border: 1px solid; padding: 2px 13px; }";
        QTest::newRow("not a number") << "$1px solid$" << 144 << "0px";
        QTest::newRow("too big for a number") << "$99999999999px$" << 144 << "0px";
        QTest::newRow("unclosed") << "x: $12px;" << 144 << "x: 12px;";
        QTest::newRow("empty token") << "$$12px$" << 144 << "18px";
        QTest::newRow("only marks") << QString(1 << 20, QLatin1Char('$')) << 144 << "";
    }
    void scaleMarkedLengths()
    {
        QFETCH(QString, sheet);
        QFETCH(int, dpi);
        QFETCH(QString, expected);
        QCOMPARE(IThemesManager::scaleMarkedLengths(sheet, dpi), expected);
    }
    void firstStartWritesAndAppliesDark()
    {
        TestEnvironment environment;
        StyleFolder styles;
        QVERIFY(QApplication::style()->pixelMetric(QStyle::PM_DefaultFrameWidth) != 0);

        IThemesManager& manager = IThemesManager::getInstance();
        manager.setSettings(environment.userSettings());
        QCOMPARE(manager.getSaveThemeId(), QStringLiteral("Dark"));
        QVERIFY(manager.initialize(styles.path()));

        environment.reloadSettings();
        QCOMPARE(environment.userSettings()->value(themeKey).toString(), QStringLiteral("Dark"));
        QCOMPARE(manager.getCurrentThemeId(), QStringLiteral("Dark"));
        QCOMPARE(manager.getCurrentThemeName(), QStringLiteral("Dark"));
        QCOMPARE(themeIds(), QStringList({"Blue", "Dark"}));

        // The Windows part comes first; lengths are scaled for the screen.
        const int dpi = Dpi::screenDpi();
        const QString expected =
            QStringLiteral("QWidget { padding: %1px %2px; }\nQLabel { margin: %3px; }")
                .arg(4 * dpi / 96)
                .arg(-3 * dpi / 96)
                .arg(12 * dpi / 96);
        QCOMPARE(qApp->styleSheet(), expected);
        // The application style is installed below the sheet.
        QCOMPARE(QApplication::style()->pixelMetric(QStyle::PM_DefaultFrameWidth), 0);
    }
    void chosenPlainThemeIsStoredAndSurvivesADensityChange()
    {
        TestEnvironment environment;
        StyleFolder styles;
        IThemesManager& manager = IThemesManager::getInstance();
        manager.setSettings(environment.userSettings());
        QVERIFY(manager.initialize(styles.path()));
        QVERIFY(manager.saveThemes(QStringLiteral("Blue")));
        QCOMPARE(environment.userSettings()->value(themeKey).toString(), QStringLiteral("Blue"));

        QVERIFY(manager.initialize(styles.path()));
        const QString blue = qApp->styleSheet();
        QVERIFY2(blue.startsWith(QStringLiteral("QLabel { margin: 12px; }")), qPrintable(blue));
        manager.processDPIChange();
        QCOMPARE(qApp->styleSheet(), blue);
    }
    void uninstalledThemeFallsBack_data()
    {
        QTest::addColumn<bool>("darkInstalled");
        QTest::addColumn<QString>("storedAfter");

        QTest::newRow("Dark missing") << false << "Green";
    }
    void uninstalledThemeFallsBack()
    {
        QFETCH(bool, darkInstalled);
        QFETCH(QString, storedAfter);

        TestEnvironment environment;
        StyleFolder styles;
        if (!darkInstalled)
            QVERIFY(QFile::remove(styles.filePath("zenub_dark.qss")));
        environment.userSettings()->setValue(themeKey, QStringLiteral("Green"));

        IThemesManager& manager = IThemesManager::getInstance();
        QVERIFY(!manager.initialize(styles.path()));
        QCOMPARE(qApp->styleSheet(), QString());
        QCOMPARE(manager.getCurrentThemeId(), QString());
        QCOMPARE(environment.userSettings()->value(themeKey).toString(), storedAfter);
        // Without a sheet the application style itself is in place.
        QVERIFY(qobject_cast<ZNAppStyle*>(QApplication::style()));
    }
};

QTEST_MAIN(tst_IThemesManager)
#include "tst_ithemesmanager.moc"
