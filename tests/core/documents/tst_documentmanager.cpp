#include <testenvironment.h>

#include <documents/documentmanager.h>
#include <documents/idocument.h>

#include <QElapsedTimer>
#include <QFile>
#include <QSettings>
#include <QTimer>
#include <QUndoGroup>
#include <QUndoStack>
#include <QtTest>

#include <climits>
#include <functional>

using Breakpoints = DocumentManager::Breakpoints;

namespace {

class TestDocument : public IDocument
{
public:
    TestDocument() { m_pUndoStack = new QUndoStack(this); }
    bool initNewDocument(int, int, int, bool) override { return true; }
    bool saveBackup() override
    {
        times.append(clock.elapsed());
        if (onBackup)
            onBackup();
        return true;
    }

    QElapsedTimer clock;
    QList<qint64> times;
    std::function<void()> onBackup;
};

QList<QTimer*> backupTimers()
{
    return DocumentManager::getInstance()->findChildren<QTimer*>(QString(),
                                                                 Qt::FindDirectChildrenOnly);
}

void writeUserSettings(TestEnvironment& environment, const QByteArray& ini)
{
    QFile file(environment.userSettingsFile());
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(ini);
    file.close();
    environment.reloadSettings();
}

QStringList keysBelow(const QString& fileName, const QString& group)
{
    QSettings settings(fileName, QSettings::IniFormat);
    settings.beginGroup(group);
    QStringList keys = settings.allKeys();
    keys.sort();
    return keys;
}

const Breakpoints defaultH{{375, true}, {667, true}, {768, true}, {1024, true}, {1280, true}};
const Breakpoints defaultV{{345, false}, {522, false}, {620, false}, {674, false}, {930, false}};

} // namespace

Q_DECLARE_METATYPE(Breakpoints)

class tst_DocumentManager : public QObject
{
    Q_OBJECT
private slots:
    void defaultsWhenNothingStored();
    void readsStoredPreferences_data();
    void readsStoredPreferences();
    void saveKeepsOtherKeys();
    void breakpointsRoundTrip_data();
    void breakpointsRoundTrip();
    void initBreakpoints_data();
    void initBreakpoints();
    void registration();
    void backupRepeatsAfterFullInterval();
    void intervalChangeWaitsForRestart_data();
    void intervalChangeWaitsForRestart();
    void backupWait_data();
    void backupWait();
    void documentDeletedWhileRegistered();
    void documentClosedDuringBackup();
};

void tst_DocumentManager::defaultsWhenNothingStored()
{
    TestEnvironment environment;
    environment.createMainWindow();
    QVERIFY(DocumentManager::isAutobackupEnabled());
    QCOMPARE(DocumentManager::getAutobackupTimeout(), 300);
    QVERIFY(DocumentManager::isPasteSvgAsFreeform());
    QVERIFY(DocumentManager::getHBreakpoints().isEmpty());
    QVERIFY(DocumentManager::getVBreakpoints().isEmpty());
    QVERIFY(DocumentManager::getDocuments().isEmpty());
    QVERIFY(DocumentManager::getUndoGroup());
}

void tst_DocumentManager::readsStoredPreferences_data()
{
    QTest::addColumn<QByteArray>("ini");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<int>("interval");
    QTest::addColumn<bool>("paste");
    QTest::addColumn<Breakpoints>("horizontal");
    QTest::addColumn<Breakpoints>("vertical");

    QTest::newRow("valid") << QByteArray("[Zenub]\n"
                                         "AutoBackup.Enable=false\n"
                                         "AutoBackup.Interval=60\n"
                                         "Edit.PasteSvgAsFreeform=false\n"
                                         "[Breakpoints]\n"
                                         "Horizontal\\size=2\n"
                                         "Horizontal\\1\\Value=400\n"
                                         "Horizontal\\1\\Enable=true\n"
                                         "Horizontal\\2\\Value=800\n"
                                         "Horizontal\\2\\Enable=false\n"
                                         "Vertical\\size=1\n"
                                         "Vertical\\1\\Value=-20\n"
                                         "Vertical\\1\\Enable=true\n")
                           << false << 60 << false << Breakpoints{{400, true}, {800, false}}
                           << Breakpoints{{-20, true}};
    QTest::newRow("wrong types keep defaults")
        << QByteArray("[Zenub]\n"
                      "AutoBackup.Enable=maybe\n"
                      "AutoBackup.Interval=abc\n"
                      "Edit.PasteSvgAsFreeform=1, 2\n")
        << true << 300 << true << Breakpoints() << Breakpoints();
    QTest::newRow("damaged array sizes")
        << QByteArray("[Breakpoints]\n"
                      "Horizontal\\size=1000000000\n"
                      "Horizontal\\1\\Value=400\n"
                      "Horizontal\\1\\Enable=true\n"
                      "Horizontal\\3\\Value=900\n"
                      "Horizontal\\3\\Enable=false\n"
                      "Vertical\\size=abc\n"
                      "Vertical\\1\\Value=10\n"
                      "Vertical\\1\\Enable=true\n")
        << true << 300 << true << Breakpoints{{400, true}, {900, false}} << Breakpoints();
    QTest::newRow("malformed elements skipped")
        << QByteArray("[Breakpoints]\n"
                      "Horizontal\\size=3\n"
                      "Horizontal\\1\\Value=wide\n"
                      "Horizontal\\1\\Enable=true\n"
                      "Horizontal\\2\\Value=500\n"
                      "Horizontal\\2\\Enable=true\n"
                      "Horizontal\\3\\Value=600\n"
                      "Horizontal\\3\\Enable=perhaps\n"
                      "Horizontal\\4\\Value=700\n"
                      "Horizontal\\4\\Enable=true\n"
                      "Vertical=5\n")
        << true << 300 << true << Breakpoints{{500, true}} << Breakpoints();
}

void tst_DocumentManager::readsStoredPreferences()
{
    QFETCH(QByteArray, ini);
    QFETCH(bool, enabled);
    QFETCH(int, interval);
    QFETCH(bool, paste);
    QFETCH(Breakpoints, horizontal);
    QFETCH(Breakpoints, vertical);

    TestEnvironment environment;
    writeUserSettings(environment, ini);
    environment.createMainWindow();
    QCOMPARE(DocumentManager::isAutobackupEnabled(), enabled);
    QCOMPARE(DocumentManager::getAutobackupTimeout(), interval);
    QCOMPARE(DocumentManager::isPasteSvgAsFreeform(), paste);
    QCOMPARE(DocumentManager::getHBreakpoints(), horizontal);
    QCOMPARE(DocumentManager::getVBreakpoints(), vertical);
}

void tst_DocumentManager::saveKeepsOtherKeys()
{
    TestEnvironment environment;
    writeUserSettings(environment, "[Zenub]\n"
                                   "AutoBackup.Interval=1, 2, 3\n"
                                   "RecentProjects=/a.zenub, /b.zenub\n"
                                   "Language=de_DE\n"
                                   "[Shortcuts]\n"
                                   "File.New=Ctrl+N\n");
    environment.createMainWindow();
    DocumentManager::setAutobackupTimeout(120);
    DocumentManager::setHBreakpoints({{100, true}});
    DocumentManager::saveSettings();
    environment.userSettings()->sync();

    QSettings onDisk(environment.userSettingsFile(), QSettings::IniFormat);
    QCOMPARE(onDisk.value("Zenub/RecentProjects").toStringList(),
             (QStringList{"/a.zenub", "/b.zenub"}));
    QCOMPARE(onDisk.value("Zenub/Language").toString(), QStringLiteral("de_DE"));
    QCOMPARE(onDisk.value("Shortcuts/File.New").toString(), QStringLiteral("Ctrl+N"));
    QCOMPARE(onDisk.value("Zenub/AutoBackup.Interval").toInt(), 120);
    QCOMPARE(onDisk.value("Zenub/AutoBackup.Enable").toString(), QStringLiteral("true"));
    QCOMPARE(onDisk.value("Zenub/Edit.PasteSvgAsFreeform").toString(), QStringLiteral("true"));
}

void tst_DocumentManager::breakpointsRoundTrip_data()
{
    QTest::addColumn<Breakpoints>("firstH");
    QTest::addColumn<Breakpoints>("firstV");
    QTest::addColumn<Breakpoints>("secondH");
    QTest::addColumn<Breakpoints>("secondV");

    const Breakpoints three{{320, true}, {640, false}, {1920, true}};
    const Breakpoints two{{100, false}, {200, true}};
    QTest::newRow("shorter lists") << three << two << Breakpoints{{500, true}} << Breakpoints();
    QTest::newRow("all removed") << three << two << Breakpoints() << Breakpoints();
    QTest::newRow("longer lists") << Breakpoints{{1, true}} << Breakpoints() << three << two;
}

void tst_DocumentManager::breakpointsRoundTrip()
{
    QFETCH(Breakpoints, firstH);
    QFETCH(Breakpoints, firstV);
    QFETCH(Breakpoints, secondH);
    QFETCH(Breakpoints, secondV);

    TestEnvironment environment;
    for (const auto& lists : {qMakePair(firstH, firstV), qMakePair(secondH, secondV)}) {
        environment.createMainWindow();
        DocumentManager::setHBreakpoints(lists.first);
        DocumentManager::setVBreakpoints(lists.second);
        DocumentManager::saveSettings();
        environment.deleteMainWindow();
        environment.reloadSettings();
    }

    QStringList expectedKeys{"Horizontal/size", "Vertical/size"};
    for (int i = 1; i <= secondH.size(); ++i)
        expectedKeys << QStringLiteral("Horizontal/%1/Enable").arg(i)
                     << QStringLiteral("Horizontal/%1/Value").arg(i);
    for (int i = 1; i <= secondV.size(); ++i)
        expectedKeys << QStringLiteral("Vertical/%1/Enable").arg(i)
                     << QStringLiteral("Vertical/%1/Value").arg(i);
    expectedKeys.sort();
    QCOMPARE(keysBelow(environment.userSettingsFile(), "Breakpoints"), expectedKeys);

    QSettings onDisk(environment.userSettingsFile(), QSettings::IniFormat);
    QCOMPARE(onDisk.value("Breakpoints/Horizontal/size").toInt(), secondH.size());
    QCOMPARE(onDisk.value("Breakpoints/Vertical/size").toInt(), secondV.size());

    // A new start reads back exactly what was saved.
    environment.createMainWindow();
    QCOMPARE(DocumentManager::getHBreakpoints(), secondH);
    QCOMPARE(DocumentManager::getVBreakpoints(), secondV);
}

void tst_DocumentManager::initBreakpoints_data()
{
    QTest::addColumn<Breakpoints>("storedH");
    QTest::addColumn<Breakpoints>("storedV");
    QTest::addColumn<Breakpoints>("givenH");
    QTest::addColumn<Breakpoints>("givenV");
    QTest::addColumn<bool>("reset");
    QTest::addColumn<Breakpoints>("expectedH");
    QTest::addColumn<Breakpoints>("expectedV");

    const Breakpoints storedH{{10, true}, {20, false}};
    const Breakpoints storedV{{30, true}};
    const Breakpoints junk{{1, true}};

    QTest::newRow("nothing stored") << Breakpoints() << Breakpoints() << Breakpoints()
                                    << Breakpoints() << false << defaultH << defaultV;
    QTest::newRow("nothing stored, caller lists kept")
        << Breakpoints() << Breakpoints() << junk << junk << false << junk + defaultH
        << junk + defaultV;
    QTest::newRow("stored") << storedH << storedV << junk << junk << false << storedH << storedV;
    QTest::newRow("only horizontal stored")
        << storedH << Breakpoints() << junk << junk << false << storedH << Breakpoints();
    QTest::newRow("reset over stored")
        << storedH << storedV << junk << junk << true << defaultH << defaultV;
}

void tst_DocumentManager::initBreakpoints()
{
    QFETCH(Breakpoints, storedH);
    QFETCH(Breakpoints, storedV);
    QFETCH(Breakpoints, givenH);
    QFETCH(Breakpoints, givenV);
    QFETCH(bool, reset);
    QFETCH(Breakpoints, expectedH);
    QFETCH(Breakpoints, expectedV);

    TestEnvironment environment;
    environment.createMainWindow();
    DocumentManager::setHBreakpoints(storedH);
    DocumentManager::setVBreakpoints(storedV);
    DocumentManager::initBreakpoints(givenH, givenV, reset);
    QCOMPARE(givenH, expectedH);
    QCOMPARE(givenV, expectedV);
    QCOMPARE(DocumentManager::getHBreakpoints(), storedH);
    QCOMPARE(DocumentManager::getVBreakpoints(), storedV);
}

void tst_DocumentManager::registration()
{
    TestEnvironment environment;
    environment.createMainWindow();
    QUndoGroup* group = DocumentManager::getUndoGroup();
    TestDocument document;
    TestDocument stranger;

    DocumentManager::addDocument(&document);
    DocumentManager::addDocument(&document);
    DocumentManager::addDocument(nullptr);
    QCOMPARE(DocumentManager::getDocuments(), (QList<IDocument*>{&document}));
    QCOMPARE(backupTimers().size(), 1);
    QVERIFY(!backupTimers().first()->isActive());
    QVERIFY(backupTimers().first()->isSingleShot());
    QCOMPARE(group->stacks(), (QList<QUndoStack*>{document.getUndoStack()}));

    QVERIFY(!DocumentManager::removeDocument(&stranger));
    QCOMPARE(group->stacks().size(), 1);
    QVERIFY(DocumentManager::removeDocument(nullptr));

    DocumentManager::startWaitingBackup(&document);
    QVERIFY(DocumentManager::removeDocument(&document));
    QVERIFY(backupTimers().isEmpty());
    QVERIFY(group->stacks().isEmpty());
    QVERIFY(DocumentManager::getDocuments().isEmpty());
    QVERIFY(!DocumentManager::removeDocument(&document));
}

void tst_DocumentManager::backupRepeatsAfterFullInterval()
{
    TestEnvironment environment;
    environment.createMainWindow();
    DocumentManager::setAutobackupTimeout(1);
    TestDocument document;
    DocumentManager::addDocument(&document);
    document.clock.start();
    DocumentManager::startWaitingBackup(&document);

    QTRY_COMPARE_WITH_TIMEOUT(document.times.size(), 1, 10000);
    QTRY_COMPARE_WITH_TIMEOUT(document.times.size(), 2, 10000);
    // Coarse timers may fire up to 5 % early.
    QVERIFY2(document.times.at(0) >= 950, qPrintable(QString::number(document.times.at(0))));
    const qint64 gap = document.times.at(1) - document.times.at(0);
    QVERIFY2(gap >= 950, qPrintable(QString::number(gap)));
    QVERIFY(backupTimers().first()->isActive());

    DocumentManager::stopWaitingBackup(&document);
    QVERIFY(!backupTimers().first()->isActive());
    DocumentManager::removeDocument(&document);
}

void tst_DocumentManager::intervalChangeWaitsForRestart_data()
{
    QTest::addColumn<int>("changedTo");
    QTest::addColumn<int>("waitAfterRestart");

    QTest::newRow("longer") << 2 << 2000;
    QTest::newRow("zero") << 0 << 300000;
    QTest::newRow("negative") << -5 << 300000;
}

void tst_DocumentManager::intervalChangeWaitsForRestart()
{
    QFETCH(int, changedTo);
    QFETCH(int, waitAfterRestart);

    TestEnvironment environment;
    environment.createMainWindow();
    DocumentManager::setAutobackupTimeout(1);
    TestDocument document;
    DocumentManager::addDocument(&document);
    DocumentManager::startWaitingBackup(&document);
    QTimer* timer = backupTimers().first();
    QCOMPARE(timer->interval(), 1000);

    DocumentManager::setAutobackupTimeout(changedTo);
    QCOMPARE(DocumentManager::getAutobackupTimeout(), changedTo);
    QCOMPARE(timer->interval(), 1000);
    QVERIFY(timer->isActive());
    QTRY_COMPARE_WITH_TIMEOUT(document.times.size(), 1, 10000);
    QCOMPARE(timer->interval(), waitAfterRestart);
    QVERIFY(timer->isActive());

    DocumentManager::startWaitingBackup(&document);
    QCOMPARE(timer->interval(), waitAfterRestart);
    DocumentManager::removeDocument(&document);
}

void tst_DocumentManager::backupWait_data()
{
    QTest::addColumn<int>("seconds");
    QTest::addColumn<int>("msecs");

    QTest::newRow("one second") << 1 << 1000;
    QTest::newRow("zero") << 0 << 300000;
    QTest::newRow("minus one") << -1 << 300000;
    QTest::newRow("most negative") << INT_MIN << 300000;
    QTest::newRow("largest exact") << INT_MAX / 1000 << INT_MAX / 1000 * 1000;
    QTest::newRow("beyond a timer") << INT_MAX / 1000 + 1 << INT_MAX;
}

void tst_DocumentManager::backupWait()
{
    QFETCH(int, seconds);
    QFETCH(int, msecs);
    QCOMPARE(DocumentManager::backupWaitMsecs(seconds), msecs);
}

void tst_DocumentManager::documentDeletedWhileRegistered()
{
    TestEnvironment environment;
    environment.createMainWindow();
    DocumentManager::setAutobackupTimeout(1);
    auto* document = new TestDocument;
    DocumentManager::addDocument(document);
    DocumentManager::startWaitingBackup(document);
    delete document;
    QVERIFY(DocumentManager::getDocuments().isEmpty());
    QVERIFY(backupTimers().isEmpty());
    QVERIFY(DocumentManager::getUndoGroup()->stacks().isEmpty());
}

void tst_DocumentManager::documentClosedDuringBackup()
{
    TestEnvironment environment;
    environment.createMainWindow();
    DocumentManager::setAutobackupTimeout(1);
    TestDocument document;
    bool removed = false;
    document.onBackup = [&] {
        removed = DocumentManager::removeDocument(&document);
    };
    DocumentManager::addDocument(&document);
    DocumentManager::startWaitingBackup(&document);
    QTRY_VERIFY_WITH_TIMEOUT(removed, 10000);
    QTRY_VERIFY(backupTimers().isEmpty());
    QCOMPARE(document.times.size(), 1);
}

QTEST_MAIN(tst_DocumentManager)
#include "tst_documentmanager.moc"
