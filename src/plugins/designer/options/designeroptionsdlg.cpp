// SPDX-License-Identifier: MIT
#include "designeroptionsdlg.h"

#include "backupoptionpage.h"
#include "pasteoptionpage.h"

#include <extensionsystem/pluginmanager.h>
#include <options/appearanceoptionpage.h>
#include <options/breakpointsoptionpage.h>
#include <options/ioptionpage.h>
#include <options/ioptionpagefactory.h>
#include <options/keyboardoptionpage.h>
#include <plugin/iui.h>

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QReadLocker>
#include <QStackedWidget>
#include <QStyle>
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
    m_pPageList->setObjectName(QStringLiteral("pageList"));
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
    resize(720, 480);
}

void DesignerOptionsDlg::createPages()
{
    if (!m_pages.isEmpty())
        return;
    const auto addPage = [this](IOptionPage* page, const QString& title, const char* name) {
        if (page->objectName().isEmpty())
            page->setObjectName(QLatin1String(name));
        m_pages.append(page);
        m_pStack->addWidget(page);
        m_pPageList->addItem(title);
    };
    addPage(new BackupOptionPage(m_pStack), tr("Backup"), "backupPage");
    addPage(new KeyboardOptionPage(m_pStack), tr("Keyboard"), "keyboardPage");
    addPage(new AppearanceOptionPage(m_pStack), tr("Appearance"), "appearancePage");
    addPage(new BreakpointsOptionPage(m_pStack), tr("Breakpoints"), "breakpointsPage");
    addPage(new PasteOptionPage(m_pStack), tr("Pasting"), "pastePage");
    // Pages other plugins offer come after the application's own.
    for (IOptionPageFactory* factory : pageFactories()) {
        if (IOptionPage* page = factory->createPage(m_pStack))
            addPage(page, factory->displayName(), "pluginPage");
    }
    for (IOptionPage* page : qAsConst(m_pages))
        connect(page, &IOptionPage::dataChanged, this, &DesignerOptionsDlg::updateButtons);
    // As wide as the longest page name in the language shown, no wider.
    m_pPageList->ensurePolished();
    m_pPageList->setFixedWidth(m_pPageList->sizeHintForColumn(0) + 2 * m_pPageList->frameWidth() +
                               m_pPageList->style()->pixelMetric(QStyle::PM_ScrollBarExtent));
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

bool DesignerOptionsDlg::canApply()
{
    // Two commands on one shortcut would leave both unreachable by keyboard. Only the user's
    // own edits are held back; a clash among the defaults is not the user's to fix here.
    for (int i = 0; i < m_pages.size(); ++i) {
        auto* keyboard = qobject_cast<KeyboardOptionPage*>(m_pages.at(i));
        const QString conflict =
            keyboard && keyboard->isChanged() ? keyboard->conflictText() : QString();
        if (!conflict.isEmpty()) {
            setCurrentPage(i);
            IUi::getInstance()->showWarning(this, windowTitle(), conflict, QMessageBox::Ok,
                                            QMessageBox::Ok);
            return false;
        }
    }
    return true;
}

void DesignerOptionsDlg::onApply()
{
    if (!canApply())
        return;
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
    if (!canApply())
        return;
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
