// SPDX-License-Identifier: MIT
#include "runscript.h"

#include <model/html5/zenubhtmlexporter.h>
#include <model/project/zenubproject.h>

#include <QTemporaryDir>
#include <QWebEnginePage>
#include <QWebEngineView>
#include <QtTest>

#include <memory>

namespace {

ZenubKeyframe at(int frame, double x, double y, double size)
{
    return ZenubKeyframe(frame, x, y, size, size);
}

// A 200 x 100 black stage. Scene 1 (20 frames): a red 50-pixel square at y 25 moving from
// x 0 at frame 0 to x 100 at frame 10, under a hidden blue layer that covers everything.
// Scene 2 (10 frames): a green ellipse filling the stage.
ZenubProject playerProject()
{
    ZenubProject project = ZenubProject::createNew(QStringLiteral("Player"), 200, 100, 24);
    project.setBackgroundColor(Qt::black);
    ZenubScene& first = project.scenes()[0];
    first.setDuration(20);
    ZenubShape square(ZenubShape::Type::Rectangle, QStringLiteral("Square"));
    square.setFillColor(Qt::red);
    square.setKeyframe(at(0, 0, 25, 50));
    square.setKeyframe(at(10, 100, 25, 50));
    first.layers()[0].addShape(square);
    ZenubLayer cover(QStringLiteral("Cover"));
    cover.setVisible(false);
    ZenubShape blue(ZenubShape::Type::Rectangle, QStringLiteral("Blue"));
    blue.setFillColor(Qt::blue);
    blue.setKeyframe(ZenubKeyframe(0, 0, 0, 200, 100));
    cover.addShape(blue);
    first.addLayer(cover);

    ZenubScene second(QStringLiteral("Second"), 10);
    ZenubLayer layer(QStringLiteral("Layer"));
    ZenubShape ellipse(ZenubShape::Type::Ellipse, QStringLiteral("Ellipse"));
    ellipse.setFillColor(Qt::green);
    ellipse.setKeyframe(ZenubKeyframe(0, 0, 0, 200, 100));
    layer.addShape(ellipse);
    second.addLayer(layer);
    project.addScene(second);
    return project;
}

} // namespace

class tst_Html5Player : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        QString error;
        QVERIFY2(ZenubHtmlExporter::exportHtml5(playerProject(), m_dir.path(), &error),
                 qPrintable(error));
        m_view = std::make_unique<QWebEngineView>();
        m_view->resize(400, 300);
        m_view->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_view.get()));
    }
    void drawsFrames_data()
    {
        QTest::addColumn<int>("frame");
        QTest::addColumn<QPoint>("point");
        QTest::addColumn<QColor>("color");
        QTest::newRow("start, on square") << 0 << QPoint(25, 50) << QColor(Qt::red);
        QTest::newRow("halfway, square moved") << 5 << QPoint(75, 50) << QColor(Qt::red);
        QTest::newRow("held after last key") << 19 << QPoint(125, 50) << QColor(Qt::red);
        QTest::newRow("second scene centre") << 25 << QPoint(100, 50) << QColor(Qt::green);
    }
    void drawsFrames()
    {
        QFETCH(int, frame);
        QFETCH(QPoint, point);
        QFETCH(QColor, color);
        QVERIFY(load());
        evaluate(QStringLiteral("window.zenubPlayer.seek(%1)").arg(frame));
        QCOMPARE(evaluate(QStringLiteral("window.zenubPlayer.isPlaying()")).toBool(), false);
        QCOMPARE(pixel(point.x(), point.y()), color);
    }

    void bannerOptions_data()
    {
        QTest::addColumn<int>("plays");
        QTest::addColumn<bool>("stopOnLast");
        QTest::addColumn<int>("stopFrame");
        QTest::newRow("once, stops on the last frame") << 1 << true << 29;
        QTest::newRow("twice, back to the first") << 2 << false << 0;
    }
    void bannerOptions()
    {
        QFETCH(int, plays);
        QFETCH(bool, stopOnLast);
        QFETCH(int, stopFrame);
        BannerOptions banner;
        banner.plays = plays;
        banner.bStopOnLastFrame = stopOnLast;
        banner.clickUrl = QStringLiteral("https://example.com/landing?a=1&b=</script>");
        banner.fallbackFrame = 25;
        const QString folder = m_dir.filePath(QString::number(plays));
        QString error;
        qint64 bytes = 0;
        QVERIFY2(ZenubHtmlExporter::exportHtml5(playerProject(), folder, &error, banner, &bytes),
                 qPrintable(error));
        const QFileInfo fallback(QDir(folder).filePath(BannerOptions::fallbackFileName()));
        QCOMPARE(bytes, QFileInfo(QDir(folder).filePath("index.html")).size() + fallback.size());
        // Frame 25 is the second scene's green ellipse.
        QCOMPARE(QImage(fallback.filePath()).pixelColor(100, 50), QColor(Qt::green));

        QVERIFY(load(QString(), folder));
        QCOMPARE(evaluate("document.querySelector('#stage img').getAttribute('src')").toString(),
                 BannerOptions::fallbackFileName());
        QTRY_VERIFY_WITH_TIMEOUT(evaluate("window.zenubPlayer.isFinished()").toBool(), 10000);
        QCOMPARE(evaluate("window.zenubPlayer.currentFrame()").toInt(), stopFrame);
        QCOMPARE(pixel(100, 50), stopOnLast ? QColor(Qt::green) : QColor(Qt::black));
        // The click goes to the link in a new window.
        evaluate("window.open = function (url, target) { window.opened = [url, target]; };"
                 "document.getElementById('stage').click(); 0");
        QCOMPARE(evaluate("window.opened").toStringList(),
                 (QStringList{banner.clickUrl, "_blank"}));
        QCOMPARE(evaluate("window.clickTag").toString(), banner.clickUrl);
    }

private:
    // Loads the exported page, optionally with a fragment, and waits for the player.
    bool load(const QString& fragment = QString(), const QString& folder = QString());
    QVariant evaluate(const QString& script);
    QColor pixel(int x, int y);

    QTemporaryDir m_dir;
    std::unique_ptr<QWebEngineView> m_view;
};

bool tst_Html5Player::load(const QString& fragment, const QString& folder)
{
    QUrl url = QUrl::fromLocalFile(QDir(folder.isEmpty() ? m_dir.path() : folder)
                                       .filePath(ZenubHtmlExporter::indexFileName()));
    url.setFragment(fragment);
    QSignalSpy loaded(m_view.get(), &QWebEngineView::loadFinished);
    // A new fragment alone would only scroll the open page; start from a blank one.
    m_view->load(QUrl(QStringLiteral("about:blank")));
    if (!loaded.wait(20000))
        return false;
    loaded.clear();
    m_view->load(url);
    if (!loaded.wait(20000) || !loaded.constFirst().constFirst().toBool())
        return false;
    return evaluate(QStringLiteral("typeof window.zenubPlayer")).toString() ==
               QLatin1String("object") &&
           QTest::qWaitFor([this] { return evaluate("window.zenubPlayer.isReady()").toBool(); });
}

QVariant tst_Html5Player::evaluate(const QString& script)
{
    return runScript(m_view->page(), script);
}

QColor tst_Html5Player::pixel(int x, int y)
{
    const QVariantList rgba =
        evaluate(QStringLiteral("Array.prototype.slice.call(document.getElementById('stage')"
                                ".getContext('2d').getImageData(%1, %2, 1, 1).data)")
                     .arg(x)
                     .arg(y))
            .toList();
    if (rgba.size() != 4)
        return QColor();
    return QColor(rgba.at(0).toInt(), rgba.at(1).toInt(), rgba.at(2).toInt(), rgba.at(3).toInt());
}

QTEST_MAIN(tst_Html5Player)
#include "tst_html5player.moc"
