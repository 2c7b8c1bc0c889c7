#include <options/ioptionpage.h>
#include <options/ioptionsdlg.h>

#include <QPointer>
#include <QtTest>

namespace {

class TestOptionsDlg : public IOptionsDlg
{
public:
    TestOptionsDlg(QWidget* parent, Qt::WindowFlags flags)
        : IOptionsDlg(parent, flags)
    {}
    int showDialog() override { return 0; }
    void createPages() override {}
    void onApply() override {}
    void onCancel() override {}
    void onOK() override {}
    void onPageChanged(int) override {}
    void updateButtons() override {}
    bool hasChanges() override { return false; }
    void setCurrentPage(int) override {}
};

QStringList methodsAfter(const QMetaObject& base, const QMetaObject& meta)
{
    QStringList result;
    for (int i = base.methodCount(); i < meta.methodCount(); ++i)
        result << QString::fromLatin1(meta.method(i).methodSignature());
    return result;
}

} // namespace

class tst_OptionPages : public QObject
{
    Q_OBJECT
private slots:
    void pageFlags_data();
    void pageFlags();
    void optionsDialogIsTopLevel_data();
    void optionsDialogIsTopLevel();
    void signalAndSlotOrder();
};

void tst_OptionPages::pageFlags_data()
{
    QTest::addColumn<QStringList>("calls");
    QTest::addColumn<bool>("changed");
    QTest::addColumn<bool>("initialized");

    QTest::newRow("new page") << QStringList() << false << false;
    QTest::newRow("changed then saved")
        << QStringList{"setChanged(true)", "saveChanges"} << false << false;
    QTest::newRow("changed then discarded")
        << QStringList{"setChanged(true)", "discardChanges"} << false << false;
    QTest::newRow("setChanged(false) still marks")
        << QStringList{"setChanged(false)"} << true << false;
    QTest::newRow("setChanged(false) does not clear")
        << QStringList{"setChanged(true)", "setChanged(false)"} << true << false;
    QTest::newRow("marked for refilling")
        << QStringList{"initValues", "setNeedInitConfig2UI"} << false << false;
    QTest::newRow("refilling keeps changes")
        << QStringList{"setChanged(true)", "setNeedInitConfig2UI"} << true << false;
}

void tst_OptionPages::pageFlags()
{
    QFETCH(QStringList, calls);
    QFETCH(bool, changed);
    QFETCH(bool, initialized);

    QWidget parent;
    IOptionPage page(&parent);
    QCOMPARE(page.parentWidget(), &parent);
    for (const QString& call : calls) {
        if (call == "setChanged(true)")
            page.setChanged(true);
        else if (call == "setChanged(false)")
            page.setChanged(false);
        else if (call == "saveChanges")
            page.saveChanges();
        else if (call == "discardChanges")
            page.discardChanges();
        else if (call == "initValues")
            page.initValues();
        else if (call == "setNeedInitConfig2UI")
            page.setNeedInitConfig2UI();
        else
            QFAIL(qPrintable(call));
    }
    QCOMPARE(page.isChanged(), changed);
    QCOMPARE(page.isValuesInitialized(), initialized);
}

void tst_OptionPages::optionsDialogIsTopLevel_data()
{
    QTest::addColumn<bool>("withParent");
    QTest::addColumn<int>("flags");
    QTest::newRow("parent") << true << 0;
    QTest::newRow("parent and tool flags") << true << int(Qt::Tool | Qt::FramelessWindowHint);
}

void tst_OptionPages::optionsDialogIsTopLevel()
{
    QFETCH(bool, withParent);
    QFETCH(int, flags);

    auto* parent = new QWidget;
    QPointer<TestOptionsDlg> dialog(
        new TestOptionsDlg(withParent ? parent : nullptr, Qt::WindowFlags(flags)));
    QVERIFY(!dialog->parentWidget());
    QVERIFY(dialog->isWindow());
    QDialog plain;
    QCOMPARE(dialog->windowFlags(), plain.windowFlags());
    // Not a child: the parent going away must not take the dialog with it.
    delete parent;
    QVERIFY(!dialog.isNull());
    delete dialog;
}

void tst_OptionPages::signalAndSlotOrder()
{
    QCOMPARE(methodsAfter(QWidget::staticMetaObject, IOptionPage::staticMetaObject),
             QStringList{"dataChanged()"});
    QCOMPARE(methodsAfter(QDialog::staticMetaObject, IOptionsDlg::staticMetaObject),
             (QStringList{"onApply()", "onCancel()", "onOK()", "onPageChanged(int)"}));
}

QTEST_MAIN(tst_OptionPages)
#include "tst_optionpages.moc"
