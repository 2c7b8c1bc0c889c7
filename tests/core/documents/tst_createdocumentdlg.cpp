#include <documents/icreatedocumentdlg.h>
#include <documents/idocumentfactory.h>

#include <QPointer>
#include <QtTest>

namespace {

class TestDialog : public ICreateDocumentDlg
{
public:
    explicit TestDialog(QWidget* parent)
        : ICreateDocumentDlg(parent)
    {}
    TestDialog(QWidget* parent, const QString& a, const QString& b, const QString& c)
        : ICreateDocumentDlg(parent, a, b, c)
    {}
    QString getDocumentPath() override { return QString(); }
    int getValue1() override { return 1; }
    int getValue2() override { return 2; }
    int getValue3() override { return 3; }
    bool getFlag() override { return false; }
};

} // namespace

class tst_CreateDocumentDlg : public QObject
{
    Q_OBJECT
private slots:
    void dialogBelongsToParent_data();
    void dialogBelongsToParent();
    void factoryHasNoSignalsOrSlots();
};

void tst_CreateDocumentDlg::dialogBelongsToParent_data()
{
    QTest::addColumn<bool>("withTexts");
    QTest::newRow("parent only") << false;
    QTest::newRow("parent and texts") << true;
}

void tst_CreateDocumentDlg::dialogBelongsToParent()
{
    QFETCH(bool, withTexts);
    auto* parent = new QWidget;
    QPointer<ICreateDocumentDlg> dialog =
        withTexts ? new TestDialog(parent, "a", "b", "c") : new TestDialog(parent);
    QCOMPARE(dialog->parentWidget(), parent);
    QVERIFY(dialog->isWindow());
    QCOMPARE(dialog->windowType(), Qt::Dialog);
    delete parent;
    QVERIFY(dialog.isNull());
}

void tst_CreateDocumentDlg::factoryHasNoSignalsOrSlots()
{
    const QMetaObject& factory = IDocumentFactory::staticMetaObject;
    QCOMPARE(factory.methodCount(), QObject::staticMetaObject.methodCount());
    const QMetaObject& dialog = ICreateDocumentDlg::staticMetaObject;
    QCOMPARE(dialog.methodCount(), QDialog::staticMetaObject.methodCount());
}

QTEST_MAIN(tst_CreateDocumentDlg)
#include "tst_createdocumentdlg.moc"
