// SPDX-License-Identifier: MIT
#ifndef EASINGMENU_H
#define EASINGMENU_H

#include "model/project/zenubeasing.h"

#include <QMenu>

/*!
    The easings a keyframe can take, the current one checked; "Custom Curve..." opens the
    Bézier dialog starting from the current curve.
*/
class EasingMenu : public QMenu
{
    Q_OBJECT
public:
    explicit EasingMenu(QWidget* parent = nullptr);

    void setCurrent(const ZenubEasing& easing);
    static QString displayName(ZenubEasing::Type type);

signals:
    void easingChosen(const ZenubEasing& easing);

private:
    ZenubEasing m_current;
};

#endif
