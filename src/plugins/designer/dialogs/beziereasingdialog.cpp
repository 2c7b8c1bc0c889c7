// SPDX-License-Identifier: MIT
#include "beziereasingdialog.h"

#include "beziercurveeditor.h"

#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QVBoxLayout>

BezierEasingDialog::BezierEasingDialog(const ZenubEasing& easing, QWidget* parent)
    : QDialog(parent)
    , m_pEditor(new BezierCurveEditor(this))
{
    setWindowTitle(tr("Custom Easing Curve"));
    auto* layout = new QVBoxLayout(this);
    auto* hint = new QLabel(
        tr("Drag the two control points. Time runs to the right, progress upwards."), this);
    hint->setWordWrap(true);
    layout->addWidget(hint);
    layout->addWidget(m_pEditor, 1);

    auto* form = new QFormLayout;
    const QString labels[4] = {tr("First point, time:"), tr("First point, progress:"),
                               tr("Second point, time:"), tr("Second point, progress:")};
    for (int i = 0; i < 4; ++i) {
        m_pSpins[i] = new QDoubleSpinBox(this);
        m_pSpins[i]->setDecimals(3);
        m_pSpins[i]->setSingleStep(0.05);
        // Time must run forwards; progress may overshoot.
        if (i % 2 == 0)
            m_pSpins[i]->setRange(0, 1);
        else
            m_pSpins[i]->setRange(-0.5, 1.5);
        form->addRow(labels[i], m_pSpins[i]);
        connect(m_pSpins[i], QOverload<double>::of(&QDoubleSpinBox::valueChanged), this, [this] {
            m_pEditor->setControlPoints({m_pSpins[0]->value(), m_pSpins[1]->value()},
                                        {m_pSpins[2]->value(), m_pSpins[3]->value()});
        });
    }
    layout->addLayout(form);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);

    // A named curve opens as its own control points, so the user starts from what is there.
    const ZenubEasing start =
        easing.getType() == ZenubEasing::Type::CubicBezier ? easing
        : easing.getType() == ZenubEasing::Type::Linear
            ? ZenubEasing::bezier(0.25, 0.1, 0.25, 1.0)
            : ZenubEasing::bezier(easing.x1(), easing.y1(), easing.x2(), easing.y2());
    m_pEditor->setControlPoints({start.x1(), start.y1()}, {start.x2(), start.y2()});
    connect(m_pEditor, &BezierCurveEditor::controlPointsChanged, this,
            &BezierEasingDialog::showPoints);
    showPoints();
}

ZenubEasing BezierEasingDialog::easing() const
{
    const QPointF first = m_pEditor->controlPoint(0);
    const QPointF second = m_pEditor->controlPoint(1);
    return ZenubEasing::bezier(first.x(), first.y(), second.x(), second.y());
}

void BezierEasingDialog::showPoints()
{
    const double values[4] = {m_pEditor->controlPoint(0).x(), m_pEditor->controlPoint(0).y(),
                              m_pEditor->controlPoint(1).x(), m_pEditor->controlPoint(1).y()};
    for (int i = 0; i < 4; ++i) {
        const QSignalBlocker block(m_pSpins[i]);
        m_pSpins[i]->setValue(values[i]);
    }
}
