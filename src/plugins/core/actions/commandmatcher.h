// SPDX-License-Identifier: MIT
#ifndef COMMANDMATCHER_H
#define COMMANDMATCHER_H

#include "core_export.h"

#include <QString>
#include <QStringList>

/*!
    Decides how well a typed query names a command. Every word of the query must find a word of
    the command: the start of it ("add key" finds "Add Keyframe"), a part of it, the initials of
    consecutive words ("ak"), or the start of it with one slip of the finger (two for longer
    words: "zomo in", "keyfrmae"). The command's own text counts more than the menus on its path,
    and the path more than its description, where slips do not count.
*/
class CORE_EXPORT CommandMatcher
{
public:
    /*!
        \a query against a command shown as \a path (such as "View > Zoom In") and described by
        \a description. Larger is better; 0 means no match. An empty query matches everything
        with the score 1.
    */
    static int score(const QString& query, const QString& path, const QString& description);
    /*! The words of \a text in lower case, without punctuation or mnemonic marks. */
    static QStringList words(const QString& text);
    /*! The edit distance of \a a and \a b, a swap of two neighbours counting as one edit. */
    static int distance(const QString& a, const QString& b);

private:
    static int wordScore(const QString& query, const QStringList& words, bool bSlips);
};

#endif
