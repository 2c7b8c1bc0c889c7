#include <mainwindow/znnotificationbar.h>
#include <plugin/dpi.h>
#include <plugin/iui.h>

#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QToolButton>
#include <QtTest>

class tst_ZNNotificationBar : public QObject
{
    Q_OBJECT
private slots:
    void show_data()
    {
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("buttonText");
        QTest::addColumn<bool>("closeFlag");
        QTest::addColumn<QString>("icon");

        QTest::newRow("info with everything") << "Saved." << 0 << "Open" << true << "info";
        QTest::newRow("warning without button") << "Disk full." << 1 << "" << false << "warning";
        QTest::newRow("only icon and close") << "" << 1 << "" << true << "warning";
        QTest::newRow("unknown type is info") << "Hello" << 7 << "Go" << false << "info";
    }
    void show()
    {
        QFETCH(QString, message);
        QFETCH(int, type);
        QFETCH(QString, buttonText);
        QFETCH(bool, closeFlag);
        QFETCH(QString, icon);

        QWidget window;
        auto* bar = new ZNNotificationBar(&window);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        // A previous message must not leak its state into this one.
        bar->show(QStringLiteral("Earlier"), ZNNotificationBar::Warning, QStringLiteral("Earlier"),
                  !closeFlag);
        bar->show(message, static_cast<ZNNotificationBar::Type>(type), buttonText, closeFlag);

        QVERIFY(bar->isVisible());
        auto* messageLabel = child<QLabel>(*bar, "m_pMessageLabel");
        auto* button = child<QPushButton>(*bar, "m_pButton");
        QCOMPARE(messageLabel->text(), message);
        QCOMPARE(messageLabel->isVisible(), !message.isEmpty());
        QCOMPARE(button->text(), buttonText);
        QCOMPARE(button->isVisible(), !buttonText.isEmpty());
        QCOMPARE(child<QToolButton>(*bar, "m_pCloseButton")->isVisible(), closeFlag);

        const QString file = IUi::pixmapFileName(icon, IUi::Normal, 2, Dpi::screenDpi(), false);
        QVERIFY(file.startsWith(icon + QLatin1String("_16")));
        const QImage expected = QImage(QStringLiteral(":/core/images/") + file);
        QVERIFY(!expected.isNull());
        const QPixmap shown = child<QLabel>(*bar, "m_pIconLabel")->pixmap(Qt::ReturnByValue);
        QVERIFY(!shown.isNull());
        QCOMPARE(shown.toImage().convertToFormat(expected.format()), expected);
    }
    void earlierReceiversAreDropped()
    {
        ZNNotificationBar bar;
        int earlier = 0;
        int later = 0;
        bar.show(QStringLiteral("First"), ZNNotificationBar::Info, QStringLiteral("Retry"), true);
        connect(&bar, &ZNNotificationBar::buttonClicked, this, [&] { ++earlier; });
        child<QPushButton>(bar, "m_pButton")->click();
        QCOMPARE(earlier, 1);

        bar.show(QStringLiteral("Second"), ZNNotificationBar::Warning, QStringLiteral("Undo"),
                 true);
        connect(&bar, &ZNNotificationBar::buttonClicked, this, [&] { ++later; });
        child<QPushButton>(bar, "m_pButton")->click();
        QCOMPARE(earlier, 1);
        QCOMPARE(later, 1);
    }

private:
    template<class T>
    static T* child(const QWidget& bar, const char* name)
    {
        return bar.findChild<T*>(QLatin1String(name));
    }
};

QTEST_MAIN(tst_ZNNotificationBar)
#include "tst_znnotificationbar.moc"
