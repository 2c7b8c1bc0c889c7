// SPDX-License-Identifier: MIT
#ifndef NEWCONTENT_H
#define NEWCONTENT_H

#include "model/project/zenubproject.h"

#include <QCoreApplication>
#include <QString>

/*!
    What the shapes, scenes and layers the user adds look like before any edit: their names,
    colours, sizes and where they land on the stage.
*/
class NewContent
{
    Q_DECLARE_TR_FUNCTIONS(NewContent)
public:
    /*!
        A shape of \a type for \a scene of \a project, named after how many of its type the
        scene has; \a text is a text shape's text (empty: a default).
    */
    static ZenubShape shape(const ZenubProject& project, int scene, ZenubShape::Type type,
                            const QString& text);
    /*! What shapes of \a type are called: "Rectangle", "Star"... */
    static QString baseName(ZenubShape::Type type);
    /*! The title text a new project of the given stage size may start with. */
    static ZenubShape title(const QString& text, int stageWidth, int stageHeight);
    /*! The scene that follows the last of \a project, with one layer. */
    static ZenubScene scene(const ZenubProject& project);
    /*! Gives \a scene its first layer when it has none, so that shapes have somewhere to go. */
    static void ensureLayer(ZenubScene& scene);
    /*! Where shapes meant for \a layer of \a scene go: the top layer when it does not exist. */
    static int layerFor(const ZenubScene& scene, int layer);
};

#endif
