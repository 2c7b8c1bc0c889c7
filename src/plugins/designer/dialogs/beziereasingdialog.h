// SPDX-License-Identifier: MIT
#ifndef BEZIEREASINGDIALOG_H
#define BEZIEREASINGDIALOG_H

#include "model/project/zenubeasing.h"

#include <QDialog>

class BezierCurveEditor;
class QDoubleSpinBox;

/*! Lets the user shape a cubic-Bézier easing by dragging its control points or typing them. */
class BezierEasingDialog : public QDialog
{
    Q_OBJECT
public:
    explicit BezierEasingDialog(const ZenubEasing& easing, QWidget* parent = nullptr);

    ZenubEasing easing() const;

private:
    void showPoints();

    BezierCurveEditor* m_pEditor;
    QDoubleSpinBox* m_pSpins[4];
};

#endif
