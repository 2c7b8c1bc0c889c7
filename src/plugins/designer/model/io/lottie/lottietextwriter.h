// SPDX-License-Identifier: MIT
#ifndef LOTTIETEXTWRITER_H
#define LOTTIETEXTWRITER_H

#include <QColor>
#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonObject>
#include <QPainterPath>
#include <QSizeF>
#include <QStringList>
#include <QVector>

#include "lottietrack.h"

class LottieShapeWriter;
class ZenubJsonWriter;
class ZenubShape;
class ZenubText;

/*! What a text layer holds beside every layer's members: its transform's tracks, its words. */
struct LottieTextLayer
{
    LottieTrack anchor;
    LottieTrack position;
    LottieTrack rotation;
    LottieTrack opacity;
    QJsonObject text;
};

/*!
    Writes texts: as text layers, with the lines broken where the editor breaks them, each
    line placed by the editor's layout; or as the glyphs' outlines, which every player draws
    the same. Keeps the list of fonts the text layers name.
*/
class LottieTextWriter
{
    Q_DECLARE_TR_FUNCTIONS(LottieTextWriter)
public:
    /*! Whether a text layer can show \a text: one font, one colour, no underline. */
    static bool fitsTextLayer(const ZenubShape& text);
    /*! Why fitsTextLayer() is false, as a sentence. */
    static QString whyOutlines(const ZenubShape& text);

    /*! The text layer's own part for \a text. */
    LottieTextLayer layer(const ZenubShape& text, double sceneStart);
    /*! The glyphs of \a text as a group of outlines. */
    void outline(ZenubJsonWriter& out, const ZenubShape& text, const LottieShapeWriter& writer,
                 const LottieTrack& opacity, double sceneStart) const;
    const QJsonArray& fonts() const { return m_fonts; }

private:
    QString fontName(const QFont& font);
    /*! The glyphs of \a content laid out in a box of \a size, by colour. */
    static QVector<QPair<QPainterPath, QColor>> glyphsOf(const ZenubText& content,
                                                         const QSizeF& size);

    QJsonArray m_fonts;
    QStringList m_fontNames;
};

#endif
