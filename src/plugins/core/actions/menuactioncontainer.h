// SPDX-License-Identifier: MIT
#ifndef MENUACTIONCONTAINER_H
#define MENUACTIONCONTAINER_H

#include "actions/actioncontainer.h"
#include "core_export.h"

#include <QPointer>

/*! An action container for a QMenu, which it does not own. */
class CORE_EXPORT MenuActionContainer : public ActionContainer
{
    Q_OBJECT
public:
    explicit MenuActionContainer(const QString& id);

    using ActionContainer::insertAction;
    using ActionContainer::insertMenu;

    void setMenu(QMenu* menu) override;
    QMenu* getMenu() const override;

protected:
    void insertAction(QAction* before, QAction* action) override;
    void insertMenu(QAction* before, QMenu* menu) override;
    void removeMenu(QMenu* menu) override;
    void removeAction(QAction* action) override;
    /*!
        Shows the menu's own entry in its parent exactly when the menu holds an enabled, visible
        entry that is not a separator, and answers whether it does.
    */
    bool updateInternal() override;

private:
    QPointer<QMenu> m_menu;
};

#endif
