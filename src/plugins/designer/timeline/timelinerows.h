// SPDX-License-Identifier: MIT
#ifndef TIMELINEROWS_H
#define TIMELINEROWS_H

#include "model/edits/keyframeref.h"

#include <QPair>
#include <QSet>
#include <QString>

class ZenubScene;

/*!
    The rows a time line shows for a scene: each layer, top layer first, followed by its shapes,
    topmost first. What the rows hold is read from the scene each time, since every edit
    replaces the project.
*/
class TimelineRows
{
public:
    struct Row
    {
        int layer = -1;
        int shape = -1; // -1: the layer's own row, which shows all its shapes' keyframes
        // A ZenubProperty as a number: the row of one track of the shape; -1: all of them.
        int property = KeyframeRef::allProperties;
        bool isProperty() const { return property != KeyframeRef::allProperties; }
    };
    /*! Shapes (layer, shape) whose rows show one row beneath for each keyed property. */
    using Expanded = QSet<QPair<int, int>>;

    void build(const ZenubScene* scene, const Expanded& expanded = Expanded());
    int count() const { return m_rows.size(); }
    const Row& at(int index) const { return m_rows.at(index); }
    int indexOf(int layer, int shape, int property = KeyframeRef::allProperties) const;
    /*! Whether the row is a shape's with keyed properties to show beneath it. */
    static bool isExpandable(const ZenubScene& scene, const Row& row);

    /*!
        The frames from \a first to \a last with a keyframe in the row, in order, each once.
        Each shape's keyframes are searched, not walked, so a short range stays quick however
        many keyframes there are.
    */
    static QVector<int> framesIn(const ZenubScene& scene, const Row& row, int first, int last);
    /*! The keyframes the row shows at \a frame. */
    static KeyframeRefs refsAt(const ZenubScene& scene, const Row& row, int frame);
    static bool isAnimated(const ZenubScene& scene, const Row& row);
    /*! The name shown in the row's header: the layer's with its state, the shape's, the property's.
     */
    static QString title(const ZenubScene& scene, const Row& row);
    /*! Explains whether the row's shape is animated or static, and what of it moves. */
    static QString motionHint(const ZenubScene& scene, const Row& row);
    /*! The frame of the keyframes \a ref names, with each property keyed there and its easing. */
    static QString keyframeHint(const ZenubScene& scene, const KeyframeRef& ref);

private:
    QVector<Row> m_rows;
};

#endif
