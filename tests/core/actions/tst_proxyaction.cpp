#include <actions/proxyaction.h>

#include <QSignalSpy>
#include <QtTest>

class tst_ProxyAction : public QObject
{
    Q_OBJECT
private slots:
    void toolTip_data();
    void toolTip();
    void mirroring_data();
    void mirroring();
    void forwardsTriggersAndToggles();
    void setActionEdges();
    void initializeTakesIdentityOnly();
};

void tst_ProxyAction::toolTip_data()
{
    QTest::addColumn<QString>("baseToolTip");
    QTest::addColumn<bool>("shown");
    QTest::addColumn<QKeySequence>("shortcut");
    QTest::addColumn<QString>("expected");
    const QKeySequence save(QStringLiteral("Ctrl+S"));
    QTest::newRow("shown") << "Save" << true << save << "Save\tCtrl+S";
    QTest::newRow("no shortcut") << "Save" << true << QKeySequence() << "Save";
    QTest::newRow("not shown") << "Save" << false << save << "Save";
    QTest::newRow("placeholder in text") << "Save %1" << true << save << "Save %1\tCtrl+S";
}

void tst_ProxyAction::toolTip()
{
    QFETCH(QString, baseToolTip);
    QFETCH(bool, shown);
    QFETCH(QKeySequence, shortcut);
    QFETCH(QString, expected);
    QAction action;
    action.setToolTip(baseToolTip);
    ProxyAction proxy(nullptr);
    proxy.setShortcutVisibleInToolTip(shown);
    proxy.initialize(&action);
    // A shortcut given afterwards must reach the tool tip too.
    proxy.setShortcut(shortcut);
    QCOMPARE(proxy.toolTip(), expected);
}

void tst_ProxyAction::mirroring_data()
{
    QTest::addColumn<int>("attribute");
    QTest::addColumn<QByteArray>("property");
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<bool>("followed");
    const int text = ProxyAction::MirrorText, icon = ProxyAction::MirrorIcon;
    QTest::newRow("enabled") << 0 << QByteArray("enabled") << QVariant(false) << true;
    QTest::newRow("visible") << 0 << QByteArray("visible") << QVariant(false) << true;
    QTest::newRow("checked") << 0 << QByteArray("checked") << QVariant(true) << true;
    QTest::newRow("text") << 0 << QByteArray("text") << QVariant("Later") << false;
    QTest::newRow("text, MirrorText") << text << QByteArray("text") << QVariant("Later") << true;
    QTest::newRow("icon text, MirrorText")
        << text << QByteArray("iconText") << QVariant("Later") << false;
    QTest::newRow("icon text, MirrorIcon")
        << icon << QByteArray("iconText") << QVariant("Later") << true;
}

void tst_ProxyAction::mirroring()
{
    QFETCH(int, attribute);
    QFETCH(QByteArray, property);
    QFETCH(QVariant, value);
    QFETCH(bool, followed);
    QAction action(QStringLiteral("First"));
    action.setCheckable(true);
    ProxyAction proxy(nullptr);
    if (attribute)
        proxy.setAttribute(ProxyAction::Attribute(attribute));
    proxy.initialize(&action);
    proxy.setAction(&action);
    const QVariant before = proxy.property(property);
    action.setProperty(property, value);
    QCOMPARE(proxy.property(property), followed ? value : before);
}

void tst_ProxyAction::forwardsTriggersAndToggles()
{
    QAction action, other;
    ProxyAction proxy(nullptr);
    // Switching back and forth must leave exactly one connection to the mirrored action.
    proxy.setAction(&action);
    proxy.setAction(&other);
    proxy.setAction(&action);
    QSignalSpy triggered(&action, &QAction::triggered);
    QSignalSpy otherTriggered(&other, &QAction::triggered);
    proxy.trigger();
    QCOMPARE(triggered.count(), 1);
    QCOMPARE(otherTriggered.count(), 0);

    action.setCheckable(true);
    proxy.trigger();
    QVERIFY(action.isChecked());
    QCOMPARE(triggered.count(), 2);
    QCOMPARE(triggered.last().first().toBool(), true);
    proxy.setChecked(false);
    QVERIFY(!action.isChecked());
}

void tst_ProxyAction::setActionEdges()
{
    ProxyAction proxy(nullptr);
    QVERIFY(!proxy.isEnabled());
    QVERIFY(proxy.isVisible());
    auto* action = new QAction;
    proxy.setAction(action);
    QVERIFY(proxy.isEnabled());
    QSignalSpy changed(&proxy, &QAction::changed);
    proxy.setAction(action);
    QCOMPARE(changed.count(), 0);

    proxy.setAttribute(ProxyAction::HideWhenNoAction);
    proxy.setAction(nullptr);
    QVERIFY(!proxy.isEnabled());
    QVERIFY(!proxy.isVisible());
    proxy.setAction(action);
    QVERIFY(proxy.isEnabled());

    // The proxy is not told about the destruction and keeps what it copied last.
    delete action;
    QVERIFY(!proxy.action());
    changed.clear();
    proxy.setAction(nullptr);
    QCOMPARE(changed.count(), 0);
    QVERIFY(proxy.isEnabled());
}

void tst_ProxyAction::initializeTakesIdentityOnly()
{
    QAction separator;
    separator.setSeparator(true);
    separator.setEnabled(false);
    separator.setMenuRole(QAction::AboutRole);
    ProxyAction proxy(nullptr);
    proxy.initialize(&separator);
    QVERIFY(proxy.isSeparator());
    QCOMPARE(proxy.menuRole(), QAction::AboutRole);
    QVERIFY(!proxy.action());

    QAction plain(QStringLiteral("Plain"));
    proxy.setAttribute(ProxyAction::MirrorText);
    proxy.setAction(&plain);
    QVERIFY(proxy.isSeparator());
    QVERIFY(proxy.isEnabled());
    QCOMPARE(proxy.text(), QString("Plain"));
}

QTEST_MAIN(tst_ProxyAction)
#include "tst_proxyaction.moc"
