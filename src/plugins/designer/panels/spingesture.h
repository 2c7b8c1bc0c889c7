// SPDX-License-Identifier: MIT
#ifndef SPINGESTURE_H
#define SPINGESTURE_H

#include <QObject>

class QAbstractSpinBox;

/*!
    Tells the steps of one gesture on a spin box apart from the next gesture, so that holding
    an arrow, turning the wheel or pressing a key repeatedly until the box is left becomes one
    undo step. A gesture ends when the mouse button or key is let go, or editing finishes.
*/
class SpinGesture : public QObject
{
    Q_OBJECT
public:
    explicit SpinGesture(QObject* parent = nullptr);

    void watch(QAbstractSpinBox* spinBox);
    /*! The merge key of the gesture going on in \a spinBox; starts one when there is none. */
    int mergeKey(QAbstractSpinBox* spinBox);
    void end();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QAbstractSpinBox* m_pActive = nullptr;
    int m_key = 0;
};

#endif
