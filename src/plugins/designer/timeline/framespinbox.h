// SPDX-License-Identifier: MIT
#ifndef FRAMESPINBOX_H
#define FRAMESPINBOX_H

#include "timeformat.h"

#include <QSpinBox>

/*! A frame number that shows and takes the time line's counter: frames or seconds. */
class FrameSpinBox : public QSpinBox
{
    Q_OBJECT
public:
    explicit FrameSpinBox(QWidget* parent = nullptr);

    void setFormat(const TimeFormat& format);

protected:
    QString textFromValue(int value) const override;
    int valueFromText(const QString& text) const override;
    QValidator::State validate(QString& text, int& pos) const override;

private:
    TimeFormat m_format;
};

#endif
