// SPDX-License-Identifier: MIT
#include "helpmenu.h"

#include "aboutdialog.h"
#include "appearance/ilanguagemanager.h"
#include "mainwindow/mainwindow.h"
#include "plugin/externalopener.h"
#include "plugin/icore.h"
#include "plugin/iui.h"
#include "reportdialog.h"
#include "updater/updatecheck.h"
#include "warninglog.h"

#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QUrl>

namespace {
// Late enough not to compete with the start itself for the network and the processor.
const int kAutomaticCheckDelayMs = 30000;
} // namespace

HelpMenu::HelpMenu(MainWindow* window)
    : QObject(window)
    , m_pWindow(window)
    , m_pUpdateCheck(new UpdateCheck(window))
{
    WarningLog::install();
    m_pUpdateCheck->scheduleAutomaticCheck(kAutomaticCheckDelayMs);
}

void HelpMenu::showHelpContents()
{
    const QDir folder(ICore::resourcePath());
    const QString lang = ILanguageManager::getInstance().getCurrentLangNoCountry();
    QString candidate = folder.absoluteFilePath(QStringLiteral("zenub_help_%1.pdf").arg(lang));
    if (!QFileInfo::exists(candidate))
        candidate = folder.absoluteFilePath(QStringLiteral("zenub_help_en.pdf"));

    // The texts keep MainWindow's translation context, where the catalogue files them.
    if (QFileInfo::exists(candidate)) {
        ExternalOpener::open(QUrl::fromLocalFile(candidate), MainWindow::tr("the user guide"),
                             m_pWindow);
        return;
    }
    IUi::getInstance()->showWarning(m_pWindow, QStringLiteral("Zenub Animate"),
                                    MainWindow::tr("Help document is missing.") +
                                        QLatin1Char('\n') + QDir::toNativeSeparators(candidate),
                                    QMessageBox::Ok, QMessageBox::Ok);
}

void HelpMenu::showAbout()
{
    AboutDialog dialog(m_pWindow);
    dialog.exec();
}

void HelpMenu::reportProblem()
{
    ReportDialog dialog(ReportDialog::Problem, m_pWindow);
    dialog.exec();
}

void HelpMenu::provideSuggestion()
{
    ReportDialog dialog(ReportDialog::Suggestion, m_pWindow);
    dialog.exec();
}

void HelpMenu::checkUpdates()
{
    m_pUpdateCheck->checkNow();
}
