// SPDX-License-Identifier: MIT
#ifndef NAMEEDITS_H
#define NAMEEDITS_H

#include <QCoreApplication>
#include <QSet>
#include <QString>
#include <QVector>

class ZenubScene;
class ZenubShape;

/*!
    Names for new, duplicated and pasted shapes that no other shape of their scene has, group
    members included: "Rectangle 2", "Ball copy", "Ball copy 2".
*/
class NameEdits
{
    Q_DECLARE_TR_FUNCTIONS(NameEdits)
public:
    /*! Every name in \a scene, group members included. */
    static QSet<QString> namesIn(const ZenubScene& scene);
    /*! "\a base N" for the smallest N from \a from on that \a taken does not hold. */
    static QString numbered(const QSet<QString>& taken, const QString& base, int from = 1);
    /*!
        The name of a copy of a shape named \a name: "Ball copy", else "Ball copy 2" and so on;
        a copy of "Ball copy 2" is another "Ball copy N".
    */
    static QString copyName(const QSet<QString>& taken, const QString& name);
    /*!
        Renames the shapes of \a shapes (not their members) that \a scene or an earlier one of
        \a shapes already uses, as copies; with \a always, every one is named as a copy.
    */
    static void makeUnique(const ZenubScene& scene, QVector<ZenubShape>& shapes,
                           bool always = false);
};

#endif
