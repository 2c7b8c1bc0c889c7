// SPDX-License-Identifier: MIT
#ifndef EDITORCOMMANDTABLE_H
#define EDITORCOMMANDTABLE_H

#include <QCoreApplication>
#include <QKeySequence>
#include <QList>
#include <QString>
#include <QVector>

class ContextAction;
class QAction;
class QWidget;

/*! One command of the editor's context as the menus and the keyboard preferences list it. */
struct EditorCommand
{
    QString id;
    QString text;
    /*! The first is the default; the others come along while the user has chosen none. */
    QList<QKeySequence> keys;
    /*! The name of its picture in the designer's images; empty: none. */
    QString icon;
};

/*!
    The commands the designer adds to the application: the stage's tools, the Object menu, the
    View menu's entries and the buttons of the time line and the panels. At start each gets a
    disabled stand-in in the main window, so its keys, its menu place and its line in
    Preferences > Keyboard exist before a project opens; every editor registers its working
    action under the same id in its own context.
*/
class EditorCommandTable
{
    Q_DECLARE_TR_FUNCTIONS(EditorCommandTable)
public:
    static const QVector<EditorCommand>& commands();
    static const EditorCommand* find(const QString& id);
    /*! For a command in no menu, the panel whose tool bar has it; lists show it there. */
    static QString panelOf(const QString& id);
    /*! The key command \a id has now: the user's choice, or its default without a registry. */
    static QKeySequence keyOf(const QString& id);
    /*!
        Gives \a action the command's picture and the tool tip "\a tip (key)", which follows
        the command's key when the user changes it. \a id may be any registered command; its
        description, for the keyboard preferences and the command palette, becomes \a tip.
    */
    static void describe(QAction* action, const QString& id, const QString& tip);
    /*!
        What a menu shows for command \a id: its proxy, which shows the key the user chose, or
        \a action itself where there is no such command (a widget outside the application).
    */
    static QAction* shown(QAction* action, const QString& id);
    /*! Builds the Object menu and the View menu's entries for the main window \a window. */
    static void addToMenus(QWidget* window);

private:
    static void placeholder(QWidget* window, const QString& id, const QString& menu,
                            ContextAction* before = nullptr);
};

#endif
