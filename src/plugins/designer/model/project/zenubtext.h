// SPDX-License-Identifier: MIT
#ifndef ZENUBTEXT_H
#define ZENUBTEXT_H

#include "zenubtextrun.h"

#include <QJsonArray>
#include <QSharedDataPointer>
#include <QString>
#include <QVector>

class ZenubJsonPath;
class ZenubJsonReader;
class ZenubJsonWriter;

/*!
    The words of a text shape: runs of styled text (paragraphs split at line breaks), the font
    they default to, how lines align in the box, the line spacing (times the font's own), and
    whether lines wrap at the box's width or the box grows to fit them.

    Without a font size of its own (0) the text is sized to its box, and never wraps.

    Texts are shared between copies until one is changed, and each distinct text has a key of
    its own (layoutKey()), so that what is laid out for it is kept until it changes: a long text
    must not be laid out again for every frame.
*/
class ZenubText
{
public:
    enum class Alignment { Left, Center, Right };
    enum class BoxMode { Grow, Wrap };

    ZenubText();
    ZenubText(const ZenubText& other);
    ZenubText& operator=(const ZenubText& other);
    ~ZenubText();

    const QVector<ZenubTextRun>& getRuns() const;
    /*! Neighbours of the same style become one run; runs without words are dropped. */
    void setRuns(const QVector<ZenubTextRun>& runs);
    /*! Every run's words, one after the other. */
    QString getPlainText() const;
    /*! The words as one plain run. */
    void setPlainText(const QString& text);
    /*! Whether any run has a style of its own. */
    bool isRich() const;

    QString getFontFamily() const;
    void setFontFamily(const QString& family);
    /*! In stage pixels; 0 sizes the text to fit its box. */
    double getFontSize() const;
    void setFontSize(double pixels);
    Alignment getAlignment() const;
    void setAlignment(Alignment alignment);
    /*! 1 is the font's own distance between lines. */
    double getLineSpacing() const;
    void setLineSpacing(double factor);
    BoxMode getBoxMode() const;
    void setBoxMode(BoxMode mode);

    /*! Nothing but words, a font and its size, centred: what files before version 3 held. */
    bool isPlain() const;
    /*!
        The same for equal texts in one run of the program, different once a text changes in
        anything but its font size (which whatever keeps layouts by this key must add).
    */
    quint64 layoutKey() const;

    static QString alignmentName(Alignment alignment);
    static QString boxModeName(BoxMode mode);
    static constexpr int maximumRuns() { return 100000; }

    void writeRuns(ZenubJsonWriter& writer) const;
    /*! Reads the runs written by writeRuns(), found at \a path. */
    static QVector<ZenubTextRun> readRuns(const QJsonArray& runs, ZenubJsonReader& reader,
                                          const ZenubJsonPath& path);

    bool operator==(const ZenubText& other) const;
    bool operator!=(const ZenubText& other) const { return !(*this == other); }

private:
    class Data;
    Data* changing();
    QSharedDataPointer<Data> d;
};

#endif
