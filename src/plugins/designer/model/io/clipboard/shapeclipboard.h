// SPDX-License-Identifier: MIT
#ifndef SHAPECLIPBOARD_H
#define SHAPECLIPBOARD_H

#include "model/project/zenubshape.h"

#include <QCoreApplication>
#include <QSizeF>
#include <QString>
#include <QVector>

class QMimeData;

/*!
    Shapes on the system clipboard. Our own format keeps everything (keyframes included), so
    shapes move between projects and between running copies of the application; an SVG picture
    of them at the copied frame goes along for other programs.
*/
class ShapeClipboard
{
    Q_DECLARE_TR_FUNCTIONS(ShapeClipboard)
public:
    static QString mimeType() { return QStringLiteral("application/x-zenub-shapes"); }
    static QString svgMimeType() { return QStringLiteral("image/svg+xml"); }

    /*! Both formats of \a shapes, the picture drawn at \a frame. The caller owns the result. */
    static QMimeData* toMimeData(const QVector<ZenubShape>& shapes, int frame);
    /*! Our own shapes, or an SVG, PNG or JPEG picture from another program. */
    static bool canPaste(const QMimeData* data);
    /*!
        The shapes in \a data; empty with \a errorString set when they cannot be read. Our
        own shapes come first; an SVG picture becomes editable shapes when \a bSvgAsShapes
        asks for it and it can, else one image shape fitted to \a stage, as a bitmap does.
    */
    static QVector<ZenubShape> fromMimeData(const QMimeData* data, const QSizeF& stage,
                                            bool bSvgAsShapes, QString* errorString);

private:
    /*! The MIME type of the picture \a data offers, or empty. */
    static QString pictureFormat(const QMimeData* data);
};

#endif
