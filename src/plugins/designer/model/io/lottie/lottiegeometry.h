// SPDX-License-Identifier: MIT
#ifndef LOTTIEGEOMETRY_H
#define LOTTIEGEOMETRY_H

#include "lottiedocument.h"
#include "model/project/zenubpath.h"

#include <QRectF>
#include <QTransform>

/*! The outlines Lottie items draw, and what the importer asks of the transforms that move them. */
class LottieGeometry
{
public:
    /*!
        The rotation, and the scales along the turned sides, of a transform that neither shears
        nor skews; false for one that does.
    */
    static bool decompose(const QTransform& m, double* degrees, double* sx, double* sy);
    static QRectF centred(const QPointF& centre, const QPointF& size);
    /*! The outline of a Lottie path (see LottieReader) as nodes in its own coordinates. */
    static ZenubPath pathOf(const QVector<double>& values);
    /*! A Lottie outline at \a frame of its layer, in its own coordinates. */
    static ZenubPath outlineOf(const LottieItem& item, double frame);
    /*! The box around every point and handle. */
    static QRectF boundsOf(const ZenubPath& path);
};

#endif
