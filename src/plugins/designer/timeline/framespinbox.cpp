// SPDX-License-Identifier: MIT
#include "framespinbox.h"

#include <QLineEdit>

FrameSpinBox::FrameSpinBox(QWidget* parent)
    : QSpinBox(parent)
{}

void FrameSpinBox::setFormat(const TimeFormat& format)
{
    m_format = format;
    // Setting it (to none, as before) drops the width measured for the other counter.
    setSpecialValueText(QString());
    updateGeometry();
    lineEdit()->setText(textFromValue(value()));
}

QString FrameSpinBox::textFromValue(int value) const
{
    return m_format.text(value);
}

int FrameSpinBox::valueFromText(const QString& text) const
{
    const int frame = m_format.frameOf(text);
    return frame < 0 ? value() : frame;
}

QValidator::State FrameSpinBox::validate(QString& text, int&) const
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return QValidator::Intermediate;
    const int frame = m_format.frameOf(trimmed);
    if (frame < 0)
        return QValidator::Intermediate;
    return frame >= minimum() && frame <= maximum() ? QValidator::Acceptable
                                                    : QValidator::Intermediate;
}
