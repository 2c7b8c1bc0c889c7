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
    void init();
    void scaleMarkedLengths_data();
    void scaleMarkedLengths();
    void themeListFollowsFolder_data();
    void themeListFollowsFolder();
    void firstStartWritesAndAppliesDark();
    void darkRescalesHeldSheetOnDensityChange();
    void otherThemeAppliedUnscaledAndReloaded();
    void uninstalledThemeFallsBack_data();
    void uninstalledThemeFallsBack();
    void corruptStoredValueMeansDark();
    void saveThemesNeedsExactListedId();
};

void tst_IThemesManager::init()
{
    qApp->setStyleSheet(QString());
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
}

void tst_IThemesManager::scaleMarkedLengths_data()
{
    QTest::addColumn<QString>("sheet");
    QTest::addColumn<int>("dpi");
    QTest::addColumn<QString>("expected");

    QTest::newRow("144 scales") << "$12px$" << 144 << "18px";
    QTest::newRow("144 keeps 1") << "$1px$" << 144 << "1px";
    QTest::newRow("120 keeps 1") << "$1px$" << 120 << "1px";
    QTest::newRow("120 truncates") << "$4px$" << 120 << "5px";
    QTest::newRow("negative toward zero") << "$-3px$" << 144 << "-4px";
    QTest::newRow("96 only drops marks") << "a { border: $1px$ solid; padding: $2px$ $13px$; }"
                                         << 96 << "a { border: 1px solid; padding: 2px 13px; }";
    QTest::newRow("192 several") << "padding: $2px$ $-5px$;" << 192 << "padding: 4px -10px;";
    QTest::newRow("no unit") << "$12$" << 144 << "12";
    QTest::newRow("not a number") << "$1px solid$" << 144 << "0px";
    QTest::newRow("too big for a number") << "$99999999999px$" << 144 << "0px";
    QTest::newRow("unit is case-sensitive") << "$12PX$" << 144 << "12PX";
    QTest::newRow("every px removed") << "$2pxpx$" << 144 << "3px";
    QTest::newRow("lone mark") << "a $ b" << 144 << "a  b";
    QTest::newRow("unclosed") << "x: $12px;" << 144 << "x: 12px;";
    QTest::newRow("empty token") << "$$12px$" << 144 << "18px";
    QTest::newRow("reopens after a plain token") << "$a$12px$" << 144 << "a18px";
    QTest::newRow("only marks") << QString(1 << 20, QLatin1Char('$')) << 144 << "";
    QTest::newRow("no marks") << "QLabel { color: #fff; }" << 192 << "QLabel { color: #fff; }";
}

void tst_IThemesManager::scaleMarkedLengths()
{
    QFETCH(QString, sheet);
    QFETCH(int, dpi);
    QFETCH(QString, expected);
    QCOMPARE(IThemesManager::scaleMarkedLengths(sheet, dpi), expected);
}

void tst_IThemesManager::themeListFollowsFolder_data()
{
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QStringList>("ids");

    QTest::newRow("by name, ignoring case")
        << QStringList{"zenub_dark.qss", "zenub_Blue.qss", "zenub_aqua.qss"}
        << QStringList{"Aqua", "Blue", "Dark"};
    QTest::newRow("only zenub_ sheets")
        << QStringList{"win_zenub_dark.qss", "zenub_dark.qss", "zenub_x.txt", "notes.qss"}
        << QStringList{"Dark"};
    QTest::newRow("first underscore splits")
        << QStringList{"zenub_sea_blue.qss", "zenub_dark.qss"} << QStringList{"Dark", "Sea_blue"};
    QTest::newRow("empty folder") << QStringList{} << QStringList{};
}

void tst_IThemesManager::themeListFollowsFolder()
{
    QFETCH(QStringList, files);
    QFETCH(QStringList, ids);

    TestEnvironment environment;
    QTemporaryDir folder;
    for (const QString& file : files)
        QVERIFY(writeFile(folder.filePath(file), "QLabel { }"));
    QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("zenub_folder.qss")));

    IThemesManager& manager = IThemesManager::getInstance();
    manager.initialize(folder.path());
    QCOMPARE(themeIds(), ids);
    // A second run lists the folder again instead of adding the same themes twice.
    manager.initialize(folder.path());
    QCOMPARE(themeIds(), ids);
}

void tst_IThemesManager::firstStartWritesAndAppliesDark()
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

void tst_IThemesManager::darkRescalesHeldSheetOnDensityChange()
{
    TestEnvironment environment;
    StyleFolder styles;
    IThemesManager& manager = IThemesManager::getInstance();
    QVERIFY(manager.initialize(styles.path()));
    const QString applied = qApp->styleSheet();

    // The held raw sheet is scaled again; the files are not read a second time.
    QVERIFY(writeFile(styles.filePath("zenub_dark.qss"), "QLabel { color: red; }"));
    qApp->setStyleSheet(QStringLiteral("QLabel { }"));
    manager.processDPIChange();
    QCOMPARE(qApp->styleSheet(), applied);
    QCOMPARE(themeIds(), QStringList({"Blue", "Dark"}));
}

void tst_IThemesManager::otherThemeAppliedUnscaledAndReloaded()
{
    TestEnvironment environment;
    StyleFolder styles;
    environment.userSettings()->setValue(themeKey, QStringLiteral("Blue"));

    IThemesManager& manager = IThemesManager::getInstance();
    QVERIFY(manager.initialize(styles.path()));
    QCOMPARE(qApp->styleSheet(), QStringLiteral("QLabel { margin: 12px; } /* $12px$ */"));
    QCOMPARE(manager.getCurrentThemeId(), QStringLiteral("Blue"));
    QCOMPARE(environment.userSettings()->value(themeKey).toString(), QStringLiteral("Blue"));

    // Without a held Dark sheet a density change loads the stored theme afresh, and the
    // reloaded sheet stays applied.
    QVERIFY(writeFile(styles.filePath("zenub_blue.qss"), "QLabel { margin: 3px; }"));
    manager.processDPIChange();
    QCOMPARE(qApp->styleSheet(), QStringLiteral("QLabel { margin: 3px; }"));
    QCOMPARE(manager.getCurrentThemeId(), QStringLiteral("Blue"));
    QCOMPARE(themeIds(), QStringList({"Blue", "Dark"}));
}

void tst_IThemesManager::uninstalledThemeFallsBack_data()
{
    QTest::addColumn<bool>("darkInstalled");
    QTest::addColumn<QString>("storedAfter");

    QTest::newRow("Dark installed") << true << "Dark";
    QTest::newRow("Dark missing") << false << "Green";
}

void tst_IThemesManager::uninstalledThemeFallsBack()
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

void tst_IThemesManager::corruptStoredValueMeansDark()
{
    TestEnvironment environment;
    StyleFolder styles;
    environment.userSettings()->setValue(themeKey, QStringList{"Blue", "Dark"});

    IThemesManager& manager = IThemesManager::getInstance();
    manager.setSettings(environment.userSettings());
    QCOMPARE(manager.getSaveThemeId(), QStringLiteral("Dark"));
    QVERIFY(manager.initialize(styles.path()));
    QCOMPARE(manager.getCurrentThemeId(), QStringLiteral("Dark"));
    QCOMPARE(environment.userSettings()->value(themeKey), QVariant(QStringLiteral("Dark")));
}

void tst_IThemesManager::saveThemesNeedsExactListedId()
{
    TestEnvironment environment;
    StyleFolder styles;
    IThemesManager& manager = IThemesManager::getInstance();
    QVERIFY(manager.initialize(styles.path()));
    const QString applied = qApp->styleSheet();

    QVERIFY(!manager.saveThemes(QStringLiteral("blue")));
    QVERIFY(!manager.saveThemes(QStringLiteral("Green")));
    QCOMPARE(manager.getSaveThemeId(), QStringLiteral("Dark"));
    QVERIFY(manager.saveThemes(QStringLiteral("Blue")));
    QCOMPARE(manager.getSaveThemeId(), QStringLiteral("Blue"));
    // The choice applies at the next start only.
    QCOMPARE(manager.getCurrentThemeId(), QStringLiteral("Dark"));
    QCOMPARE(qApp->styleSheet(), applied);

    environment.reloadSettings();
    QCOMPARE(environment.userSettings()->value(themeKey).toString(), QStringLiteral("Blue"));
}

QTEST_MAIN(tst_IThemesManager)
#include "tst_ithemesmanager.moc"
