// SPDX-License-Identifier: MIT
#ifndef ZENUBTEXTRUN_H
#define ZENUBTEXTRUN_H

#include <QColor>
#include <QString>

/*!
    A stretch of a text shape's words in one style. A line break ("\n") in the text starts a
    new paragraph. The colour, size and family are the shape's own unless set here (an invalid
    colour, a size of 0 or an empty family).
*/
struct ZenubTextRun
{
    QString text;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    QColor color;
    double size = 0;
    QString family;

    ZenubTextRun() = default;
    explicit ZenubTextRun(const QString& words)
        : text(words)
    {}

    /*! Whether \a other is styled the same (its words aside). */
    bool sameStyle(const ZenubTextRun& other) const
    {
        return bold == other.bold && italic == other.italic && underline == other.underline &&
               color == other.color && size == other.size && family == other.family;
    }
    /*! No style of its own: the shape's plain text. */
    bool isPlain() const { return sameStyle(ZenubTextRun()); }

    bool operator==(const ZenubTextRun& other) const
    {
        return text == other.text && sameStyle(other);
    }
    bool operator!=(const ZenubTextRun& other) const { return !(*this == other); }
};

#endif
