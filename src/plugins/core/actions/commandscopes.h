// SPDX-License-Identifier: MIT
#ifndef COMMANDSCOPES_H
#define COMMANDSCOPES_H

#include "core_export.h"

#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>

/*!
    Where commands are active, told by the contexts they have actions in: a command with an
    action for the main window (the context "Global") is active wherever the focus is; one with
    actions only for registered contexts is active while the focus is in one of them or in a
    context nested inside one. A key may serve two commands that are never active together, and
    must not serve two that are.
*/
class CORE_EXPORT CommandScopes
{
public:
    /*! The scopes of every command registered now, and how their contexts nest. */
    static CommandScopes current();

    /*! Command \a id has actions in \a contextIds; a command never given any counts as global. */
    void setContexts(const QString& id, const QStringList& contextIds);
    /*! Context \a inner lies inside context \a outer. */
    void addEnclosing(const QString& inner, const QString& outer);
    /*! True when some place of the focus has both commands active. */
    bool activeTogether(const QString& a, const QString& b) const;

private:
    QStringList contextsOf(const QString& id) const;
    bool encloses(const QString& outer, const QString& inner) const;

    QHash<QString, QStringList> m_contexts;
    QHash<QString, QSet<QString>> m_outer;
};

#endif
