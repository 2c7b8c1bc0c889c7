#include "helpmenu.h"

#include "aboutdialog.h"
#include "mainwindow.h"
#include "reportdialog.h"
#include "updatecheck.h"
#include "warninglog.h"

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
