// SPDX-License-Identifier: MIT
#ifndef BREAKPOINTSOPTIONPAGE_H
#define BREAKPOINTSOPTIONPAGE_H

#include "ioptionpage.h"

class BreakpointListWidget;

/*! The horizontal and vertical breakpoints the document manager keeps, with a reset. */
class CORE_EXPORT BreakpointsOptionPage : public IOptionPage
{
    Q_OBJECT
public:
    explicit BreakpointsOptionPage(QWidget* parent);

    void initValues() override;
    void saveChanges() override;
    void discardChanges() override;

private:
    void onEdited();
    void resetToDefaults();

    BreakpointListWidget* m_pHorizontal = nullptr;
    BreakpointListWidget* m_pVertical = nullptr;
};

#endif
