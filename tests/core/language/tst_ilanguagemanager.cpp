#include <testenvironment.h>

#include <appearance/ilanguagemanager.h>

#include <QSettings>
#include <QTemporaryDir>
#include <QTranslator>
#include <QtTest>

class tst_ILanguageManager : public QObject
{
    Q_OBJECT
private slots:
    void cataloguesListed_data();
    void cataloguesListed();
    void recordFields();
    void saveLanguageNeedsExactId_data();
    void saveLanguageNeedsExactId();
    void currentLanguageWithoutCountry_data();
    void currentLanguageWithoutCountry();
    void shippedGermanCatalogueTranslates();

private:
    // initialize() appends to the one list; each case looks only at what its call added.
    QList<LanguageInfo*> listFrom(const QStringList& files, bool createFolder = true);
};

QList<LanguageInfo*> tst_ILanguageManager::listFrom(const QStringList& files, bool createFolder)
{
    QTemporaryDir folder;
    const QString path = createFolder ? folder.path() : folder.path() + "/missing";
    for (const QString& name : files) {
        QFile file(folder.filePath(name));
        file.open(QIODevice::WriteOnly);
    }
    ILanguageManager& manager = ILanguageManager::getInstance();
    const int before = manager.getLanguages().size();
    manager.initialize(path);
    return manager.getLanguages().mid(before);
}

void tst_ILanguageManager::cataloguesListed_data()
{
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<bool>("folderExists");
    QTest::addColumn<QStringList>("ids");

    QTest::newRow("sorted by name") << QStringList{"zenub_fr_FR.qm", "zenub_de_DE.qm"} << true
                                    << QStringList{"en_US", "de_DE", "fr_FR"};
    QTest::newRow("shipped English twice")
        << QStringList{"zenub_en_US.qm"} << true << QStringList{"en_US", "en_US"};
    QTest::newRow("other files ignored")
        << QStringList{"zenub_de_DE.ts", "qt_fr.qm", "zenub_it_IT.qm"} << true
        << QStringList{"en_US", "it_IT"};
    QTest::newRow("no folder") << QStringList() << false << QStringList{"en_US"};
}

void tst_ILanguageManager::cataloguesListed()
{
    QFETCH(QStringList, files);
    QFETCH(bool, folderExists);
    QFETCH(QStringList, ids);
    TestEnvironment environment;
    QStringList listed;
    for (const LanguageInfo* info : listFrom(files, folderExists))
        listed << info->langId;
    QCOMPARE(listed, ids);
}

void tst_ILanguageManager::recordFields()
{
    TestEnvironment environment;
    const QList<LanguageInfo*> list = listFrom({"zenub_de_DE.qm", "zenub_pt_BR.qm"});
    QCOMPARE(list.size(), 3);
    const LanguageInfo* english = list.at(0);
    QCOMPARE(english->language, QStringLiteral("English"));
    QCOMPARE(english->country, QStringLiteral("United States"));
    QCOMPARE(english->nativeLanguage, QLocale(QStringLiteral("en_US")).nativeLanguageName());
    const LanguageInfo* german = list.at(1);
    QCOMPARE(german->language, QStringLiteral("German"));
    QCOMPARE(german->country, QStringLiteral("Germany"));
    QCOMPARE(german->nativeLanguage, QStringLiteral("Deutsch"));
    QCOMPARE(german->nativeCountry, QStringLiteral("Deutschland"));
    // Catalogue entries start with a capital even where the locale's own name does not.
    QCOMPARE(list.at(2)->nativeLanguage, QStringLiteral("Português"));
}

void tst_ILanguageManager::saveLanguageNeedsExactId_data()
{
    QTest::addColumn<QString>("langId");
    QTest::addColumn<bool>("saved");
    QTest::newRow("listed") << "de_DE" << true;
    QTest::newRow("other letter case") << "de_de" << false;
    QTest::newRow("not installed") << "ja_JP" << false;
    QTest::newRow("empty") << QString() << false;
}

void tst_ILanguageManager::saveLanguageNeedsExactId()
{
    QFETCH(QString, langId);
    QFETCH(bool, saved);
    TestEnvironment environment;
    environment.userSettings()->setValue("Zenub/Language", "en_US");
    listFrom({"zenub_de_DE.qm"});
    ILanguageManager& manager = ILanguageManager::getInstance();
    QCOMPARE(manager.saveLanguage(langId), saved);
    QCOMPARE(manager.getSaveLangId(), saved ? langId : QStringLiteral("en_US"));
    // The choice applies at the next start only.
    QCOMPARE(manager.getCurrentLangId(), QStringLiteral("en_US"));
}

void tst_ILanguageManager::currentLanguageWithoutCountry_data()
{
    QTest::addColumn<QVariant>("stored");
    QTest::addColumn<QString>("current");
    QTest::addColumn<QString>("withoutCountry");
    QTest::newRow("pt_BR") << QVariant("pt_BR") << "pt_BR"
                           << "pt";
    QTest::newRow("de_DE") << QVariant("de_DE") << "de_DE"
                           << "de";
    // A value of the wrong type in a hand-edited file reads as no choice.
    QTest::newRow("list instead of text") << QVariant(QStringList{"de_DE", "fr_FR"}) << "C"
                                          << "C";
}

void tst_ILanguageManager::currentLanguageWithoutCountry()
{
    QFETCH(QVariant, stored);
    QFETCH(QString, current);
    QFETCH(QString, withoutCountry);
    TestEnvironment environment;
    environment.userSettings()->setValue("Zenub/Language", stored);
    environment.reloadSettings();
    listFrom({});
    QCOMPARE(ILanguageManager::getInstance().getCurrentLangId(), current);
    QCOMPARE(ILanguageManager::getInstance().getCurrentLangNoCountry(), withoutCountry);
}

void tst_ILanguageManager::shippedGermanCatalogueTranslates()
{
    const QString folder = qEnvironmentVariable("ZENUB_BUILD_DIR") + "/bin/translations";
    QTranslator translator;
    QVERIFY2(translator.load(QStringLiteral("zenub_de_DE"), folder), qPrintable(folder));
    QCOMPARE(translator.translate("MainWindow", "Cannot open this file type."),
             QStringLiteral("Dieser Dateityp kann nicht geöffnet werden."));
}

QTEST_MAIN(tst_ILanguageManager)
#include "tst_ilanguagemanager.moc"
