// SPDX-License-Identifier: MIT
#include "mixedspinbox.h"

#include <QLineEdit>

MixedSpinBox::MixedSpinBox(QWidget* parent)
    : QDoubleSpinBox(parent)
{
    // Typing the very value the box steps from changes nothing, yet it is meant for every shape.
    // The box shows its value again before it reports the end of editing: keep what was typed.
    connect(lineEdit(), &QLineEdit::textEdited, this,
            [this](const QString& text) { m_typed = text; });
    connect(this, &QAbstractSpinBox::editingFinished, this, [this] {
        QString typed = m_typed;
        m_typed.clear();
        int position = 0;
        if (m_bMixed && !typed.trimmed().isEmpty() &&
            validate(typed, position) == QValidator::Acceptable)
            emit valueChanged(valueFromText(typed));
    });
}

void MixedSpinBox::display(double value, bool bMixed)
{
    m_bMixed = bMixed;
    m_typed.clear();
    setValue(value);
    // Both setters redraw the text; a suffix or special text alone would look like a value.
    setSuffix(bMixed ? QString() : m_suffix);
    setSpecialValueText(bMixed ? QString() : m_specialValueText);
}

void MixedSpinBox::setShownSuffix(const QString& suffix)
{
    m_suffix = suffix;
    if (!m_bMixed)
        setSuffix(suffix);
}

void MixedSpinBox::setShownSpecialValueText(const QString& text)
{
    m_specialValueText = text;
    if (!m_bMixed)
        setSpecialValueText(text);
}

QString MixedSpinBox::textFromValue(double value) const
{
    return m_bMixed ? QString() : QDoubleSpinBox::textFromValue(value);
}
