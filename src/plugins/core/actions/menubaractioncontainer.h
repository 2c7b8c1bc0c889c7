// SPDX-License-Identifier: MIT
#ifndef MENUBARACTIONCONTAINER_H
#define MENUBARACTIONCONTAINER_H

#include "actions/actioncontainer.h"
#include "core_export.h"

#include <QPointer>

/*! An action container for a QMenuBar, which it does not own. */
class CORE_EXPORT MenuBarActionContainer : public ActionContainer
{
    Q_OBJECT
public:
    explicit MenuBarActionContainer(const QString& id);

    using ActionContainer::insertAction;
    using ActionContainer::insertMenu;

    void setMenuBar(QMenuBar* menuBar) override;
    QMenuBar* getMenuBar() const override;

protected:
    void insertAction(QAction* before, QAction* action) override;
    void insertMenu(QAction* before, QMenu* menu) override;
    void removeMenu(QMenu* menu) override;
    void removeAction(QAction* action) override;
    /*! A menu bar always counts as usable. */
    bool updateInternal() override;

private:
    QPointer<QMenuBar> m_menuBar;
};

#endif
