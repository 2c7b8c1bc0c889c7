// SPDX-License-Identifier: MIT
#include "testenvironment.h"

#include <options/designeroptionsdlg.h>
#include <extensionsystem/pluginmanager.h>
#include <options/ioptionpage.h>
#include <options/ioptionpagefactory.h>

#include <QListWidget>
#include <QtTest>

namespace {

class PageFactory : public IOptionPageFactory
{
public:
    explicit PageFactory(bool makesPage)
        : m_bMakesPage(makesPage)
    {}
    QString displayName() const override { return QStringLiteral("Extra"); }
    IOptionPage* createPage(QWidget* parent) override
    {
        return m_bMakesPage ? new IOptionPage(parent) : nullptr;
    }

private:
    bool m_bMakesPage;
};

} // namespace

/*! Another plugin's preferences page, offered through the object pool, as the example does. */
class tst_OptionPageFactories : public QObject
{
    Q_OBJECT
private slots:
    void pagesOfOtherPluginsJoinThePreferences();
};

void tst_OptionPageFactories::pagesOfOtherPluginsJoinThePreferences()
{
    TestEnvironment environment;
    PageFactory extra(true);
    PageFactory nothing(false);
    ExtensionSystem::PluginManager::addObject(&extra);
    ExtensionSystem::PluginManager::addObject(&nothing);
    DesignerOptionsDlg dialog;
    ExtensionSystem::PluginManager::removeObject(&extra);
    ExtensionSystem::PluginManager::removeObject(&nothing);

    // The application's own pages stay first; a factory without a page adds no empty entry.
    const auto* list = dialog.findChild<QListWidget*>();
    QVERIFY(list);
    const int last = dialog.getPages().size() - 1;
    QCOMPARE(list->count(), last + 1);
    QCOMPARE(list->item(0)->text(), QStringLiteral("Backup"));
    QCOMPARE(list->item(last)->text(), QStringLiteral("Extra"));
    QVERIFY(list->item(last - 1)->text() != QStringLiteral("Extra"));
    // The dialog follows the page's edits like its own.
    IOptionPage* page = dialog.getPages().at(last);
    QVERIFY(!dialog.hasChanges());
    page->setChanged(true);
    emit page->dataChanged();
    QVERIFY(dialog.hasChanges());
}

QTEST_MAIN(tst_OptionPageFactories)
#include "tst_optionpagefactories.moc"
