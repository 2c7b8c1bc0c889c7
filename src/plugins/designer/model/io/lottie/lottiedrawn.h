// SPDX-License-Identifier: MIT
#ifndef LOTTIEDRAWN_H
#define LOTTIEDRAWN_H

#include "lottiedocument.h"

#include <QCoreApplication>
#include <QString>
#include <QVector>

/*!
    Something a shape layer draws, as Lottie lists it: the outlines a fill or stroke paints
    (a fill applies to every outline before it in its group and in the groups before it), or a
    group of such things with its transform.
*/
struct LottieDrawn
{
    Q_DECLARE_TR_FUNCTIONS(LottieDrawn)
public:
    /*! What \a items draw, bottom first (a shape layer's list, or a group's). */
    static QVector<LottieDrawn> listOf(const QVector<LottieItem>& items, const QString& place);

    QString name;
    QString place;
    bool group = false;
    const LottieTransform* transform = nullptr;
    QVector<LottieDrawn> members; // bottom first
    struct Outline
    {
        const LottieItem* item = nullptr;
        /*! From the outline's coordinates up to the drawn thing's own. */
        QVector<const LottieTransform*> nested;
    };
    QVector<Outline> outlines;
    const LottieItem* fill = nullptr;
    const LottieItem* stroke = nullptr;
    /*! Transforms of groups it was lifted out of, innermost first. */
    QVector<const LottieTransform*> outer;
};

#endif
