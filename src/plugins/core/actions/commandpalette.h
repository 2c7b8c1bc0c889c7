// SPDX-License-Identifier: MIT
#ifndef COMMANDPALETTE_H
#define COMMANDPALETTE_H

#include "core_export.h"

#include <QObject>
#include <QPointer>
#include <QVector>

class ActionContainer;
class CommandPaletteView;
class QAction;

/*!
    Runs any command by typing part of its name. The palette (View > Command Palette...,
    Ctrl+Shift+P) opens over the main window with every command that is enabled where the focus
    was: its menu path or panel, its key and its description. Typing narrows the list by words,
    initials and slips of the finger (CommandMatcher); commands used lately come first; Enter
    runs the chosen one in the context the palette was opened from.

    Every registered command takes part without a line of code from its plugin. The main window
    creates the one instance.
*/
class CORE_EXPORT CommandPalette : public QObject
{
    Q_OBJECT
public:
    struct Entry
    {
        QString id;
        QString path;
        QString shortcut;
        QString description;
        QPointer<QAction> action;
    };

    explicit CommandPalette(QWidget* window);
    ~CommandPalette() override;

    static CommandPalette* getInstance();
    static QString commandId() { return QStringLiteral("View.Command_Palette"); }

    /*! Registers the palette's own command and puts it into \a menu. */
    void addCommand(ActionContainer* menu);
    /*! Opens the palette for the commands enabled in the focused context now. */
    void open();
    bool isOpen() const;
    /*! The commands enabled where the focus is now, as the palette would list them unsorted. */
    static QVector<Entry> enabledCommands();
    /*! \a entries that match \a query, best first; recent commands first among equals. */
    QVector<Entry> rank(const QVector<Entry>& entries, const QString& query) const;
    /*! The ids of the commands run from the palette, the latest first. */
    QStringList recentIds() const;

private:
    void filter(const QString& query);
    void run(int row);
    void remember(const QString& id);

    QWidget* m_pWindow;
    QPointer<CommandPaletteView> m_pView;
    QPointer<QWidget> m_pFocus;
    QVector<Entry> m_entries;
    QVector<Entry> m_shown;
    static CommandPalette* m_instance;
};

#endif
