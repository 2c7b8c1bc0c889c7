// SPDX-License-Identifier: MIT
#ifndef LANGUAGEMENU_H
#define LANGUAGEMENU_H

#include <QObject>

class ActionContainer;
class QAction;
class QIcon;
class QWidget;

/*!
    View > Language: one checkable entry per interface language, the one in use checked. A new
    choice is stored for the next start; the mark stays on the language in use until then.
*/
class LanguageMenu : public QObject
{
    Q_OBJECT
public:
    /*! Appends the menu to \a viewMenu; message boxes are parented to \a window. */
    LanguageMenu(QWidget* window, ActionContainer* viewMenu);

    /*! Stores the language of \a action for the next start and says so. */
    void choose(QAction* action);
    /*! Draws the menu's icon again for the screen's new density. */
    void refreshIcon();

private:
    static QIcon icon();

    QWidget* m_pWindow;
    QAction* m_pChecked = nullptr;
};

#endif
