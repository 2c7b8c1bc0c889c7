#include <modalanswerer.h>
#include <testenvironment.h>

#include <plugin/dpi.h>
#include <plugin/iui.h>

#include <QImage>
#include <QTemporaryDir>
#include <QtTest>

class tst_IUi : public QObject
{
    Q_OBJECT
private slots:
    void fileNameByDensity_data();
    void fileNameByDensity();
    void messageIconEdge_data();
    void messageIconEdge();
    void missingFileIsRetriedExistingFileIsCached();
    void messageBoxAnswers_data();
    void messageBoxAnswers();

private:
    static void writeImage(const QString& path, Qt::GlobalColor color);
};

void tst_IUi::fileNameByDensity_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("state");
    QTest::addColumn<int>("size");
    QTest::addColumn<int>("dpi");
    QTest::addColumn<bool>("noScale");
    QTest::addColumn<QString>("fileName");

    QTest::newRow("96 normal 16") << "save" << 2 << 2 << 96 << false << "save_16.png";
    QTest::newRow("143 stays 1x") << "save" << 2 << 2 << 143 << false << "save_16.png";
    QTest::newRow("144 is 150%") << "save" << 2 << 2 << 144 << false << "save_16_2x.png";
    QTest::newRow("192 disabled") << "save" << 4 << 2 << 192 << false << "save_16_d_2x.png";
    QTest::newRow("no scale at 192") << "save" << 4 << 2 << 192 << true << "save_16_d.png";
    QTest::newRow("size 0 no suffix") << "icon" << 2 << 0 << 96 << false << "icon.png";
    QTest::newRow("size 7 no suffix") << "icon" << 2 << 7 << 168 << false << "icon_2x.png";
    QTest::newRow("size 1") << "x" << 2 << 1 << 96 << false << "x_12.png";
    QTest::newRow("size 6") << "x" << 2 << 6 << 120 << false << "x_64.png";
    QTest::newRow("state 3 is normal") << "x" << 3 << 4 << 96 << false << "x_32.png";
}

void tst_IUi::fileNameByDensity()
{
    QFETCH(QString, name);
    QFETCH(int, state);
    QFETCH(int, size);
    QFETCH(int, dpi);
    QFETCH(bool, noScale);
    QFETCH(QString, fileName);
    QCOMPARE(IUi::pixmapFileName(name, state, size, dpi, noScale), fileName);
}

void tst_IUi::messageIconEdge_data()
{
    QTest::addColumn<int>("dpi");
    QTest::addColumn<int>("edge");
    QTest::addColumn<int>("percent");
    QTest::newRow("96") << 96 << 32 << 100;
    QTest::newRow("120") << 120 << 40 << 125;
    QTest::newRow("143") << 143 << 47 << 148;
    QTest::newRow("144") << 144 << 48 << 150;
    QTest::newRow("168") << 168 << 56 << 175;
    QTest::newRow("192") << 192 << 64 << 200;
}

void tst_IUi::messageIconEdge()
{
    QFETCH(int, dpi);
    QFETCH(int, edge);
    QFETCH(int, percent);
    QCOMPARE(IUi::messageIconEdge(dpi), edge);
    QCOMPARE(Dpi::scalePercent(dpi), percent);
}

void tst_IUi::writeImage(const QString& path, Qt::GlobalColor color)
{
    QImage image(4, 4, QImage::Format_ARGB32);
    image.fill(color);
    QVERIFY(image.save(path));
}

void tst_IUi::missingFileIsRetriedExistingFileIsCached()
{
    QTemporaryDir folder;
    const QString fileName =
        IUi::pixmapFileName(QStringLiteral("probe"), 2, 2, Dpi::screenDpi(), false);
    const QString path = folder.filePath(fileName);
    IUi* ui = IUi::getInstance();

    QVERIFY(ui->getPixmap(QStringLiteral("probe"), 2, 2, folder.path()).isNull());
    writeImage(path, Qt::red);
    // The earlier miss must not stick.
    QCOMPARE(ui->getPixmap(QStringLiteral("probe"), 2, 2, folder.path()).toImage().pixel(0, 0),
             QColor(Qt::red).rgb());

    writeImage(path, Qt::blue);
    {
        // Qt's own pixmap cache keys on the modification time; make the change visible to it.
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadWrite));
        QVERIFY(file.setFileTime(QDateTime::currentDateTime().addSecs(10),
                                 QFileDevice::FileModificationTime));
    }
    QCOMPARE(ui->getPixmap(QStringLiteral("probe"), 2, 2, folder.path()).toImage().pixel(0, 0),
             QColor(Qt::red).rgb());
    ui->clearCache();
    QCOMPARE(ui->getPixmap(QStringLiteral("probe"), 2, 2, folder.path()).toImage().pixel(0, 0),
             QColor(Qt::blue).rgb());
}

void tst_IUi::messageBoxAnswers_data()
{
    QTest::addColumn<bool>("pressButton");
    QTest::addColumn<int>("answer");
    QTest::addColumn<int>("result");
    QTest::newRow("No pressed") << true << int(QMessageBox::No) << int(QMessageBox::No);
    QTest::newRow("Yes pressed") << true << int(QMessageBox::Yes) << int(QMessageBox::Yes);
    QTest::newRow("closed without a button") << false << -1 << int(QMessageBox::Cancel);
}

void tst_IUi::messageBoxAnswers()
{
    QFETCH(bool, pressButton);
    QFETCH(int, answer);
    QFETCH(int, result);
    ModalAnswerer answerer;
    if (pressButton)
        answerer.answer(static_cast<QMessageBox::StandardButton>(answer));
    else
        answerer.finish(answer);
    const QMessageBox::StandardButton clicked = IUi::getInstance()->showQuestion(
        nullptr, QStringLiteral("Zenub Animate"), QStringLiteral("Save changes?"),
        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes);
    QCOMPARE(int(clicked), result);
    QCOMPARE(answerer.texts(), QStringList(QStringLiteral("Save changes?")));
}

QTEST_MAIN(tst_IUi)
#include "tst_iui.moc"
