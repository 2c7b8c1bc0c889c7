// SPDX-License-Identifier: MIT
#include <germancatalogue.h>
#include <runscript.h>
#include <testenvironment.h>

#include "model/io/zenub/zenubprojectfile.h"
#include "model/project/zenubproject.h"

#include <actions/actioncontainer.h>
#include <actions/actionmanager.h>
#include <actions/contextaction.h>
#include <appearance/ilanguagemanager.h>
#include <appearance/ithemesmanager.h>
#include <documents/documentmanager.h>
#include <extensionsystem/pluginmanager.h>
#include <mainwindow/frame/imainmenuwidget.h>
#include <mainwindow/imainmdiarea.h>
#include <mainwindow/mainwindow.h>
#include <plugin/icore.h>
#include <updater/updatecheck.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QListWidget>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QSpinBox>
#include <QToolBar>
#include <QToolButton>
#include <QWebEngineView>
#include <QtTest>

using ExtensionSystem::PluginManager;

namespace {

QAction* command(const char* id)
{
    ContextAction* found = ActionManager::getAction(QLatin1String(id));
    return found ? found->getAction() : nullptr;
}

// Runs \a steps once the modal dialog that \a trigger opens is up.
void whileModal(QAction* trigger, const std::function<void(QDialog*)>& steps)
{
    QTimer::singleShot(0, [steps] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        steps(dialog);
        if (dialog->isVisible())
            dialog->reject();
    });
    trigger->trigger();
}

double luminance(QRgb colour)
{
    const auto channel = [](int value) {
        const double c = value / 255.0;
        return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(qRed(colour)) + 0.7152 * channel(qGreen(colour)) +
           0.0722 * channel(qBlue(colour));
}

double contrast(QRgb a, QRgb b)
{
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The strongest contrast in \a area against its most common colour, its surface.
double readability(const QImage& picture, const QRect& area)
{
    QHash<QRgb, int> counts;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            ++counts[picture.pixel(x, y) | 0xff000000];
    QRgb surface = 0;
    int most = -1;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        if (it.value() > most)
            most = it.value(), surface = it.key();
    double best = 1;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        best = std::max(best, contrast(surface, it.key()));
    return best;
}

bool showsSomething(const QWidget* widget)
{
    // Pictures (the product mark) carry their own colours; words must read.
    if (const auto* label = qobject_cast<const QLabel*>(widget))
        return !label->text().trimmed().isEmpty();
    if (const auto* button = qobject_cast<const QAbstractButton*>(widget))
        return !button->text().isEmpty() || !button->icon().isNull();
    return false;
}

// Every enabled word or glyph of \a window that does not stand out from its surface (WCAG's
// 3:1 for large text and graphics), as "class name text ratio".
QStringList unreadable(QWidget* window)
{
    const QImage picture = window->grab().toImage().convertToFormat(QImage::Format_RGB32);
    QStringList faults;
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        if (!widget->isVisible() || !widget->isEnabled() || !showsSomething(widget))
            continue;
        const QRect area =
            QRect(widget->mapTo(window, QPoint(0, 0)), widget->size()).intersected(picture.rect());
        if (area.width() < 4 || area.height() < 4)
            continue;
        const double ratio = readability(picture, area);
        if (ratio < 3.0) {
            const auto* label = qobject_cast<QLabel*>(widget);
            const auto* button = qobject_cast<QAbstractButton*>(widget);
            faults << QStringLiteral("%1 %2 \"%3\" %4")
                          .arg(widget->metaObject()->className(), widget->objectName(),
                               label    ? label->text()
                               : button ? button->text()
                                        : QString())
                          .arg(ratio, 0, 'f', 2);
        }
    }
    return faults;
}

} // namespace

class tst_FirstHour : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void themesCoverEveryWidgetBothWays();
    void germanShowsEveryCommandWhole();
    void frameWorksWithoutWindowManager();
    void dialogGivesTheKeyboardBackWithoutWindowManager();
    void failedOpeningIsSaid();
    void breakpointsGiveStageAndPreviewSizes();
    void fileDialogsStartNearTheWork();

private:
    QString openProject(const QString& name);
    void chooseTheme(const QString& themeId);

    std::unique_ptr<TestEnvironment> m_environment;
    // The first hour is walked in German, the language with the longest words shipped.
    GermanCatalogue m_german;
    QTemporaryDir m_folder;
    MainWindow* m_window = nullptr;
    QRect m_normalGeometry;
};

void tst_FirstHour::initTestCase()
{
    m_environment = std::make_unique<TestEnvironment>();
    m_environment->userSettings()->setValue(UpdateCheck::checkAtStartKey(), false);
    m_environment->userSettings()->setValue(QStringLiteral("Zenub/Language"), "de_DE");
    QVERIFY(m_german.isLoaded());
    const QString built = qEnvironmentVariable("ZENUB_BUILD_DIR");
    PluginManager::setPluginPaths({qEnvironmentVariable("ZENUB_BUILD_DIR") + "/lib/zenub/plugins"});
    QVERIFY2(PluginManager::loadPlugins(), qPrintable(PluginManager::errors().join('\n')));
    QVERIFY(IThemesManager::getInstance().initialize(built + "/bin/resources/styles/"));
    QVERIFY(ILanguageManager::getInstance().initialize(built + "/bin/translations"));
    m_window = ICore::getMainWindow();
    QVERIFY(m_window);
    // The first size a user gets on this screen, before the first start maximises it.
    m_normalGeometry = m_window->normalGeometry();
    m_window->showNormal();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
    QApplication::setActiveWindow(m_window);
}

void tst_FirstHour::cleanupTestCase()
{
    PluginManager::shutdown();
}

QString tst_FirstHour::openProject(const QString& name)
{
    ZenubProject project = ZenubProject::createNew(name, 400, 300, 12);
    ZenubShape square(ZenubShape::Type::Rectangle, QStringLiteral("Square"));
    square.setKeyframe(ZenubKeyframe(0, 150, 100, 100, 100));
    project.scenes()[0].layers()[0].addShape(square);
    const QString path = m_folder.filePath(name + QLatin1String(".zenub"));
    if (!ZenubProjectFile(path).save(project) || !m_window->loadFile(path))
        return QString();
    QApplication::processEvents();
    return path;
}

void tst_FirstHour::chooseTheme(const QString& themeId)
{
    whileModal(command("Edit.Preferences"), [&](QDialog* dialog) {
        auto* themes = dialog->findChild<QComboBox*>(QStringLiteral("themeBox"));
        QVERIFY(themes);
        themes->setCurrentIndex(themes->findData(themeId));
        auto* buttons = dialog->findChild<QDialogButtonBox*>(QString(), Qt::FindDirectChildrenOnly);
        QTest::mouseClick(buttons->button(QDialogButtonBox::Ok), Qt::LeftButton);
    });
    QCOMPARE(IThemesManager::getInstance().getCurrentThemeId(), themeId);
}

void tst_FirstHour::themesCoverEveryWidgetBothWays()
{
    // The welcome page first, then an editor with its panels and time line over it.
    auto* welcome = m_window->findChild<QWebEngineView*>(QStringLiteral("welcomeView"));
    QVERIFY(welcome);
    QTRY_VERIFY_WITH_TIMEOUT(
        runScript(welcome->page(), "document.readyState").toString() == "complete", 20000);
    const auto welcomeIsLight = [welcome] {
        return runScript(welcome->page(), "document.documentElement.classList.contains('light')")
            .toBool();
    };
    QVERIFY(!openProject(QStringLiteral("Themes")).isEmpty());

    QStringList faults = unreadable(m_window);
    QVERIFY2(faults.isEmpty(), qPrintable("Dark: " + faults.join('\n')));
    for (const QString& theme : {QStringLiteral("Light"), QStringLiteral("Dark")}) {
        chooseTheme(theme);
        QApplication::processEvents();
        faults = unreadable(m_window);
        QVERIFY2(faults.isEmpty(), qPrintable(theme + ": " + faults.join('\n')));
        QTRY_COMPARE(welcomeIsLight(), theme == QLatin1String("Light"));
    }
}

void tst_FirstHour::germanShowsEveryCommandWhole()
{
    QVERIFY(!openProject(QStringLiteral("Deutsch")).isEmpty());
    QWidget* editor = m_window->getMdiArea()->activeSubWindow();
    QStringList cut;
    // Panels wrap their commands; the wide bars show all of theirs at the first window size.
    for (QWidget* bar : editor->findChildren<QWidget*>()) {
        if (qstrcmp(bar->metaObject()->className(), "PanelToolBar") != 0)
            continue;
        for (QToolButton* button : bar->findChildren<QToolButton*>()) {
            const QAction* action = button->defaultAction();
            if (action->isVisible() &&
                (!button->isVisible() || !bar->rect().contains(button->geometry()) ||
                 button->width() < button->sizeHint().width()))
                cut << action->text();
        }
    }
    for (QToolBar* bar : m_window->findChildren<QToolBar*>())
        if (auto* more = bar->findChild<QWidget*>(QStringLiteral("qt_toolbar_ext_button")))
            if (more->isVisible())
                cut << bar->objectName() + " »";
    QVERIFY2(cut.isEmpty(), qPrintable(cut.join(", ")));

    whileModal(command("Edit.Preferences"), [](QDialog* dialog) {
        auto* pages = dialog->findChild<QListWidget*>(QStringLiteral("pageList"));
        QVERIFY(pages->sizeHintForColumn(0) <= pages->viewport()->width());
        auto* languages = dialog->findChild<QComboBox*>(QStringLiteral("languageBox"));
        QVERIFY(languages->findText(QStringLiteral("Deutsch (Deutschland)")) >= 0);
    });
}

// The tests run under Xvfb without a window manager: the frame is the application's own.
void tst_FirstHour::frameWorksWithoutWindowManager()
{
    // The first start asked for a maximised window; it must fill the screen's free area.
    const QRect screen = m_window->screen()->availableGeometry();
    auto* maximize = m_window->findChild<QPushButton*>(QStringLiteral("maximizeButton"));
    QVERIFY(maximize);
    QTest::mouseClick(maximize, Qt::LeftButton);
    QTRY_COMPARE(m_window->geometry(), screen);
    QVERIFY(m_window->isMaximized());
    QCOMPARE(maximize->toolTip(), IMainMenuWidget::tr("Restore Down"));
    QTest::mouseClick(maximize, Qt::LeftButton);
    QTRY_COMPARE(m_window->geometry(), m_normalGeometry);
    QVERIFY(!m_window->isMaximized());

    // Where the user leaves the window is where the next start puts it.
    const QRect moved = m_normalGeometry.translated(-40, -30);
    m_window->setGeometry(moved);
    QTRY_COMPARE(m_window->geometry(), moved);
    QTest::mouseClick(maximize, Qt::LeftButton);
    QTRY_VERIFY(m_window->isMaximized());
    ICore::getInstance()->saveSettings();
    QTest::mouseClick(maximize, Qt::LeftButton);
    QTRY_COMPARE(m_window->geometry(), moved);
    m_window->setGeometry(moved.translated(100, 100));
    QTRY_COMPARE(m_window->geometry().topLeft(), moved.topLeft() + QPoint(100, 100));
    QVERIFY(m_window->restoreGeometry(
        m_environment->userSettings()->value(QStringLiteral("MainWindow/Geometry")).toByteArray()));
    QTRY_COMPARE(m_window->geometry(), screen);
    QTest::mouseClick(maximize, Qt::LeftButton);
    QTRY_COMPARE(m_window->geometry(), moved);
}

void tst_FirstHour::dialogGivesTheKeyboardBackWithoutWindowManager()
{
    QVERIFY(!openProject(QStringLiteral("Focus")).isEmpty());
    QWidget* stage = m_window->getMdiArea()->activeSubWindow()->findChild<QWidget*>("stage");
    stage->setFocus();
    QTRY_VERIFY(command("File.Export_To_HTML5")->isEnabled());
    // Insert > Image..., then Cancel.
    QTimer::singleShot(0, [] {
        QFileDialog* dialog = nullptr;
        QTRY_VERIFY((dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget())));
        QTRY_COMPARE(QApplication::activeWindow(), dialog);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    });
    command("Insert.Image")->trigger();
    for (const char* id : {"File.Close", "File.Preview_Project_In_Browser", "File.Export_To_HTML5",
                           "File.Export_To_Video", "File.Export_To_Lottie"})
        QTRY_VERIFY2(command(id)->isEnabled(), id);
    QTRY_COMPARE(QApplication::focusWidget(), stage);
}

void tst_FirstHour::failedOpeningIsSaid()
{
    // A browser the desktop cannot find: no program shows the preview.
    // A desktop whose opener finds no viewer: it fails as xdg-open does, with code 3.
    QTemporaryDir bin;
    QFile opener(bin.filePath(QStringLiteral("xdg-open")));
    QVERIFY(opener.open(QIODevice::WriteOnly));
    opener.write("#!/bin/sh\nexit 3\n");
    opener.close();
    opener.setPermissions(opener.permissions() | QFile::ExeOwner);
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", bin.path().toLocal8Bit() + ':' + path);

    QVERIFY(!openProject(QStringLiteral("Preview")).isEmpty());
    QWidget* stage = m_window->getMdiArea()->activeSubWindow()->findChild<QWidget*>("stage");
    stage->setFocus();
    QApplication::clipboard()->clear();
    QString text;
    // The message comes when the opener has answered, so it is watched for, not waited on.
    QTimer watch;
    bool bFolderOffered = false;
    connect(&watch, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || box->objectName() != QLatin1String("openFailure"))
            return;
        watch.stop();
        text = box->text();
        bFolderOffered = box->findChild<QPushButton*>(QStringLiteral("showInFolderButton"));
        box->findChild<QPushButton*>(QStringLiteral("copyAddressButton"))->click();
    });
    watch.start(50);
    // Preview in Browser (F5), pressed on the stage.
    QTest::keyClick(stage, Qt::Key_F5);
    QTRY_VERIFY_WITH_TIMEOUT(QApplication::clipboard()->text().endsWith("index.html"), 15000);
    QVERIFY(QFileInfo::exists(QApplication::clipboard()->text()));
    QVERIFY(bFolderOffered);
    QVERIFY2(text.contains(QCoreApplication::translate("DesignerEditor", "the preview")),
             qPrintable(text));
    qputenv("PATH", path);
}

void tst_FirstHour::breakpointsGiveStageAndPreviewSizes()
{
    // Preferences > Breakpoints: 375 and 768 wide are checked, and 667 high.
    DocumentManager::setHBreakpoints({{375, true}, {768, true}, {1024, false}});
    DocumentManager::setVBreakpoints({{667, true}, {930, false}});
    whileModal(command("File.New"), [](QDialog* dialog) {
        auto* preset = dialog->findChild<QComboBox*>(QStringLiteral("sizePreset"));
        QVERIFY(preset);
        QCOMPARE(preset->count(), 3);
        preset->setCurrentIndex(2);
        emit preset->activated(2);
        QCOMPARE(dialog->findChild<QSpinBox*>(QStringLiteral("widthSpin"))->value(), 768);
        QCOMPARE(dialog->findChild<QSpinBox*>(QStringLiteral("heightSpin"))->value(), 667);
    });

    QVERIFY(!openProject(QStringLiteral("Sizes")).isEmpty());
    QMenu* sizes = ActionManager::getActionContainer(QStringLiteral("MenuBar.File.Preview_At_Size"))
                       ->getMenu();
    QVERIFY(sizes->menuAction()->isEnabled());
    emit sizes->aboutToShow();
    QStringList entries;
    for (QAction* action : sizes->actions())
        entries << action->text();
    QCOMPARE(entries, QStringList({"375 × 667", "768 × 667"}));
}

void tst_FirstHour::fileDialogsStartNearTheWork()
{
    const QString project = openProject(QStringLiteral("Folders"));
    QString started;
    QTimer::singleShot(0, [&started] {
        QFileDialog* dialog = nullptr;
        QTRY_VERIFY((dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget())));
        started = dialog->directory().absolutePath();
        dialog->close();
    });
    command("Insert.Image")->trigger();
    QTRY_COMPARE(started, QFileInfo(project).absolutePath());
}

QTEST_MAIN(tst_FirstHour)
#include "tst_firsthour.moc"
