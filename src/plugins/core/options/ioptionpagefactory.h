// SPDX-License-Identifier: MIT
#ifndef IOPTIONPAGEFACTORY_H
#define IOPTIONPAGEFACTORY_H

#include "core_export.h"

#include <QObject>

class IOptionPage;
class QWidget;

/*!
    Adds a page to the preferences. A plugin puts its factory into the plugin manager's object
    pool; the preferences dialog, when it is first created, asks every factory it finds there
    for one page and lists it under displayName().
*/
class CORE_EXPORT IOptionPageFactory : public QObject
{
    Q_OBJECT
public:
    explicit IOptionPageFactory(QObject* parent = nullptr);
    ~IOptionPageFactory() override;

    /*! The page's name in the dialog's page list. */
    virtual QString displayName() const = 0;
    /*! A new page; \a parent, the dialog's page stack, owns it. */
    virtual IOptionPage* createPage(QWidget* parent) = 0;
};

#endif
