// SPDX-License-Identifier: MIT
#ifndef SVGSANITIZER_H
#define SVGSANITIZER_H

#include "picturedecoder.h"

#include <QByteArray>
#include <QSize>
#include <QStringList>

/*!
    A copy of an SVG document that refers to nothing outside it, for drawing. Every link to
    another file or address is left out (an <image> showing one, with it), so that drawing
    never opens a file, waits on a pipe or goes to the network. Pictures held inside as data:
    addresses stay when they are PNG or JPEG within PictureDecoder's limits; the others are left
    out too. The document type, processing instructions and comments are dropped.
*/
class SvgSanitizer
{
public:
    explicit SvgSanitizer(const QByteArray& svg);

    /*! Whether the document is well-formed XML. */
    bool isValid() const { return m_valid; }
    QByteArray document() const { return m_document; }
    /*! The links left out, as written in the document; links of <a> are not listed. */
    QStringList outsideReferences() const { return m_outside; }
    /*! Why the first picture held inside was left out, and its size when known. */
    PictureDecoder::Problem pictureProblem() const { return m_pictureProblem; }
    QSize pictureSize() const { return m_pictureSize; }

private:
    /*! The attribute value for the held picture \a address, or empty to leave it out. */
    QString keptPicture(const QString& address);

    QByteArray m_document;
    bool m_valid = false;
    QStringList m_outside;
    PictureDecoder::Problem m_pictureProblem = PictureDecoder::Problem::None;
    QSize m_pictureSize;
};

#endif
