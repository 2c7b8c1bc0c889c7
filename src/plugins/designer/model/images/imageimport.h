// SPDX-License-Identifier: MIT
#ifndef IMAGEIMPORT_H
#define IMAGEIMPORT_H

#include "model/project/zenubshape.h"

#include <QCoreApplication>
#include <QSizeF>

/*!
    Turns a PNG, JPEG or SVG picture into an image shape that carries the encoded picture, so
    the project file holds everything it shows. Pictures PictureDecoder finds a problem with
    (too many pixels, damaged, an SVG showing files outside it) are refused with its message. The
   shape gets the picture's own size, shrunk to fit the stage when it is bigger, and is centred on
   the stage.
*/
class ImageImport
{
    Q_DECLARE_TR_FUNCTIONS(ImageImport)
public:
    /*! Every picture is kept in the project file (and in the exported page), so large ones are
        refused rather than make every save slow. */
    static qint64 maximumBytes() { return 10 * 1024 * 1024; }

    /*! The shape for the file \a fileName; \a ok false with \a errorString set on failure. */
    static ZenubShape fromFile(const QString& fileName, const QSizeF& stage, bool* ok,
                               QString* errorString);
    /*! The shape for the encoded picture \a data, named \a name in messages and the shape. */
    static ZenubShape fromData(const QByteArray& data, const QString& name, const QSizeF& stage,
                               bool* ok, QString* errorString);
};

#endif
