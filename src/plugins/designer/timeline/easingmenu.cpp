// SPDX-License-Identifier: MIT
#include "easingmenu.h"

#include "dialogs/beziereasingdialog.h"

#include <QActionGroup>

namespace {

const ZenubEasing::Type kNamed[] = {ZenubEasing::Type::Linear, ZenubEasing::Type::EaseIn,
                                    ZenubEasing::Type::EaseOut, ZenubEasing::Type::EaseInOut,
                                    ZenubEasing::Type::Hold};

} // namespace

EasingMenu::EasingMenu(QWidget* parent)
    : QMenu(tr("&Easing"), parent)
{
    auto* group = new QActionGroup(this);
    for (const ZenubEasing::Type type : kNamed) {
        QAction* action = addAction(displayName(type));
        action->setCheckable(true);
        action->setData(int(type));
        group->addAction(action);
        connect(action, &QAction::triggered, this,
                [this, type] { emit easingChosen(ZenubEasing(type)); });
    }
    QAction* custom = addAction(tr("&Custom Curve..."));
    custom->setCheckable(true);
    custom->setData(int(ZenubEasing::Type::CubicBezier));
    group->addAction(custom);
    connect(custom, &QAction::triggered, this, [this] {
        BezierEasingDialog dialog(m_current, parentWidget());
        if (dialog.exec() == QDialog::Accepted)
            emit easingChosen(dialog.easing());
        else
            setCurrent(m_current);
    });
}

void EasingMenu::setCurrent(const ZenubEasing& easing)
{
    m_current = easing;
    for (QAction* action : actions())
        action->setChecked(action->data().toInt() == int(easing.getType()));
}

QString EasingMenu::displayName(ZenubEasing::Type type)
{
    switch (type) {
    case ZenubEasing::Type::Linear:
        return tr("&Linear");
    case ZenubEasing::Type::EaseIn:
        return tr("Ease &In");
    case ZenubEasing::Type::EaseOut:
        return tr("Ease &Out");
    case ZenubEasing::Type::EaseInOut:
        return tr("Ease In-O&ut");
    case ZenubEasing::Type::CubicBezier:
        return tr("Custom Curve");
    case ZenubEasing::Type::Hold:
        return tr("&Hold");
    }
    return QString();
}
