// SPDX-License-Identifier: MIT
#ifndef IOPTIONPAGE_H
#define IOPTIONPAGE_H

#include "core_export.h"

#include <QWidget>

/*!
    Base of a preferences page. It keeps whether the user changed the page since its values
    were last saved or discarded, and whether its widgets hold the stored configuration.
    Subclasses override the operations for their page and call the base.
*/
class CORE_EXPORT IOptionPage : public QWidget
{
    Q_OBJECT
public:
    explicit IOptionPage(QWidget* parent);
    ~IOptionPage() override;

    virtual bool isChanged();
    /*! Marks the page changed; the argument is not consulted, only saving or discarding clears
        the mark. */
    virtual void setChanged(bool bChanged);
    /*! Fills the widgets from the configuration. */
    virtual void initValues();
    /*! Writes the page's values to the configuration. */
    virtual void saveChanges();
    virtual void discardChanges();
    /*! Marks the widgets for refilling from the configuration. */
    virtual void setNeedInitConfig2UI();

    /*! Whether initValues() ran since the page was last marked for refilling. */
    bool isValuesInitialized() const;

signals:
    void dataChanged();

private:
    bool m_bChanged = false;
    bool m_bValuesInitialized = false;
};

#endif
