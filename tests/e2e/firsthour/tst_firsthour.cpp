// SPDX-License-Identifier: MIT
#include <germancatalogue.h>
#include <runscript.h>
#include <testenvironment.h>

#include "model/io/zenub/zenubprojectfile.h"
#include "model/project/zenubproject.h"

#include <actions/actionmanager.h>
#include <actions/contextaction.h>
#include <appearance/ilanguagemanager.h>
#include <appearance/ithemesmanager.h>
#include <extensionsystem/pluginmanager.h>
#include <mainwindow/imainmdiarea.h>
#include <mainwindow/mainwindow.h>
#include <plugin/icore.h>
#include <updater/updatecheck.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QSettings>
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

private:
    QString openProject(const QString& name);
    void chooseTheme(const QString& themeId);

    std::unique_ptr<TestEnvironment> m_environment;
    // The first hour is walked in German, the language with the longest words shipped.
    GermanCatalogue m_german;
    QTemporaryDir m_folder;
    MainWindow* m_window = nullptr;
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
    // The first size a user gets on this screen.
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

QTEST_MAIN(tst_FirstHour)
#include "tst_firsthour.moc"
