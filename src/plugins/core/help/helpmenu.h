// SPDX-License-Identifier: MIT
#ifndef HELPMENU_H
#define HELPMENU_H

#include "core_export.h"

#include <QObject>

class MainWindow;
class UpdateCheck;

/*!
    What the Help menu's commands do: the help document, the About dialog, the problem and
    suggestion reports, and the update checks, manual and at start.
*/
class CORE_EXPORT HelpMenu : public QObject
{
    Q_OBJECT
public:
    /*! Starts keeping this run's warnings and schedules the automatic update check. */
    explicit HelpMenu(MainWindow* window);

    UpdateCheck* updateCheck() const { return m_pUpdateCheck; }

public slots:
    /*! Opens the help document in the interface language, else the English one. */
    void showHelpContents();
    void showAbout();
    void reportProblem();
    void provideSuggestion();
    void checkUpdates();

private:
    MainWindow* m_pWindow;
    UpdateCheck* m_pUpdateCheck;
};

#endif
