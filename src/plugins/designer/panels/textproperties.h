// SPDX-License-Identifier: MIT
#ifndef TEXTPROPERTIES_H
#define TEXTPROPERTIES_H

#include <QObject>

class MixedSpinBox;
class QAction;
class QComboBox;
class QFormLayout;
class QHBoxLayout;
class SpinGesture;
class StageWidget;

/*!
    The rows of the properties panel for the selected texts, added to the panel's \a form:
    bold, italic, underline and the alignment (the Object > Text commands as buttons), the line
    spacing and whether the box wraps its lines or grows with them.
*/
class TextProperties : public QObject
{
    Q_OBJECT
public:
    TextProperties(StageWidget* stage, QFormLayout* form);

    /*! Shows \a actions (the text commands) as buttons in the style row. */
    void setStyleActions(const QList<QAction*>& actions);

public slots:
    void refresh();

private:
    StageWidget* m_pStage;
    QFormLayout* m_pForm;
    QWidget* m_pButtons;
    QHBoxLayout* m_pButtonRow;
    MixedSpinBox* m_pSpacing;
    QComboBox* m_pBox;
    SpinGesture* m_pGesture;
    bool m_bShowing = false;
};

#endif
