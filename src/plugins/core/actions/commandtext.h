// SPDX-License-Identifier: MIT
#ifndef COMMANDTEXT_H
#define COMMANDTEXT_H

#include "core_export.h"

#include <QCoreApplication>
#include <QString>

class ContextAction;

/*! How a command is named to the user in lists of commands. */
class CORE_EXPORT CommandText
{
    Q_DECLARE_TR_FUNCTIONS(CommandText)
public:
    /*!
        Where to find \a command: the titles of the menus it sits in ("File > Save As > Other
        Project"); for a command in no menu, its panel and text ("Time Line > Play"), or failing
        a panel, its id's path marked as a tool-bar command.
    */
    static QString path(ContextAction* command);
    /*! True when the command's entry is in a menu reached from the menu bar. */
    static bool isInMenu(ContextAction* command);
};

#endif
