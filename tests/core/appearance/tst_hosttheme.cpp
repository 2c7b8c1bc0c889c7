// SPDX-License-Identifier: MIT
#include <QDir>
#include <QImage>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// Average lightness of a picture, 0 (black) to 255 (white).
double meanLightness(const QImage& image)
{
    double sum = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            sum += QColor(image.pixel(x, y)).lightness();
    return sum / (image.width() * image.height());
}

} // namespace

/*
    The application itself applies the stored theme once its plugins are loaded: a picture of
    the running window follows the choice in the user settings.
*/
class tst_HostTheme : public QObject
{
    Q_OBJECT
private slots:
    void storedThemeDressesTheWindow()
    {
        QString darkStored;
        QString lightStored;
        const QImage dark = screenshot(QStringLiteral("Dark"), &darkStored);
        const QImage light = screenshot(QStringLiteral("Light"), &lightStored);
        QVERIFY2(!dark.isNull() && !light.isNull(), "the application did not leave a picture");
        QCOMPARE(darkStored, QStringLiteral("Dark"));
        QCOMPARE(lightStored, QStringLiteral("Light"));
        QVERIFY2(meanLightness(light) > meanLightness(dark) + 60,
                 qPrintable(QStringLiteral("light %1, dark %2")
                                .arg(meanLightness(light))
                                .arg(meanLightness(dark))));
    }

private:
    QImage screenshot(const QString& theme, QString* storedAfter);
};

QImage tst_HostTheme::screenshot(const QString& theme, QString* storedAfter)
{
    const QString application =
        qEnvironmentVariable("ZENUB_BUILD_DIR") + QStringLiteral("/bin/zenub-animate");
    if (!QFileInfo::exists(application))
        return QImage();
    QTemporaryDir folder;
    const QString ini = folder.filePath(QStringLiteral("Zenub/ZenubAnimate.ini"));
    {
        QSettings settings(ini, QSettings::IniFormat);
        settings.setValue(QStringLiteral("Zenub/Theme"), theme);
    }
    const QString picture = folder.filePath(QStringLiteral("shot.png"));
    QProcess process;
    process.start(application, {QStringLiteral("-settingspath"), folder.path(),
                                QStringLiteral("--screenshot"), picture});
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        return QImage();
    *storedAfter =
        QSettings(ini, QSettings::IniFormat).value(QStringLiteral("Zenub/Theme")).toString();
    return QImage(picture);
}

QTEST_MAIN(tst_HostTheme)
#include "tst_hosttheme.moc"
