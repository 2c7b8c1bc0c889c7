// SPDX-License-Identifier: MIT
#ifndef MIXEDSPINBOX_H
#define MIXEDSPINBOX_H

#include <QDoubleSpinBox>

/*!
    A spin box that can stand for several shapes whose values differ: it is empty then, and
    whatever the user enters or steps to applies to all of them, even the value it held.
*/
class MixedSpinBox : public QDoubleSpinBox
{
    Q_OBJECT
public:
    explicit MixedSpinBox(QWidget* parent = nullptr);

    bool isMixed() const { return m_bMixed; }
    /*! Shows \a value, or nothing when \a bMixed; the arrows step from \a value then. */
    void display(double value, bool bMixed);
    /*! Use these instead of the base class's, which a mixed box clears while it is empty. */
    void setShownSuffix(const QString& suffix);
    void setShownSpecialValueText(const QString& text);

    QString textFromValue(double value) const override;

private:
    bool m_bMixed = false;
    QString m_suffix;
    QString m_specialValueText;
    QString m_typed;
};

#endif
