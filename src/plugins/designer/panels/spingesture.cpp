// SPDX-License-Identifier: MIT
#include "spingesture.h"

#include "document/designerdocument.h"

#include <QAbstractSpinBox>
#include <QKeyEvent>

SpinGesture::SpinGesture(QObject* parent)
    : QObject(parent)
{}

void SpinGesture::watch(QAbstractSpinBox* spinBox)
{
    spinBox->installEventFilter(this);
    connect(spinBox, &QAbstractSpinBox::editingFinished, this, &SpinGesture::end);
}

int SpinGesture::mergeKey(QAbstractSpinBox* spinBox)
{
    if (m_pActive != spinBox || m_key == 0) {
        m_pActive = spinBox;
        m_key = DesignerDocument::newMergeKey();
    }
    return m_key;
}

void SpinGesture::end()
{
    m_pActive = nullptr;
    m_key = 0;
}

bool SpinGesture::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::MouseButtonRelease:
    case QEvent::FocusOut:
        end();
        break;
    case QEvent::KeyRelease:
        // A held key repeats its steps; they belong to the one press.
        if (!static_cast<QKeyEvent*>(event)->isAutoRepeat())
            end();
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}
