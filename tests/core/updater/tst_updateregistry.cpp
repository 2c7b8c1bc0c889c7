#include "httpfixture.h"

#include <ownmethods.h>

#include <modalanswerer.h>

#include <updater/downloader.h>
#include <updater/updateregistry.h>

#include <QJsonDocument>
#include <QJsonObject>
#include <QMetaMethod>
#include <QNetworkProxy>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

class tst_UpdateRegistry : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QNetworkProxy::setApplicationProxy(QNetworkProxy::NoProxy);
        QVERIFY(m_server.listen());
        QVERIFY(m_folder.isValid());
        Downloader::setDownloadFolder(m_folder.path());
        QCOMPARE(UpdateRegistry::getInstance(), UpdateRegistry::getInstance());
    }
    void checkingFinishedCarriesTheUpdatersUrl()
    {
        UpdateRegistry* registry = UpdateRegistry::getInstance();
        const QString direct = feedUrl("/registry/direct.json", QStringLiteral("4.0"),
                                       {{QStringLiteral("changelog"), QStringLiteral("<p>4</p>")}});
        const QString target = feedUrl("/registry/target.json", QStringLiteral("0.1"));
        m_server.redirect("/registry/moved.json", "/registry/target.json");
        const QString moved = m_server.url(QStringLiteral("/registry/moved.json")).toString();

        registry->setNotifyOnUpdate(direct, false);
        QSignalSpy finished(registry, &UpdateRegistry::checkingFinished);
        registry->checkForUpdates(direct, true);
        QVERIFY(finished.wait(15000));
        QCOMPARE(finished.takeFirst().first().toString(), direct);
        QVERIFY(registry->getUpdateAvailable(direct));
        QCOMPARE(registry->getLatestVersion(direct), QStringLiteral("4.0"));
        QCOMPARE(registry->getChangelog(direct), QStringLiteral("<p>4</p>"));

        registry->checkForUpdates(moved, true);
        QVERIFY(finished.wait(15000));
        QCOMPARE(finished.takeFirst().first().toString(), target);
        // The registry still finds that updater under the URL it was registered with.
        QCOMPARE(registry->getLatestVersion(moved), QStringLiteral("0.1"));
        QVERIFY(!registry->getUpdateAvailable(moved));
    }
    void appcastAndDownloadAreRelayed()
    {
        UpdateRegistry* registry = UpdateRegistry::getInstance();
        m_server.serve("/registry/setup.exe", QByteArray(2048, 's'));
        const QString download = m_server.url(QStringLiteral("/registry/setup.exe")).toString();
        const QString url = feedUrl("/registry/full.json", QStringLiteral("9.0"),
                                    {{QStringLiteral("download-url"), download}});

        registry->setUseCustomAppcast(url, true);
        QSignalSpy appcast(registry, &UpdateRegistry::appcastDownloaded);
        QSignalSpy finished(registry, &UpdateRegistry::checkingFinished);
        registry->checkForUpdates(url, false);
        QVERIFY(finished.wait(15000));
        QCOMPARE(appcast.count(), 1);
        QCOMPARE(appcast.first().at(0).toString(), url);
        QVERIFY(appcast.first().at(1).toByteArray().contains("9.0"));

        registry->setUseCustomAppcast(url, false);
        registry->setUseCustomInstallProcedures(url, true);
        QSignalSpy downloaded(registry, &UpdateRegistry::downloadFinished);
        ModalAnswerer answerer;
        answerer.finish(QDialog::Accepted);
        registry->checkForUpdates(url, false);
        QTRY_COMPARE_WITH_TIMEOUT(downloaded.count(), 1, 15000);
        QCOMPARE(downloaded.first().at(0).toString(), url);
        QCOMPARE(downloaded.first().at(1).toString(), QDir(m_folder.path()).filePath("setup.exe"));
        QCOMPARE(answerer.answered(), 1);
    }

private:
    QString feedUrl(const QByteArray& path, const QString& version,
                    const QJsonObject& extra = QJsonObject())
    {
        QJsonObject entry = extra;
        entry.insert(QStringLiteral("latest-version"), version);
        const QJsonObject updates{{QStringLiteral("windows"), entry}};
        m_server.serve(path,
                       QJsonDocument(QJsonObject{{QStringLiteral("updates"), updates}}).toJson(),
                       200, "application/json");
        return m_server.url(QString::fromLatin1(path)).toString();
    }

    HttpFixture m_server;
    QTemporaryDir m_folder;
};

int main(int argc, char** argv)
{
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Zenub"));
    QCoreApplication::setApplicationVersion(QStringLiteral("1.0.0"));
    tst_UpdateRegistry test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_updateregistry.moc"
