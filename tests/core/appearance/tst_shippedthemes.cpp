// SPDX-License-Identifier: MIT
#include "themegallery.h"

#include <testenvironment.h>

#include <appearance/ithemesmanager.h>
#include <plugin/dpi.h>

#include <QApplication>
#include <QMainWindow>
#include <QRegularExpression>
#include <QtTest>

namespace {

QStringList styleWarnings;

// Only what the sheets cause counts; platform plugins add notes of their own.
void collectStyleWarnings(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    static const QRegularExpression aboutSheets(
        QStringLiteral("style ?sheet|property|could not|cannot open|qcss"),
        QRegularExpression::CaseInsensitiveOption);
    if (type != QtDebugMsg && aboutSheets.match(message).hasMatch())
        styleWarnings << message;
}

QStringList themeIdsOf(const IThemesManager& manager)
{
    QStringList ids;
    for (const ThemesInfo* info : manager.getThemes())
        ids << info->themeId;
    return ids;
}

int lightness(const QImage& image, const QPoint& point)
{
    return QColor(image.pixel(point)).lightness();
}

} // namespace

class tst_ShippedThemes : public QObject
{
    Q_OBJECT
private slots:
    void sheetsDressTheGallery_data()
    {
        QTest::addColumn<QString>("theme");
        QTest::addColumn<bool>("dark");

        QTest::newRow("Dark") << "Dark" << true;
        QTest::newRow("Light") << "Light" << false;
    }
    void sheetsDressTheGallery()
    {
        QFETCH(QString, theme);
        QFETCH(bool, dark);

        TestEnvironment environment;
        environment.userSettings()->setValue(QStringLiteral("Zenub/Theme"), theme);
        IThemesManager& manager = IThemesManager::getInstance();
        QVERIFY(manager.initialize(QStringLiteral(ZENUB_STYLES_DIR "/")));
        QCOMPARE(manager.getCurrentThemeId(), theme);
        QCOMPARE(themeIdsOf(manager), QStringList({"Dark", "Light"}));

        // Qt reports a sheet it cannot parse only when widgets are polished with it.
        styleWarnings.clear();
        const QtMessageHandler previous = qInstallMessageHandler(collectStyleWarnings);
        QImage picture;
        {
            ThemeGallery gallery;
            picture = gallery.render();
            QMainWindow* window = gallery.mainWindow();
            const QPoint background = window->centralWidget()->mapTo(window, QPoint(4, 60));
            const QImage shot = window->grab().toImage();
            if (dark)
                QVERIFY(lightness(shot, background) < 80);
            else
                QVERIFY(lightness(shot, background) > 180);
        }
        qInstallMessageHandler(previous);
        QVERIFY2(styleWarnings.isEmpty(), qPrintable(styleWarnings.join(QLatin1Char('\n'))));
        QVERIFY(!picture.isNull());
        // The light sheet's check marks come from the plugin's resources.
        QVERIFY(!QPixmap(QStringLiteral(":/core/styles/check_light.svg")).isNull());
    }
};

QTEST_MAIN(tst_ShippedThemes)
#include "tst_shippedthemes.moc"
