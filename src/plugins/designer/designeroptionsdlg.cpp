#include "designeroptionsdlg.h"

#include "backupoptionpage.h"

#include <extensionsystem/pluginmanager.h>
#include <options/ioptionpage.h>
#include <options/ioptionpagefactory.h>

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QReadLocker>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace {

// Other plugins' pages; they are asked after the pool's lock is released, as they may add to it.
QList<IOptionPageFactory*> pageFactories()
{
    QList<IOptionPageFactory*> factories;
    if (!ExtensionSystem::PluginManager::instance())
        return factories;
    QReadLocker locker(ExtensionSystem::PluginManager::listLock());
    for (QObject* object : ExtensionSystem::PluginManager::allObjects())
        if (auto* factory = qobject_cast<IOptionPageFactory*>(object))
            factories.append(factory);
    return factories;
}

} // namespace

DesignerOptionsDlg::DesignerOptionsDlg(QWidget* parent)
    : IOptionsDlg(parent)
{
    setWindowTitle(tr("Preferences"));
    auto* layout = new QVBoxLayout(this);
    auto* body = new QHBoxLayout();
    m_pPageList = new QListWidget(this);
    m_pPageList->setMaximumWidth(180);
    m_pStack = new QStackedWidget(this);
    body->addWidget(m_pPageList);
    body->addWidget(m_pStack, 1);
    layout->addLayout(body, 1);
    m_pButtons = new QDialogButtonBox(
        QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Apply, this);
    layout->addWidget(m_pButtons);
    connect(m_pButtons->button(QDialogButtonBox::Ok), &QPushButton::clicked, this,
            &DesignerOptionsDlg::onOK);
    connect(m_pButtons->button(QDialogButtonBox::Cancel), &QPushButton::clicked, this,
            &DesignerOptionsDlg::onCancel);
    connect(m_pButtons->button(QDialogButtonBox::Apply), &QPushButton::clicked, this,
            &DesignerOptionsDlg::onApply);
    connect(m_pPageList, &QListWidget::currentRowChanged, this, &DesignerOptionsDlg::onPageChanged);
    createPages();
    resize(560, 340);
}

void DesignerOptionsDlg::createPages()
{
    if (!m_pages.isEmpty())
        return;
    auto* backup = new BackupOptionPage(m_pStack);
    m_pages.append(backup);
    m_pStack->addWidget(backup);
    m_pPageList->addItem(tr("Backup"));
    for (IOptionPageFactory* factory : pageFactories()) {
        IOptionPage* page = factory->createPage(m_pStack);
        if (!page)
            continue;
        m_pages.append(page);
        m_pStack->addWidget(page);
        m_pPageList->addItem(factory->displayName());
    }
    for (IOptionPage* page : qAsConst(m_pages))
        connect(page, &IOptionPage::dataChanged, this, &DesignerOptionsDlg::updateButtons);
    setCurrentPage(0);
}

int DesignerOptionsDlg::showDialog()
{
    // Every showing starts from the stored configuration, not from an abandoned edit.
    for (IOptionPage* page : qAsConst(m_pages)) {
        page->discardChanges();
        page->setNeedInitConfig2UI();
        page->initValues();
    }
    updateButtons();
    return exec();
}

void DesignerOptionsDlg::onApply()
{
    for (IOptionPage* page : qAsConst(m_pages))
        if (page->isChanged())
            page->saveChanges();
    updateButtons();
}

void DesignerOptionsDlg::onCancel()
{
    for (IOptionPage* page : qAsConst(m_pages))
        page->discardChanges();
    QDialog::reject();
}

void DesignerOptionsDlg::reject()
{
    onCancel();
}

void DesignerOptionsDlg::onOK()
{
    onApply();
    accept();
}

void DesignerOptionsDlg::onPageChanged(int nPage)
{
    if (nPage < 0 || nPage >= m_pages.size())
        return;
    IOptionPage* page = m_pages.at(nPage);
    if (!page->isValuesInitialized())
        page->initValues();
    m_pStack->setCurrentWidget(page);
}

void DesignerOptionsDlg::updateButtons()
{
    m_pButtons->button(QDialogButtonBox::Apply)->setEnabled(hasChanges());
}

bool DesignerOptionsDlg::hasChanges()
{
    for (IOptionPage* page : qAsConst(m_pages))
        if (page->isChanged())
            return true;
    return false;
}

void DesignerOptionsDlg::setCurrentPage(int nPage)
{
    if (nPage < 0 || nPage >= m_pages.size())
        return;
    m_pPageList->setCurrentRow(nPage);
    onPageChanged(nPage);
}
